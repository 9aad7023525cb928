# SPDX-License-Identifier: GPL-3.0-or-later
"""Veltrin as a screen reader finds it: through AT-SPI, on a real X server.

Usage: atspi.py PATH_TO_VELTRIN   (run inside a session bus of its own: see atspi.sh)

Starts a private Xvfb display, the desktop's accessibility bus on the session bus, and the
program with its accessibility on, as fast as it draws. Reads the window's tree as assistive
technology reads it: every control shown has a name, no control that is never shown is offered,
and after Start, pressed through its action, the drawing's description names the run's
frequency, its K and its peak. Exits with 77 (skipped) where the pieces are missing.
"""

import importlib.util
import os
import shutil
import signal
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                "scripts", "lib"))

from xsession import VirtualDisplay, wait_until  # noqa: E402

SKIPPED = 77
WATCHDOG = 45  # seconds for everything; no wait may outlast it
BUS_LAUNCHERS = ("at-spi-bus-launcher", "/usr/libexec/at-spi-bus-launcher",
                 "/usr/lib/at-spi2-core/at-spi-bus-launcher")
MAIN_TITLE = "Veltrin - "
DRAWING = "Drawing of the mirror and the probability"
# The drawing, the scroll bar, four fixed texts, two frames with seven option buttons, Start, Exit.
SHOWN_CONTROLS = 17


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def find_bus_launcher():
    for name in BUS_LAUNCHERS:
        path = shutil.which(name)
        if path:
            return path
    return None


def bus_owned(name):
    """Whether a program owns the name on the session bus."""
    from gi.repository import Gio, GLib
    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    reply = session.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                              "org.freedesktop.DBus", "NameHasOwner",
                              GLib.Variant("(s)", (name,)), GLib.VariantType("(b)"),
                              Gio.DBusCallFlags.NONE, 2000, None)
    return reply.unpack()[0]


def tree(accessible, depth=0):
    """Yields (depth, accessible) for the object and everything below it."""
    yield depth, accessible
    for i in range(accessible.childCount):
        child = accessible.getChildAtIndex(i)
        if child is not None:
            yield from tree(child, depth + 1)


def describe(accessible):
    return f"{accessible.getRoleName()} '{accessible.name}'"


def main_window(pyatspi, process):
    def found():
        if process.poll() is not None:
            raise Failure(f"Veltrin ended early with status {process.returncode}")
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is None:
                continue
            for window in app:
                if window is not None and window.name.startswith(MAIN_TITLE):
                    return window
        return None
    return wait_until(found, "the main window on the accessibility bus", 15.0, 0.2)


def scenario(pyatspi, process):
    window = main_window(pyatspi, process)
    states = pyatspi.state
    controls = [(depth, a) for depth, a in tree(window) if depth > 0]
    check(controls, "the window offers no controls")
    for _, control in controls:
        state = control.getState()
        # A control that is never shown has no business in the tree.
        check(state.contains(states.STATE_VISIBLE) and state.contains(states.STATE_SHOWING),
              f"a hidden {describe(control)} is offered")
        check(control.name.strip(), f"a {control.getRoleName()} shown has no name")
    check(len(controls) == SHOWN_CONTROLS,
          f"{len(controls)} controls offered, not {SHOWN_CONTROLS}: "
          + ", ".join(describe(a) for _, a in controls))

    drawing = next((a for _, a in controls if a.name == DRAWING), None)
    check(drawing is not None, "no drawing named as such")
    before = drawing.description
    check(before, "the drawing says nothing of what it shows")
    start = next(a for _, a in controls if a.name == "Start" and a.getRoleName() == "push button")
    action = start.queryAction()
    check(any(action.getName(i) in ("Press", "press", "click") for i in range(action.nActions)),
          "Start offers no press action")
    action.doAction(0)
    after = wait_until(lambda: drawing.description != before and drawing.description,
                       "the drawing's description of the run", 20.0, 0.2)
    for words in ("Middle frequency", "K = 0.00005", "probability peaks", "peak bar"):
        check(words in after, f"the description does not name the run's {words!r}: {after!r}")

    exit_button = next(a for _, a in controls if a.name == "Exit")
    exit_button.queryAction().doAction(0)
    try:
        status = process.wait(10)
    except subprocess.TimeoutExpired:
        raise Failure("Veltrin still runs 10 s after Exit") from None
    check(status == 0, f"Exit ended Veltrin with status {status}")


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    program = os.path.abspath(sys.argv[1])
    launcher = find_bus_launcher()
    missing = [package for package, there in (
        ("xvfb", shutil.which("Xvfb")), ("at-spi2-core", launcher),
        ("python3-pyatspi", importlib.util.find_spec("pyatspi")),
        ("dbus (a session bus)", os.environ.get("DBUS_SESSION_BUS_ADDRESS"))) if not there]
    if missing:
        print("skipped: needs " + ", ".join(missing))
        return SKIPPED

    def watchdog(*_):
        raise Failure(f"gave up after {WATCHDOG} s")
    signal.signal(signal.SIGALRM, watchdog)
    signal.alarm(WATCHDOG)

    started = []
    bus = None
    with VirtualDisplay() as display, tempfile.TemporaryDirectory() as home:
        try:
            env = dict(display.env)
            # In a process group of its own with the bus it starts, so that both end together;
            # without the test's output, which a bus left behind would hold open.
            bus = subprocess.Popen([launcher, "--launch-immediately"], env=env,
                                   stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL, start_new_session=True)
            started.append(bus)
            wait_until(lambda: bus_owned("org.a11y.Bus"), "the accessibility bus", 10.0, 0.1)
            os.environ.update(DISPLAY=env["DISPLAY"], XAUTHORITY=env["XAUTHORITY"])
            # Imported once the bus is there: it finds the bus as it loads.
            import pyatspi
            app_env = dict(env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                           QT_ACCESSIBILITY="1", XDG_CONFIG_HOME=home, LANGUAGE="en",
                           LC_ALL="C.UTF-8")
            process = display.launch([program, "--speed", "0"], env=app_env)
            started.append(process)
            scenario(pyatspi, process)
        except (Failure, TimeoutError, RuntimeError) as error:
            print(f"FAIL: {error}", file=sys.stderr)
            return 1
        finally:
            signal.alarm(0)
            for process in reversed(started):
                if process is bus:
                    try:
                        os.killpg(process.pid, signal.SIGTERM)
                    except ProcessLookupError:
                        pass
                if process.poll() is None:
                    process.kill()
                process.wait()
    print("PASS: the tree names every control shown, offers none hidden and describes the run")
    return 0


if __name__ == "__main__":
    sys.exit(main())
