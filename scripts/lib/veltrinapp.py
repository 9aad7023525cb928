# SPDX-License-Identifier: GPL-3.0-or-later
"""Veltrin on an X display, seen and used from outside: where its controls are, where a run
puts its probability bars, and the steps a user takes."""

import os
import subprocess

from xsession import wait_until

TWIPS_PER_PIXEL = 15


def to_pixels(twips):
    return int(twips // TWIPS_PER_PIXEL)


class Control:
    """Where a control lies, in twips from the top left of the window's client area."""

    def __init__(self, left, top, width, height, option=False):
        self.left, self.top, self.width, self.height = left, top, width, height
        self.option = option

    @classmethod
    def option_in(cls, frame, left, top, width, height):
        """An option button, placed relative to its frame's top left corner."""
        return cls(frame[0] + left, frame[1] + top, width, height, option=True)

    def click_point(self):
        """The pixel a user clicks: an option button's round mark, any other control's middle."""
        y = to_pixels(self.top + self.height / 2)
        if self.option:
            return to_pixels(self.left) + 7, y
        return to_pixels(self.left + self.width / 2), y

    def rect(self):
        """(left, top, right, bottom) in pixels, inclusive."""
        return (to_pixels(self.left), to_pixels(self.top),
                to_pixels(self.left + self.width) - 1, to_pixels(self.top + self.height) - 1)


_K_FRAME = (600, 2160)
_FREQUENCY_FRAME = (600, 3720)

CONTROLS = {
    "Start": Control(7800, 360, 1215, 375),
    "Exit": Control(9240, 360, 1215, 375),
    "0.00005": Control.option_in(_K_FRAME, 120, 360, 1095, 255),
    "0.00007": Control.option_in(_K_FRAME, 240, 600, 975, 195),
    "0.0001": Control.option_in(_K_FRAME, 480, 840, 855, 255),
    "0.0002": Control.option_in(_K_FRAME, 720, 1080, 855, 195),
    "High": Control.option_in(_FREQUENCY_FRAME, 120, 360, 975, 255),
    "Middle": Control.option_in(_FREQUENCY_FRAME, 240, 720, 975, 255),
    "Low": Control.option_in(_FREQUENCY_FRAME, 360, 1080, 975, 195),
    "HScroll1": Control(3600, 480, 2295, 255),
}

PROMPT = Control(4800, 3840, 3495, 495)  # "Please press button Start"

# The scene a run draws, in twips.
AXIS_Y = 4500
VERTEX_X = 2500
MIRROR_HALF_HEIGHT = 3000
DETECTOR_STEP = 60
DETECTOR_POSITIONS = 142
MAX_BAR_HEIGHT = 2250
BARS = {  # frequency: (offset from the detector position, colour)
    "High": (0, (0, 0, 255)),
    "Middle": (20, (0, 255, 0)),
    "Low": (40, (255, 0, 0)),
}

MAIN_TITLE = r"^Veltrin - "
QUESTION_TITLE = r"^Veltrin$"  # the "Delete probability" box

# Settings that would change the toolkit's look or scale away from what the layout assumes.
_LOOK_VARIABLES = ("QT_QPA_PLATFORMTHEME", "QT_STYLE_OVERRIDE", "QT_SCALE_FACTOR",
                   "QT_SCREEN_SCALE_FACTORS", "QT_ENABLE_HIGHDPI_SCALING", "QT_FONT_DPI",
                   "QT_USE_PHYSICAL_DPI")


def prompt_pixels(image):
    """How many pixels of the prompt's text show: near black, which nothing a run draws is."""
    return sum(1 for _, _, c in image.pixels(*PROMPT.rect()) if max(c) < 64)


def bar_column(position, frequency):
    """The pixel column of the bar at detector position 0..141 for a run at that frequency."""
    return to_pixels(VERTEX_X + DETECTOR_STEP * position + BARS[frequency][0])


def has_bar(image, position, frequency):
    """Whether a bar of the frequency's colour stands at that detector position."""
    column = bar_column(position, frequency)
    colour = BARS[frequency][1]
    return any(c == colour for _, _, c in image.pixels(
        column, to_pixels(AXIS_Y - MAX_BAR_HEIGHT), column, to_pixels(AXIS_Y)))


def bar_positions(image, frequency):
    """The detector positions at which a bar of the frequency stands."""
    return [p for p in range(DETECTOR_POSITIONS) if has_bar(image, p, frequency)]


def last_bars(image):
    """The frequencies whose bar stands at the last detector position, drawn as a run ends."""
    return {f for f in BARS if has_bar(image, DETECTOR_POSITIONS - 1, f)}


class Veltrin:
    """The program running as its own process on a virtual display."""

    def __init__(self, display, program):
        self.display = display
        env = {k: v for k, v in display.env.items() if k not in _LOOK_VARIABLES}
        env["QT_QPA_PLATFORM"] = "xcb"
        # Nor from the user's settings, where the projector view may be left on.
        env["XDG_CONFIG_HOME"] = os.path.join(display.env["XDG_RUNTIME_DIR"], "config")
        self.process = display.launch([program], env=env)
        self.window = None

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def close(self):
        """Ends the program if it still runs."""
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()

    def _check_running(self):
        status = self.process.poll()
        if status is not None:
            raise RuntimeError(f"Veltrin ended unexpectedly with status {status}")

    def _only_window(self, title_pattern):
        self._check_running()
        windows = self.display.find_windows(title_pattern)
        return windows[0] if len(windows) == 1 else None

    def wait_until_shown(self, timeout=10.0):
        """Waits for the main window to be mapped and gives it the keyboard focus."""
        self.window = wait_until(lambda: self._only_window(MAIN_TITLE), "the window", timeout)
        self.display.focus(self.window)

    def capture(self):
        return self.display.capture(self.window)

    def wait_for_picture(self, condition, what, timeout=10.0):
        """Reads the window until its picture meets the condition, and returns that picture."""
        def ready():
            self._check_running()
            image = self.capture()
            return image if condition(image) else None
        return wait_until(ready, what, timeout)

    def click(self, control):
        """Moves the pointer over the named control and clicks it."""
        self._check_running()
        self.display.click(self.window, *CONTROLS[control].click_point())

    def slowest_animation(self):
        """Moves the scroll bar to its far end from the keyboard: the longest delay it sets."""
        self.click("HScroll1")
        self.display.press_keys(self.window, "End")

    def request_close(self, timeout=10.0):
        """Closes the window as its close box does and returns the program's exit status."""
        self._check_running()
        self.display.request_close(self.window)
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise TimeoutError(f"Veltrin still runs {timeout:g} s after its window closed") \
                from None

    def question_box(self):
        """The "Delete probability" box's window id while it is shown, else None."""
        return self._only_window(QUESTION_TITLE)

    def answer_question(self, yes, timeout=10.0):
        """Waits for the "Delete probability" box, answers it from the keyboard, waits for it
        to close. Return takes the default button, Yes."""
        box = wait_until(self.question_box, "the Delete probability box", timeout)
        self.display.press_keys(box, "Return" if yes else "alt+n")
        wait_until(lambda: not self.question_box(), "the Delete probability box to close",
                   timeout)

    def exit(self, timeout=10.0):
        """Clicks Exit and returns the program's exit status."""
        self.click("Exit")
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise TimeoutError(f"Veltrin still runs {timeout:g} s after Exit") from None
