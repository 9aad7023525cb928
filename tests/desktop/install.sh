#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch root and checks that the desktop finds everything in its
# standard place, and that the desktop entry and the AppStream metainfo validate.
# Usage: install.sh BUILD_DIR APP_ID VERSION ICON_SIZE...
set -u
build=$1 id=$2 version=$3
shift 3
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

DESTDIR=$root cmake --install "$build" --prefix /usr >"$root/install.log" 2>&1 ||
    { cat "$root/install.log"; fail "cmake --install"; }
share=$root/usr/share
entry=$share/applications/$id.desktop
metainfo=$share/metainfo/$id.metainfo.xml
[ -x "$root/usr/bin/veltrin" ] || fail "no usr/bin/veltrin"
[ -f "$entry" ] || fail "no desktop entry $entry"
[ -f "$metainfo" ] || fail "no metainfo $metainfo"
[ -f "$share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon"

# Each PNG must be as large as the directory it is installed in: width and height are the
# big-endian words at bytes 16 and 20 of the PNG header.
for size in "$@"; do
    png=$share/icons/hicolor/${size}x${size}/apps/$id.png
    [ -f "$png" ] || fail "no ${size}x${size} icon"
    header=$(od -An -tx1 -N8 "$png" | tr -d ' \n')
    [ "$header" = 89504e470d0a1a0a ] || fail "$png is not a PNG"
    dims=$(od -An -tu1 -j16 -N8 "$png" |
        awk '{ print $1*16777216 + $2*65536 + $3*256 + $4 "x" $5*16777216 + $6*65536 + $7*256 + $8 }')
    [ "$dims" = "${size}x${size}" ] || fail "$png is $dims"
done

# The entry names the installed program and icon.
grep -qx "Exec=veltrin %f" "$entry" || fail "Exec is not the installed program"
grep -qx "Icon=$id" "$entry" || fail "Icon is not $id"

# The setup's and the lesson's file types are installed where the desktop's MIME database is
# made from, and they make one in which neither glob takes the other's files.
mime=$share/mime/packages/$id.xml
[ -f "$mime" ] || fail "no MIME type $mime"
if command -v update-mime-database >/dev/null; then
    update-mime-database "$share/mime" >/dev/null 2>&1 || fail "update-mime-database"
    grep -q '^application/x-veltrin-setup:\*\.veltrin$' "$share/mime/globs" ||
        fail "no *.veltrin in the MIME database"
    grep -q '^application/x-veltrin-lesson:\*\.veltrin-lesson$' "$share/mime/globs" ||
        fail "no *.veltrin-lesson in the MIME database"
fi

# Hints too: any remark at all fails.
if ! out=$(desktop-file-validate "$entry" 2>&1) || [ -n "$out" ]; then
    fail "desktop-file-validate: $out"
fi

# --strict fails on anything above a pedantic note; validate-tree also checks that the
# metainfo's launchable is installed.
appstreamcli validate --no-net --strict --pedantic --explain "$metainfo" ||
    fail "appstreamcli validate"
appstreamcli validate-tree --no-net --strict "$root" || fail "appstreamcli validate-tree"

# The newest release in the metainfo is this version, so software centres show the right one.
newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d '"' -f 2)
[ "$newest" = "$version" ] || fail "newest release in the metainfo is $newest, not $version"
echo "PASS"
