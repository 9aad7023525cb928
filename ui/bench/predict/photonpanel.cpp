// SPDX-License-Identifier: GPL-3.0-or-later
#include "photonpanel.h"

#include "benchphotons.h"
#include "fixedtextarea.h"
#include "mapview.h"
#include "percenttext.h"
#include "photoncontrols.h"
#include "photonoverlay.h"
#include "photonstream.h"
#include "probabilitymap.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

namespace veltrin {

namespace {

/// While photons arrive, the words about them change at most this often, milliseconds: a
/// screen reader cannot follow faster, and finding where most are costs time.
constexpr int describeEvery = 500;

QString percent(double share)
{
    return percentText(share * 100, share < 0.1 ? 1 : 0);
}

QString twips(double value)
{
    return QLocale().toString(value, 'f', 0);
}

} // namespace

PhotonPanel::PhotonPanel(MapView &view, QWidget *parent)
    : QWidget(parent), m_view(view), m_photons(new BenchPhotons(this)),
      m_overlay(new PhotonOverlay(view, *m_photons, m_prediction)),
      m_controls(new PhotonControls(m_photons->stream(), m_photons->sound(), this)),
      m_showMap(new QCheckBox(tr("Show m&ap"), this)),
      m_predict(new QPushButton(tr("P&redict first"), this)),
      m_reveal(new QPushButton(tr("Re&veal"), this)), m_status(new QLabel(this))
{
    setObjectName(QStringLiteral("photonPanel"));
    m_showMap->setObjectName(QStringLiteral("showMap"));
    m_showMap->setToolTip(tr("Shows or hides the probability map beneath the photons."));
    m_showMap->setChecked(true);
    m_predict->setObjectName(QStringLiteral("predictFirst"));
    m_predict->setToolTip(tr("Hide the map and mark where you expect the light: click, or move "
                             "the detector with the arrow keys and press Enter"));
    m_reveal->setObjectName(QStringLiteral("reveal"));
    m_reveal->setToolTip(tr("Shows the map after a prediction, to compare it with your marks."));
    m_reveal->setEnabled(false);
    m_status->setObjectName(QStringLiteral("photonStatus"));
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);

    connect(m_showMap, &QCheckBox::toggled, this, &PhotonPanel::setMapShown);
    connect(m_predict, &QPushButton::clicked, this, &PhotonPanel::predictFirst);
    connect(m_reveal, &QPushButton::clicked, this, &PhotonPanel::reveal);
    connect(m_controls, &PhotonControls::clearRequested, m_photons, &BenchPhotons::clear);
    connect(m_photons, &BenchPhotons::landed, this, [this] {
        m_prediction.count(m_photons->latest());
        photonsChanged(false);
    });
    connect(m_photons, &BenchPhotons::cleared, this, [this] {
        m_prediction.photonsCleared();
        photonsChanged(true);
    });
    connect(&m_photons->stream(), &PhotonStream::runningChanged, this,
            [this] { photonsChanged(true); });
    connect(m_overlay, &PhotonOverlay::marked, this, &PhotonPanel::showPrediction);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_controls, 0, 0, 1, 4);
    layout->addWidget(m_showMap, 1, 0);
    layout->addWidget(m_predict, 1, 1);
    layout->addWidget(m_reveal, 1, 2);
    // Room for the marks' lines, so that the map keeps its size after Reveal.
    layout->addWidget(new FixedTextArea(m_status, 3, this), 2, 0, 1, 4);
    layout->setColumnStretch(3, 1);
    photonsChanged(true);
}

PhotonPanel::~PhotonPanel() = default;

void PhotonPanel::setExperiment(const Experiment &experiment)
{
    const bool another = !(experiment == m_experiment);
    m_experiment = experiment;
    m_photons->setExperiment(experiment);
    if (another) {
        // The marks were a guess about another experiment; a prediction under way goes on,
        // the map still hidden, for the new one.
        m_prediction.clear();
        m_overlay->setScores({});
        m_reveal->setEnabled(isPredicting() && !m_revealLocked);
    }
    photonsChanged(true);
}

void PhotonPanel::setMap(std::shared_ptr<const ProbabilityMap> map)
{
    if (!map)
        return;
    m_map = map;
    m_photons->setMap(std::move(map));
    photonsChanged(true);
}

