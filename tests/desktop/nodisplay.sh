#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Started with no display at all, or with one it cannot reach, the program says so in one line
# and exits with status 1, instead of the toolkit's abort. Usage: nodisplay.sh PROGRAM
set -u
program=$1
err=$(mktemp)
trap 'rm -f "$err"' EXIT
fail() { echo "FAIL: $*"; cat "$err"; exit 1; }

expect_refusal() {
    # $1: what the one line must name; the rest: the environment to start in
    naming=$1
    shift
    env -i "$@" "$program" >/dev/null 2>"$err" </dev/null
    status=$?
    [ "$status" -eq 1 ] || fail "with '$*': status $status, expected 1"
    [ "$(wc -l <"$err")" -eq 1 ] || fail "with '$*': expected exactly one line on stderr"
    grep -q "$naming" "$err" || fail "with '$*': the line does not name $naming"
}

expect_refusal "neither DISPLAY nor WAYLAND_DISPLAY is set"
expect_refusal "DISPLAY is not set" QT_QPA_PLATFORM=xcb WAYLAND_DISPLAY=wayland-9
expect_refusal "WAYLAND_DISPLAY is not set" QT_QPA_PLATFORM=wayland DISPLAY=:99
# A display that is named but has no server behind it is found only as the toolkit opens it.
expect_refusal "could not connect to display :4093" DISPLAY=:4093

# A platform that needs no display still starts: the program is still running when the
# generous limit stops it.
env -i QT_QPA_PLATFORM=offscreen timeout 3 "$program" >/dev/null 2>"$err" </dev/null
status=$?
[ "$status" -eq 124 ] || fail "offscreen: status $status, expected it to keep running"
echo "PASS"
