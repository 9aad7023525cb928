// SPDX-License-Identifier: GPL-3.0-or-later
#include "startoptions.h"

#include "veltrinwindow.h"

namespace veltrin {

void StartOptions::applyTo(VeltrinWindow &window) const
{
    for (const Choice *choice : {k, frequency}) {
        if (choice)
            window.choose(*choice);
    }
    if (speed)
        window.setSpeed(*speed);
    if (setup) {
        // Queued, so that the bench opens over the main window rather than under it.
        QMetaObject::invokeMethod(
            &window, [&window, setup = *setup] { window.openBench(setup); }, Qt::QueuedConnection);
    }
    if (lesson) {
        // Queued, as the setup is; the lesson's first station sets the bench up.
        QMetaObject::invokeMethod(
            &window, [&window, lesson = *lesson] { window.openLesson(lesson); },
            Qt::QueuedConnection);
    }
    if (run) {
        // Queued, so that the window is shown before the run begins drawing on it.
        QMetaObject::invokeMethod(
            &window, [&window] { window.start(); }, Qt::QueuedConnection);
    }
}

} // namespace veltrin
