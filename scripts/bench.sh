#!/usr/bin/env bash
# Runs the benchmarks under Wine on a private Xvfb and prints their table.
#   bash scripts/bench.sh            the full run (a few minutes)
#   bash scripts/bench.sh --quick    small numbers, seconds
#   bash scripts/bench.sh --record   the full run, its table kept in bench/RESULTS.md
set -euo pipefail
# shellcheck source=scripts/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$GLYPHMERE_ROOT"

record=false
args=()
for arg in "$@"; do
    if [[ "$arg" == "--record" ]]; then record=true; else args+=("$arg"); fi
done

ensure_packages
build_presets mingw-i686
ensure_prefix
start_xvfb
start_wineserver

say "Running the benchmarks"
table="$GLYPHMERE_ROOT/build/bench-table.txt"
wine "$GLYPHMERE_ROOT/build/i686/glyphmere_bench.exe" "${args[@]}" </dev/null | tr -d '\r' | tee "$table"

if $record; then
    {
        echo "# Benchmark results"
        echo
        echo "The last full run of \`bash scripts/bench.sh --record\`."
        echo
        echo "- Date: $(date -u '+%Y-%m-%d %H:%M UTC')"
        echo "- Machine: $(nproc) cores, $(free -g | awk '/^Mem:/ {print $2}') GiB, $(uname -sm)"
        echo "- CPU: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
        echo "- Wine: $(wine --version), Xvfb display, 96 dpi"
        echo
        echo "Times in milliseconds; \"baseline\" is the bare work measured in the same run"
        echo "(see bench/Bench.cpp for what each one does); ratio = median / baseline."
        echo
        echo '```'
        cat "$table"
        echo '```'
    } >"$GLYPHMERE_ROOT/bench/RESULTS.md"
    say "Recorded in bench/RESULTS.md"
fi
