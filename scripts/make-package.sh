#!/bin/sh
# Builds the Debian package ortix_<version>_amd64.deb: a Release build of
# the program alone, with Debian's hardening flags, packed by CPack.
# usage: scripts/make-package.sh [build folder]   (default: build-package)
# The package lands in the build folder; its path is printed last.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build-package"}
# dpkg-buildflags maps the current folder out of the binary: keep it fixed.
cd "$root"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
launcher=""
if command -v ccache >/dev/null 2>&1; then
    launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
fi
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DORTIX_BUILD_TESTS=OFF -DORTIX_BUILD_BENCH=OFF $launcher \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$build" -j"$(nproc)"
rm -f "$build"/ortix_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/ortix_*_*.deb
