// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas.h"
#include "choices.h"
#include "imagesurface.h"
#include "veltrinwindow.h"

#include <QSignalSpy>
#include <QTest>

/// Presses Start and waits until the run it began has ended; true unless it is still going.
inline bool pressStartAndWait(veltrin::VeltrinWindow &window, int timeoutMs = 30'000)
{
    QSignalSpy ended(&window, &veltrin::VeltrinWindow::runEnded);
    window.start();
    return !window.isRunning() || ended.wait(timeoutMs);
}

/// Chooses, as a click on its button does, the field's choice of this caption (0.0002, Low).
inline void choose(veltrin::VeltrinWindow &window, veltrin::Field field, const char *caption)
{
    const veltrin::Choice *choice = veltrin::choiceCaptioned(field, QString::fromUtf8(caption));
    QVERIFY2(choice, caption);
    window.choose(*choice);
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
