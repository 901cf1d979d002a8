#!/usr/bin/env bash
# Builds Glyphmere's 64-bit program and starts it under wine64. With a DISPLAY it runs there in
# the foreground; without one it runs on a private Xvfb, saves a screenshot of
# the main window and prints the picture's path.
# `bash scripts/run.sh --screenshots [folder]` instead saves pictures of all four
# windows at 96 and 144 dpi into the folder (build/screenshots by default) and
# prints its path.
set -euo pipefail
# shellcheck source=scripts/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$GLYPHMERE_ROOT"

# Everything but the picture's path goes to stderr.
ensure_packages >&2
build_presets mingw-x86_64 >&2
use_wine x86_64
ensure_prefix

exe="$GLYPHMERE_ROOT/build/x86_64/glyphmere.exe"
[[ -f "$exe" ]] || die "the build made no $exe"

if [[ "${1:-}" == "--screenshots" ]]; then
    # shellcheck source=scripts/screenshots.sh
    source "$GLYPHMERE_ROOT/scripts/screenshots.sh"
    unset DISPLAY
    take_screenshots "$(realpath -m "${2:-$GLYPHMERE_ROOT/build/screenshots}")"
    exit 0
fi

if [[ -n "${DISPLAY:-}" ]]; then
    say "Starting Glyphmere on $DISPLAY"
    exec wine "$exe" "$@"
fi

start_xvfb
start_wineserver

say "Starting Glyphmere on a private Xvfb ($DISPLAY)"
log="$GLYPHMERE_ROOT/build/glyphmere-run.log"
wine "$exe" "$@" </dev/null >"$log" 2>&1 &
pid=$!

window=
for ((i = 0; i < 300; i++)); do
    window="$(xdotool search --onlyvisible --name "$GLYPHMERE_MAIN_TITLE" 2>/dev/null | head -n1)" || true
    [[ -n "$window" ]] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
done
if [[ -z "$window" ]]; then
    if kill -0 "$pid" 2>/dev/null; then
        echo "error: the main window \"Glyphmere - Version $GLYPHMERE_VERSION\" did not appear within 60 s" >&2
    else
        echo "error: Glyphmere ended before its main window \"Glyphmere - Version $GLYPHMERE_VERSION\" appeared" >&2
    fi
    tail -n 20 "$log" >&2 || true
    exit 1
fi

# Let the fonts list and the sample finish painting.
sleep 3

shots="$GLYPHMERE_ROOT/build/screenshots"
mkdir -p "$shots"
picture="$shots/main-window.png"
rm -f "$picture"
if ! import -window "$window" "$picture" 2>/dev/null; then
    say "Could not grab the window alone; taking the whole screen"
    import -window root "$picture" || die "no screenshot could be taken"
fi

stop_wineserver
wait "$pid" 2>/dev/null || true
echo "$picture"
