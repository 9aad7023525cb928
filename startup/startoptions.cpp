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
    if (run) {
        // Queued, so that the window is shown before the run begins drawing on it.
        QMetaObject::invokeMethod(
            &window, [&window] { window.start(); }, Qt::QueuedConnection);
    }
}

} // namespace veltrin
