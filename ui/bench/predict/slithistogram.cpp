// SPDX-License-Identifier: GPL-3.0-or-later
#include "slithistogram.h"

#include "benchphotons.h"
#include "probabilitymap.h"

#include <QLocale>
#include <cmath>

namespace veltrin {

SlitHistogram::SlitHistogram(const BenchPhotons &photons, QWidget *parent)
    : AxisHistogram(parent), m_photons(photons)
{
    setObjectName(QStringLiteral("slitHistogram"));
    setAccessibleName(tr("Photons along the detector's line"));
    setTitle(tr("Photons along the detector's line"));
    connect(&photons, &BenchPhotons::landed, this, &SlitHistogram::landed);
    connect(&photons, &BenchPhotons::cleared, this, [this] {
        m_histogram.clearCounts();
        showCounts();
    });
}

void SlitHistogram::showLine(std::shared_ptr<const ProbabilityMap> map, Vec2 detector)
{
    const int column = map->grid().columnNear(detector.x);
    if (map != m_map || column != m_column) {
        m_map = std::move(map);
        m_column = column;
        m_histogram.setLine(*m_map, detector.x);
        // The photons so far, counted in the new band.
        for (Vec2 hit : m_photons.tally().hits())
            m_histogram.add(hit);
        const QLocale locale;
        setTitle(tr("Photons near x %1 twips")
                     .arg(locale.toString(std::lround(m_map->grid().x(column)))));
        setBars(m_histogram.expected(), QColor(30, 90, 200));
        showCounts();
    }
    setPosition(m_histogram.binOf(detector.y));
}

void SlitHistogram::clearLine()
{
    m_map.reset();
    m_column = -1;
    m_histogram = {};
    setTitle(tr("Photons along the detector's line"));
    setBars({}, QColor());
    showCounts();
}

void SlitHistogram::landed()
{
    if (!m_map)
        return;
    for (Vec2 hit : m_photons.latest())
        m_histogram.add(hit);
    showCounts();
}

void SlitHistogram::showCounts()
{
    setCounts(m_histogram.counts(), m_histogram.total());
    setAccessibleDescription(description());
}

QString SlitHistogram::description() const
{
    if (!m_map)
        return tr("No map yet: no photons counted along the detector's line.");
    const QLocale locale;
    QString text =
        tr("Photons landing between x %1 and %2 twips, counted every %3 twips along y, with the "
           "map's probability along the line drawn over them.")
            .arg(locale.toString(std::lround(m_histogram.from())),
                 locale.toString(std::lround(m_histogram.to())),
                 locale.toString(LineHistogram::binHeight, 'f', 0));
    const int fullest = m_histogram.fullest();
    if (fullest < 0)
        return text + u' ' + tr("No photon has landed there yet.");
    return text + u' ' +
           tr("Photons there: %1, the most at y %2 twips.")
               .arg(locale.toString(m_histogram.total()),
                    locale.toString(std::lround(m_histogram.middleOf(fullest))));
}

} // namespace veltrin
