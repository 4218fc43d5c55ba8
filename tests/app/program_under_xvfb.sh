#!/bin/sh
# Runs the real program on a virtual display as a pupil would, with the real
# services (the sounds through the real player), and checks how it ends:
# - the start window appears, "Avvio" opens the main menu and the start
#   window goes away;
# - a wrong answer in the units window plays a sound, its "Esci" leads back
#   to the menu, and the menu's "Esci" answered Yes ends the program with
#   exit status 0 (a sound left to the exit handlers used to crash it);
# - a second start is refused by its message and ends with status 0;
# - without any language file the program says so, and still ends with 0;
# - window and message box titles read exactly as given, nothing appended.
# usage: program_under_xvfb.sh <ortix executable> <scratch folder>
set -u
program="$1"
scratch="$2"
# The exit status is checked: leaks inside the system's libraries (D-Bus,
# fontconfig) are not the program's faults. Freed memory is overwritten, as
# the plain allocator does: a Qt object used after the application is gone
# then fails (hangs or crashes) in the sanitizers' build too, whose own
# allocator otherwise keeps such a fault quiet inside Qt's libraries.
export ASAN_OPTIONS="detect_leaks=0:max_free_fill_size=4096:free_fill_byte=190${ASAN_OPTIONS:+:$ASAN_OPTIONS}"

. "$(dirname "$0")/virtual_display.sh"
prepare_scratch "$scratch"
# A copy of the program that finds no language file, beside it or installed.
mkdir "$scratch/nolang"
cp "$program" "$scratch/nolang/"
start_virtual_display "$scratch"

pid=""
log=""
fail() { echo "FAIL: $1"; [ -n "$log" ] && cat "$log"; [ -n "$pid" ] && kill $pid 2>/dev/null; exit 1; }
gone() {
    i=0
    while [ $i -lt 100 ]; do
        if ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; then return 0; fi
        sleep 0.1; i=$((i + 1))
    done
    return 1
}
# The program ends by itself within a few seconds; its exit status is $1.
endsWith() {
    waitexit $pid || fail "the program did not end"
    wait $pid
    status=$?
    [ $status -eq "$1" ] || fail "the program ended with exit status $status instead of $1"
    pid=""
}
# The title as the window manager reads it, whole.
title() {
    xprop -id "$(xdotool search --onlyvisible --name "$1" | head -n 1)" _NET_WM_NAME | sed "s/^[^=]*= \"//; s/\"\$//"
}

# The program as a pupil uses it.
log="$scratch/ortix.log"
"$program" >"$log" 2>&1 &
pid=$!
waitfor "^Uso dell.ortix\$" || fail "the start window did not appear"
[ "$(title "^Uso dell.ortix")" = "Uso dell'ortix" ] || fail "the start window is titled \"$(title "^Uso dell.ortix")\""
sleep 0.5
# "Avvio" lies in the lower middle of the full-screen start window.
xdotool mousemove 519 639 click 1
waitfor "^Uso dell.ortix - Menu\$" || fail "the main menu did not open after Avvio"
gone "^Uso dell.ortix\$" || fail "the start window is still shown next to the menu"

# A second start is refused while the first runs, and ends cleanly.
first=$pid
"$program" >"$scratch/second.log" 2>&1 &
pid=$!
waitfor "^Programma gi.*avviato\$" || { log="$scratch/second.log"; fail "the second start showed no refusal"; }
xdotool key Return
endsWith 0
pid=$first
kill -0 $pid 2>/dev/null || fail "the first program ended with the second"

# The units window of "scrivi il numero in cifre": 0 is always wrong, and
# the wrong answer plays no.wav through the real player.
xdotool mousemove 110 489 click 1
waitfor "^Scrivi il numero in cifre - numeri da 1 a 9\$" || fail "the units window did not open"
sleep 0.3
xdotool type 0
xdotool key Return
sleep 0.5
# Its menu item "Esci" (the third of the menu bar), answered Yes.
xdotool mousemove 229 8 click 1
waitfor "^Utilizzo dell.ortix\$" || fail "the window asked no quit question"
xdotool key Return
waitfor "^Uso dell.ortix - Menu\$" || fail "Esci did not lead back to the menu"
sleep 0.3
# The menu's "Esci", answered Yes, ends the program.
xdotool mousemove 912 662 click 1
waitfor "^Utilizzo dell.ortix\$" || fail "the menu asked no quit question"
[ "$(title "^Utilizzo dell.ortix")" = "Utilizzo dell'ortix" ] || fail "the quit question is titled \"$(title "^Utilizzo")\""
xdotool key Return
endsWith 0
grep -q "AddressSanitizer\|runtime error" "$log" && fail "the sanitizers reported a fault"

# No language file: the menu says so, and the program still ends cleanly.
log="$scratch/nolang.log"
"$scratch/nolang/$(basename "$program")" >"$log" 2>&1 &
pid=$!
waitfor "^Uso dell.ortix\$" || fail "the start window did not appear without language files"
sleep 0.5
xdotool mousemove 519 639 click 1
waitfor "^Ortix\$" || fail "no message said that there is no language file"
xdotool key Return
waitfor "^Uso dell.ortix - Menu\$" || fail "the main menu did not open without language files"
sleep 0.3
xdotool mousemove 912 662 click 1
waitfor "^Utilizzo dell.ortix\$" || fail "the menu asked no quit question without language files"
xdotool key Return
endsWith 0

echo "start window, menu, a sound, the second start, no language file: every way out ends with status 0"
