#!/usr/bin/env bash
# Creates a 64-bit Wine prefix for the build's programs and tests: no Mono or Gecko offer,
# and Wine's own fonts copied in so that Marlett glyphs (caption buttons, frame controls) draw.
set -euo pipefail
prefix=${1:?usage: wineprefix.sh PREFIX}
export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$prefix"
wineboot -i >/dev/null 2>&1 || true
timeout 120 wineserver -w || true
if [ ! -f "$prefix/system.reg" ]; then
    echo "wineprefix.sh: could not create the Wine prefix $prefix" >&2
    exit 1
fi
# Without them (package fonts-wine) caption buttons and frame controls draw as letters.
fonts="$prefix/drive_c/windows/Fonts"
mkdir -p "$fonts"
if ! ls /usr/share/wine/fonts/*.ttf >/dev/null 2>&1 || [ ! -f /usr/share/wine/fonts/marlett.ttf ]; then
    echo "wineprefix.sh: Wine's own fonts are missing from /usr/share/wine/fonts (install fonts-wine)" >&2
    exit 1
fi
cp -f /usr/share/wine/fonts/*.ttf "$fonts/"
# A crashing test prints winedbg's backtrace and ends, instead of waiting on a crash dialog.
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 || true
wineserver -w
