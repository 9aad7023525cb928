// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "experiment.h"
#include "photonrandom.h"
#include "photontally.h"

#include <QObject>
#include <memory>
#include <span>
#include <vector>

namespace veltrin {

class MapPhotons;
class PhotonStream;
class ProbabilityMap;
class ProbabilitySound;

/// Photons arriving one at a time in the bench's plane, each point as likely as the map of the
/// present experiment says. Another experiment clears them, and none land until its map is in:
/// photons of two experiments never mix.
class BenchPhotons : public QObject
{
    Q_OBJECT

public:
    explicit BenchPhotons(QObject *parent = nullptr);
    ~BenchPhotons() override;

    /// The experiment the photons belong to; another one clears them.
    void setExperiment(const Experiment &experiment);
    /// A map to draw photons from; only one of the present experiment is taken.
    void setMap(std::shared_ptr<const ProbabilityMap> map);
    /// Whether photons can land now: a map of the present experiment with light somewhere.
    bool canLand() const;

    const PhotonTally &tally() const { return m_tally; }
    /// The photons that landed last, all of them (the tally keeps only so many).
    std::span<const Vec2> latest() const { return m_latest; }
    PhotonStream &stream() const { return *m_stream; }
    ProbabilitySound &sound() const { return *m_sound; }
    /// Held while the bench is hidden: no photon lands and nothing sounds.
    void setHeld(bool held);

public slots:
    /// `count` photons land now, where a map of the present experiment is in.
    void land(int count);
    void clear();

signals:
    /// The latest() photons have just landed.
    void landed();
    void cleared();

private:
    Experiment m_experiment;
    std::unique_ptr<MapPhotons> m_photons;
    PhotonRandom m_random;
    PhotonTally m_tally;
    std::vector<Vec2> m_latest;
    PhotonStream *m_stream;
    ProbabilitySound *m_sound;
};

} // namespace veltrin
