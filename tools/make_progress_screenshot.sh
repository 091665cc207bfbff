#!/usr/bin/env bash
# Takes the README's picture of the progress dialog: ProgressDemo (built with the tests) half way
# through its work inside a Wine virtual desktop, cropped to the dialog.
#   tools/make_progress_screenshot.sh [OUT.png]      default docs/progress-dialog.png
set -uo pipefail
. "$(dirname "$0")/common.sh"
trap stop_all EXIT

out=${1:-$SHELVIX_ROOT/docs/progress-dialog.png}
demo=$SHELVIX_BUILD/bin/ProgressDemo.exe
[ -f "$demo" ] || { echo "build ProgressDemo first (tools/test.sh builds it)" >&2; exit 1; }
ensure_display || exit 1
start_wine || exit 1
shot=$(mktemp --suffix=.png)
# The work ends after six seconds, and the desktop with the demo.
wine explorer /desktop=Progress,640x480 "$demo" 6000 >/dev/null 2>&1 </dev/null &
desktop=$!
sleep 4
import -window root "$shot"
wait "$desktop"
# The dialog is centred on the plain desktop: trimming the desktop's colour leaves the dialog.
mkdir -p "$(dirname "$out")"
convert "$shot" -crop 640x480+0+0 +repage -trim +repage "$out"
rm -f "$shot"
echo "wrote $out"
