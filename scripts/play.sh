#!/usr/bin/env bash
# Sets everything up, builds a Release build and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release \
    -DCORVANE_BUILD_TESTS=OFF -DCORVANE_BUILD_BENCHMARKS=OFF
cmake --build build/release -j "$(nproc)"
exec build/release/bin/corvane "$@"