void PhotonPanel::setMapShown(bool shown)
{
    m_mapShown = shown;
    m_showMap->setChecked(shown);
    m_view.setPictureShown(shown);
    emit changed();
}

bool PhotonPanel::isPredicting() const
{
    return m_overlay->isPredicting();
}

void PhotonPanel::predictFirst()
{
    m_prediction.clear();
    m_overlay->setScores({});
    setMapShown(false);
    m_overlay->setPredicting(true);
    m_view.setFocus();
    m_reveal->setEnabled(!m_revealLocked);
    showPrediction();
    emit predictingChanged(true);
}

void PhotonPanel::setRevealLocked(bool locked)
{
    m_revealLocked = locked;
    m_reveal->setEnabled(isPredicting() && !locked);
}

void PhotonPanel::reveal()
{
    if (m_revealLocked)
        return;
    m_prediction.reveal();
    m_overlay->setPredicting(false);
    m_reveal->setEnabled(false);
    setMapShown(true);
    showPrediction();
    emit predictingChanged(false);
}

void PhotonPanel::photonsChanged(bool now)
{
    m_controls->setCount(qint64(m_photons->tally().size()));
    if (!now && m_sinceDescribed.isValid() && m_sinceDescribed.elapsed() < describeEvery)
        return;
    m_sinceDescribed.start();
    showPrediction();
}

void PhotonPanel::showPrediction()
{
    if (m_prediction.isRevealed() && hasMap())
        m_overlay->setScores(m_prediction.scores(*m_map));
    m_status->setText(status());
    m_status->setAccessibleDescription(description());
    m_overlay->setAccessibleDescription(description());
    emit changed();
}

QString PhotonPanel::status() const
{
    if (m_overlay->isPredicting())
        return tr("Mark where you expect the light: click, or move the detector with the arrow "
                  "keys and press Enter. Marks so far: %1. Then send photons, or Reveal.")
            .arg(QLocale().toString(int(m_prediction.marks().size())));
    return marksWords(Prediction::namedMarks);
}

bool PhotonPanel::hasMap() const
{
    return m_map && m_map->experiment() == m_experiment;
}

QString PhotonPanel::description() const
{
    const PhotonTally &tally = m_photons->tally();
    if (tally.size() == 0)
        return m_photons->canLand() ? tr("No photons have landed yet.")
                                    : tr("No photons: the map of this experiment is not in yet.");
    const Vec2 densest = tally.densest();
    return (m_experiment.element == Experiment::Element::Slits
                ? tr("%1 photons have landed; they lie densest near %2 twips behind the screen, "
                     "%3 twips %4 the axis.")
                : tr("%1 photons have landed; they lie densest near %2 twips from the vertex "
                     "line, %3 twips %4 the axis."))
        .arg(QLocale().toString(qlonglong(tally.size())), twips(densest.x),
             twips(std::abs(densest.y)), densest.y >= 0 ? tr("above") : tr("below"));
}

QString PhotonPanel::worksheet() const
{
    return marksWords(m_prediction.marks().size());
}

QString PhotonPanel::marksWords(std::size_t named) const
{
    QStringList lines{description()};
    const auto marks = m_prediction.marks();
    if (!m_prediction.isRevealed() || !hasMap()) {
        if (!marks.empty())
            lines << tr("Marks not yet revealed: %1.").arg(QLocale().toString(int(marks.size())));
        return lines.join(u' ');
    }
    const auto scores = m_prediction.scores(*m_map);
    const std::size_t first = scores.size() - std::min(scores.size(), named);
    if (first > 0)
        lines << tr("Marks: %1; the latest:").arg(QLocale().toString(int(scores.size())));
    for (std::size_t i = first; i < scores.size(); ++i)
        lines << tr("Mark %1: x %2, y %3 twips; %4 of the photons within %5 twips; probability "
                    "%6 of the brightest point.")
                     .arg(QLocale().toString(int(i + 1)), twips(scores[i].mark.x),
                          twips(scores[i].mark.y), percent(scores[i].photonShare),
                          twips(Prediction::nearRadius), percent(scores[i].probabilityShare));
    return lines.join(u' ');
}

} // namespace veltrin
