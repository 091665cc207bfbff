#!/usr/bin/env bash
# Takes the README's picture of the card table: CardDemo (built with the tests) inside a Wine
# virtual desktop, which draws Windows captions and frames, cropped to the demo's window.
#   tools/make_card_screenshot.sh [OUT.png]      default docs/card-table.png
set -uo pipefail
. "$(dirname "$0")/common.sh"
trap stop_all EXIT

out=${1:-$SHELVIX_ROOT/docs/card-table.png}
demo=$SHELVIX_BUILD/bin/CardDemo.exe
[ -f "$demo" ] || { echo "build CardDemo first (tools/test.sh builds it)" >&2; exit 1; }
ensure_display || exit 1
start_wine || exit 1
shot=$(mktemp --suffix=.png)
# The demo closes itself after eight seconds, and the desktop with it.
wine explorer /desktop=Cards,800x600 "$demo" 8000 >/dev/null 2>&1 </dev/null &
desktop=$!
sleep 5
import -window root "$shot"
wait "$desktop"
# The demo's window: 510 x 330 at (20, 20) of the desktop, frame and caption included.
mkdir -p "$(dirname "$out")"
convert "$shot" -crop 510x330+20+20 +repage "$out"
rm -f "$shot"
echo "wrote $out"
