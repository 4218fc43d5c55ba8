#!/bin/sh
# Installs what Ortix needs, builds it with AddressSanitizer and
# UndefinedBehaviorSanitizer, warnings as errors, and runs every test
# headless; then builds and checks the Debian package, and runs the fuzz
# targets.
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

# The Debian package: a Release build of the program alone, lintian, and
# the package unpacked into a temporary root and started there under Xvfb
# (scripts/check-package.sh).
"$root/scripts/make-package.sh" "$root/build-package" >/dev/null
"$root/scripts/check-package.sh" "$root"/build-package/ortix_*_amd64.deb

# Then every fuzz target (tests/fuzz) for 20 seconds, built with
# clang, libFuzzer, ASan and UBSan. Each runs on a copy of its seeds, so the
# committed corpus stays as it is; inputs that break a target are kept in
# build-fuzz/artifacts.
fuzz="$root/build-fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$fuzz" -DCMAKE_BUILD_TYPE=Debug -DORTIX_FUZZ=ON \
    -DORTIX_BUILD_TESTS=OFF -DORTIX_BUILD_BENCH=OFF >/dev/null
cmake --build "$fuzz" -j"$(nproc)" --target ortix_fuzz ortix_data
unset ASAN_OPTIONS
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$fuzz/artifacts"
failed=""
for seeds in "$root"/tests/fuzz/corpus/*/; do
    name=$(basename "$seeds")
    cp -R "$seeds" "$scratch/$name"
    echo "fuzz_$name: 20 s"
    if ! "$fuzz/fuzz-bin/fuzz_$name" $(cat "$fuzz/fuzz-bin/fuzz_$name.flags") -max_total_time=20 \
        -print_final_stats=1 -artifact_prefix="$fuzz/artifacts/$name-" "$scratch/$name" \
        >"$scratch/$name.log" 2>&1; then
        tail -n 40 "$scratch/$name.log"
        failed="$failed fuzz_$name"
    fi
    grep -E '^(Done|stat::number_of_executed_units)' "$scratch/$name.log" || true
done
if [ -n "$failed" ]; then
    echo "Fuzz targets that failed:$failed (inputs in $fuzz/artifacts)"
    exit 1
fi
