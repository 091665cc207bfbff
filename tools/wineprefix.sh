#!/usr/bin/env bash
# Makes (or brings up to date) a 64-bit Wine prefix for the build's programs and tests: no Mono
# or Gecko offer, Wine's own fonts copied in so that Marlett glyphs (caption buttons, frame
# controls) draw, and dialog text able to show titles in any script. Safe to run again on a
# prefix; the stamp file says the prefix has every step below.
set -euo pipefail
prefix=${1:?usage: wineprefix.sh PREFIX}
stamp="$prefix/.shelvix-prefix-2"
export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$prefix"
if [ ! -f "$prefix/system.reg" ]; then
    wineboot -i >/dev/null 2>&1 || true
    timeout 120 wineserver -w || true
fi
if [ ! -f "$prefix/system.reg" ]; then
    echo "wineprefix.sh: could not create the Wine prefix $prefix" >&2
    exit 1
fi

need() {
    if [ ! -f "$1" ]; then
        echo "wineprefix.sh: $1 is missing (install $2)" >&2
        exit 1
    fi
}

# Without them caption buttons and frame controls draw as letters.
need /usr/share/wine/fonts/marlett.ttf fonts-wine
fonts="$prefix/drive_c/windows/Fonts"
mkdir -p "$fonts"
cp -f /usr/share/wine/fonts/*.ttf "$fonts/"

# Dialogs ask for "MS Shell Dlg 2" (Tahoma on Windows, which links to fonts for every other
# script). Wine's Tahoma has no Greek or Japanese and Wine rewrites Tahoma's links whenever a
# program starts, so the face here is DejaVu Sans, linked to WenQuanYi Micro Hei (Chinese,
# Japanese, Korean) and Symbola (symbols).
need /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf fonts-dejavu-core
need /usr/share/fonts/truetype/wqy/wqy-microhei.ttc fonts-wqy-microhei
need /usr/share/fonts/truetype/ancient-scripts/Symbola_hint.ttf fonts-symbola
nt='HKLM\Software\Microsoft\Windows NT\CurrentVersion'
wine reg add "$nt\\FontSubstitutes" /v "MS Shell Dlg 2" /d "DejaVu Sans" /f >/dev/null 2>&1
wine reg add "$nt\\FontLink\\SystemLink" /v "DejaVu Sans" /t REG_MULTI_SZ \
    /d 'wqy-microhei.ttc,WenQuanYi Micro Hei\0Symbola_hint.ttf,Symbola' /f >/dev/null 2>&1

# A crashing test prints winedbg's backtrace and ends, instead of waiting on a crash dialog.
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
# A server kept alive by the caller (wineserver -p) never ends; its memory already holds all.
timeout 60 wineserver -w || true
touch "$stamp"
