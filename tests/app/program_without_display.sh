#!/bin/sh
# Without a display the program says so in one line and ends; --help and
# --version answer without one; an unknown option gets a one-line error.
# usage: program_without_display.sh <ortix executable>
program="$1"
failed=0
# check <expected status> <expected line count, or "any"> <pattern> <arguments>...
check() {
    want_status=$1 want_lines=$2 pattern=$3
    shift 3
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" 2>&1)
    status=$?
    lines=$(printf '%s\n' "$out" | wc -l)
    if [ $status -ne "$want_status" ] || { [ "$want_lines" != any ] && [ "$lines" -ne "$want_lines" ]; }; then
        echo "FAIL: ortix $*: status $status, output:"; printf '%s\n' "$out"; failed=1; return
    fi
    case "$out" in
        $pattern) echo "ok: ortix $*: $(printf '%s\n' "$out" | head -n 1)" ;;
        *) echo "FAIL: ortix $*: unexpected output:"; printf '%s\n' "$out"; failed=1 ;;
    esac
}
check 1 1 '*no display*Xvfb*'
check 0 any '*Usage: ortix \[options\]*--version*--language*' --help
check 0 1 'ortix [0-9]*.[0-9]*.[0-9]*' --version
check 2 1 "ortix: Unknown option 'bogus'.*--help*" --bogus
check 2 1 "ortix: Missing value after '--language'.*" --language
check 2 1 "ortix: Unexpected argument 'extra'.*" extra
exit $failed
