#!/bin/sh
# Makes the README's screenshots (docs/screenshots/*.png) again: the real
# program on a virtual 1024 x 768 screen, in English, driven with the mouse
# as a pupil would; each picture is scaled to 640 x 480 with few colours, so
# the files stay small. Needs xvfb, xdotool and imagemagick.
# usage: scripts/screenshots.sh [ortix executable]   (default: builds build/bin/ortix)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-}
if [ -z "$program" ]; then
    cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release -DORTIX_BUILD_TESTS=OFF -DORTIX_BUILD_BENCH=OFF >/dev/null
    cmake --build "$root/build" -j"$(nproc)" --target ortix >/dev/null
    program="$root/build/bin/ortix"
fi
program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")
out="$root/docs/screenshots"
mkdir -p "$out"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/runtime" "$scratch/config"
chmod 700 "$scratch/runtime"
# The user's own settings stay out of it, and none are left behind.
export XDG_RUNTIME_DIR="$scratch/runtime" XDG_CONFIG_HOME="$scratch/config"
unset QT_QPA_PLATFORM

xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
program="$1" out="$2" scratch="$3"
until xdotool getdisplaygeometry >/dev/null 2>&1; do sleep 0.1; done
waitfor() {
    i=0
    until xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; do
        i=$((i + 1)); [ $i -lt 300 ] || { echo "no window \"$1\"" >&2; cat "$scratch/ortix.log" >&2; exit 1; }
        sleep 0.1
    done
    sleep 0.8
}
shoot() {
    import -window root "$scratch/shot.png"
    convert "$scratch/shot.png" -resize 640x480 -colors 96 "PNG8:$out/$1.png"
    echo "$out/$1.png"
}
# shot <name> <x> <y> [clicks]: a fresh start, "Start", then the menu button
# at x, y (the centres of the menu buttons on this screen; none: the menu
# itself), then left clicks at the pairs of "x y" in clicks.
shot() {
    name=$1
    "$program" --language English >"$scratch/ortix.log" 2>&1 &
    pid=$!
    waitfor "^Using the ortix"
    [ "$name" = start ] && shoot start
    xdotool mousemove 519 639 click 1
    waitfor " - Menu"
    if [ $# -ge 3 ]; then
        xdotool mousemove "$2" "$3" click 1
        # The menu goes when the window it opened is shown.
        i=0
        while xdotool search --onlyvisible --name " - Menu" >/dev/null 2>&1 && [ $i -lt 300 ]; do
            sleep 0.1; i=$((i + 1))
        done
        sleep 0.8
        set -- $4
        while [ $# -ge 2 ]; do
            xdotool mousemove "$1" "$2" click 1
            sleep 0.2
            shift 2
        done
        sleep 0.5
    fi
    [ "$name" = start ] || shoot "$name"
    kill $pid
    wait $pid 2>/dev/null || true
}
shot start
shot menu
shot build-labelled 512 159
shot build 712 269
shot words 312 379
shot digits 912 489
# The free frame showing 213: clicks on the buttons under its rods.
shot free-frame 122 662 "584 722 584 722 730 722 877 722 877 722 877 722"
' sh "$program" "$out" "$scratch"
