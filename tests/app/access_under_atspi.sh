#!/bin/sh
# Plays the real program as a pupil with a screen reader and no mouse: on a
# virtual display with its own session bus and accessibility bus, an AT-SPI
# client (access_client.py) reads the windows and acts, the keyboard
# (xdotool key) does the rest. Not one mouse event is sent.
# usage: access_under_atspi.sh <ortix executable> <scratch folder>
set -u
here=$(cd "$(dirname "$0")" && pwd)
program="$1"
scratch="$2"

. "$(dirname "$0")/virtual_display.sh"
prepare_scratch "$scratch"
start_virtual_display "$scratch"

# A session bus of its own, and on it the accessibility bus.
dbus-run-session -- sh -c '
program="$1"
scratch="$2"
here="$3"
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$scratch/bus.log" 2>&1 &
bus=$!
sleep 0.5
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >"$scratch/ortix.log" 2>&1 &
pid=$!
# The Debian interpreter, which has python3-pyatspi, not one a user installed.
/usr/bin/python3 "$here/access_client.py" "$scratch"
status=$?
if [ $status -ne 0 ]; then
    echo "--- program output"; cat "$scratch/ortix.log"
    echo "--- display $DISPLAY"; xdotool getdisplaygeometry || echo "refuses clients now"; cat "$scratch/xvfb.log"
fi
kill $pid 2>/dev/null
wait $pid 2>/dev/null
kill $bus 2>/dev/null
exit $status
' sh "$program" "$scratch" "$here"
