#!/usr/bin/env bash
# Installs what the build needs from Debian's packages, then configures and builds a preset.
# Usage: scripts/setup.sh PRESET
# The release preset (playing) needs only the compiler, CMake, Ninja, Qt and the
# game's font; every other preset also gets what the tests, the sanitizers, the fuzzers, the
# Windows syntax check and the package check need.
set -euo pipefail

preset="${1:-dev}"
cd "$(dirname "$0")/.."

play_packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev libqt6sql6-sqlite libicu-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n # the translations: lupdate, lrelease, Qt's own
  fonts-dejavu-core
)
test_packages=(
  libgtest-dev libgmock-dev
  qt6-qpa-plugins xvfb xauth
  g++-mingw-w64-x86-64
  clang libclang-rt-14-dev
  dpkg-dev file desktop-file-utils appstream lintian # scripts/check-package.sh
  # tests/desktop: the real program under a window manager, driven by keys and the accessibility bus
  openbox xdotool x11-utils imagemagick dbus at-spi2-core python3-pyatspi
)
packages=("${play_packages[@]}")
if [ "$preset" != release ]; then
  packages+=("${test_packages[@]}")
fi

scripts/install-packages.sh "${packages[@]}"

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -- -j"$(nproc)"
