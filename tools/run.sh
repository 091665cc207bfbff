#!/usr/bin/env bash
# Builds everything and starts Shelvix under Wine. With a display it opens the window; without
# one it starts it on Xvfb inside a Wine virtual desktop, writes a screenshot to
# build/shelvix-run.png and ends it. Either way a copy of the bundled sample catalogue is one
# click away in File's recent-file list of the build's own Wine prefix.
set -uo pipefail
. "$(dirname "$0")/common.sh"
trap stop_all EXIT

had_display=${DISPLAY:-}
ensure_packages || exit 1
build_all || exit 1
ensure_display || exit 1
start_wine || exit 1
cd "$SHELVIX_BUILD/bin" || exit 1

# The sample is copied once into the build, so that saving it never touches the checkout; it
# goes into the recent-file list only when that list is empty (the program itself starts with
# whatever list the profile holds).
sample="$SHELVIX_BUILD/samples/reader-catalogue.xml"
if [ ! -f "$sample" ]; then
    mkdir -p "$(dirname "$sample")" && cp "$SHELVIX_ROOT/samples/reader-catalogue.xml" "$sample"
fi
mru='HKCU\Software\Shelvix\Shelvix\MRU'
if ! wine reg query "$mru" /v Entry.0 2>/dev/null | grep -q 'REG_SZ *[^ ]'; then
    wine reg add "$mru" /v Entry.0 /t REG_SZ /d "$(winepath -w "$sample")" /f >/dev/null 2>&1
fi

if [ -n "$had_display" ]; then
    wine Shelvix.exe "$@"
    exit
fi

shot="$SHELVIX_BUILD/shelvix-run.png"
wine explorer /desktop=Shelvix,1024x860 Shelvix.exe "$@" >/dev/null 2>&1 &
# The program's windows live inside the desktop's one X window.
for _ in $(seq 1 100); do
    xdotool search --name 'Wine desktop' >/dev/null 2>&1 && break
    sleep 0.2
done
sleep 4
import -window root -crop 1024x860+0+0 "$shot" && echo "Screenshot of the window: $shot"
