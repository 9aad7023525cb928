// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundstream.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace veltrin {

namespace {

constexpr int clickLength = SoundStream::sampleRate * 4 / 1000;
constexpr int toneLength = SoundStream::sampleRate / 5;
constexpr int riseLength = SoundStream::sampleRate * 8 / 1000;
/// The fundamental and its harmonics, each softer than the one before.
constexpr double harmonics[] = {1.0, 0.45, 0.22, 0.1};

} // namespace

SoundStream::SoundStream(QObject *parent) : QIODevice(parent)
{
    open(QIODevice::ReadOnly);
}

void SoundStream::click()
{
    {
        const std::lock_guard lock(m_mutex);
        // Photons faster than the ear can part them would pile up into a roar.
        for (const Voice &v : m_voices)
            if (v.click && v.played < clickLength)
                return;
        m_voices.push_back(
            {.frequency = 1800, .loudness = 0.18, .length = clickLength, .click = true});
    }
    emit readyRead();
}

void SoundStream::tone(double frequency)
{
    {
        const std::lock_guard lock(m_mutex);
        // A step along the axis replaces the tone still sounding, so that fast steps do not blur.
        std::erase_if(m_voices, [](const Voice &v) { return !v.click; });
        m_voices.push_back({.frequency = frequency, .loudness = 0.3, .length = toneLength});
    }
    emit readyRead();
}

void SoundStream::clear()
{
    const std::lock_guard lock(m_mutex);
    m_voices.clear();
}

bool SoundStream::quiet() const
{
    const std::lock_guard lock(m_mutex);
    return m_voices.empty();
}

qint64 SoundStream::bytesAvailable() const
{
    // A sink in pull mode reads on as long as there is something; silence is always there.
    return sampleRate / 10 * qint64(sizeof(qint16)) + QIODevice::bytesAvailable();
}

double SoundStream::sampleOf(const Voice &voice) const
{
    const double t = double(voice.played) / sampleRate;
    const double phase = 2 * std::numbers::pi * voice.frequency * t;
    if (voice.click)
        return voice.loudness * std::sin(phase) *
               std::exp(-double(voice.played) / (clickLength / 5));
    double sample = 0;
    for (std::size_t h = 0; h < std::size(harmonics); ++h)
        sample += harmonics[h] * std::sin(double(h + 1) * phase);
    const double rise = std::min(1.0, double(voice.played) / riseLength);
    const double fall = std::exp(-4.0 * voice.played / voice.length);
    return voice.loudness * rise * fall * sample / 1.8;
}

qint64 SoundStream::readData(char *data, qint64 maxSize)
{
    const qint64 count = maxSize / qint64(sizeof(qint16));
    // Held for the few thousand samples of a read: a sound added meanwhile waits that long.
    const std::lock_guard lock(m_mutex);
    for (qint64 i = 0; i < count; ++i) {
        double sample = 0;
        for (Voice &v : m_voices) {
            if (v.played < v.length)
                sample += sampleOf(v);
            ++v.played;
        }
        const auto value = qint16(std::lround(std::clamp(sample, -1.0, 1.0) * 32767));
        std::memcpy(data + i * qint64(sizeof value), &value, sizeof value);
    }
    std::erase_if(m_voices, [](const Voice &v) { return v.played >= v.length; });
    return count * qint64(sizeof(qint16));
}

} // namespace veltrin
