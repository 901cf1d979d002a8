# shellcheck shell=bash
# Sourced by scripts/run.sh for --screenshots: pictures of the four windows at 96 and
# 144 dpi, on a private Xvfb, into one folder.

# The id of a visible window whose title is exactly $1, waiting up to $2 seconds.
visible_window() {
    local title="$1" seconds="${2:-60}" id i
    for ((i = 0; i < seconds * 10; i++)); do
        id="$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n1)" || true
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

shoot() { # window id, picture
    sleep 0.8 # let it finish painting
    import -window "$1" "$2" || import -window root "$2"
}

set_dpi() {
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
        </dev/null >/dev/null 2>&1
}

take_screenshots() {
    local folder="$1" dpi splash main about feedback
    mkdir -p "$folder"
    start_xvfb
    # The tests expect 96 dpi: whatever happens, the prefix goes back to it.
    at_exit 'set_dpi 96; wineserver -w'
    for dpi in 96 144; do
        start_wineserver
        set_dpi "$dpi"
        say "Screenshots at $dpi dpi"
        wine "$exe" </dev/null >"$GLYPHMERE_ROOT/build/glyphmere-run.log" 2>&1 &
        splash="$(visible_window "Glyphmere ${GLYPHMERE_VERSION//./\\.}" 30)" || die "the splash did not appear"
        import -window "$splash" "$folder/splash-$dpi.png" || true
        main="$(visible_window "Glyphmere - Version ${GLYPHMERE_VERSION//./\\.}")" || die "the main window did not appear"
        shoot "$main" "$folder/main-$dpi.png"
        xdotool windowfocus --sync "$main" key ctrl+b
        about="$(visible_window 'About Glyphmere' 20)" || die "the about window did not appear"
        shoot "$about" "$folder/about-$dpi.png"
        xdotool windowfocus --sync "$about" key Escape
        sleep 0.5
        xdotool windowfocus --sync "$main" key ctrl+i
        feedback="$(visible_window 'I Like Glyphmere' 20)" || die "the feedback window did not appear"
        shoot "$feedback" "$folder/feedback-$dpi.png"
        stop_wineserver
    done
    set_dpi 96
    echo "$folder"
}
