#!/usr/bin/env bash
# Runs the benchmarks under Wine on a private Xvfb and prints their table.
#   bash scripts/bench.sh            the full run (a few minutes)
#   bash scripts/bench.sh --quick    small numbers, seconds
#   bash scripts/bench.sh --record   the full run, its table kept in bench/RESULTS.md
#   bash scripts/bench.sh --x86 ...  the 32-bit build instead of the 64-bit one, where
#                                    this machine starts 32-bit programs; recorded in
#                                    bench/RESULTS-x86.md
set -euo pipefail
# shellcheck source=scripts/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$GLYPHMERE_ROOT"

record=false
arch=x86_64
args=()
for arg in "$@"; do
    case "$arg" in
        --record) record=true ;;
        --x86) arch=i686 ;;
        *) args+=("$arg") ;;
    esac
done

ensure_packages
if [[ "$arch" == i686 ]] && ! can_run_32bit; then
    die "no 32-bit benchmarks here: $GLYPHMERE_NO_32BIT"
fi
build_presets "mingw-$arch"
use_wine "$arch"
ensure_prefix
# Tall enough for the main window and the bare copy below it, both whole on the screen.
export GLYPHMERE_SCREEN=1280x1200
start_xvfb
start_wineserver

say "Running the benchmarks"
table="$GLYPHMERE_ROOT/build/bench-table.txt"
# The machine may be shared: its load beside the figures.
load_before="$(cut -d' ' -f1 /proc/loadavg)"
wine "$(preset_dir "mingw-$arch")/glyphmere_bench.exe" "${args[@]}" </dev/null | tr -d '\r' | tee "$table"
load_after="$(cut -d' ' -f1 /proc/loadavg)"
say "Load average over 1 minute: $load_before before, $load_after after"

if $record; then
    results="$GLYPHMERE_ROOT/bench/RESULTS.md"
    [[ "$arch" == i686 ]] && results="$GLYPHMERE_ROOT/bench/RESULTS-x86.md"
    {
        echo "# Benchmark results"
        echo
        echo "The last full run of \`bash scripts/bench.sh --record\`."
        echo
        echo "- Date: $(date -u '+%Y-%m-%d %H:%M UTC')"
        echo "- Build: $arch ($( [[ "$arch" == x86_64 ]] && echo 64-bit || echo 32-bit ) glyphmere, $(basename "$WINELOADER"))"
        echo "- Machine: $(nproc) cores, $(free -g | awk '/^Mem:/ {print $2}') GiB, $(uname -sm)"
        echo "- CPU: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
        echo "- Wine: $(wine --version), Xvfb display, 96 dpi"
        echo "- Load average over 1 minute: $load_before before the run, $load_after after"
        echo
        echo "Times in milliseconds; \"baseline\" is the same visible work done the bare Win32"
        echo "way in the same run (bench/README.md says what each one does); a timed row's ratio"
        echo "is the median of each run's ratio to the baseline run beside it."
        echo
        echo '```'
        cat "$table"
        echo '```'
    } >"$results"
    say "Recorded in bench/$(basename "$results")"
fi
