#!/usr/bin/env bash
# Builds both presets and runs the test suite under Wine on a private Xvfb.
# Extra arguments go to ctest, e.g. `bash scripts/test.sh -R <pattern> -V`.
set -euo pipefail
# shellcheck source=scripts/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$GLYPHMERE_ROOT"

ensure_packages
# The 64-bit build is a compile and warnings check only; its tests never run. The
# native build holds the parts that need no window system, with the sanitizers.
build_presets mingw-i686 mingw-x86_64 native-sanitizers
ensure_prefix
start_xvfb
start_wineserver

say "Running the tests"
rc=0
ctest --preset native-sanitizers "$@" || rc=$?
ctest --preset mingw-i686 "$@" || rc=$?

stop_wineserver
stop_xvfb
exit "$rc"
