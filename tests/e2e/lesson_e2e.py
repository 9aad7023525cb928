# SPDX-License-Identifier: GPL-3.0-or-later
"""A lesson worked through from the keyboard alone, in a real X server.

Usage: lesson_e2e.py PATH_TO_VELTRIN

Starts a private Xvfb display of a small laptop's size (1366 x 768) and the program on it with
--lesson, a lesson of two stations; checks that the lesson window and the bench stand side by
side within the screen; then, with key presses only, predicts a value and commits it, reveals
the bench's map, explains, checks an answer, chooses an answer to the confronting question, goes
on to the next station, commits a choice, saves the work (Ctrl+S, the pupil's name, the file
typed into the file dialog) and reads the saved file back. Exits with 77 (skipped) where the X
tools are missing; on a failure it saves the screen as lesson-e2e-failure.png in the current
directory.
"""

import json
import os
import subprocess
import sys
import tempfile
import time
import traceback

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                "scripts", "lib"))

from xsession import VirtualDisplay, missing_packages, wait_until  # noqa: E402

SKIPPED = 77

LESSON = {
    "format": "veltrin-lesson", "version": 1,
    "title": "Keyboard lesson", "summary": "Two stations", "minutes": 10,
    "stations": [
        {"title": "The focus", "setup": {},
         "question": "Where does the dish gather the light?",
         "predict": {"kind": "value", "prompt": "How far from the vertex?", "unit": "twips"},
         "observe": "Send photons and watch where they land.",
         "explain": "Why there?",
         "check": {"prompt": "Where is the focus, in twips?", "answer": 2500, "tolerance": 50,
                   "unit": "twips"},
         "confront": {"prompt": "Did each photon travel along one path?",
                      "answers": [{"text": "Yes", "right": False, "feedback": "Look again."},
                                  {"text": "No", "right": True, "feedback": "Every path adds."}]}},
        {"title": "Cut the mirror", "setup": {},
         "question": "What happens without the middle?",
         "predict": {"kind": "choice", "prompt": "The focus is", "choices": ["brighter", "dimmer"]},
         "observe": "Reveal and compare.",
         "explain": "Why?",
         "check": {"prompt": "How many strips?", "answer": 3, "tolerance": 0.5}},
    ],
}


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def geometry(display, window):
    """The window's (x, y, width, height) as the X server has it."""
    out = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window], env=display.env,
                         capture_output=True, check=True, timeout=10).stdout.decode()
    values = dict(line.split("=", 1) for line in out.split())
    return tuple(int(values[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))


def only_window(display, pattern, process):
    if process.poll() is not None:
        raise Failure(f"Veltrin ended with status {process.returncode}")
    found = display.find_windows(pattern)
    return found[0] if len(found) == 1 else None


def keys(display, window, *names):
    display.press_keys(window, *names)


def type_text(display, window, text):
    display.focus(window)
    subprocess.run(["xdotool", "type", "--delay", "20", "--clearmodifiers", text],
                   env=display.env, check=True, timeout=30)


def work_through(display, program, folder):
    lesson_path = os.path.join(folder, "keys.veltrin-lesson")
    with open(lesson_path, "w", encoding="utf-8") as file:
        json.dump(LESSON, file)
    work_path = os.path.join(folder, "anna.veltrin-work")
    env = dict(display.env, QT_QPA_PLATFORM="xcb", LANGUAGE="en", LC_ALL="C.UTF-8",
               XDG_CONFIG_HOME=os.path.join(folder, "config"), HOME=folder)
    process = display.launch([program, "--lesson", lesson_path], env=env)
    try:
        lesson = wait_until(lambda: only_window(display, "^Lesson: Keyboard lesson$", process),
                            "the lesson window", 15)
        bench = wait_until(lambda: only_window(display, "^Experiment bench", process),
                           "the bench", 15)
        lx, ly, lw, lh = geometry(display, lesson)
        bx, by, bw, bh = geometry(display, bench)
        check(lx >= 0 and lx + lw <= bx and bx + bw <= 1366 and ly + lh <= 768
              and by + bh <= 768,
              f"the lesson window {lx, ly, lw, lh} and the bench {bx, by, bw, bh} overlap or "
              "leave the screen")
        check(360 <= lw <= 420, f"the lesson window is {lw} pixels wide")

        # Station 1: a value, committed with Return; Reveal; the explanation; the check; the
        # confronting question.
        keys(display, lesson, "alt+v")
        type_text(display, lesson, "2500")
        keys(display, lesson, "Return", "alt+r", "alt+y")
        type_text(display, lesson, "Equal times")
        keys(display, lesson, "alt+a")
        type_text(display, lesson, "2490")
        keys(display, lesson, "Return", "alt+o")
        time.sleep(0.5)  # a mnemonic clicks its button a moment later, as a click looks
        keys(display, lesson, "Down")
        # Station 2: a choice, committed with its mnemonic.
        keys(display, lesson, "alt+Right")
        keys(display, lesson, "Down", "space", "alt+c")

        keys(display, lesson, "ctrl+s")
        name = wait_until(lambda: only_window(display, "^Your name$", process),
                          "the question for the pupil's name")
        type_text(display, name, "Anna")
        keys(display, name, "Return")
        dialog = wait_until(lambda: only_window(display, "^Save your work$", process),
                            "the file dialog")
        keys(display, dialog, "ctrl+a")
        type_text(display, dialog, work_path)
        keys(display, dialog, "Return")
        wait_until(lambda: os.path.exists(work_path), "the saved work", 10)

        with open(work_path, encoding="utf-8") as file:
            work = json.load(file)
        first, second = work["stations"]
        check(work["format"] == "veltrin-work" and work["pupil"] == "Anna",
              f"the file names {work.get('pupil')!r}")
        check(first.get("value") == 2500 and "committed" in first and first["observed"],
              f"station 1's prediction: {first}")
        check(first["explanation"] == "Equal times", f"the explanation: {first['explanation']!r}")
        check(first.get("checkAnswer") == 2490 and first["checkRight"] and first["tries"] == 1,
              f"station 1's check: {first}")
        check(first.get("confront") == 1, f"station 1's confronting answer: {first}")
        check(second.get("choice") == 1 and "committed" in second and not second["observed"],
              f"station 2: {second}")
    except BaseException:
        try:
            display.save_png("root", "lesson-e2e-failure.png")
        except subprocess.SubprocessError:
            pass
        raise
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    missing = missing_packages()
    if missing:
        print(f"skipped: install {' '.join(missing)}", file=sys.stderr)
        return SKIPPED
    with tempfile.TemporaryDirectory(prefix="veltrin-lesson-") as folder, \
            VirtualDisplay("1366x768x24") as display:
        try:
            work_through(display, os.path.abspath(sys.argv[1]), folder)
        except (Failure, TimeoutError):
            traceback.print_exc()
            return 1
    print("a lesson worked through from the keyboard saved the pupil's work")
    return 0


if __name__ == "__main__":
    sys.exit(main())
