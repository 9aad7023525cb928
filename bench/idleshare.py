# SPDX-License-Identifier: GPL-3.0-or-later
"""How much of a processor core the program takes while a slow run waits between detector
positions, in a real X server of its own.

Run by hand, never by CI: python3 -B bench/idleshare.py build/veltrin [--seconds 5]

Starts Xvfb and the program, moves the scroll bar to its far right end and presses Start, as a
user would, waits for the run's first bars, then reads the program's processor time (user and
system, from /proc) over the given stretch of the run and divides it by the time that passed.
"""

import argparse
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "scripts",
                                "lib"))
from veltrinapp import Veltrin, has_bar, prompt_pixels  # noqa: E402
from xsession import VirtualDisplay, missing_packages  # noqa: E402

TARGET = 0.10


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    # utime and stime, the 14th and 15th fields of the line, in clock ticks.
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("program", help="the veltrin executable")
    parser.add_argument("--seconds", type=float, default=5.0, help="how long to measure")
    args = parser.parse_args()
    packages = missing_packages()
    if packages:
        sys.exit(f"idleshare.py: install {' '.join(packages)} first")
    with VirtualDisplay() as display, Veltrin(display, os.path.abspath(args.program)) as app:
        app.wait_until_shown()
        app.wait_for_picture(lambda image: prompt_pixels(image) > 200, "the window to be drawn")
        app.slowest_animation()
        app.click("Start")
        app.wait_for_picture(lambda image: has_bar(image, 3, "Middle"), "the run's first bars")
        pid = app.process.pid
        cpu_before, wall_before = cpu_seconds(pid), time.monotonic()
        time.sleep(args.seconds)
        share = (cpu_seconds(pid) - cpu_before) / (time.monotonic() - wall_before)
    verdict = "within" if share <= TARGET else "over"
    print(f"during a slow run: {100 * share:.1f} % of a core over {args.seconds:g} s "
          f"({verdict} the {100 * TARGET:.0f} % target)")


if __name__ == "__main__":
    main()
