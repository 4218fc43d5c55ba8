#!/bin/sh
# Checks a built Debian package as a technician meets it: lintian (no
# errors; its warnings are printed), the desktop entry and the AppStream
# metainfo (no errors, no warnings), and the program unpacked into a
# temporary root (dpkg-deb -x), started there under Xvfb: its start window
# must show in English with --language English, so it found its language
# files through the relative layout (../share/ortix beside usr/bin/ortix).
# usage: scripts/check-package.sh <ortix_*.deb>
set -eu
deb=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

echo "lintian $(basename "$deb"):"
lintian --fail-on error --display-info --tag-display-limit 0 "$deb" || { echo "FAIL: lintian reports errors"; exit 1; }

dpkg-deb -x "$deb" "$scratch/root"
id=org.ortix.Ortix
desktop-file-validate "$scratch/root/usr/share/applications/$id.desktop" \
    || { echo "FAIL: desktop-file-validate"; exit 1; }
appstreamcli validate --no-net "$scratch/root/usr/share/metainfo/$id.metainfo.xml" >"$scratch/appstream.log" 2>&1 || true
if grep -Eq '^(E|W):' "$scratch/appstream.log" || ! grep -q 'Validation was successful' "$scratch/appstream.log"; then
    cat "$scratch/appstream.log"; echo "FAIL: appstreamcli validate"; exit 1
fi
for size in 16 22 24 32 48 64 128 256; do
    test -s "$scratch/root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png" || { echo "FAIL: no ${size}px icon"; exit 1; }
done
# Nothing may point back into the build: the unpacked tree must run as it is.
if grep -q "$(dirname "$deb")" "$scratch/root/usr/bin/ortix"; then
    echo "FAIL: the program holds the path of its build folder"; exit 1
fi

mkdir -p "$scratch/runtime" "$scratch/config"
chmod 700 "$scratch/runtime"
export XDG_RUNTIME_DIR="$scratch/runtime" XDG_CONFIG_HOME="$scratch/config"
unset QT_QPA_PLATFORM
xvfb-run -a -e "$scratch/xvfb.log" -s "-screen 0 1024x768x24 -noreset" sh -c '
scratch="$1"
i=0
until xdotool getdisplaygeometry >/dev/null 2>&1; do
    i=$((i + 1))
    if [ $i -ge 100 ]; then echo "FAIL: the virtual display never accepted a client"; cat "$scratch/xvfb.log"; exit 1; fi
    sleep 0.1
done
"$scratch/root/usr/bin/ortix" --language english >"$scratch/ortix.log" 2>&1 &
pid=$!
i=0
until xdotool search --name "^Using the ortix\$" >/dev/null 2>&1; do
    i=$((i + 1))
    if [ $i -ge 150 ] || ! kill -0 $pid 2>/dev/null; then
        echo "FAIL: the unpacked program showed no English start window"; cat "$scratch/ortix.log"; kill $pid 2>/dev/null; exit 1
    fi
    sleep 0.1
done
kill $pid
wait $pid 2>/dev/null || true
' sh "$scratch"
echo "the unpacked usr/bin/ortix found its files and showed its start window: ok"
