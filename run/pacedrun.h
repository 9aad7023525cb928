// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "run.h"

#include <QObject>
#include <QTimer>
#include <chrono>

namespace veltrin {

/// A run unfolding on the event loop: one detector position per step, each after the pause the
/// speed asks for, measured on the steady clock from the moment the position before it was
/// drawn. Between steps the program is idle: the window repaints, moves and takes the user's
/// choices for the next run, while this run keeps the values it read when it began.
class PacedRun : public QObject
{
    Q_OBJECT

public:
    /// A tenth of a microsecond per count of the speed field.
    static constexpr std::chrono::nanoseconds perCount{100};

    /// The pause after each position for a count: whole counts, as a countdown to zero would
    /// make them; none for a count ≤ 0 (or a text that is no count at all).
    static std::chrono::nanoseconds pauseFor(double count);

    /// Sets the run up at once (see Run); throws SurfaceError.
    explicit PacedRun(Surface &surface, QObject *parent = nullptr);

    /// Draws the first position as soon as the event loop is free, and the others after it.
    void start();
    /// No more positions: the window is closing, or the run is given up.
    void stop() { m_timer.stop(); }

    const Run &run() const { return m_run; }
    /// The pause before the next position, as the event loop waits it.
    std::chrono::milliseconds nextPause() const { return m_timer.intervalAsDuration(); }

signals:
    /// A position is on the screen.
    void positionDrawn();
    void finished();
    /// A window operation failed; the run is over.
    void failed(const QString &reason);

private:
    void step();

    Run m_run;
    QTimer m_timer;
};

} // namespace veltrin
