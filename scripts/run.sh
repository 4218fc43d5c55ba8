#!/bin/sh
# Installs what Ortix needs, builds it and starts it.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-packages.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release -DORTIX_BUILD_TESTS=OFF -DORTIX_BUILD_BENCH=OFF >/dev/null
cmake --build "$root/build" -j"$(nproc)" --target ortix
exec "$root/build/bin/ortix"
