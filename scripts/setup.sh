#!/usr/bin/env bash
# Installs what the build needs from Debian's packages, then configures and builds a preset.
# Usage: scripts/setup.sh PRESET
set -euo pipefail

preset="${1:-dev}"
cd "$(dirname "$0")/.."

packages=(
  g++ cmake ninja-build pkg-config
  libgtest-dev libgmock-dev
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-qpa-plugins libqt6sql6-sqlite
  xvfb xauth fonts-dejavu-core
  g++-mingw-w64-x86-64
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "error: installing packages needs root or sudo" >&2; exit 1; }
    sudo="sudo"
  fi
  $sudo apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -- -j"$(nproc)"
