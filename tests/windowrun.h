// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "veltrinwindow.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

/// Clicks Start and waits until the run it began has ended; true unless it is still going.
inline bool pressStartAndWait(veltrin::VeltrinWindow &window, int timeoutMs = 30'000)
{
    QSignalSpy ended(&window, &veltrin::VeltrinWindow::runEnded);
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdStart")), Qt::LeftButton);
    return !window.isRunning() || ended.wait(timeoutMs);
}
