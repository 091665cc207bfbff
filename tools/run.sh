#!/usr/bin/env bash
# Builds everything and starts Shelvix under Wine (with Xvfb when there is no display).
# Until the program exists, it runs the catalogue benchmark on the bundled sample instead.
set -uo pipefail
. "$(dirname "$0")/common.sh"
trap stop_all EXIT

ensure_packages || exit 1
build_all || exit 1
ensure_display || exit 1
start_wine || exit 1
cd "$SHELVIX_BUILD/bin" || exit 1
if [ -f Shelvix.exe ]; then
    wine Shelvix.exe "$@"
else
    wine CatalogueBench.exe "$(winepath -w "$SHELVIX_ROOT/samples/reader-catalogue.xml")" "$@"
fi
