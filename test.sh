#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: ./test.sh
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
cd "$dir"
ctest --output-on-failure -j"$(nproc)"
