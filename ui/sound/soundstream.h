// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIODevice>
#include <mutex>
#include <vector>

namespace veltrin {

/// The samples an audio sink reads: soft clicks and short tones mixed, mono, 16 bits, silence
/// between them. A tone is a fundamental with a few quieter harmonics under a quick rise and a
/// slow fall, so that it sounds like a struck bar, not a bare sine. Sounds are added on the
/// window's thread and read on the sink's, which may be the audio system's own.
class SoundStream : public QIODevice
{
    Q_OBJECT

public:
    static constexpr int sampleRate = 44100;

    explicit SoundStream(QObject *parent = nullptr);

    /// A click of a few milliseconds; clicks closer than a few milliseconds apart merge.
    void click();
    /// A tone of the given pitch, Hz, that fades out over a fifth of a second.
    void tone(double frequency);
    /// Drops every sound still playing.
    void clear();
    /// Nothing more to play: what is left of the sounds has been read.
    bool quiet() const;

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    struct Voice
    {
        double frequency = 0;
        double loudness = 0;
        int length = 0;     ///< in samples
        int played = 0;     ///< samples read so far
        bool click = false; ///< a click has no harmonics and falls at once
    };
    double sampleOf(const Voice &voice) const;

    mutable std::mutex m_mutex; // the voices are shared with the reading thread
    std::vector<Voice> m_voices;
};

} // namespace veltrin
