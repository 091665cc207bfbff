#!/usr/bin/env bash
# Builds the glue demo and photographs it at two sizes inside a Wine virtual desktop, for the
# README: docs/glue-dialog-small.png and docs/glue-dialog-large.png, cropped to the dialog.
set -uo pipefail
. "$(dirname "$0")/common.sh"
trap stop_all EXIT

ensure_packages || exit 1
cmake -S "$SHELVIX_ROOT" -B "$SHELVIX_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    >/dev/null && cmake --build "$SHELVIX_BUILD" -j 2 --target GlueDemo || exit 1
ensure_display || exit 1
start_wine || exit 1

shots=$(mktemp -d) || exit 1
mkdir -p "$SHELVIX_ROOT/docs"
# The demo puts its dialog at (10, 10) of the desktop with the outer size it is given; the
# small size is about the size the dialog template is designed for.
for shot in small:400x298 large:640x460; do
    name=${shot%%:*}
    size=${shot#*:}
    (cd "$SHELVIX_BUILD/bin" && wine explorer /desktop=Glue,800x600 GlueDemo.exe "$size" \
        >/dev/null 2>&1 &)
    xdotool mousemove 790 590 # out of the way of hover effects
    # Waits until the dialog's caption covers the desktop's background, then lets it settle.
    for _ in $(seq 1 60); do
        sleep 0.5
        import -window root "$shots/$name.png" || exit 1
        [ "$(convert "$shots/$name.png" -format '%[pixel:p{200,15}]' info:)" != \
          "$(convert "$shots/$name.png" -format '%[pixel:p{795,595}]' info:)" ] && break
    done
    sleep 2
    import -window root "$shots/$name.png" || exit 1
    convert "$shots/$name.png" -crop "$size+10+10" +repage \
        "$SHELVIX_ROOT/docs/glue-dialog-$name.png" || exit 1
    # The demo and its desktop run in the build's own prefix: ending that prefix's server
    # ends them.
    wineserver -k
    start_wine || exit 1
done
rm -rf "$shots"
echo "docs/glue-dialog-small.png and docs/glue-dialog-large.png written"
