# Shared by the README's commands: packages, build, display and Wine server.
# Sourced, not run. Every function leaves the environment ready for the next one.

SHELVIX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
SHELVIX_BUILD=${SHELVIX_BUILD:-$SHELVIX_ROOT/build}
SHELVIX_PACKAGES=(mingw-w64 wine wine64 fonts-wine fonts-dejavu-core fonts-wqy-microhei fonts-symbola
                  xvfb xauth xdotool cmake ninja-build googletest imagemagick python3)

ensure_packages() {
    local missing=() pkg
    for pkg in "${SHELVIX_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq &&
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
            "${missing[@]}" >/dev/null
}

build_all() {
    cmake -S "$SHELVIX_ROOT" -B "$SHELVIX_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        >/dev/null &&
        cmake --build "$SHELVIX_BUILD" -j "$(nproc)"
}

# Starts Xvfb when there is no display; it is stopped when the calling script exits.
ensure_display() {
    [ -n "${DISPLAY:-}" ] && return 0
    local n
    for n in $(seq 90 140); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
    done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    SHELVIX_XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 50); do
        [ -e "/tmp/.X11-unix/X$n" ] && return 0
        sleep 0.1
    done
    echo "Xvfb did not start on $DISPLAY" >&2
    return 1
}

# The build's own prefix, with one persistent wineserver for the whole run.
start_wine() {
    export WINEPREFIX="$SHELVIX_BUILD/wineprefix" WINEARCH=win64
    export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
    [ -f "$WINEPREFIX/.shelvix-prefix-2" ] || "$SHELVIX_ROOT/tools/wineprefix.sh" "$WINEPREFIX" ||
        return 1
    # Fails harmlessly when a server for this prefix is already running.
    wineserver -p >/dev/null 2>&1 </dev/null || true
    # Wine's own background processes (services, explorer) start with the first program and
    # inherit its output; started here, they hold no pipe that CTest waits on.
    wine wineboot >/dev/null 2>&1 </dev/null
}

stop_all() {
    [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null
    [ -n "${SHELVIX_XVFB_PID:-}" ] && kill "$SHELVIX_XVFB_PID" 2>/dev/null
    return 0
}
