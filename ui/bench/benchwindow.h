// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "experiment.h"
#include "mirrorpreset.h"
#include "scalechoice.h"
#include "setup.h"
#include "sharing.h"
#include "vec2.h"

#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QContextMenuEvent;
class QDoubleSpinBox;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QFormLayout;
class QSlider;
class QSpinBox;
class QStackedWidget;
class QUndoStack;

namespace veltrin {

class BenchFigure;
class BenchHelp;
class SetupActions;
class ChainPanel;
class ColourBar;
class GlassLayerView;
class GlassPhotons;
class LensTimePlot;
class SlitHistogram;
class SlitSpotPlot;
class MapComputer;
class MapView;
class MirrorStrip;
class PhotonPanel;
class PaperFigure;
class WayLayer;
class ProbabilityMap;

/// The experiment bench: the probability at every point of the plane in front of the mirror, for
/// a mirror the pupil cuts by hand, a parabola or a circle, the beam or a point source, one
/// wavelength or white light; and a detector anywhere, with its arrows and numbers. Every change
/// recomputes off the window's thread, a coarse map at once and the full one after it. Closed, it
/// is only hidden, and opens again as it was, its cut and undo and all.
class BenchWindow : public QWidget
{
    Q_OBJECT

public:
    /// What the bench shows: the mirror, or one of the lectures' other experiments.
    enum class Kind { Mirror, GlassLayer, Boundary, Lens, Slits };

    explicit BenchWindow(QWidget *parent = nullptr);
    ~BenchWindow() override;

    /// Starts afresh with a run's K and wavenumber, the whole parabola and the beam, and the
    /// detector at a map point.
    void start(double k, double wavenumber, Vec2 detector);
    /// Sizes and places the bench for its first opening: the map as large as the screen allows.
    void fitToScreen();

    Kind choice() const { return m_choice; }
    /// Shows another experiment, each with the set-up it had when last left.
    void choose(Kind choice);
    /// The experiment's name, as the list and the caption give it.
    static QString nameOf(Kind choice);
    GlassLayerView *glassView() const { return m_glass; }

    const Experiment &experiment() const { return m_experiment; }
    /// Shows another experiment; the mirror's cut goes through undo only where the pupil cuts. A
    /// point source stays above the boundary and before the lens.
    void setExperiment(const Experiment &given);
    /// The mirror's cut, as an undoable step named `what`.
    void cutMirror(const MirrorCut &cut, const QString &what);

    Vec2 detector() const;
    void setDetector(Vec2 mapPoint);

    /// What the bench shows, as a setup to keep; and a setup shown in place of it.
    Setup setup() const;
    void applySetup(const Setup &setup);
    /// The probability at the detector, with every mirror sample.
    double detectorProbability() const { return m_detectorProbability; }
    /// While the pupil predicts, the map and every number, text and arrow that would tell where
    /// the light goes are hidden until Reveal.
    bool hidesAnswer() const;

    /// The map shown, nullptr before the first; and whether it is of the present experiment.
    std::shared_ptr<const ProbabilityMap> map() const;
    bool showsExperiment() const;

    MapView *mapView() const { return m_mapView; }
    MirrorStrip *mirrorStrip() const { return m_strip; }
    QUndoStack *undoStack() const { return m_undo; }
    MapComputer *computer() const { return m_computer; }
    PhotonPanel *photons() const { return m_photons; }
    SlitHistogram *slitHistogram() const { return m_slitHistogram; }
    SetupActions *setupActions() const { return m_setupActions; }

    /// The detector's numbers as Copy numbers puts them: a header row and a row of values, tabs
    /// between the fields, in the desktop's number format, for a spreadsheet in its language.
    QString numbersText() const;
    /// What the bench shows as a figure for a worksheet; none while the map shown is still being
    /// computed.
    std::shared_ptr<const BenchFigure> figure() const;
    /// What the map shows, for a screen reader.
    QString description() const;

