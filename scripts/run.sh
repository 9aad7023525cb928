#!/bin/sh
# Builds Veltrin and opens its window. Where there is no display, shows one run instead: the
# program runs on a virtual X display, Start is pressed, and the window is saved as a PNG.
set -eu
cd "$(dirname "$0")/.."
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    headless=no
    scripts/install-deps.sh
else
    headless=yes
    echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): showing one run on a virtual X display and saving the window as a PNG."
    scripts/install-deps.sh xvfb xdotool imagemagick python3
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELTRIN_BUILD_TESTS=OFF -DVELTRIN_BUILD_BENCH=OFF -DVELTRIN_SANITIZE=OFF
cmake --build build --target veltrin
if [ "$headless" = no ]; then
    exec build/veltrin
fi
exec python3 -B scripts/lib/showrun.py build/veltrin build/veltrin-run.png
