#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: ./test.sh
# Then compiles the Release configuration (-O3) and builds the Debian package from it, so an
# optimised build cannot break unnoticed; BRINDLE_RELEASE_CHECK=0 skips that step.
# BRINDLE_SANITIZE=1 ./test.sh builds into build-asan/ with AddressSanitizer and UBSan.
# Warnings are errors here (BRINDLE_WERROR), not in a plain CMake build.
set -euo pipefail
BRINDLE_ROOT=$(cd "$(dirname "$0")" && pwd)
source "$BRINDLE_ROOT/tools/setup.sh"

brindle_install_packages
if [ "${BRINDLE_SANITIZE:-0}" = 1 ]; then
  dir="$BRINDLE_ROOT/build-asan"
  brindle_configure "$dir" -DBRINDLE_WERROR=ON -DBRINDLE_SANITIZE=ON -DBRINDLE_BUILD_BENCH=OFF
else
  dir="$BRINDLE_ROOT/build"
  brindle_configure "$dir" -DBRINDLE_WERROR=ON
fi
cmake --build "$dir"

if [ "${BRINDLE_SANITIZE:-0}" != 1 ] && [ "${BRINDLE_RELEASE_CHECK:-1}" != 0 ]; then
  rel="$BRINDLE_ROOT/build-release"
  echo "Release build (-O3, warnings as errors) and Debian package in $rel"
  brindle_configure "$rel" -DCMAKE_BUILD_TYPE=Release -DBRINDLE_WERROR=ON
  cmake --build "$rel"
  (cd "$rel" && cpack -G DEB >/dev/null && ls visual-brindle_*.deb)
fi

# Last, so that the test summary closes the output.
cd "$dir"
ctest --output-on-failure -j"$(nproc)"
