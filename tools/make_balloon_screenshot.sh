#!/usr/bin/env bash
# Builds the balloon demo and photographs its error balloon inside a Wine virtual desktop, for
# the README: docs/balloon-validation.png, cropped to the dialog and its balloon.
set -uo pipefail
. "$(dirname "$0")/common.sh"
trap stop_all EXIT

ensure_packages || exit 1
cmake -S "$SHELVIX_ROOT" -B "$SHELVIX_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    >/dev/null && cmake --build "$SHELVIX_BUILD" -j 2 --target BalloonDemo || exit 1
ensure_display || exit 1
start_wine || exit 1

shot=$(mktemp --suffix=.png) || exit 1
mkdir -p "$SHELVIX_ROOT/docs"
# The demo puts its dialog at (20, 20) of the desktop and checks "-3" in its Copies field at
# once, as if OK had been pressed.
(cd "$SHELVIX_BUILD/bin" && wine explorer /desktop=Balloon,800x600 BalloonDemo.exe -3 \
    >/dev/null 2>&1 &)
xdotool mousemove 790 590 # out of the way of hover effects
# Waits until the dialog's caption covers the desktop's background, then lets the balloon
# appear and settle.
for _ in $(seq 1 60); do
    sleep 0.5
    import -window root "$shot" || exit 1
    [ "$(convert "$shot" -format '%[pixel:p{100,30}]' info:)" != \
      "$(convert "$shot" -format '%[pixel:p{795,595}]' info:)" ] && break
done
sleep 2
import -window root "$shot" || exit 1
convert "$shot" -crop "${BALLOON_CROP:-355x170+10+10}" +repage \
    "$SHELVIX_ROOT/docs/balloon-validation.png" || exit 1
rm -f "$shot"
echo "docs/balloon-validation.png written"
