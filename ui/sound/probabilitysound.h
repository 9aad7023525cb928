// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAudioDevice>
#include <QAudioFormat>
#include <QObject>

class QAudioSink;
class QTimer;

namespace veltrin {

class SoundStream;

/// "Hear it": a soft click for each photon detected and a tone whose pitch follows a
/// probability, for a pupil who cannot see the screen. Off until chosen, and remembered. Where
/// there is no sound device the program says so once, as soon as the sound is chosen or its
/// window opens with it chosen, and stays silent.
class ProbabilitySound : public QObject
{
    Q_OBJECT

public:
    /// Plays through the system's default output.
    explicit ProbabilitySound(QObject *parent = nullptr);
    /// Plays through `device`; a null device is no sound device at all.
    ProbabilitySound(const QAudioDevice &device, QObject *parent);
    ~ProbabilitySound() override;

    /// The pitch for a share of the brightest probability (0 … 1): 220 Hz to 2 kHz, evenly
    /// in musical steps.
    static double pitchOf(double share);

    bool isOn() const { return m_on; }
    /// Held while its window is hidden: silent, whatever was sounding cut off.
    void setHeld(bool held);
    bool isHeld() const { return m_held; }
    /// No sound can be played: no device, or the device failed.
    bool isSilent() const { return m_silent; }

public slots:
    /// Switches the sound on or off, and remembers it for the next start.
    void setOn(bool on);
    /// One photon detected.
    void click();
    /// A tone for a share of the brightest probability (0 … 1).
    void tone(double share);

signals:
    void onChanged(bool on);
    /// Sound was wanted and cannot be played; emitted once.
    void silenced(const QString &why);

private:
    static QAudioFormat format();
    /// Looks for the device once sound is wanted; where there is none that plays the program's
    /// sound, goes silent and says why.
    bool findDevice();
    bool ready();
    void goSilent(const QString &why);
    void stopWhenQuiet();

    QAudioDevice m_device;
    bool m_systemOutput = false; ///< m_device is to be the system's default output
    bool m_on = false;
    bool m_silent = false;
    bool m_held = false;
    SoundStream *m_stream;
    QAudioSink *m_sink = nullptr;
    QTimer *m_quietCheck;
};

} // namespace veltrin
