# SPDX-License-Identifier: GPL-3.0-or-later
"""Veltrin used as a person would use it, in a real X server.

Usage: veltrin_e2e.py PATH_TO_VELTRIN

Starts a private Xvfb display and the program on it, works the window with real pointer and key
input, and reads what the window shows back from the server: the prompt before the first run and
not after it, blue bars after High and Start, red bars beside them after 0.0002, Low, Start and
No, only the new bars after Yes, and Exit ending the program with status 0. Then, in two more
programs, closing the window and clicking Exit during a slow run (after choices and another Start
made during it) end it at once with status 0. Exits with 77
(skipped) where the X tools are missing; on a failure it saves the screen as e2e-failure.png in
the current directory.
"""

import os
import signal
import sys
import time
import traceback

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                "scripts", "lib"))

from veltrinapp import (AXIS_Y, BARS, DETECTOR_POSITIONS, MIRROR_HALF_HEIGHT,  # noqa: E402
                        VERTEX_X, Veltrin, bar_positions, has_bar, last_bars,
                        prompt_pixels, to_pixels)
from xsession import VirtualDisplay, missing_packages, wait_until  # noqa: E402

SKIPPED = 77
RUN_TIMEOUT = 15  # seconds; a run with the default delay takes well under one
CLOSE_TIMEOUT = 3  # seconds; the slow run stops at its next detector position, 0.1 s away
ALL_POSITIONS = list(range(DETECTOR_POSITIONS))


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def colour_count(image, colour):
    return sum(1 for _, _, c in image.pixels(0, 0, image.width - 1, image.height - 1)
               if c == colour)


def mirror_top_end(image):
    """The rightmost pixel of the mirror's upper end, drawn in the axis's colour."""
    foreground = image.pixel(to_pixels(11200), to_pixels(AXIS_Y))  # past the last bar
    row = to_pixels(AXIS_Y - MIRROR_HALF_HEIGHT)
    xs = [x for x, _, c in image.pixels(to_pixels(VERTEX_X), row - 2, 450, row + 1)
          if c == foreground]
    return max(xs, default=None)


def expected_mirror_end(k):
    """The right edge of the mirror's outermost circle: K times the square of its parameter,
    3050, beyond the vertex line, plus the circle's radius."""
    return to_pixels(VERTEX_X + k * 3050 ** 2 + 20)


def wait_for_run(app, frequency, what, gone=None):
    """Waits until the run's last bar stands, with no bar of the frequency 'gone' left, and
    returns that picture; on a timeout says what the window shows instead."""
    def ended(image):
        if frequency not in last_bars(image):
            return False
        return gone is None or colour_count(image, BARS[gone][1]) == 0
    try:
        return app.wait_for_picture(ended, what, RUN_TIMEOUT)
    except TimeoutError as error:
        image = app.capture()
        seen = [f"bars at the last position: {sorted(last_bars(image)) or 'none'}"]
        if gone:
            seen.append(f"{colour_count(image, BARS[gone][1])} pixels of {gone} bars")
        if app.question_box():
            seen.append("a question box is open")
        raise Failure(f"{error}; the window shows {', '.join(seen)}") from None


