// SPDX-License-Identifier: GPL-3.0-or-later
#include "pacedrun.h"

#include <algorithm>
#include <cmath>
#include <exception>

namespace veltrin {

std::chrono::nanoseconds PacedRun::pauseFor(double count)
{
    if (!(count > 0))
        return std::chrono::nanoseconds::zero();
    // A day is far beyond any count the window writes, and keeps the clock from overflowing.
    const double limit = std::chrono::nanoseconds(std::chrono::hours(24)).count();
    const double nanoseconds = std::min(std::ceil(count) * double(perCount.count()), limit);
    return std::chrono::nanoseconds(static_cast<long long>(nanoseconds));
}

PacedRun::PacedRun(Surface &surface, QObject *parent) : QObject(parent), m_run(surface)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &PacedRun::step);
}

void PacedRun::start()
{
    m_timer.start(0);
}

void PacedRun::step()
{
    try {
        m_run.drawNextPosition();
    } catch (const std::exception &error) {
        emit failed(QString::fromStdString(error.what()));
        return;
    }
    if (!m_run.atEnd()) {
        // The pause starts now that the position is on the screen. The event loop's timers
        // count whole milliseconds on the steady clock: the pause is rounded to the nearest, so
        // the scroll bar's left end does not wait at all and its far end waits its 98 ms.
        const std::chrono::duration<double, std::milli> pause =
            pauseFor(m_run.record().values.delayCount);
        m_timer.start(std::chrono::milliseconds(std::llround(pause.count())));
    }
    emit positionDrawn();
    if (m_run.atEnd())
        emit finished();
}

} // namespace veltrin
