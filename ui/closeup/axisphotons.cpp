// SPDX-License-Identifier: GPL-3.0-or-later
#include "axisphotons.h"

#include "axishistogram.h"
#include "pathsum.h"
#include "photoncontrols.h"
#include "photonstream.h"
#include "probabilitysound.h"
#include "scene.h"

#include <QLocale>
#include <QVBoxLayout>
#include <algorithm>
#include <random>

namespace veltrin {

AxisPhotons::AxisPhotons(QWidget *parent)
    : QWidget(parent), m_random(std::random_device{}()), m_stream(new PhotonStream(this)),
      m_sound(new ProbabilitySound(this)),
      m_controls(new PhotonControls(*m_stream, *m_sound, this)),
      m_histogram(new AxisHistogram(this))
{
    setObjectName(QStringLiteral("axisPhotons"));
    m_histogram->setTitle(tr("Photons along the axis, and the bars they follow"));
    m_histogram->setAccessibleName(m_histogram->title());
    connect(m_stream, &PhotonStream::arrived, this, &AxisPhotons::land);
    connect(m_controls, &PhotonControls::clearRequested, this, &AxisPhotons::clear);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_controls);
    layout->addWidget(m_histogram, 1);
}

AxisPhotons::~AxisPhotons() = default;

void AxisPhotons::setRun(double k, double frequency, const QColor &barColour)
{
    if (k == m_k && frequency == m_frequency && !m_bars.empty()) {
        m_histogram->setBars(m_bars, barColour);
        showCounts();
        return;
    }
    m_k = k;
    m_frequency = frequency;
    PathSum run(k, frequency);
    m_bars.clear();
    for (int i = 0; i < scene::detectorPositions; ++i)
        m_bars.push_back(PathSum::probabilityOf(run.resultantAt({scene::detectorX(i), scene::Y0})));
    m_sampler.emplace(m_bars);
    m_histogram->setBars(m_bars, barColour);
    clear();
}

void AxisPhotons::setHeld(bool held)
{
    m_stream->setHeld(held);
    m_sound->setHeld(held);
}

void AxisPhotons::setPosition(int index)
{
    if (index < 0 || index >= int(m_bars.size()))
        return;
    m_histogram->setPosition(index);
    const double brightest = *std::ranges::max_element(m_bars);
    m_sound->tone(brightest > 0 ? m_bars[std::size_t(index)] / brightest : 0);
}

void AxisPhotons::clear()
{
    m_counts.assign(m_bars.size(), 0);
    m_total = 0;
    showCounts();
}

void AxisPhotons::land(int count)
{
    if (!m_sampler || !m_sampler->canDraw() || count <= 0)
        return;
    for (int n = 0; n < count; ++n)
        ++m_counts[m_sampler->draw(m_random)];
    m_total += count;
    m_sound->click();
    showCounts();
}

void AxisPhotons::showCounts()
{
    m_histogram->setCounts(m_counts, m_total);
    m_controls->setCount(m_total);
    if (m_total == 0) {
        m_histogram->setAccessibleDescription(tr("No photons have landed yet."));
        m_histogram->setToolTip(m_histogram->accessibleDescription());
        return;
    }
    const auto most = std::ranges::max_element(m_counts) - m_counts.begin();
    m_histogram->setAccessibleDescription(
        tr("%1 photons have landed on the axis; most of them %2 twips from the vertex line.")
            .arg(QLocale().toString(m_total))
            .arg(QLocale().toString(scene::detectorX(int(most)) - scene::X0, 'f', 0)));
    m_histogram->setToolTip(m_histogram->accessibleDescription());
}

} // namespace veltrin
