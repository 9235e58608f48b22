#!/usr/bin/env bash
# Installs the Debian packages the build needs (only those missing) and configures build/.
# Sourced by run.sh and test.sh.
set -euo pipefail

BRINDLE_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  libxml2-dev
  fonts-ipafont-mincho
  texlive-latex-base libpoppler-cpp-dev
  dpkg-dev file
)

brindle_missing_packages() {
  local missing=()
  for p in "${BRINDLE_PACKAGES[@]}" "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  echo "${missing[@]:-}"
}

brindle_install_packages() {
  local missing
  missing=$(brindle_missing_packages "$@")
  [ -z "$missing" ] && return 0
  echo "Installing missing packages: $missing"
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
      sudo apt-get update -qq
      # shellcheck disable=SC2086
      sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing
      return 0
    fi
    echo "error: these Debian packages are missing: $missing" >&2
    echo "Run this script as root (or install them with: sudo apt-get install $missing)." >&2
    exit 1
  fi
  apt-get update -qq
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing
}

brindle_configure() {
  local dir=$1
  shift
  cmake -S "$BRINDLE_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
}
