#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Veltrin and opens its window. Where there is no display, makes one run without a window
# instead and saves its picture as a PNG.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELTRIN_BUILD_TESTS=OFF -DVELTRIN_BUILD_BENCH=OFF -DVELTRIN_SANITIZE=OFF
cmake --build build --target veltrin
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec build/veltrin
fi
echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): making one run without a window and saving its picture."
build/veltrin --save-picture build/veltrin-run.png
echo "$PWD/build/veltrin-run.png"
