#!/usr/bin/env bash
# Takes the README's picture of the tree window: TreeDemo (built with the tests) inside a Wine
# virtual desktop, which draws Windows captions and frames, cropped to the demo's window.
#   tools/make_tree_screenshot.sh [OUT.png]      default docs/tree-window.png
set -uo pipefail
. "$(dirname "$0")/common.sh"
trap stop_all EXIT

out=${1:-$SHELVIX_ROOT/docs/tree-window.png}
demo=$SHELVIX_BUILD/bin/TreeDemo.exe
[ -f "$demo" ] || { echo "build TreeDemo first (tools/test.sh builds it)" >&2; exit 1; }
ensure_display || exit 1
start_wine || exit 1
shot=$(mktemp --suffix=.png)
# The demo closes itself after eight seconds, and the desktop with it.
wine explorer /desktop=Tree,800x600 "$demo" 8000 >/dev/null 2>&1 </dev/null &
desktop=$!
sleep 5
import -window root "$shot"
wait "$desktop"
# The demo's window: 420 x 520 at (20, 20) of the desktop, frame and caption included.
mkdir -p "$(dirname "$out")"
convert "$shot" -crop 420x520+20+20 +repage "$out"
rm -f "$shot"
echo "wrote $out"