    void setAskFileName(SaveLocation::Ask ask) { m_sharing.setAsk(std::move(ask)); }

public slots:
    void savePicture();
    void saveCsv();
    void copyPicture();
    void copyNumbers();
    void print();
    void showHelp();

signals:
    /// A save has ended, off the window's thread: the reason it failed, or an empty string.
    void fileSaved(const QString &path, const QString &reason);
    /// The experiment changed (a new map is on its way).
    void experimentChanged();
    /// A map of the present experiment is shown: the coarse one, then the full one.
    void mapShown();
    /// The pupil asks for a new set-up from the main window's last run.
    void newFromRunRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    /// The bench's words for a preset: in its list, as the undo step that cuts the mirror so, and
    /// after the description of what is kept (nothing for the whole mirror).
    struct PresetWords
    {
        QString listed;
        QString step;
        QString kept;
    };
    static PresetWords presetWords(MirrorPreset::Id id, int period, Vec2 point);

    void createControls();
    /// The map, the mirror strip beside it, the colour bar and the detector's arrows.
    void createPlane();
    /// The choice of colour scale, and the colour bar following the picture shown.
    void createScaleControls();
    /// The mirror's shape and K, each with the main window's choices beside it where it has them.
    void createMirrorControls();
    void createLightControls();
    void createSourceControls();
    /// The list of presets and the grating's period.
    void createPresetControls();
    /// The detector's x and y, to type.
    void createDetectorControls();
    /// The glass layer's, the boundary's and the lens's own controls.
    void createElementControls();
    /// The slits' number, width and separation, their marks and the eraser, and where a point
    /// source stands before them.
    void createSlitControls();
    /// The controls the chosen experiment uses shown, the others hidden.
    void showChoiceControls();
    void applyGlass();
    /// A setup of the glass layer: its light, index, thickness and echoes shown.
    void applyGlassSetup(const Setup &setup);
    void applyElementControls();
    /// The slits as typed, made to fit the screen: the separation first, then the width.
    void applySlitControls();
    /// The glass layer's numbers and arrows, in the detector's place.
    void updateGlass();
    /// The figure that save, copy and print share: the map's, or the glass layer's.
    std::shared_ptr<const PaperFigure> sharedFigure() const;
    /// The detector's numbers, the description of the map and the progress of the full map.
    void createReadouts();
    /// Each choice recomputes the experiment once every control is there.
    void connectControls();
    void createLayout();
    /// The side column's controls, in a panel that scrolls where the window is short.
    QWidget *createSidePanel();
    void createActions();
    /// A new set-up from the main window's run, and the help.
    void createLessonActions();
    /// The map's context menu: the detector put where it was asked for, keeping and sharing
    /// what the bench shows, a new set-up and the help.
    void createMapMenu();
    void showMapMenu(const QContextMenuEvent &event);
    /// One of the actions that save, copy and print, by its name.
    QAction *shareAction(const char *name) const;
    void applyControls();
    void showControls();
    void applyPreset();
    /// The preset chosen in the list, or none where the mirror is cut by hand.
    std::optional<MirrorPreset::Id> chosenPreset() const;
    /// The preset the mirror is cut as, or none.
    std::optional<MirrorPreset::Id> presetOf(const MirrorCut &cut) const;
    void mapArrived(std::shared_ptr<const ProbabilityMap> map);
    void updateDetector();
    void showDetectorFields();
    void updateDescription();
    /// What the map or the glass layer shows, the experiment not named.
    QString planeDescription() const;
    /// The colour scale chosen, for the map's picture.
    void applyScale();
    /// The scale of the picture shown: the one chosen, or the map's own until the focus is found.
    ScaleChoice::Kind scaleShown() const;
    void showScale(double top, bool whiteLight);
    /// Which scale the colours go up to, for a screen reader.
    QString scaleSentence() const;
    /// Hides or shows again what would tell where the light goes, as the pupil predicts.
    void showPredicting();
    /// The mirror strip and the colour bar stay as tall as the map's rows.
    void alignToMap();
    /// How much of the mirror is kept, and the preset it is cut as.
    QString keptDescription() const;
    /// The figure's caption: the experiment in the desktop's language and number format, what
    /// the map shows where it is shown, the photons and the marks.
    QString caption() const;
    /// Why the figure cannot be made yet, or an empty string.
    QString figureRefusal() const;
    /// The name a save proposes: veltrin-bench-K0.00005-middle.png.
    QString proposedName(const QString &suffix) const;

