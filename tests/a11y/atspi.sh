#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs atspi.py on a session bus of its own, with a Python that has pyatspi (the system's, where
# another python3 comes first on the path). Exits with 77 (skipped) where the pieces are missing.
set -u
program=$1
here=$(dirname "$0")
if ! command -v dbus-run-session >/dev/null 2>&1; then
    echo "skipped: needs dbus-run-session (dbus)"
    exit 77
fi
python=
for candidate in python3 /usr/bin/python3; do
    if command -v "$candidate" >/dev/null 2>&1 &&
        "$candidate" -c 'import pyatspi' >/dev/null 2>&1; then
        python=$candidate
        break
    fi
done
if [ -z "$python" ]; then
    echo "skipped: needs python3-pyatspi"
    exit 77
fi
# The script keeps its own watchdog; this one ends a bus or server that outlives it.
exec timeout -k 5 55 dbus-run-session -- "$python" -B "$here/atspi.py" "$program"
