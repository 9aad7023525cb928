#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with cpack and checks its control data, its file list, its changelog,
# and that the program unpacked from it starts (it refuses cleanly for want of a display).
# Usage: debpackage.sh BUILD_DIR APP_ID PACKAGE_VERSION ICON_SIZE...
set -u
build=$1 id=$2 version=$3
shift 3
sizes=$*
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
for tool in cpack dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack"; }
set -- "$work"/*.deb
if [ $# -ne 1 ] || [ ! -f "$1" ]; then fail "expected one package, got: $*"; fi
deb=$1
dpkg-deb --info "$deb"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = veltrin ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version is $(field Version), not $version"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"

# Every dependency is a real package (all of them are installed here, since this machine built
# the program), and the Qt libraries the program links come from dpkg-shlibdeps.
depends=$(field Depends)
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libc6 libstdc++6 qt6-qpa-plugins; do
    echo "$depends" | grep -q "\\b$lib\\b" || fail "Depends lacks $lib: $depends"
done
names=$(echo "$depends" | awk -F '[,|]' '{ for (i = 1; i <= NF; i++) { sub(/\(.*/, "", $i); gsub(/ /, "", $i); print $i } }')
for name in $names; do
    dpkg-query --show --showformat='${Status}' "$name" 2>/dev/null | grep -q installed ||
        fail "Depends names $name, which is no installed package"
done

# Exactly the program, its desktop files, its manual page and Debian's documents, under /usr.
dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort >"$work/files"
{
    echo ./usr/bin/veltrin
    echo "./usr/share/applications/$id.desktop"
    echo "./usr/share/metainfo/$id.metainfo.xml"
    echo "./usr/share/mime/packages/$id.xml"
    for size in $sizes; do
        echo "./usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
    done
    echo "./usr/share/icons/hicolor/scalable/apps/$id.svg"
    echo ./usr/share/man/man1/veltrin.1.gz
    echo ./usr/share/doc/veltrin/copyright
    echo ./usr/share/doc/veltrin/changelog.Debian.gz
    echo ./usr/share/lintian/overrides/veltrin
} | sort >"$work/expected"
diff "$work/expected" "$work/files" || fail "unexpected file list (- expected, + packaged)"

dpkg-deb --extract "$deb" "$work/root"

# The changelog's newest entry is this package, so a new version cannot ship a stale one.
top=$(gzip -dc "$work/root/usr/share/doc/veltrin/changelog.Debian.gz" | head -n 1)
echo "$top" | grep -q "^veltrin ($version) " ||
    fail "the changelog's newest entry is '$top', not version $version"

env -i "$work/root/usr/bin/veltrin" 2>"$work/err"
status=$?
if [ "$status" -ne 1 ] || ! grep -q DISPLAY "$work/err"; then
    cat "$work/err"
    fail "the packaged program did not start (status $status)"
fi
echo "PASS"
