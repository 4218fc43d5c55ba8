# The steps the tests that run the real program share. Sourced.
#
# prepare_scratch empties the scratch folder and gives the program a private
# runtime folder, home and settings folder there, and the real display
# platform instead of the tests' offscreen one.
# usage: prepare_scratch <scratch folder>
prepare_scratch() {
    rm -rf "$1"
    mkdir -p "$1/runtime" "$1/home/.config"
    chmod 700 "$1/runtime"
    export XDG_RUNTIME_DIR="$1/runtime"
    export HOME="$1/home"
    export XDG_CONFIG_HOME="$1/home/.config"
    unset QT_QPA_PLATFORM
}

# start_virtual_display starts a virtual display and waits until it accepts
# clients: sets DISPLAY and ends the server on exit.
# The server picks a free display number itself and writes it once it
# accepts clients: no fixed number that another virtual display may hold.
# -noreset: by default the server starts over whenever its last client
# leaves (after the readiness probe below, for one); a client that connects
# then, on a loaded machine, may be refused.
# usage: start_virtual_display <scratch folder>
start_virtual_display() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$1/display" 2>"$1/xvfb.log" &
    xvfb=$!
    trap 'kill $xvfb 2>/dev/null' EXIT
    i=0
    until [ "$(wc -l <"$1/display")" -ge 1 ]; do
        i=$((i + 1))
        if [ $i -ge 300 ] || ! kill -0 $xvfb 2>/dev/null; then
            echo "FAIL: the virtual display did not start"; cat "$1/xvfb.log"; exit 1
        fi
        sleep 0.1
    done
    export DISPLAY=":$(cat "$1/display")"
    # On a loaded machine the display may take a moment to accept clients.
    i=0
    until xdotool getdisplaygeometry >/dev/null 2>&1; do
        i=$((i + 1))
        if [ $i -ge 100 ]; then
            echo "FAIL: the virtual display $DISPLAY never accepted a client"; cat "$1/xvfb.log"; exit 1
        fi
        sleep 0.1
    done
}

# Waits up to 15 s for a shown window whose title matches $1 (a regular
# expression); false when none appeared.
waitfor() {
    i=0
    while [ $i -lt 150 ]; do
        if xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; then return 0; fi
        sleep 0.1; i=$((i + 1))
    done
    return 1
}

# Waits up to 10 s for the process $1 to end; false when it still runs.
waitexit() {
    i=0
    while kill -0 "$1" 2>/dev/null; do
        i=$((i + 1))
        [ $i -ge 100 ] && return 1
        sleep 0.1
    done
    return 0
}
