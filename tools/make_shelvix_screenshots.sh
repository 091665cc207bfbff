#!/usr/bin/env bash
# Photographs Shelvix inside a Wine virtual desktop for the README: the main window with a
# collection of the sample shown (docs/shelvix-main.png) and the Add Books dialog over it
# (docs/shelvix-add-books.png), then filtered by "notes" (docs/shelvix-add-books-filtered.png).
# The program's settings in the build's prefix are set aside for
# the run and put back after it.
set -uo pipefail
. "$(dirname "$0")/common.sh"

work=$(mktemp -d) || exit 1
restore_profile() {
    wine reg delete 'HKCU\Software\Shelvix' /f >/dev/null 2>&1
    [ -f "$work/profile.reg" ] && wine reg import "$work/profile.reg" >/dev/null 2>&1
    stop_all
    rm -rf "$work"
}
trap restore_profile EXIT

ensure_packages || exit 1
cmake -S "$SHELVIX_ROOT" -B "$SHELVIX_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    >/dev/null && cmake --build "$SHELVIX_BUILD" -j 2 --target Shelvix || exit 1
ensure_display || exit 1
start_wine || exit 1

# A first-run profile whose one recent file is a copy of the sample.
cp "$SHELVIX_ROOT/samples/reader-catalogue.xml" "$work/" || exit 1
wine reg export 'HKCU\Software\Shelvix' "$work/profile.reg" /y >/dev/null 2>&1 ||
    rm -f "$work/profile.reg"
wine reg delete 'HKCU\Software\Shelvix' /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Shelvix\Shelvix\MRU' /v Entry.0 /t REG_SZ \
    /d "$(winepath -w "$work/reader-catalogue.xml")" /f >/dev/null 2>&1 || exit 1

shot="$work/shot.png"
(cd "$SHELVIX_BUILD/bin" && wine explorer /desktop=Shelvix,1024x860 Shelvix.exe >/dev/null 2>&1 &)
xdotool mousemove 1000 840
# Waits until the frame's caption covers the desktop's background.
for _ in $(seq 1 60); do
    sleep 0.5
    import -window root "$shot" || exit 1
    [ "$(convert "$shot" -format '%[pixel:p{300,30}]' info:)" != \
      "$(convert "$shot" -format '%[pixel:p{1000,30}]' info:)" ] && break
done
sleep 1
# File > the recent file (Save, disabled, lies between), then "Reading now", the fifth
# collection: titles in Greek, Japanese and English.
xdotool key alt+f sleep 0.5 key Down Down Return sleep 2
xdotool mousemove 100 128 click 1 sleep 0.5 key Down Down Down Down sleep 1
xdotool mousemove 1000 840 sleep 0.5
mkdir -p "$SHELVIX_ROOT/docs"
import -window root "$shot" &&
    convert "$shot" -crop 600x800+20+20 +repage "$SHELVIX_ROOT/docs/shelvix-main.png" || exit 1
# Books > Add Books...
xdotool mousemove 185 54 click 1 sleep 0.8 mousemove 237 77 click 1 sleep 2
xdotool mousemove 1000 840 sleep 0.5
import -window root "$shot" &&
    convert "$shot" -crop 780x600+18+18 +repage "$SHELVIX_ROOT/docs/shelvix-add-books.png" ||
    exit 1
# The filter box has the focus when the dialog opens.
xdotool type --delay 150 notes
xdotool sleep 1
import -window root "$shot" &&
    convert "$shot" -crop 780x600+18+18 +repage "$SHELVIX_ROOT/docs/shelvix-add-books-filtered.png" ||
    exit 1
echo "docs/shelvix-main.png, docs/shelvix-add-books.png and docs/shelvix-add-books-filtered.png written"
