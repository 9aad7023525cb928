#!/bin/sh
# Builds Veltrin with warnings as errors and runs every test, headless.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh libbenchmark-dev xvfb xauth xdotool imagemagick python3 \
    desktop-file-utils appstream dpkg-dev
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELTRIN_WERROR=ON
cmake --build build
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure
