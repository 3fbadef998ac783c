# Shared by run.sh and test.sh: Debian packages, the two builds, a virtual
# display and a Wine prefix of our own. Sourced, not run.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$ROOT/build"

PACKAGES=(cmake ninja-build g++ googletest g++-mingw-w64-x86-64-posix wine wine64 fonts-wine
    fonts-dejavu-core xvfb xdotool imagemagick python3 nsis zip)
# What building the Windows program and its packages alone needs.
BUILD_PACKAGES=(cmake ninja-build googletest g++-mingw-w64-x86-64-posix python3 nsis zip)

log() { printf '== %s\n' "$*" >&2; }

# The named Debian packages, or all of PACKAGES, installed when missing.
ensure_packages() {
    local wanted=("${PACKAGES[@]}")
    (($# == 0)) || wanted=("$@")
    local missing=() p
    for p in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    ((${#missing[@]} == 0)) && return 0
    log "installing ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build_windows() {
    log "building the Windows program"
    cmake --preset windows >/dev/null
    cmake --build --preset windows
}

build_native() {
    log "building the native tests"
    cmake --preset native >/dev/null
    cmake --build --preset native
}

# What the benchmarks run in: the Windows build, a virtual display and the
# benchmarks' own Wine prefix, stopped on exit.
prepare_bench() {
    ensure_packages
    build_windows >&2
    trap stop_started EXIT
    start_virtual_display
    use_wine_prefix "$BUILD/wine-bench"
}

# Processes started here, stopped on exit whatever happens: the Wine
# servers of the prefixes used, the display.
XVFB_PIDS=()
USED_PREFIXES=()
stop_started() {
    local prefix
    for prefix in "${USED_PREFIXES[@]}"; do
        [ -d "$prefix" ] || continue
        WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
        WINEPREFIX="$prefix" wineserver -w 2>/dev/null || true
    done
    local pid
    for pid in "${XVFB_PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
}

start_virtual_display() {
    local fdfile
    fdfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
    XVFB_PIDS+=($!)
    local i
    for i in $(seq 100); do
        [ -s "$fdfile" ] && break
        sleep 0.1
    done
    [ -s "$fdfile" ] || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$(head -n1 "$fdfile")"
    rm -f "$fdfile"
    # The tests type through the display itself, as a keyboard would.
    RYTMALO_XINPUT=$(command -v xdotool || true)
    export RYTMALO_XINPUT
    log "virtual display $DISPLAY"
}

# A 64-bit Wine prefix inside the build folder, made once: every program runs
# in a Wine virtual desktop (Wine then draws frames and caption bars itself),
# no crash dialogs, no menu entries on the host. Wine's own TrueType fonts go
# into the Windows font folder (this Wine does not load them from its data
# folder): Tahoma stands in for the bitmap font MS Sans Serif, which it does
# not load either, and Marlett draws the caption buttons. With "wide" as
# second argument the prefix has no Tahoma and MS Sans Serif resolves to
# DejaVu Sans, a wider font, as on systems with other font substitutes.
PREFIX_VERSION=2
use_wine_prefix() {
    export WINEPREFIX="$1"
    local kind="${2:-tahoma}"
    USED_PREFIXES+=("$WINEPREFIX")
    export WINEARCH=win64
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    # A server left running for this prefix would still draw on the display
    # it was started with.
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    if [ "$(cat "$WINEPREFIX/.rytmalo-prefix" 2>/dev/null)" = "$PREFIX_VERSION $kind" ]; then
        start_wine_desktop
        return 0
    fi
    log "creating the Wine prefix $WINEPREFIX (once)"
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
    local face=Tahoma fonts=(/usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf)
    if [ "$kind" = wide ]; then
        face="DejaVu Sans"
        fonts=(/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
            /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
            /usr/share/fonts/truetype/dejavu/DejaVuSans-Oblique.ttf
            /usr/share/fonts/truetype/dejavu/DejaVuSans-BoldOblique.ttf)
    fi
    cat >"$WINEPREFIX/rytmalo.reg" <<REG
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1024x768"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"MS Sans Serif"="$face"
"Microsoft Sans Serif"="$face"
REG
    cp "${fonts[@]}" /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    wine regedit /S "$WINEPREFIX/rytmalo.reg" >/dev/null 2>&1
    wineserver -w
    echo "$PREFIX_VERSION $kind" >"$WINEPREFIX/.rytmalo-prefix"
    start_wine_desktop
}

# A persistent wineserver, Wine's services and the virtual desktop, started
# here with their output detached: a test run must not wait for them.
start_wine_desktop() {
    wineserver -p >/dev/null 2>&1 || true
    wineboot >/dev/null 2>&1 || true
    setsid wine explorer /desktop=Default,1024x768 >/dev/null 2>&1 </dev/null &
    local i
    for i in $(seq 50); do
        pgrep -f 'explorer.exe /desktop' >/dev/null && break
        sleep 0.1
    done
    sleep 0.5
}
