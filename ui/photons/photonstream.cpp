// SPDX-License-Identifier: GPL-3.0-or-later
#include "photonstream.h"

#include <QTimer>
#include <algorithm>
#include <utility>

namespace veltrin {

namespace {

constexpr int frameMilliseconds = 16;
/// At the fastest rate a frame's photons take at most this long to draw, leaving the rest of
/// the frame to the window.
constexpr qint64 drawingBudgetNs = 6'000'000;

} // namespace

PhotonStream::PhotonStream(QObject *parent) : QObject(parent), m_timer(new QTimer(this))
{
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &PhotonStream::tick);
    schedule();
}

bool PhotonStream::isRunning() const
{
    return m_timer->isActive();
}

void PhotonStream::setRate(int perSecond)
{
    m_rate = std::max(0, perSecond);
    m_owed = 0;
    schedule();
}

void PhotonStream::schedule()
{
    const bool slow = m_rate != fastest && m_rate * frameMilliseconds <= 1000;
    m_timer->setInterval(slow ? 1000 / m_rate : frameMilliseconds);
}

void PhotonStream::start()
{
    if (m_held)
        m_runOnRelease = true;
    if (isRunning() || m_held)
        return;
    m_sinceTick.start();
    m_timer->start();
    emit runningChanged(true);
}

void PhotonStream::pause()
{
    m_runOnRelease = false;
    if (!isRunning())
        return;
    m_timer->stop();
    m_owed = 0;
    emit runningChanged(false);
}

void PhotonStream::setHeld(bool held)
{
    if (held == m_held)
        return;
    if (held) {
        const bool running = isRunning();
        pause();
        m_runOnRelease = running;
        m_held = true;
    } else {
        m_held = false;
        if (std::exchange(m_runOnRelease, false))
            start();
    }
}

void PhotonStream::tick()
{
    if (m_held)
        return;
    int count = 1;
    if (m_rate == fastest) {
        count = m_batch;
    } else if (m_timer->interval() == frameMilliseconds) {
        // Faster than the frames: as many as the time since the last tick holds.
        const qint64 elapsed = m_sinceTick.isValid() ? m_sinceTick.restart() : frameMilliseconds;
        m_owed += m_rate * std::min<qint64>(elapsed, 4 * frameMilliseconds) / 1000.0;
        count = int(m_owed);
        m_owed -= count;
    }
    if (count <= 0)
        return;
    QElapsedTimer drawing;
    drawing.start();
    emit arrived(count);
    if (m_rate == fastest) {
        // Keep each frame's drawing within its budget: more photons while there is room,
        // fewer as soon as a frame took too long.
        const qint64 took = drawing.nsecsElapsed();
        if (took < drawingBudgetNs / 2)
            m_batch = std::min(m_batch * 2, 1 << 20);
        else if (took > drawingBudgetNs)
            m_batch = std::max(m_batch / 2, 1);
    }
}

} // namespace veltrin
