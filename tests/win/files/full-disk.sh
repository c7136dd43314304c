#!/bin/sh
# Mounts or unmounts the 1 MiB tmpfs of the full-disk test. Without the right to mount it says
# so and succeeds; the test then skips itself.
dir=$2
case "$1" in
mount)
  mkdir -p "$dir"
  mountpoint -q "$dir" && exit 0
  mount -t tmpfs -o size=1m tmpfs "$dir" 2>/dev/null ||
    echo "full-disk test: cannot mount a tmpfs at $dir (needs root); the test will be skipped"
  ;;
unmount)
  if mountpoint -q "$dir"; then
    umount "$dir" 2>/dev/null || umount -l "$dir"
  fi
  rmdir "$dir" 2>/dev/null
  ;;
esac
exit 0
