// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pacedrun.h"
#include "twips.h"
#include "veltrinwindow.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QWindow>

namespace veltrin::bench {

/// The program's window, shown and on the screen, with no delay between detector positions and
/// No for an answer to its question.
class ShownWindow
{
public:
    /// At its design size, the scene's scale 1, unless told another size.
    explicit ShownWindow(QSize size = picturePixels)
    {
        m_window.resize(size);
        m_window.show();
        QWindow *handle = m_window.windowHandle();
        const QDeadlineTimer deadline(5000);
        while (handle && !handle->isExposed() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::processEvents();
        m_window.surface().setText(Field::Spomaleni, QStringLiteral("0"));
        m_window.surface().setQuestion([](QWidget *, const QString &) { return false; });
    }

    bool isExposed() const
    {
        return m_window.windowHandle() && m_window.windowHandle()->isExposed();
    }
    VeltrinWindow &window() { return m_window; }

    /// Presses Start and lets the event loop go on until the run has ended.
    bool pressStartAndWait()
    {
        m_window.start();
        const QDeadlineTimer deadline(30000);
        while (m_window.isRunning() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return !m_window.isRunning();
    }

private:
    VeltrinWindow m_window;
};

/// Runs the event loop until the run has drawn its next position, or its last.
inline bool awaitPosition(PacedRun &run)
{
    QEventLoop loop;
    bool failed = false;
    QObject::connect(&run, &PacedRun::positionDrawn, &loop, &QEventLoop::quit);
    QObject::connect(&run, &PacedRun::failed, &loop, [&] {
        failed = true;
        loop.quit();
    });
    loop.exec();
    return !failed;
}

/// A whole first run into the window's surface, its positions one a step of the event loop with
/// a screen update after each, as in the program.
inline bool runInWindow(ShownWindow &shown)
{
    WindowSurface &surface = shown.window().surface();
    surface.setText(Field::Prvni, QStringLiteral("0")); // no question, nothing erased
    PacedRun run(surface);
    run.start();
    while (!run.run().atEnd()) {
        if (!awaitPosition(run))
            return false;
    }
    return true;
}

} // namespace veltrin::bench