def scenario(app):
    app.wait_until_shown()
    before = app.wait_for_picture(lambda image: prompt_pixels(image) > 200,
                                  "the prompt \"Please press button Start\"")
    check(not any(last_bars(before)), "bars stand before any run")

    # First run: High, Start. It asks nothing.
    app.click("High")
    app.click("Start")
    first = wait_for_run(app, "High", "the first run to end without a question")
    check(prompt_pixels(first) == 0, "the prompt is still visible after the first run")
    check(bar_positions(first, "High") == ALL_POSITIONS,
          f"blue bars missing at positions {missing(first, 'High')}")
    check(not bar_positions(first, "Middle") and not bar_positions(first, "Low"),
          "the first run drew bars other than blue")
    check(abs(mirror_top_end(first) - expected_mirror_end(0.00005)) <= 1,
          f"mirror ends at x = {mirror_top_end(first)} px, not as K = 0.00005 puts it")
    blue = colour_count(first, BARS["High"][1])

    # Second run: 0.0002, Low, Start, No keeps the blue bars above the axis.
    app.click("0.0002")
    app.click("Low")
    app.click("Start")
    app.answer_question(yes=False)
    second = wait_for_run(app, "Low", "the second run to end")
    check(bar_positions(second, "Low") == ALL_POSITIONS,
          f"red bars missing at positions {missing(second, 'Low')}")
    kept = colour_count(second, BARS["High"][1])
    # The new run's mirror and rays cross the old bars, and the erase reaches a pixel above
    # the axis; the bars themselves stay.
    check(kept >= 0.8 * blue, f"No kept only {kept} of {blue} blue pixels")
    check(len(bar_positions(second, "High")) >= 100,
          f"No kept blue bars at only {len(bar_positions(second, 'High'))} positions")
    check(abs(mirror_top_end(second) - expected_mirror_end(0.0002)) <= 1,
          f"mirror ends at x = {mirror_top_end(second)} px, not as K = 0.0002 puts it")

    # Third run: Start, Yes erases everything before the new run draws.
    app.click("Start")
    app.answer_question(yes=True)
    third = wait_for_run(app, "Low", "the third run to end", gone="High")
    check(bar_positions(third, "Low") == ALL_POSITIONS,
          f"red bars missing at positions {missing(third, 'Low')}")

    status = app.exit()
    check(status == 0, f"Exit ended the program with status {status}")


def closing_during_a_run(app):
    app.wait_until_shown()
    app.wait_for_picture(lambda image: prompt_pixels(image) > 200, "the window to be drawn")
    # A tenth of a second at each detector position: the run lasts about 14 s.
    app.slowest_animation()
    app.click("Start")
    during = app.wait_for_picture(lambda image: has_bar(image, 3, "Middle"),
                                  "the slow run's first bars")
    check(not last_bars(during), "the run did not go slowly: the scroll bar set no delay")
    status = app.request_close(timeout=CLOSE_TIMEOUT)
    check(status == 0, f"closing the window during a run ended the program with status {status}")


def closing_while_asked(app):
    app.wait_until_shown()
    app.wait_for_picture(lambda image: prompt_pixels(image) > 200, "the window to be drawn")
    app.click("Start")
    wait_for_run(app, "Middle", "the first run to end")
    app.click("Start")
    wait_until(app.question_box, "the Delete probability box", 10.0)
    status = app.request_close(timeout=CLOSE_TIMEOUT)
    check(status == 0, f"closing the window while asked ended the program with status {status}")


def exit_during_a_run(app):
    app.wait_until_shown()
    app.wait_for_picture(lambda image: prompt_pixels(image) > 200, "the window to be drawn")
    app.slowest_animation()
    app.click("Start")
    app.wait_for_picture(lambda image: has_bar(image, 3, "Middle"), "the slow run's first bars")
    # Choices and another Start during the run take no effect on it and queue nothing.
    app.click("0.0002")
    app.click("High")
    app.click("Start")
    during = app.capture()
    check(not last_bars(during), "the run did not go slowly: the scroll bar set no delay")
    status = app.exit(timeout=CLOSE_TIMEOUT)
    check(status == 0, f"Exit during a run ended the program with status {status}")


def missing(image, frequency):
    return sorted(set(ALL_POSITIONS) - set(bar_positions(image, frequency)))


def main(argv):
    if len(argv) != 2:
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        return 2
    packages = missing_packages()
    if packages:
        print(f"skipped: install {' '.join(packages)} to run this test")
        return SKIPPED
    # A test driver's timeout ends the test with SIGTERM: still take the server and the
    # program down with it.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    started = time.monotonic()
    with VirtualDisplay() as display:
        try:
            for steps in (scenario, closing_during_a_run, closing_while_asked, exit_during_a_run):
                with Veltrin(display, argv[1]) as app:
                    steps(app)
        except Exception as error:
            if not isinstance(error, (Failure, TimeoutError, RuntimeError)):
                traceback.print_exc()
            path = os.path.abspath("e2e-failure.png")
            try:
                display.save_png("root", path)
                print(f"screen saved as {path}", file=sys.stderr)
            except Exception:
                pass
            print(f"FAILED: {error}", file=sys.stderr)
            return 1
    print(f"passed in {time.monotonic() - started:.1f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
