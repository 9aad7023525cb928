#!/bin/sh
# Builds Veltrin and opens its window.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELTRIN_BUILD_TESTS=OFF -DVELTRIN_BUILD_BENCH=OFF
cmake --build build --target veltrin
exec build/veltrin
