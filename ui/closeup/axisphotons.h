// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "photonrandom.h"
#include "photonsampler.h"

#include <QColor>
#include <QWidget>
#include <optional>
#include <span>
#include <vector>

namespace veltrin {

class AxisHistogram;
class PhotonControls;
class PhotonStream;
class ProbabilitySound;

/// Photons one at a time at the run's detector positions on the axis, each position as likely
/// as its bar says, gathered into a histogram that grows toward the bars; with Hear it, a click
/// per photon and a tone for the probability at the position being looked at.
class AxisPhotons : public QWidget
{
    Q_OBJECT

public:
    explicit AxisPhotons(QWidget *parent = nullptr);
    ~AxisPhotons() override;

    /// The run whose bars the photons follow. Another mirror or frequency clears the photons:
    /// they belonged to another experiment.
    void setRun(double k, double frequency, const QColor &barColour);

    std::span<const double> bars() const { return m_bars; }
    std::span<const qint64> counts() const { return m_counts; }
    qint64 total() const { return m_total; }
    PhotonStream &stream() const { return *m_stream; }
    ProbabilitySound &sound() const { return *m_sound; }
    /// Held while the close-up is hidden: no photon lands and nothing sounds.
    void setHeld(bool held);

public slots:
    /// The detector position being looked at: marked, and heard as a tone.
    void setPosition(int index);
    void clear();
    /// `count` photons land now.
    void land(int count);

private:
    void showCounts();

    double m_k = 0;
    double m_frequency = 0;
    std::vector<double> m_bars;
    std::optional<PhotonSampler> m_sampler;
    PhotonRandom m_random;
    std::vector<qint64> m_counts;
    qint64 m_total = 0;

    PhotonStream *m_stream;
    ProbabilitySound *m_sound;
    PhotonControls *m_controls;
    AxisHistogram *m_histogram;
};

} // namespace veltrin
