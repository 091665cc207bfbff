#!/usr/bin/env bash
# Builds everything and runs every test under Wine (with Xvfb when there is no display).
set -uo pipefail
. "$(dirname "$0")/common.sh"
trap stop_all EXIT

ensure_packages || exit 1
build_all || exit 1
ensure_display || exit 1
start_wine || exit 1
cd "$SHELVIX_BUILD" && ctest --output-on-failure --timeout 300 "$@"
