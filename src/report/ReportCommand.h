#pragma once
// The report of the current font, size and effects, written to a file the user names.
namespace platform {
class Prompts;
}
namespace ui {
class MainForm;
}

namespace report {

void ReportCode(ui::MainForm& mainForm, platform::Prompts& prompts);

} // namespace report
