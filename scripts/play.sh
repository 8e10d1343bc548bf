#!/usr/bin/env bash
# Sets everything up and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh release
# Until the machine has its window, show what it pays.
exec build/release/src/melvane-math rtp "$@"
