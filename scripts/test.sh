#!/usr/bin/env bash
# Lints the CI workflow, builds every preset (the clang one too) and runs the test
# suite: the native parts with the sanitizers, the 64-bit build under wine64, and the
# 32-bit build under wine32 where this machine can start 32-bit programs at all. Extra arguments go to ctest, e.g.
# `bash scripts/test.sh -R <pattern> -V`; a preset none of whose tests they select is
# left out, and it is an error when no preset has one.
set -euo pipefail
# shellcheck source=scripts/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$GLYPHMERE_ROOT"

ensure_packages
lint_workflows || die "the CI workflow has errors"
# Both architectures, each also by the second compiler, are always built, warnings as
# errors, so all stay warning-free; clang's builds are not run, the gcc ones' tests cover
# them.
build_presets mingw-x86_64 mingw-i686 clang-x86_64 clang-i686 native-sanitizers

arches=(x86_64)
if can_run_32bit; then
    arches+=(i686)
    skipped=
else
    skipped="i686 built but not run: $GLYPHMERE_NO_32BIT"
    say "Skipping the 32-bit tests: $GLYPHMERE_NO_32BIT"
fi

# Whether the extra arguments select any test of a preset.
selects_tests() {
    (($# == 1)) && return 0
    local count
    count="$(ctest --preset "$1" -N "${@:2}" 2>/dev/null | sed -n 's/^Total Tests: //p')"
    [[ "${count:-0}" -gt 0 ]]
}

rc=0
ran=()
native_tests=false
selects_tests native-sanitizers "$@" && native_tests=true
wine_arches=()
for arch in "${arches[@]}"; do
    selects_tests "mingw-$arch" "$@" && wine_arches+=("$arch")
done
if ! $native_tests && ((${#wine_arches[@]} == 0)); then
    die "no test matches: $*"
fi

if $native_tests; then
    say "Running the native tests"
    ctest --preset native-sanitizers "$@" || rc=1
    ran+=(native)
fi
if ((${#wine_arches[@]})); then
    start_xvfb
    for arch in "${wine_arches[@]}"; do
        use_wine "$arch"
        ensure_prefix
        start_wineserver
        say "Running the $arch tests under $(basename "$WINELOADER")"
        ctest --preset "mingw-$arch" "$@" || rc=1
        ran+=("$arch")
        stop_wineserver
    done
    stop_xvfb
fi

say "Tested: ${ran[*]}${skipped:+; $skipped}"
((rc == 0)) || say "Some tests FAILED"
exit "$rc"
