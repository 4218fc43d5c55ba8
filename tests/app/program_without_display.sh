#!/bin/sh
# Without a display the program says so in one line and ends.
# usage: program_without_display.sh <ortix executable>
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" 2>&1)
status=$?
lines=$(printf '%s\n' "$out" | wc -l)
if [ $status -ne 1 ] || [ "$lines" -ne 1 ]; then
    echo "FAIL: status $status, output:"; printf '%s\n' "$out"; exit 1
fi
case "$out" in
    *"no display"*Xvfb*) echo "ok: $out" ;;
    *) echo "FAIL: unexpected message: $out"; exit 1 ;;
esac
