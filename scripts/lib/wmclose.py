# SPDX-License-Identifier: GPL-3.0-or-later
"""Asks a window to close, as a window manager's close button does: sends it the
WM_DELETE_WINDOW message of the WM_PROTOCOLS it takes part in. xdotool has no command for this,
and a virtual display has no window manager to do it.

Usage: wmclose.py WINDOW_ID (on the display that DISPLAY and XAUTHORITY name)
"""

import ctypes
import ctypes.util
import sys

_CLIENT_MESSAGE = 33


class _ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]


class _Event(ctypes.Union):  # XEvent: every event takes the room of 24 longs
    _fields_ = [("client", _ClientMessage), ("pad", ctypes.c_long * 24)]


def request_close(window):
    x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.POINTER(_Event)]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

    display = x11.XOpenDisplay(None)
    if not display:
        raise RuntimeError("cannot open the display")
    try:
        event = _Event()
        message = event.client
        message.type = _CLIENT_MESSAGE
        message.window = window
        message.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
        message.format = 32
        message.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
        message.data[1] = 0  # CurrentTime
        if not x11.XSendEvent(display, window, 0, 0, ctypes.byref(event)):
            raise RuntimeError("the server refused the message")
        x11.XFlush(display)
    finally:
        x11.XCloseDisplay(display)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__.strip().splitlines()[-1])
    request_close(int(sys.argv[1], 0))
