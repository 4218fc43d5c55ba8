#!/bin/sh
# Runs the real program on a virtual display under a real window manager
# (openbox, which frames every window with a title bar): the start window
# and the menu cover the screen with their frames, title bar on the screen;
# closing the last window by the window manager ends the program with exit
# status 0.
# usage: program_under_window_manager.sh <ortix executable> <scratch folder>
set -u
program="$1"
scratch="$2"
export ASAN_OPTIONS="detect_leaks=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}"

. "$(dirname "$0")/virtual_display.sh"
prepare_scratch "$scratch"
start_virtual_display "$scratch"

pid=""
wm=""
fail() { echo "FAIL: $1"; cat "$scratch/ortix.log"; [ -n "$pid" ] && kill $pid 2>/dev/null; [ -n "$wm" ] && kill $wm 2>/dev/null; exit 1; }
openbox >"$scratch/openbox.log" 2>&1 &
wm=$!
i=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do
    i=$((i + 1))
    [ $i -ge 100 ] && fail "openbox did not start: $(cat "$scratch/openbox.log")"
    sleep 0.1
done

# The window titled $1: its frame (client area plus the frame extents that
# the window manager reports) must be the whole screen.
covers() {
    win=$(xdotool search --onlyvisible --name "$1" | head -n 1)
    # The window manager frames the window after it is shown; give the
    # program a moment to fill the screen again with the frame.
    sleep 1
    x=$(xwininfo -id "$win" | sed -n "s/.*Absolute upper-left X: *//p")
    y=$(xwininfo -id "$win" | sed -n "s/.*Absolute upper-left Y: *//p")
    w=$(xwininfo -id "$win" | sed -n "s/^ *Width: *//p")
    h=$(xwininfo -id "$win" | sed -n "s/^ *Height: *//p")
    extents=$(xprop -id "$win" _NET_FRAME_EXTENTS | sed -n "s/.*= *//p" | tr -d " ")
    [ -n "$extents" ] || fail "$1: the window manager reports no frame"
    left=${extents%%,*}; rest=${extents#*,}
    right=${rest%%,*}; rest=${rest#*,}
    top=${rest%%,*}; bottom=${rest#*,}
    [ "$top" -gt 0 ] || fail "$1: no title bar ($extents)"
    frame="$((x - left)),$((y - top)) $((w + left + right))x$((h + top + bottom))"
    [ "$frame" = "0,0 1024x768" ] || fail "$1: the frame lies at $frame, not 0,0 1024x768 (client $x,$y ${w}x$h, extents $extents)"
    echo "$1: frame 0,0 1024x768, title bar $top pixels"
}

"$program" >"$scratch/ortix.log" 2>&1 &
pid=$!
waitfor "^Uso dell.ortix\$" || fail "the start window did not appear"
covers "^Uso dell.ortix\$"
# "Avvio" lies in the lower middle of the start window.
xdotool mousemove --window "$win" $((w * 519 / 1024)) $((h * 639 / 768)) click 1
waitfor "^Uso dell.ortix - Menu\$" || fail "the main menu did not open after Avvio"
covers "^Uso dell.ortix - Menu\$"
[ -n "${SHOT:-}" ] && import -window root "$SHOT"

# Closing the last window (openbox: Alt+F4) ends the program cleanly.
xdotool key alt+F4
waitexit $pid || fail "closing the last window did not end the program"
wait $pid
status=$?
pid=""
[ $status -eq 0 ] || fail "closing the last window ended the program with exit status $status"
kill $wm 2>/dev/null
echo "under openbox: windows cover the screen with their frames; closing the last one ends with status 0"
