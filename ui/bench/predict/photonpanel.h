// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "experiment.h"
#include "prediction.h"

#include <QElapsedTimer>
#include <QWidget>
#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;

namespace veltrin {

class BenchPhotons;
class MapView;
class PhotonControls;
class PhotonOverlay;
class ProbabilityMap;

/// The bench's photons: Send photons with its rate, pause, clear and count; Show map, so that
/// the pattern may build up from the dots alone; Predict first, where the pupil marks where
/// the light will go before seeing the map, then Reveal.
class PhotonPanel : public QWidget
{
    Q_OBJECT

public:
    PhotonPanel(MapView &view, QWidget *parent = nullptr);
    ~PhotonPanel() override;

    /// The experiment shown; another one clears the photons and the marks, and a prediction
    /// under way goes on for it.
    void setExperiment(const Experiment &experiment);
    /// A map of the present experiment (maps of others are left alone).
    void setMap(std::shared_ptr<const ProbabilityMap> map);

    BenchPhotons &photons() const { return *m_photons; }
    const Prediction &prediction() const { return m_prediction; }
    PhotonOverlay &overlay() const { return *m_overlay; }
    bool isMapShown() const { return m_mapShown; }
    /// Between Predict first and Reveal: the map, and every number that would tell where the
    /// light goes, stay hidden.
    bool isPredicting() const;
    /// Keeps Reveal from showing the map, as a lesson does until the prediction is committed.
    void setRevealLocked(bool locked);
    bool isRevealLocked() const { return m_revealLocked; }

    /// For a screen reader: how many photons have landed and where they lie densest.
    QString description() const;
    /// For the saved and printed picture: the photons' count, the marks and how they did.
    QString worksheet() const;
    /// The words under the map: the photons, and how the latest few marks did.
    QString status() const;

public slots:
    void setMapShown(bool shown);
    /// Hides the map and starts a new prediction: clicks or Enter mark points.
    void predictFirst();
    /// Shows the map and how each mark did.
    void reveal();

signals:
    /// The description or the worksheet reads differently.
    void changed();
    /// Predict first began, or Reveal ended it.
    void predictingChanged(bool predicting);

private:
    void photonsChanged(bool now);
    void showPrediction();
    /// Whether the map kept is of the present experiment.
    bool hasMap() const;
    /// The photons' description and the marks, the latest `named` of them with how they did.
    QString marksWords(std::size_t named) const;

    MapView &m_view;
    Experiment m_experiment;
    BenchPhotons *m_photons;
    Prediction m_prediction;
    PhotonOverlay *m_overlay;
    std::shared_ptr<const ProbabilityMap> m_map;
    bool m_mapShown = true;
    bool m_revealLocked = false;
    QElapsedTimer m_sinceDescribed;

    PhotonControls *m_controls;
    QCheckBox *m_showMap;
    QPushButton *m_predict;
    QPushButton *m_reveal;
    QLabel *m_status;
};

} // namespace veltrin
