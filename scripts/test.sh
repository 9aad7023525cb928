#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Veltrin with warnings as errors and runs every test, headless: once as released, once
# more built with AddressSanitizer and UndefinedBehaviorSanitizer, and the tests that run on
# several threads a third time built with ThreadSanitizer; any sanitizer's report fails.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh libbenchmark-dev libgtest-dev xvfb xauth xdotool imagemagick python3 \
    desktop-file-utils appstream dpkg-dev lintian poppler-utils locales \
    dbus dbus-x11 at-spi2-core python3-pyatspi
export QT_QPA_PLATFORM=offscreen

# Every option that decides what is built is set here, whatever an earlier command (the run
# command builds the program alone) left in the cache; a build with no tests fails.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELTRIN_WERROR=ON \
    -DVELTRIN_SANITIZE=OFF -DVELTRIN_BUILD_TESTS=ON -DVELTRIN_BUILD_BENCH=ON
cmake --build build
ctest --test-dir build --output-on-failure --no-tests=error

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTRIN_WERROR=ON \
    -DVELTRIN_SANITIZE=ON -DVELTRIN_BUILD_TESTS=ON -DVELTRIN_BUILD_BENCH=OFF
cmake --build build-sanitize
LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp" \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure --no-tests=error

# Only what runs on several threads, and only the targets those tests need.
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTRIN_WERROR=ON \
    -DVELTRIN_SANITIZE=OFF -DVELTRIN_TSAN=ON -DVELTRIN_BUILD_TESTS=ON -DVELTRIN_BUILD_BENCH=OFF
cmake --build build-tsan --target veltrin_thread_tests
TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$PWD/tests/sanitizer/tsan.supp" \
    ctest --test-dir build-tsan -L threads --output-on-failure --no-tests=error
