#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with cpack and runs lintian on it: any error or warning fails, the
# pedantic remarks are shown but pass. Usage: lintian.sh BUILD_DIR
set -u
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
for tool in cpack dpkg-shlibdeps lintian; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack"; }
set -- "$work"/*.deb
[ $# -eq 1 ] && [ -f "$1" ] || fail "expected one package, got: $*"

# --fail-on none: a non-zero status means lintian itself could not check the package.
lintian --fail-on none --pedantic --display-info "$1" >"$work/lintian.log" 2>&1 ||
    { cat "$work/lintian.log"; fail "lintian did not run"; }
cat "$work/lintian.log"
! grep -q '^[EW]: ' "$work/lintian.log" || fail "lintian reports errors or warnings"
echo "PASS"
