#!/bin/sh
# Installs what Ortix needs, builds it with AddressSanitizer and
# UndefinedBehaviorSanitizer, warnings as errors, and runs every test
# headless.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-tests"
"$root/scripts/install-packages.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DORTIX_SANITIZE=ON -DORTIX_WERROR=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$build"
ctest --output-on-failure -j"$(nproc)"