    Experiment m_experiment;
    // The photons a setup asks for, kept for the next setup saved from the bench.
    std::uint64_t m_photonSeed = Setup().photonSeed;
    int m_photonCount = Setup().photonCount;
    Kind m_choice = Kind::Mirror;
    std::array<Experiment, 5> m_setups; // each experiment's last set-up, to come back to
    MirrorCut m_zones;                  // the last zones chosen, to name them while they stand
    Experiment m_zonesOf; // the uncut experiment they were found for: in another they are no zones
    Vec2 m_zonesAt;       // the point they were found for
    double m_detectorProbability = 0;
    bool m_computing = false; // a computation of m_experiment has been started
    Sharing m_sharing{*this};
    QString m_pictureFilter; // the kind of figure saved last, selected again next time

    MapComputer *m_computer;
    QUndoStack *m_undo;
    MapView *m_mapView = nullptr;
    MirrorStrip *m_strip = nullptr;
    ColourBar *m_colourBar = nullptr;
    ScaleChoice *m_scale = nullptr;
    ChainPanel *m_chain = nullptr;
    QComboBox *m_shape = nullptr;
    QDoubleSpinBox *m_k = nullptr;
    QComboBox *m_kMarked = nullptr;
    QComboBox *m_source = nullptr;
    QPushButton *m_sourceHere = nullptr;
    QDoubleSpinBox *m_wavenumber = nullptr;
    QComboBox *m_wavenumberNamed = nullptr;
    QCheckBox *m_white = nullptr;
    QComboBox *m_preset = nullptr;
    QSpinBox *m_period = nullptr;
    QSpinBox *m_detectorX = nullptr;
    QSpinBox *m_detectorY = nullptr;
    QComboBox *m_choiceList = nullptr;
    QStackedWidget *m_planeStack = nullptr;
    GlassLayerView *m_glass = nullptr;
    GlassPhotons *m_glassPhotons = nullptr;
    QDoubleSpinBox *m_index = nullptr;
    QSlider *m_thicknessSlider = nullptr;
    QDoubleSpinBox *m_thickness = nullptr;
    QCheckBox *m_echoes = nullptr;
    QDoubleSpinBox *m_angle = nullptr;
    QSpinBox *m_windowFrom = nullptr;
    QSpinBox *m_windowTo = nullptr;
    QCheckBox *m_leastTime = nullptr;
    QSpinBox *m_targetX = nullptr;
    QSpinBox *m_targetY = nullptr;
    LensTimePlot *m_lensTimes = nullptr;
    QSpinBox *m_slitCount = nullptr;
    QSpinBox *m_slitWidth = nullptr;
    QSpinBox *m_slitSeparation = nullptr;
    QCheckBox *m_whichPath = nullptr;
    QCheckBox *m_eraser = nullptr;
    QSpinBox *m_sourceX = nullptr; // a point source before the slits' screen
    QSpinBox *m_sourceY = nullptr;
    SlitSpotPlot *m_slitSpot = nullptr;
    SlitHistogram *m_slitHistogram = nullptr; // the slits' photons along the detector's line
    QWidget *m_stripLegend = nullptr;
    QFormLayout *m_form = nullptr;
    std::vector<std::pair<int, unsigned>> m_rowsFor; // the side panel's rows, and for which choices
    std::unique_ptr<WayLayer> m_wayLayer;            // the way of least time, on request
    QLabel *m_numbers = nullptr;
    QLabel *m_summary = nullptr;
    QProgressBar *m_progress = nullptr;
    PhotonPanel *m_photons = nullptr;
    QAction *m_newFromRun = nullptr;
    QAction *m_help = nullptr;
    QMenu *m_mapMenu = nullptr;
    QAction *m_detectorHere = nullptr;
    Vec2 m_menuPoint; // where the map's menu was asked for
    BenchHelp *m_helpPage = nullptr;
    SetupActions *m_setupActions = nullptr;
};

} // namespace veltrin
