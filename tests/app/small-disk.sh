#!/bin/sh
# CTest fixture of the full-disk tests: mounts a small tmpfs for them, and unmounts it after.
#   small-disk.sh mount DIR SIZE      (setup)
#   small-disk.sh unmount DIR         (cleanup, whatever the tests did)
# DIR.status tells the tests "mounted", or why there is no small disk, so that they skip
# themselves with the reason; setup never fails the run for want of the right to mount.
set -u
action=${1:?usage: small-disk.sh mount DIR SIZE | unmount DIR}
dir=${2:?usage: small-disk.sh mount DIR SIZE | unmount DIR}
status="$dir.status"

unmount() {
    if mountpoint -q "$dir" 2>/dev/null; then
        umount "$dir" 2>/dev/null || umount -l "$dir"
    fi
}

case $action in
mount)
    size=${3:?usage: small-disk.sh mount DIR SIZE}
    unmount # left mounted by an interrupted run
    if ! mkdir -p "$dir" 2>/dev/null; then
        echo "cannot create $dir" >"$status"
        exit 0
    fi
    if said=$(mount -t tmpfs -o "size=$size" shelvix-small-disk "$dir" 2>&1); then
        echo mounted >"$status"
    else
        echo "no right to mount a tmpfs here (run as root, as CI does): $said" >"$status"
    fi
    ;;
unmount)
    unmount
    rmdir "$dir" 2>/dev/null
    rm -f "$status"
    ;;
*)
    echo "small-disk.sh: unknown action $action" >&2
    exit 2
    ;;
esac
exit 0
