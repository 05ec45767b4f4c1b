#!/usr/bin/env bash
# Installs what the tests need, builds everything and runs the whole suite with ctest:
# unit tests, fuzz runs, the game simulator and the end-to-end tests on a headless X server.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh
ensure_packages $GAME_PACKAGES $TEST_PACKAGES
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
exec ctest --test-dir build --output-on-failure -j"$(nproc)" "$@"
