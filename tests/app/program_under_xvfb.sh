#!/bin/sh
# Runs the real program on a virtual display as a pupil would: the start
# window appears, a click on "Avvio" opens the main menu and the start
# window goes away.
# usage: program_under_xvfb.sh <ortix executable> <scratch folder>
set -u
program="$1"
scratch="$2"
rm -rf "$scratch"
mkdir -p "$scratch/runtime"
chmod 700 "$scratch/runtime"

export XDG_RUNTIME_DIR="$scratch/runtime"
unset QT_QPA_PLATFORM

# The server picks a free display number itself and writes it once it
# accepts clients: no fixed number that another virtual display may hold.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
i=0
until [ "$(wc -l <"$scratch/display")" -ge 1 ]; do
    i=$((i + 1))
    if [ $i -ge 300 ] || ! kill -0 $xvfb 2>/dev/null; then
        echo "FAIL: the virtual display did not start"; cat "$scratch/xvfb.log"; exit 1
    fi
    sleep 0.1
done
export DISPLAY=":$(cat "$scratch/display")"

sh -c '
program="$1"
scratch="$2"
# On a loaded machine the display may take a moment to accept clients.
i=0
until xdotool getdisplaygeometry >/dev/null 2>&1; do
    i=$((i + 1))
    if [ $i -ge 100 ]; then echo "FAIL: the virtual display $DISPLAY never accepted a client"; cat "$scratch/xvfb.log"; exit 1; fi
    sleep 0.1
done
"$program" >"$scratch/ortix.log" 2>&1 &
pid=$!
waitfor() {
    i=0
    while [ $i -lt 100 ]; do
        if xdotool search --name "$1" >/dev/null 2>&1; then return 0; fi
        sleep 0.1; i=$((i + 1))
    done
    return 1
}
fail() { echo "FAIL: $1"; cat "$scratch/ortix.log"; kill $pid 2>/dev/null; exit 1; }

waitfor "^Uso dell.ortix\$" || fail "the start window did not appear"
sleep 0.5
# "Avvio" lies in the lower middle of the full-screen start window.
xdotool mousemove 519 639 click 1
waitfor "^Uso dell.ortix - Menu\$" || fail "the main menu did not open after Avvio"
sleep 0.3
if xdotool search --onlyvisible --name "^Uso dell.ortix\$" >/dev/null 2>&1; then
    fail "the start window is still shown next to the menu"
fi
kill -0 $pid 2>/dev/null || fail "the program ended"
kill $pid
wait $pid 2>/dev/null
echo "start window, Avvio and main menu: ok"
' sh "$program" "$scratch"
