// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas.h"
#include "imagesurface.h"
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

/// The runs on the window's drawing drawn again onto a blank picture like the canvas's: what the
/// canvas must show.
inline QImage drawnAgain(const veltrin::VeltrinWindow &window)
{
    const veltrin::Canvas &canvas = *window.canvas();
    QImage picture = veltrin::blankPicture(canvas.image().devicePixelRatio(), canvas.prompt(),
                                           canvas.sceneStyle());
    veltrin::ImageSurface surface(picture, canvas.sceneStyle());
    window.history().drawAgain(surface);
    surface.present();
    return picture;
}
