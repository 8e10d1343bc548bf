#!/usr/bin/env bash
# Sets up what playing needs (compiler, CMake, Ninja, Qt) and starts the game; the arguments
# go to the game (try --help).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh release
exec build/release/src/platform/qt/melvane "$@"
