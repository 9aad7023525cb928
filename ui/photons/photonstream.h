// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>

class QTimer;

namespace veltrin {

/// When photons arrive: at a steady rate from one a second up, or as fast as the window draws
/// them, one tick of a timer at a time. Whoever draws the photons listens to arrived(); at the
/// fastest rate the stream sends as many per frame as the drawing of the last frames allows.
class PhotonStream : public QObject
{
    Q_OBJECT

public:
    /// The rate that sends as many photons as the window can draw smoothly.
    static constexpr int fastest = 0;
    /// The rates to choose from, photons a second, the fastest last.
    static constexpr int rates[] = {1, 10, 100, 1000, fastest};

    explicit PhotonStream(QObject *parent = nullptr);

    int rate() const { return m_rate; }
    bool isRunning() const;
    bool isHeld() const { return m_held; }
    /// Photons sent per frame at the fastest rate, as the drawing allows now.
    int batch() const { return m_batch; }

public slots:
    /// Photons a second, or fastest.
    void setRate(int perSecond);
    /// Starts, or where held, starts once let go.
    void start();
    void pause();
    /// Held while its window is hidden: no photon arrives; let go, it goes on if it was running.
    void setHeld(bool held);
    /// Sends the photons due now, as the timer does at each tick.
    void tick();

signals:
    /// `count` photons arrive now; the listeners draw them before the call returns.
    void arrived(int count);
    void runningChanged(bool running);

private:
    void schedule();

    int m_rate = 10;
    bool m_held = false;
    bool m_runOnRelease = false;
    int m_batch = 64;
    double m_owed = 0; ///< photons due but not yet sent, at rates above the frame rate
    QTimer *m_timer;
    QElapsedTimer m_sinceTick;
};

} // namespace veltrin
