// SPDX-License-Identifier: GPL-3.0-or-later
#include "startoptions.h"

#include "choices.h"
#include "veltrinwindow.h"

#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace veltrin {

void StartOptions::applyTo(VeltrinWindow &window) const
{
    for (const Choice *choice : {k, frequency}) {
        if (choice)
            window.findChild<QRadioButton *>(QString::fromUtf8(choice->objectName))
                ->setChecked(true);
    }
    window.tabToSelectedButtons();
    if (speed)
        window.findChild<QScrollBar *>(QStringLiteral("HScroll1"))->setValue(*speed);
    if (run) {
        // Queued, so that the window is shown before the run begins drawing on it.
        QMetaObject::invokeMethod(window.findChild<QPushButton *>(QStringLiteral("cmdStart")),
                                  &QPushButton::click, Qt::QueuedConnection);
    }
}

} // namespace veltrin
