// SPDX-License-Identifier: GPL-3.0-or-later
#include "probabilitysound.h"

#include "settingsstore.h"
#include "soundstream.h"

#include <QAudioSink>
#include <QMediaDevices>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace veltrin {

namespace {

const QString onKey = QStringLiteral("sound/hearIt");

} // namespace

ProbabilitySound::ProbabilitySound(QObject *parent) : ProbabilitySound(QAudioDevice(), parent)
{
    // The system's output is looked for only once sound is wanted: the search alone makes the
    // sound system complain where there is none.
    m_systemOutput = true;
}

ProbabilitySound::ProbabilitySound(const QAudioDevice &device, QObject *parent)
    : QObject(parent), m_device(device), m_on(SettingsStore().flag(onKey, false)),
      m_stream(new SoundStream(this)), m_quietCheck(new QTimer(this))
{
    // The sink runs only while something sounds, so a quiet program keeps the machine idle.
    m_quietCheck->setInterval(300);
    connect(m_quietCheck, &QTimer::timeout, this, &ProbabilitySound::stopWhenQuiet);
}

ProbabilitySound::~ProbabilitySound()
{
    if (m_sink)
        m_sink->stop();
}

double ProbabilitySound::pitchOf(double share)
{
    const double s = std::isfinite(share) ? std::clamp(share, 0.0, 1.0) : 0.0;
    return 220 * std::pow(2000.0 / 220, s);
}

void ProbabilitySound::setOn(bool on)
{
    if (on == m_on)
        return;
    m_on = on;
    SettingsStore().setFlag(onKey, on);
    if (!on && m_sink)
        m_sink->stop();
    emit onChanged(on);
    if (on)
        findDevice(); // where there is none, said now rather than at the first sound
}

void ProbabilitySound::setHeld(bool held)
{
    m_held = held;
    if (!held) {
        if (m_on)
            findDevice(); // the window opens: where there is no sound, it says so at once
        return;
    }
    m_quietCheck->stop();
    if (m_sink)
        m_sink->stop();
    m_stream->clear();
}

void ProbabilitySound::click()
{
    if (ready())
        m_stream->click();
}

void ProbabilitySound::tone(double share)
{
    if (ready())
        m_stream->tone(pitchOf(share));
}

QAudioFormat ProbabilitySound::format()
{
    QAudioFormat format;
    format.setSampleRate(SoundStream::sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

bool ProbabilitySound::findDevice()
{
    if (m_silent)
        return false;
    if (m_systemOutput) {
        m_device = QMediaDevices::defaultAudioOutput();
        m_systemOutput = false;
    }
    if (m_device.isNull()) {
        goSilent(tr("No sound device: the sound stays off."));
        return false;
    }
    if (!m_sink && !m_device.isFormatSupported(format())) {
        goSilent(tr("The sound device cannot play the program's sound: the sound stays off."));
        return false;
    }
    return true;
}

bool ProbabilitySound::ready()
{
    if (!m_on || m_silent || m_held || !findDevice())
        return false;
    if (!m_sink) {
        m_sink = new QAudioSink(m_device, format(), this);
        // A short buffer keeps a click close to the photon it belongs to.
        m_sink->setBufferSize(SoundStream::sampleRate / 20 * qsizetype(sizeof(qint16)));
        connect(m_sink, &QAudioSink::stateChanged, this, [this] {
            if (m_sink->error() != QAudio::NoError && m_sink->error() != QAudio::UnderrunError)
                goSilent(tr("The sound device failed: the sound stays off."));
        });
    }
    if (m_sink->state() != QAudio::ActiveState && !m_silent)
        m_sink->start(m_stream);
    m_quietCheck->start();
    return !m_silent;
}

void ProbabilitySound::goSilent(const QString &why)
{
    if (m_silent)
        return;
    m_silent = true;
    m_quietCheck->stop();
    if (m_sink)
        QTimer::singleShot(0, m_sink, &QAudioSink::stop);
    // Said once in the program's life, whichever window finds out first.
    static bool said = false;
    if (!said) {
        said = true;
        qWarning("%s", qPrintable(why));
    }
    emit silenced(why);
}

void ProbabilitySound::stopWhenQuiet()
{
    if (!m_stream->quiet())
        return;
    m_quietCheck->stop();
    if (m_sink)
        m_sink->stop();
}

} // namespace veltrin
