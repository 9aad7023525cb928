# SPDX-License-Identifier: GPL-3.0-or-later
"""A private virtual X display on which a program is used as a person would use it.

The display is an Xvfb server of its own, on a display number the server picks, guarded by a
fresh authorization cookie. Input goes through the XTEST extension (xdotool), so it reaches the
program like a user's: Qt ignores events sent to a window directly. Window pictures are read back
from the server with ImageMagick's import.
"""

import os
import re
import secrets
import select
import shutil
import struct
import subprocess
import sys
import tempfile
import time

REQUIRED_TOOLS = {"Xvfb": "xvfb", "xdotool": "xdotool", "import": "imagemagick"}

_COMMAND_TIMEOUT = 10


def missing_packages():
    """The Debian packages whose tools this module needs and cannot find."""
    return sorted({package for tool, package in REQUIRED_TOOLS.items() if not shutil.which(tool)})


def wait_until(condition, what, timeout=10.0, interval=0.02):
    """Calls condition until it returns a true value and returns that value."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise TimeoutError(f"gave up after {timeout:g} s waiting for {what}")
        time.sleep(interval)


class Image:
    """A window's picture, 8-bit RGB, read from the X server."""

    def __init__(self, width, height, pixels):
        self.width = width
        self.height = height
        self._pixels = pixels

    @classmethod
    def from_ppm(cls, data):
        header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", data)
        if not header:
            raise ValueError("not an 8-bit binary PPM picture")
        width, height = int(header[1]), int(header[2])
        pixels = data[header.end():]
        if len(pixels) != width * height * 3:
            raise ValueError("the PPM picture is cut short")
        return cls(width, height, pixels)

    def pixel(self, x, y):
        """The (red, green, blue) of pixel (x, y)."""
        i = (y * self.width + x) * 3
        return tuple(self._pixels[i:i + 3])

    def pixels(self, left, top, right, bottom):
        """Yields (x, y, colour) for the pixels of the rectangle, the window's edges clipped."""
        for y in range(max(top, 0), min(bottom, self.height - 1) + 1):
            for x in range(max(left, 0), min(right, self.width - 1) + 1):
                yield x, y, self.pixel(x, y)


def _write_cookie(path, cookie):
    # One entry that every display and host matches (family FamilyWild, no display number),
    # since the number is known only once the server runs.
    def counted(data):
        return struct.pack(">H", len(data)) + data

    entry = (struct.pack(">H", 0xFFFF) + counted(b"") + counted(b"")
             + counted(b"MIT-MAGIC-COOKIE-1") + counted(cookie))
    with open(path, "wb") as file:
        file.write(entry)


class VirtualDisplay:
    """An Xvfb server for as long as the context lasts, and the means to work its windows."""

    def __init__(self, screen="1024x768x24"):
        self._screen = screen
        self._dir = None
        self._server = None
        self.env = None

    def __enter__(self):
        self.start()
        return self

    def __exit__(self, *exc):
        self.close()

    def start(self, timeout=10.0):
        self._dir = tempfile.mkdtemp(prefix="xsession-")
        authority = os.path.join(self._dir, "Xauthority")
        _write_cookie(authority, secrets.token_bytes(16))
        log_path = os.path.join(self._dir, "Xvfb.log")
        read_end, write_end = os.pipe()
        # -noreset: by default the server starts over whenever its last client leaves, and a
        # program connecting in that moment is turned away.
        try:
            with open(log_path, "wb") as log:
                self._server = subprocess.Popen(
                    ["Xvfb", "-displayfd", str(write_end), "-screen", "0", self._screen,
                     "-dpi", "96", "-nolisten", "tcp", "-noreset", "-auth", authority],
                    pass_fds=(write_end,), stdin=subprocess.DEVNULL,
                    stdout=subprocess.DEVNULL, stderr=log)
            os.close(write_end)
            write_end = None
            number = self._read_display_number(read_end, timeout)
        except BaseException:
            if write_end is not None:
                os.close(write_end)
            self.close()
            raise
        finally:
            os.close(read_end)
        # Without WAYLAND_DISPLAY nothing is drawn on a desktop's own display instead; a
        # private runtime directory keeps the toolkit from complaining about a missing one.
        self.env = {k: v for k, v in os.environ.items() if k != "WAYLAND_DISPLAY"}
        self.env.update(DISPLAY=f":{number}", XAUTHORITY=authority, XDG_RUNTIME_DIR=self._dir)

    def _read_display_number(self, pipe, timeout):
        text = b""
        deadline = time.monotonic() + timeout
        while not text.endswith(b"\n"):
            remaining = deadline - time.monotonic()
            ready = remaining > 0 and select.select([pipe], [], [], remaining)[0]
            chunk = os.read(pipe, 16) if ready else b""
            if not chunk:  # the server gave up, or is too slow to be of use
                with open(os.path.join(self._dir, "Xvfb.log"), errors="replace") as log:
                    detail = log.read().strip()[-2000:]
                raise RuntimeError(f"Xvfb did not start a display\n{detail}")
            text += chunk
        return int(text)

    def close(self):
        if self._server is not None:
            self._server.terminate()
            try:
                self._server.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self._server.kill()
                self._server.wait()
            self._server = None
        if self._dir is not None:
            shutil.rmtree(self._dir, ignore_errors=True)
            self._dir = None

    @property
    def name(self):
        return self.env["DISPLAY"]

    def launch(self, argv, env=None, **popen_args):
        """Starts a program on the display; env, when given, replaces the display's environment."""
        return subprocess.Popen(argv, env=env or self.env, stdin=subprocess.DEVNULL,
                                **popen_args)

    def _run(self, argv):
        return subprocess.run(argv, env=self.env, stdin=subprocess.DEVNULL,
                              capture_output=True, check=True, timeout=_COMMAND_TIMEOUT)

    def find_windows(self, title_pattern):
        """The ids of the mapped windows whose title matches the regular expression."""
        found = subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--name", title_pattern], env=self.env,
            stdin=subprocess.DEVNULL, capture_output=True, timeout=_COMMAND_TIMEOUT)
        # xdotool reports "nothing found" with status 1 and no output.
        return found.stdout.decode().split()

    def focus(self, window):
        """Gives the window the keyboard focus; without a window manager nobody else does."""
        self._run(["xdotool", "windowfocus", "--sync", window])

    def click(self, window, x, y):
        """Moves the pointer to (x, y) in the window, then clicks the left button there."""
        self._run(["xdotool", "mousemove", "--window", window, str(x), str(y), "click", "1"])

    def press_keys(self, window, *keys):
        """Focuses the window, then types the keys (xdotool key names)."""
        self.focus(window)
        self._run(["xdotool", "key", "--clearmodifiers", *keys])

    def request_close(self, window):
        """Asks the window to close, as a window manager's close button does."""
        self._run([sys.executable, "-B", os.path.join(os.path.dirname(__file__), "wmclose.py"),
                   window])

    def capture(self, window):
        """The window's picture as the X server holds it now."""
        return Image.from_ppm(
            self._run(["import", "-silent", "-window", window, "-depth", "8", "ppm:-"]).stdout)

    def save_png(self, window, path):
        """Saves the window's picture ("root" for the whole screen) as a PNG file."""
        self._run(["import", "-silent", "-window", window, f"png:{path}"])
