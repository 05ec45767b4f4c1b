#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it on the current X display.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh
ensure_packages $GAME_PACKAGES
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target quelvane run_config game_assets >/dev/null
cd build/run
exec ./quelvane "$@"
