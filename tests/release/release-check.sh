#!/bin/sh
# Makes the release archive, unpacks it into an empty folder and checks that it runs alone:
# every DLL that its modules import is in the archive or in a fresh Windows (a new Wine prefix
# that holds nothing of this build), and Shelvix starts there with the sample catalogue.
#   release-check.sh BUILD_DIR ZIP
set -u
build=$1
zip=$2
work=$(mktemp -d)
trap 'WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "release check: $*" >&2; exit 1; }

(cd "$build" && cpack -G ZIP --config CPackConfig.cmake >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log" >&2; fail "cpack failed"; }
[ -f "$zip" ] || fail "no archive at $zip"
mkdir "$work/unpacked" && (cd "$work/unpacked" && cmake -E tar xf "$zip") || fail "cannot unpack"
dir=$(find "$work/unpacked" -maxdepth 1 -mindepth 1 -type d)
[ "$(echo "$dir" | wc -l)" = 1 ] || fail "the archive must hold one folder"
for file in Shelvix.exe QVTOOLS201.dll QVFTOOLS100.dll ShvAfx.dll README.md \
    samples/reader-catalogue.xml; do
    [ -f "$dir/$file" ] || fail "$file is missing from the archive"
done

export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="
WINEDEBUG=-all wineboot -i >/dev/null 2>&1 || fail "cannot make a fresh Wine prefix"
system32="$WINEPREFIX/drive_c/windows/system32"
for module in "$dir"/*.exe "$dir"/*.dll; do
    for dll in $(x86_64-w64-mingw32-objdump -p "$module" | sed -n 's/^\s*DLL Name: //p'); do
        lower=$(echo "$dll" | tr 'A-Z' 'a-z')
        ls "$dir" | tr 'A-Z' 'a-z' | grep -qx "$lower" && continue
        ls "$system32" | tr 'A-Z' 'a-z' | grep -qx "$lower" && continue
        fail "$(basename "$module") imports $dll, which is neither in the archive nor in Windows"
    done
done

sample=$(winepath -w "$dir/samples/reader-catalogue.xml")
WINEDEBUG=err+module wine explorer /desktop=Release,1024x768 "$dir/Shelvix.exe" "$sample" \
    >"$work/run.log" 2>&1 &
found=
for i in $(seq 1 120); do
    if xdotool search --name 'Shelvix' >/dev/null 2>&1; then
        found=1
        break
    fi
    sleep 0.5
done
sleep 2
import -window root "$build/release-run.png" 2>/dev/null || true
grep -i "not found" "$work/run.log" >&2 && fail "a module could not be loaded"
[ -n "$found" ] || { cat "$work/run.log" >&2; fail "no Shelvix window appeared"; }
echo "release check: $(basename "$zip") unpacked and started alone; screen in $build/release-run.png"
