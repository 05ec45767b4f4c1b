#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it on the current X display; the loaders'
# trace goes to build/run/quelvane.log.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh
ensure_packages $GAME_PACKAGES
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target quelvane run_config game_assets >/dev/null
cd build/run
# The loaders' trace (standard output) goes to the log; the game's own messages stay here.
exec ./quelvane "$@" >quelvane.log
