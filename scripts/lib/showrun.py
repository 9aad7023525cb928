"""Shows one run of Veltrin where there is no display: runs the program on a virtual X display,
presses Start, waits for the run to end and saves the window as a PNG.

Usage: showrun.py PATH_TO_VELTRIN OUTPUT_PNG
"""

import os
import signal
import subprocess
import sys

from veltrinapp import Veltrin, last_bars, prompt_pixels
from xsession import VirtualDisplay, missing_packages

RUN_TIMEOUT = 120  # seconds; a run with the default delay takes well under one


def main(argv):
    if len(argv) != 3:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    program, output = argv[1], os.path.abspath(argv[2])
    packages = missing_packages()
    if packages:
        print(f"Cannot show a run without {', '.join(packages)}", file=sys.stderr)
        return 1
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))  # so the server ends with us
    try:
        with VirtualDisplay() as display, Veltrin(display, program) as app:
            app.wait_until_shown()
            app.wait_for_picture(prompt_pixels, "the window to be drawn")
            app.click("Start")
            app.wait_for_picture(last_bars, "the run to end", RUN_TIMEOUT)
            display.save_png(app.window, output)
            app.exit()
    except (OSError, RuntimeError, subprocess.SubprocessError) as error:
        print(f"Could not show a run: {error}", file=sys.stderr)
        return 1
    print(output)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
