# SPDX-License-Identifier: GPL-3.0-or-later
"""How long the program takes from launch to its first painted window, and its peak memory by
then, on the offscreen platform and under an Xvfb server of its own.

Run by hand, never by CI: python3 -B bench/startup.py build/veltrin [--runs 20]

The first paint is seen from outside the program, in the toolkit's own log of its painting
(logging category qt.widgets.painting): the first time it flushes the main window to the screen,
stamped by the toolkit in milliseconds of CLOCK_MONOTONIC, the clock time.monotonic_ns() reads
here just before the launch.
The peak memory is VmHWM, read as soon as that line arrives. One launch per platform goes
unmeasured first: it brings the program and its libraries into the page cache and fills the
font cache, which a user's second start would find done as well.
"""

import argparse
import os
import re
import select
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

# The Xvfb server comes from the helpers the end-to-end test uses.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "scripts",
                                "lib"))
import xsession  # noqa: E402

TARGET_MS = 150
FIRST_PAINT = re.compile(rb"^ *(\d+\.\d+) Flushing QRegion\([^\n]*name=\"frmVeltrin\"", re.M)
LAUNCH_TIMEOUT = 20.0


class Launch:
    """One start of the program: when it painted first, and its peak resident memory by then."""

    def __init__(self, first_paint_ns, peak_kib):
        self.first_paint_ms = first_paint_ns / 1e6
        self.peak_mib = peak_kib / 1024


def startup_environment(base):
    env = dict(base)
    env["QT_LOGGING_RULES"] = "qt.widgets.painting=true"
    env["QT_MESSAGE_PATTERN"] = "%{time boot} %{message}"
    # Logging goes to stderr even where Qt would rather use the system log.
    env["QT_FORCE_STDERR_LOGGING"] = "1"
    # The program as it starts the first time: none of the user's settings, such as a projector
    # view left on.
    env["XDG_CONFIG_HOME"] = os.path.join(env.get("XDG_RUNTIME_DIR", tempfile.gettempdir()),
                                          "veltrin-startup-config")
    return env


def read_first_paint(process):
    """When the toolkit first flushed the window, in nanoseconds; stops waiting if it ends first."""
    received = b""
    deadline = time.monotonic() + LAUNCH_TIMEOUT
    fd = process.stderr.fileno()
    while True:
        found = FIRST_PAINT.search(received)
        if found:
            return round(float(found[1]) * 1e9)
        remaining = deadline - time.monotonic()
        chunk = b""
        if remaining > 0 and select.select([fd], [], [], remaining)[0]:
            chunk = os.read(fd, 4096)
        if not chunk:
            detail = received.decode(errors="replace").strip()[-2000:]
            raise RuntimeError(f"no first paint reported (exit status {process.poll()})\n{detail}")
        received += chunk


def peak_resident_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    raise RuntimeError("the kernel reports no VmHWM")


def launch_once(program, env):
    launched = time.monotonic_ns()
    process = subprocess.Popen([program], env=env, stdin=subprocess.DEVNULL,
                               stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    try:
        painted = read_first_paint(process)
        peak = peak_resident_kib(process.pid)
    finally:
        process.terminate()
        try:
            process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
        process.stderr.close()
    return Launch(painted - launched, peak)


def measure(program, env, runs, warmups):
    for _ in range(warmups):
        launch_once(program, env)
    return [launch_once(program, env) for _ in range(runs)]


def report(name, launches):
    paint = [launch.first_paint_ms for launch in launches]
    peak = [launch.peak_mib for launch in launches]
    verdict = "within" if max(paint) <= TARGET_MS else "over"
    print(f"{name:<10} first paint median {statistics.median(paint):6.1f} ms, "
          f"worst {max(paint):6.1f} ms ({verdict} the {TARGET_MS} ms target); "
          f"peak RSS median {statistics.median(peak):5.1f} MiB, worst {max(peak):5.1f} MiB; "
          f"{len(launches)} launches", flush=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("program", help="the veltrin executable")
    parser.add_argument("--runs", type=int, default=20, help="measured launches per platform")
    parser.add_argument("--warmups", type=int, default=1, help="unmeasured launches first")
    parser.add_argument("--platform", choices=("offscreen", "xvfb"), action="append",
                        help="measure only this platform (may be given twice)")
    args = parser.parse_args()
    program = os.path.abspath(args.program)
    platforms = args.platform or ["offscreen", "xvfb"]

    if "offscreen" in platforms:
        with tempfile.TemporaryDirectory(prefix="veltrin-startup-") as runtime_dir:
            env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
            env.update(QT_QPA_PLATFORM="offscreen", XDG_RUNTIME_DIR=runtime_dir)
            report("offscreen", measure(program, startup_environment(env), args.runs,
                                        args.warmups))
    if "xvfb" in platforms:
        if not shutil.which("Xvfb"):
            sys.exit("Xvfb is not installed (Debian package xvfb)")
        # The server reports its display number once it takes connections, and -noreset keeps
        # it from starting over each time a launch ends.
        with xsession.VirtualDisplay() as display:
            env = dict(display.env, QT_QPA_PLATFORM="xcb")
            report("xvfb", measure(program, startup_environment(env), args.runs, args.warmups))


if __name__ == "__main__":
    try:
        main()
    except RuntimeError as error:
        sys.exit(f"startup.py: {error}")
