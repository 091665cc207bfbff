#!/usr/bin/env bash
# Creates a 64-bit Wine prefix for the build's programs and tests: no Mono or Gecko offer,
# Wine's own fonts copied in so that Marlett glyphs (caption buttons, frame controls) draw,
# and fonts for Greek, Japanese and emoji linked behind the dialog and list fonts.
#   wineprefix.sh PREFIX          creates the prefix (and links the fonts)
#   wineprefix.sh --fonts PREFIX  links the fonts into an existing prefix
set -euo pipefail
fonts_only=
if [ "${1:-}" = --fonts ]; then
    fonts_only=1
    shift
fi
prefix=${1:?usage: wineprefix.sh [--fonts] PREFIX}
export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="

# Titles come in any script, but the faces behind "MS Shell Dlg" and Tahoma have no Greek,
# CJK or emoji glyphs: Wine draws boxes. A SystemLink entry makes GDI take the missing glyphs
# from the listed fonts, in order (packages fonts-dejavu-core, fonts-wqy-microhei,
# fonts-symbola).
link_fonts() {
    local fonts="$prefix/drive_c/windows/Fonts" file
    local files=(/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
                 /usr/share/fonts/truetype/wqy/wqy-microhei.ttc
                 /usr/share/fonts/truetype/ancient-scripts/Symbola_hint.ttf)
    mkdir -p "$fonts"
    for file in "${files[@]}"; do
        if [ ! -f "$file" ]; then
            echo "wineprefix.sh: $file is missing (install fonts-dejavu-core, fonts-wqy-microhei, fonts-symbola)" >&2
            return 1
        fi
        cp -f "$file" "$fonts/"
    done
    local links='DejaVuSans.ttf,DejaVu Sans\0wqy-microhei.ttc,WenQuanYi Micro Hei\0Symbola_hint.ttf,Symbola'
    local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
    local face
    for face in "MS Shell Dlg" "MS Shell Dlg 2" "Tahoma" "Microsoft Sans Serif" "Segoe UI" \
                "Arial" "Liberation Sans"; do
        wine reg add "$key" /v "$face" /t REG_MULTI_SZ /d "$links" /f >/dev/null 2>&1 || return 1
    done
    wineserver -w
    touch "$prefix/.shelvix-fonts"
}

if [ -n "$fonts_only" ]; then
    link_fonts
    exit
fi

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
link_fonts
