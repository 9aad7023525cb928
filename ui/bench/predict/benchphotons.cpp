// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchphotons.h"

#include "mapphotons.h"
#include "photonstream.h"
#include "probabilitymap.h"
#include "probabilitysound.h"

#include <random>

namespace veltrin {

BenchPhotons::BenchPhotons(QObject *parent)
    : QObject(parent), m_random(std::random_device{}()), m_stream(new PhotonStream(this)),
      m_sound(new ProbabilitySound(this))
{
    connect(m_stream, &PhotonStream::arrived, this, &BenchPhotons::land);
}

BenchPhotons::~BenchPhotons() = default;

void BenchPhotons::setExperiment(const Experiment &experiment)
{
    if (experiment == m_experiment)
        return;
    m_experiment = experiment;
    m_photons.reset();
    clear();
}

void BenchPhotons::setMap(std::shared_ptr<const ProbabilityMap> map)
{
    if (!map || !(map->experiment() == m_experiment))
        return;
    // A finer map of the same experiment: the photons so far belong to it as well.
    m_photons = std::make_unique<MapPhotons>(*map);
}

void BenchPhotons::setHeld(bool held)
{
    m_stream->setHeld(held);
    m_sound->setHeld(held);
}

bool BenchPhotons::canLand() const
{
    return m_photons && m_photons->canDraw();
}

void BenchPhotons::land(int count)
{
    if (!canLand() || count <= 0)
        return;
    m_latest.clear();
    for (int n = 0; n < count; ++n) {
        const Vec2 hit = m_photons->draw(m_random);
        m_latest.push_back(hit);
        m_tally.add(hit);
    }
    m_sound->click();
    emit landed();
}

void BenchPhotons::clear()
{
    m_tally.clear();
    emit cleared();
}

} // namespace veltrin
