// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchwindow.h"

#include "benchfigure.h"
#include "benchhelp.h"
#include "benchphotons.h"
#include "chainpanel.h"
#include "choices.h"
#include "closekeys.h"
#include "colourbar.h"
#include "elementpainter.h"
#include "figuresaver.h"
#include "fixedtextarea.h"
#include "glasslayer.h"
#include "glasslayerfigure.h"
#include "glasslayerview.h"
#include "glassphotons.h"
#include "lenstimeplot.h"
#include "mapcomputer.h"
#include "mapcsv.h"
#include "mapimage.h"
#include "mapview.h"
#include "mirrorstrip.h"
#include "pathsum.h"
#include "percenttext.h"
#include "photonpanel.h"
#include "probabilitymap.h"
#include "scalechoice.h"
#include "screenfit.h"
#include "setupactions.h"
#include "slithistogram.h"
#include "slitspotplot.h"
#include "striplegend.h"
#include "textform.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStyle>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>
#include <cmath>

namespace veltrin {

namespace {

/// One cut of the mirror, undone by bringing back the one before.
class CutCommand : public QUndoCommand
{
public:
    CutCommand(BenchWindow &bench, MirrorCut before, MirrorCut after, const QString &what)
        : QUndoCommand(what), m_bench(bench), m_before(std::move(before)), m_after(std::move(after))
    {
    }
    void undo() override { apply(m_before); }
    void redo() override { apply(m_after); }

private:
    void apply(const MirrorCut &cut)
    {
        Experiment experiment = m_bench.experiment();
        experiment.cut = cut;
        m_bench.setExperiment(experiment);
    }

    BenchWindow &m_bench;
    MirrorCut m_before;
    MirrorCut m_after;
};

QString twips(double value)
{
    return QLocale().toString(value, 'f', 0);
}

} // namespace

/// The way of least time to the detector, drawn on the map while asked for.
class WayLayer : public MapView::Layer
{
public:
    explicit WayLayer(const BenchWindow &bench) : m_bench(bench) {}
    void paintLayer(QPainter &painter) override
    {
        if (!m_shown)
            return;
        const MapView &view = *m_bench.mapView();
        const std::vector<Vec2> way =
            ElementPainter::leastTimeWay(m_bench.experiment(), view.detector());
        if (way.size() < 2)
            return;
        QPolygonF line;
        for (const Vec2 &point : way)
            line << view.pixelOf(point);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(255, 230, 80), 2, Qt::DashLine));
        painter.drawPolyline(line);
    }
    void setShown(bool shown) { m_shown = shown; }

private:
    const BenchWindow &m_bench;
    bool m_shown = false;
};

BenchWindow::BenchWindow(QWidget *parent)
    : QWidget(parent, Qt::Window), m_computer(new MapComputer(this)), m_undo(new QUndoStack(this))
{
    setObjectName(QStringLiteral("benchWindow"));
    setWindowTitle(tr("Experiment bench"));
    createControls();
    createLessonActions();
    createLayout();
    createActions();
    createMapMenu();
    CloseKeys::install(*this);
    // Nothing is computed, nor sent, nor heard until the bench is shown.
    m_computer->setHeld(true);
    m_photons->photons().setHeld(true);
    connect(m_computer, &MapComputer::mapReady, this, &BenchWindow::mapArrived);
    connect(m_computer, &MapComputer::passingMapReady, this,
            [this](std::shared_ptr<const ProbabilityMap> map) { m_mapView->setPassingMap(map); });
    connect(m_mapView, &MapView::sourceMoved, this, [this](Vec2 at) {
        Experiment experiment = m_experiment;
        experiment.source = Source::point(MapGrid::sceneOf(at));
        setExperiment(experiment);
    });
    connect(m_mapView, &MapView::targetMoved, this, [this](Vec2 at) {
        Experiment experiment = m_experiment;
        experiment.target = {std::max(at.x, double(m_targetX->minimum())), at.y};
        setExperiment(experiment);
    });
    // As typed: the slits made to fit the screen.
    connect(m_mapView, &MapView::slitSeparationDragged, this, [this](double separation) {
        m_slitSeparation->setValue(int(std::lround(separation)));
    });
    connect(m_computer, &MapComputer::focusFound, this, &BenchWindow::applyScale);
    connect(m_computer, &MapComputer::progress, this, [this](int done, int total) {
        m_progress->setMaximum(total);
        m_progress->setValue(done);
    });
    // Each experiment's first set-up: the boundary lit by a slanting beam, the lens gathering a
    // point source's light to a point beyond it.
    m_setups[int(Kind::Boundary)].element = Experiment::Element::Boundary;
    m_setups[int(Kind::Boundary)].beamAngle = 30;
    Experiment &lens = m_setups[int(Kind::Lens)];
    lens.element = Experiment::Element::Lens;
    lens.source = Source::point(MapGrid::sceneOf({1000, 0}));
    m_setups[int(Kind::Slits)].element = Experiment::Element::Slits;
    start(0.00005, 0.02, {2500, 0});
}

BenchWindow::~BenchWindow() = default;

void BenchWindow::createControls()
{
    // Created in the order Tab visits them.
    createPlane();
    createElementControls();
    createSlitControls();
    createMirrorControls();
    createLightControls();
    createSourceControls();
    createPresetControls();
    createDetectorControls();
    createReadouts();
    connectControls();
}

void BenchWindow::createPlane()
{
    m_mapView = new MapView(this);
    m_mapView->setAccessibleName(tr("Probability map"));
    connect(m_mapView, &MapView::detectorMoved, this, &BenchWindow::updateDetector);
    m_photons = new PhotonPanel(*m_mapView, this);
    connect(m_photons, &PhotonPanel::changed, this, &BenchWindow::updateDescription);
    connect(m_photons, &PhotonPanel::predictingChanged, this, &BenchWindow::showPredicting);
    m_slitHistogram = new SlitHistogram(m_photons->photons(), this);

    m_strip = new MirrorStrip(this);
    m_mapView->installEventFilter(this);
    m_strip->installEventFilter(this);
    connect(m_strip, &MirrorStrip::cutChanging, this, [this](const MirrorCut &cut) {
        Experiment experiment = m_experiment;
        experiment.cut = cut;
        setExperiment(experiment);
    });
    connect(m_strip, &MirrorStrip::cutEdited, this,
            [this](const MirrorCut &before, const MirrorCut &after, const QString &what) {
                m_undo->push(new CutCommand(*this, before, after, what));
            });

    m_colourBar = new ColourBar(this);
    m_colourBar->installEventFilter(this);
    m_chain = new ChainPanel(this);
    createScaleControls();
}

void BenchWindow::createScaleControls()
{
    m_scale = new ScaleChoice(this);
    connect(m_scale, &ScaleChoice::changed, this, &BenchWindow::applyScale);
    // The colour bar goes with the picture shown, of the present experiment or a passing one.
    connect(m_mapView, &MapView::scaleShown, this, &BenchWindow::showScale);
    connect(m_mapView, &MapView::viewChanged, this, &BenchWindow::alignToMap);
}

QString BenchWindow::nameOf(Kind choice)
{
    switch (choice) {
    case Kind::Mirror:
        return tr("The mirror");
    case Kind::GlassLayer:
        return tr("The glass layer");
    case Kind::Boundary:
        return tr("The boundary");
    case Kind::Lens:
        return tr("The lens");
    case Kind::Slits:
        return tr("The slits");
    }
    return {};
}

void BenchWindow::createElementControls()
{
    m_choiceList = new QComboBox(this);
    m_choiceList->setObjectName(QStringLiteral("experimentChoice"));
    for (Kind choice : {Kind::Mirror, Kind::GlassLayer, Kind::Boundary, Kind::Lens, Kind::Slits})
        m_choiceList->addItem(nameOf(choice));
    m_choiceList->setToolTip(tr("What the light meets: the mirror, a layer of glass, the boundary "
                                "of a denser medium, a lens, or a screen with slits."));
    connect(m_choiceList, &QComboBox::activated, this, [this](int index) { choose(Kind(index)); });

    m_glass = new GlassLayerView(this);
    m_glassPhotons = new GlassPhotons(*m_glass, this);
    connect(m_glassPhotons, &GlassPhotons::countsChanged, this, [this] {
        if (m_choice == Kind::GlassLayer)
            updateDescription();
    });
    m_index = new QDoubleSpinBox(this);
    m_index->setObjectName(QStringLiteral("refractiveIndex"));
    m_index->setRange(GlassLayer::lowestIndex, GlassLayer::highestIndex);
    m_index->setDecimals(2);
    m_index->setSingleStep(0.05);
    m_index->setValue(1.5);
    m_index->setToolTip(tr("The glass's or the medium's refractive index: how much slower the "
                           "light's arrow turns there."));
    m_thicknessSlider = new QSlider(Qt::Horizontal, this);
    m_thicknessSlider->setObjectName(QStringLiteral("thicknessSlider"));
    m_thicknessSlider->setRange(0, int(GlassLayerView::thickest));
    m_thicknessSlider->setAccessibleName(tr("Thickness"));
    m_thickness = new QDoubleSpinBox(this);
    m_thickness->setObjectName(QStringLiteral("thickness"));
    m_thickness->setRange(0, GlassLayerView::thickest);
    m_thickness->setDecimals(0);
    m_thickness->setSingleStep(5);
    m_thickness->setSuffix(tr(" twips"));
    m_thickness->setToolTip(tr("The layer's thickness."));
    m_echoes = new QCheckBox(tr("With e&very echo"), this);
    m_echoes->setObjectName(QStringLiteral("withEchoes"));
    m_echoes->setToolTip(tr("Adds the paths that go back and forth inside the layer."));
    m_angle = new QDoubleSpinBox(this);
    m_angle->setObjectName(QStringLiteral("beamAngle"));
    m_angle->setRange(0, Boundary::steepestAngle);
    m_angle->setDecimals(0);
    m_angle->setSuffix(tr("°"));
    m_angle->setToolTip(tr("The beam's angle from the normal to the boundary."));
    auto twipsBox = [this](const char *name, double low, double high, const QString &accessible) {
        auto *box = new QSpinBox(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setRange(int(low), int(high));
        box->setSingleStep(100);
        box->setSuffix(tr(" twips"));
        box->setKeyboardTracking(false);
        box->setAccessibleName(accessible);
        return box;
    };
    const MapExtent extent;
    m_windowFrom = twipsBox("windowFrom", 0, extent.xEnd, tr("Window from"));
    m_windowTo = twipsBox("windowTo", 0, extent.xEnd, tr("Window to"));
    m_windowFrom->setToolTip(tr("Where the boundary begins to let light in."));
    m_windowTo->setToolTip(tr("Where it stops letting light in."));
    m_leastTime = new QCheckBox(tr("Path of least ti&me"), this);
    m_leastTime->setObjectName(QStringLiteral("leastTimePath"));
    m_leastTime->setToolTip(
        tr("Draws the way to the detector that takes the least time, found by trying every "
           "point the light crosses."));
    m_targetX = twipsBox("targetX", Lens::x + 100, extent.xEnd, tr("Target x"));
    m_targetY = twipsBox("targetY", extent.yLow(), extent.yEnd(), tr("Target y"));
    m_targetX->setToolTip(tr("Where the lens gathers the light."));
    m_targetY->setToolTip(tr("Where the lens gathers the light."));
    m_lensTimes = new LensTimePlot(this);

    m_wayLayer = std::make_unique<WayLayer>(*this);
    m_mapView->addLayer(m_wayLayer.get());
    connect(m_leastTime, &QCheckBox::toggled, this, [this](bool shown) {
        m_wayLayer->setShown(shown);
        m_mapView->update();
    });
    connect(m_index, &QDoubleSpinBox::valueChanged, this, [this] {
        if (m_choice == Kind::GlassLayer)
            applyGlass();
        else
            applyElementControls();
    });
    connect(m_thicknessSlider, &QSlider::valueChanged, m_thickness, &QDoubleSpinBox::setValue);
    connect(m_thickness, &QDoubleSpinBox::valueChanged, this, [this](double value) {
        const QSignalBlocker blocker(m_thicknessSlider);
        m_thicknessSlider->setValue(int(std::lround(value)));
        applyGlass();
    });
    connect(m_echoes, &QCheckBox::toggled, this, &BenchWindow::applyGlass);
    connect(m_angle, &QDoubleSpinBox::valueChanged, this, &BenchWindow::applyElementControls);
    for (QSpinBox *box : {m_windowFrom, m_windowTo, m_targetX, m_targetY})
        connect(box, &QSpinBox::valueChanged, this, &BenchWindow::applyElementControls);
}

void BenchWindow::createSlitControls()
{
    auto box = [this](const char *name, int low, int high, const QString &accessible,
                      const QString &tip) {
        auto *box = new QSpinBox(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setRange(low, high);
        box->setSuffix(tr(" twips"));
        box->setKeyboardTracking(false);
        box->setAccessibleName(accessible);
        box->setToolTip(tip);
        return box;
    };
    m_slitCount = new QSpinBox(this);
    m_slitCount->setObjectName(QStringLiteral("slitCount"));
    m_slitCount->setRange(1, Slits::mostSlits);
    m_slitCount->setKeyboardTracking(false);
    m_slitCount->setToolTip(tr("How many slits the screen has, centred on the axis."));
    m_slitWidth = box("slitWidth", int(Slits::narrowest), int(Slits::widest), tr("Slit width"),
                      tr("Each slit's width."));
    m_slitWidth->setSingleStep(10);
    m_slitSeparation =
        box("slitSeparation", int(Slits::narrowest) + 1, int(Slits::screenHeight),
            tr("Slit separation"),
            tr("From one slit's middle to the next one's. Slits that would overlap or leave the "
               "screen are brought closer or made narrower."));
    m_slitSeparation->setSingleStep(50);
    m_whichPath = new QCheckBox(tr("Which-path &marks"), this);
    m_whichPath->setObjectName(QStringLiteral("whichPath"));
    m_whichPath->setToolTip(tr("Each slit marks the light that passes it: the arrows of "
                               "different slits no longer add, only their squares."));
    m_eraser = new QCheckBox(tr("Erase the mar&ks"), this);
    m_eraser->setObjectName(QStringLiteral("eraser"));
    m_eraser->setToolTip(tr("The eraser: erases the marks before the light reaches the detector."));
    const MapExtent extent;
    m_sourceX = box("sourceX", int(-Slits::mapEnd), -int(MapView::keyStep), tr("Source x"),
                    tr("How far before the screen the point source stands."));
    m_sourceY = box("sourceY", int(extent.yLow()), int(extent.yEnd()), tr("Source y"),
                    tr("The point source's height above the axis."));
    m_sourceX->setValue(-2000);
    m_sourceX->setSingleStep(100);
    m_sourceY->setSingleStep(100);
    for (QSpinBox *field : {m_slitCount, m_slitWidth, m_slitSeparation, m_sourceX, m_sourceY})
        connect(field, &QSpinBox::valueChanged, this, &BenchWindow::applySlitControls);
    for (QCheckBox *check : {m_whichPath, m_eraser})
        connect(check, &QCheckBox::toggled, this, &BenchWindow::applySlitControls);
    m_slitSpot = new SlitSpotPlot(this);
}

void BenchWindow::choose(Kind choice)
{
    if (choice == m_choice)
        return;
    if (m_choice != Kind::GlassLayer)
        m_setups[int(m_choice)] = m_experiment;
    m_choice = choice;
    // A cut belongs to the mirror or the lens it was made on.
    m_undo->clear();
    showChoiceControls();
    if (choice == Kind::GlassLayer) {
        showControls();
        updateGlass();
        emit experimentChanged();
        return;
    }
    setExperiment(m_setups[int(choice)]);
}

void BenchWindow::showChoiceControls()
{
    const bool mirror = m_choice == Kind::Mirror;
    const bool glass = m_choice == Kind::GlassLayer;
    const bool lens = m_choice == Kind::Lens;
    const bool slits = m_choice == Kind::Slits;
    {
        const QSignalBlocker blocker(m_choiceList);
        m_choiceList->setCurrentIndex(int(m_choice));
    }
    m_planeStack->setCurrentIndex(glass ? 1 : 0);
    m_strip->setVisible(mirror || lens);
    m_photons->setVisible(!glass);
    m_glassPhotons->setVisible(glass);
    m_stripLegend->setVisible(mirror || lens);
    m_progress->setVisible(!glass);
    m_lensTimes->setVisible(lens);
    m_slitSpot->setVisible(slits);
    m_slitHistogram->setVisible(slits && !hidesAnswer());
    for (const auto &[row, choices] : m_rowsFor)
        m_form->setRowVisible(row, (choices & (1u << int(m_choice))) != 0);
    shareAction("saveMap")->setEnabled(!glass && !hidesAnswer());
}

void BenchWindow::createMirrorControls()
{
    m_shape = new QComboBox(this);
    m_shape->setObjectName(QStringLiteral("mirrorShape"));
    m_shape->addItems({tr("Parabola"), tr("Circle")});
    m_shape->setToolTip(
        tr("The mirror's shape: a parabola, or a circle of the same focal length."));

    m_k = new QDoubleSpinBox(this);
    m_k->setObjectName(QStringLiteral("mirrorK"));
    m_k->setDecimals(5);
    m_k->setRange(Experiment::lowestK, Experiment::highestK);
    m_k->setSingleStep(0.00001);
    m_k->setToolTip(tr("The mirror's constant K: the larger K, the more curved the mirror and the "
                       "nearer its focus."));
    m_kMarked = new QComboBox(this);
    m_kMarked->setObjectName(QStringLiteral("mainWindowK"));
    m_kMarked->setAccessibleName(tr("The main window's K"));
    m_kMarked->setToolTip(tr("Sets K to one of the main window's choices."));
    m_kMarked->addItem(tr("Other"));
    for (const Choice &choice : choicesFor(Field::OsKruh))
        m_kMarked->addItem(choice.shownCaption(), choice.value);
}

void BenchWindow::createLightControls()
{
    m_wavenumber = new QDoubleSpinBox(this);
    m_wavenumber->setObjectName(QStringLiteral("wavenumber"));
    m_wavenumber->setDecimals(4);
    m_wavenumber->setRange(Experiment::lowestWavenumber, Experiment::highestWavenumber);
    m_wavenumber->setSingleStep(0.001);
    m_wavenumber->setSuffix(tr(" rad/twip"));
    m_wavenumber->setToolTip(tr("The light's wavenumber: the larger, the shorter its wavelength."));
    m_wavenumberNamed = new QComboBox(this);
    m_wavenumberNamed->setObjectName(QStringLiteral("mainWindowFrequency"));
    m_wavenumberNamed->setAccessibleName(tr("The main window's frequency"));
    m_wavenumberNamed->setToolTip(
        tr("Sets the wavenumber to one of the main window's frequencies."));
    m_wavenumberNamed->addItem(tr("Other"));
    for (const Choice &choice : choicesFor(Field::Kmitocet)) {
        QPixmap swatch(12, 12);
        swatch.fill(MapImage::colourOf(choice.value));
        m_wavenumberNamed->addItem(QIcon(swatch), choice.shownCaption(), choice.value);
    }
    m_white = new QCheckBox(tr("&White light"), this);
    m_white->setObjectName(QStringLiteral("whiteLight"));
    m_white->setToolTip(tr("Light of many frequencies at once instead of one."));
}

void BenchWindow::createSourceControls()
{
    m_source = new QComboBox(this);
    m_source->setObjectName(QStringLiteral("source"));
    m_source->addItems({tr("Parallel beam"), tr("Point source")});
    m_source->setToolTip(tr("Light from far away in parallel rays, or from a point."));
    m_sourceHere = new QPushButton(tr("Put the source at the &detector"), this);
    m_sourceHere->setObjectName(QStringLiteral("sourceAtDetector"));
    m_sourceHere->setToolTip(tr("Puts a point source where the detector stands."));
}

void BenchWindow::createPresetControls()
{
    m_preset = new QComboBox(this);
    m_preset->setObjectName(QStringLiteral("mirrorPreset"));
    m_preset->setAccessibleName(tr("Mirror preset"));
    m_preset->setToolTip(
        tr("Which strips of the mirror are kept: all, some, or those cut by hand."));
    for (const MirrorPreset &preset : MirrorPreset::all())
        m_preset->addItem(presetWords(preset.id, 0, {}).listed, int(preset.id));
    m_preset->addItem(tr("Cut by hand"));
    m_period = new QSpinBox(this);
    m_period->setObjectName(QStringLiteral("gratingPeriod"));
    m_period->setRange(MirrorPreset::shortestPeriod, MirrorPreset::longestPeriod);
    m_period->setSingleStep(10);
    m_period->setValue(500);
    m_period->setSuffix(tr(" twips"));
    m_period->setAccessibleName(tr("Grating period"));
    m_period->setToolTip(tr("The width of one strip and one gap of the grating."));
}

void BenchWindow::createDetectorControls()
{
    auto field = [this](const char *name, double low, double high, const QString &accessible,
                        const QString &tip) {
        auto *box = new QSpinBox(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setRange(int(low), int(high));
        box->setSingleStep(int(MapView::fineKeyStep));
        box->setSuffix(tr(" twips"));
        box->setGroupSeparatorShown(true);
        // A typed number moves the detector once it is whole: on Enter or on leaving the field.
        box->setKeyboardTracking(false);
        box->setAccessibleName(accessible);
        box->setToolTip(tip);
        return box;
    };
    const MapExtent extent = m_experiment.mapExtent();
    m_detectorX = field("detectorX", 0, extent.xEnd, tr("Detector x"),
                        tr("The detector's distance from the mirror's vertex line."));
    m_detectorY = field("detectorY", extent.yLow(), extent.yEnd(), tr("Detector y"),
                        tr("The detector's height above the axis (below it where negative)."));
    connect(m_detectorX, &QSpinBox::valueChanged, this, [this](int x) {
        setDetector({double(x), detector().y});
    });
    connect(m_detectorY, &QSpinBox::valueChanged, this, [this](int y) {
        setDetector({detector().x, double(y)});
    });
}

void BenchWindow::createReadouts()
{
    m_numbers = new QLabel(this);
    m_numbers->setObjectName(QStringLiteral("detectorNumbers"));
    m_numbers->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("mapDescription"));
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("mapProgress"));
    m_progress->setAccessibleName(tr("Full map computed"));
    m_progress->setToolTip(tr("How much of the map has been computed in full detail."));
}

void BenchWindow::connectControls()
{
    for (QComboBox *box : {m_shape, m_source})
        connect(box, &QComboBox::currentIndexChanged, this, &BenchWindow::applyControls);
    for (QDoubleSpinBox *box : {m_k, m_wavenumber})
        connect(box, &QDoubleSpinBox::valueChanged, this, &BenchWindow::applyControls);
    connect(m_white, &QCheckBox::toggled, this, &BenchWindow::applyControls);
    connect(m_kMarked, &QComboBox::activated, this, [this](int index) {
        if (index > 0)
            m_k->setValue(m_kMarked->itemData(index).toDouble());
    });
    connect(m_wavenumberNamed, &QComboBox::activated, this, [this](int index) {
        if (index > 0)
            m_wavenumber->setValue(m_wavenumberNamed->itemData(index).toDouble());
    });
    connect(m_sourceHere, &QPushButton::clicked, this, [this] {
        Experiment experiment = m_experiment;
        experiment.source = Source::point(MapGrid::sceneOf(detector()));
        setExperiment(experiment);
    });
    connect(m_preset, &QComboBox::activated, this, &BenchWindow::applyPreset);
    connect(m_period, &QSpinBox::valueChanged, this, [this] {
        if (chosenPreset() == MirrorPreset::Id::Grating)
            applyPreset();
    });
}

void BenchWindow::createLayout()
{
    // The strip, the map and its colours side by side, the map as wide as its height allows.
    auto *plane = new QHBoxLayout;
    plane->setSpacing(2);
    plane->addWidget(m_strip);
    plane->addWidget(m_mapView, 1);
    plane->addWidget(m_colourBar);
    plane->addStretch();
    // The glass layer has no map of the plane: its own view takes the map's place.
    auto *planePage = new QWidget(this);
    planePage->setLayout(plane);
    plane->setContentsMargins(0, 0, 0, 0);
    m_planeStack = new QStackedWidget(this);
    m_planeStack->addWidget(planePage);
    m_planeStack->addWidget(m_glass);

    // Beside the map, the texts that change keep places of fixed height, so that the map keeps
    // its size whatever they say.
    auto *left = new QVBoxLayout;
    left->addWidget(m_planeStack, 1);
    m_stripLegend = new StripLegend(this);
    left->addWidget(m_stripLegend);
    left->addWidget(m_photons);
    left->addWidget(m_glassPhotons);
    // The glass layer's photons take the room of the strip's legend and the photons' panel, so
    // that the view in the map's place keeps the map's height.
    m_glassPhotons->setMinimumHeight(m_stripLegend->sizeHint().height() +
                                     m_photons->sizeHint().height() + left->spacing());
    left->addWidget(new FixedTextArea(m_summary, 3, this));

    auto *top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addWidget(createSidePanel());
    auto *whole = new QVBoxLayout(this);
    whole->addLayout(top, 1);
}

QWidget *BenchWindow::createSidePanel()
{
    auto *controls = new QFormLayout;
    controls->setRowWrapPolicy(QFormLayout::WrapLongRows);
    auto *kRow = new QHBoxLayout;
    kRow->addWidget(m_k, 1);
    kRow->addWidget(m_kMarked);
    auto *lightRow = new QHBoxLayout;
    lightRow->addWidget(m_wavenumber, 1);
    lightRow->addWidget(m_wavenumberNamed);
    auto *presetRow = new QHBoxLayout;
    // The list shows its long names when open; closed, it takes the room the column has.
    m_preset->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_preset->setMinimumContentsLength(12);
    presetRow->addWidget(m_preset, 1);
    presetRow->addWidget(m_period);
    // Undo and redo as icons, their steps' names in their tooltips: a name's length moves nothing.
    auto *undoRow = new QHBoxLayout;
    QAction *undo = m_undo->createUndoAction(this, tr("Undo"));
    undo->setShortcut(QKeySequence::Undo);
    undo->setIcon(
        QIcon::fromTheme(QStringLiteral("edit-undo"), style()->standardIcon(QStyle::SP_ArrowBack)));
    QAction *redo = m_undo->createRedoAction(this, tr("Redo"));
    redo->setShortcut(QKeySequence::Redo);
    redo->setIcon(QIcon::fromTheme(QStringLiteral("edit-redo"),
                                   style()->standardIcon(QStyle::SP_ArrowForward)));
    for (QAction *action : {undo, redo}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        auto *button = new QToolButton(this);
        button->setDefaultAction(action);
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        undoRow->addWidget(button);
    }
    undoRow->addStretch();
    auto *thicknessRow = new QHBoxLayout;
    thicknessRow->addWidget(m_thicknessSlider, 1);
    thicknessRow->addWidget(m_thickness);
    auto *targetRow = new QHBoxLayout;
    targetRow->addWidget(m_targetX, 1);
    targetRow->addWidget(m_targetY, 1);
    auto *sourceAtRow = new QHBoxLayout;
    sourceAtRow->addWidget(m_sourceX, 1);
    sourceAtRow->addWidget(m_sourceY, 1);
    auto *marksRow = new QHBoxLayout;
    marksRow->addWidget(m_whichPath);
    marksRow->addWidget(m_eraser);
    marksRow->addStretch();
    auto *detectorRow = new QHBoxLayout;
    auto *xLabel = new QLabel(tr("&x"), this);
    xLabel->setBuddy(m_detectorX);
    auto *yLabel = new QLabel(tr("&y"), this);
    yLabel->setBuddy(m_detectorY);
    detectorRow->addWidget(xLabel);
    detectorRow->addWidget(m_detectorX, 1);
    detectorRow->addWidget(yLabel);
    detectorRow->addWidget(m_detectorY, 1);

    auto label = [this](const QString &text, QWidget *buddy) {
        auto *label = new QLabel(text, this);
        label->setBuddy(buddy);
        return label;
    };
    // Each row is shown for the experiments that use it.
    constexpr unsigned mirror = 1u << int(Kind::Mirror);
    constexpr unsigned glass = 1u << int(Kind::GlassLayer);
    constexpr unsigned boundary = 1u << int(Kind::Boundary);
    constexpr unsigned lens = 1u << int(Kind::Lens);
    constexpr unsigned slits = 1u << int(Kind::Slits);
    constexpr unsigned maps = mirror | boundary | lens | slits;
    constexpr unsigned all = maps | glass;
    m_form = controls;
    auto add = [&](QWidget *labelOrNone, auto *field, unsigned choices) {
        m_rowsFor.emplace_back(controls->rowCount(), choices);
        if (labelOrNone)
            controls->addRow(labelOrNone, field);
        else
            controls->addRow(QString(), field);
    };
    add(label(tr("Experimen&t:"), m_choiceList), m_choiceList, all);
    add(label(tr("&Shape:"), m_shape), m_shape, mirror);
    add(label(tr("&K:"), m_k), kRow, mirror);
    add(label(tr("&Index:"), m_index), m_index, glass | boundary | lens);
    add(label(tr("T&hickness:"), m_thickness), thicknessRow, glass);
    add(label(tr("Sl&its:"), m_slitCount), m_slitCount, slits);
    add(label(tr("Wi&dth:"), m_slitWidth), m_slitWidth, slits);
    add(label(tr("&Separation:"), m_slitSeparation), m_slitSeparation, slits);
    add(nullptr, marksRow, slits);
    add(nullptr, m_echoes, glass);
    add(label(tr("&Wavenumber:"), m_wavenumber), lightRow, all);
    add(nullptr, m_white, all);
    add(label(tr("An&gle:"), m_angle), m_angle, boundary);
    add(label(tr("S&ource:"), m_source), m_source, mirror | boundary | slits);
    add(label(tr("Light &from:"), m_sourceX), sourceAtRow, slits);
    add(nullptr, m_sourceHere, mirror | boundary);
    add(label(tr("Window &from:"), m_windowFrom), m_windowFrom, boundary);
    add(label(tr("Window to:"), m_windowTo), m_windowTo, boundary);
    add(label(tr("Tar&get:"), m_targetX), targetRow, lens);
    add(nullptr, m_leastTime, boundary | lens);
    add(label(tr("&Mirror:"), m_preset), presetRow, mirror);
    add(nullptr, undoRow, mirror | lens);
    add(new QLabel(tr("Detector:"), this), detectorRow, maps);
    add(label(tr("&Colour scale:"), m_scale), m_scale, maps);

    // A new lesson begins above the controls.
    auto *lessonRow = new QHBoxLayout;
    for (QAction *action : {m_newFromRun, m_help}) {
        auto *button = new QToolButton(this);
        button->setDefaultAction(action);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        lessonRow->addWidget(button);
    }
    lessonRow->addStretch();

    auto *panel = new QWidget;
    auto *side = new QVBoxLayout(panel);
    side->setContentsMargins(0, 0, 0, 0);
    side->addLayout(lessonRow);
    side->addLayout(controls);
    side->addWidget(new FixedTextArea(m_numbers, 2, panel));
    side->addWidget(m_chain, 1);
    side->addWidget(m_lensTimes);
    side->addWidget(m_slitSpot);
    side->addWidget(m_slitHistogram);
    side->addWidget(m_progress);

    // Where the window is short, the column scrolls rather than the map shrinking.
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("benchSidePanel"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidget(panel);
    // As narrow as its controls allow: the rest of the width is the map's.
    scroll->setFixedWidth(panel->minimumSizeHint().width() +
                          scroll->verticalScrollBar()->sizeHint().width());
    return scroll;
}

void BenchWindow::createActions()
{
    auto *buttons = new QHBoxLayout;
    auto add = [&](const QString &text, const QKeySequence &shortcut, void (BenchWindow::*slot)(),
                   const char *objectName) {
        auto *action = new QAction(text, this);
        action->setObjectName(QString::fromLatin1(objectName));
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
        auto *button = new QToolButton(this);
        button->setDefaultAction(action);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        buttons->addWidget(button);
    };
    add(tr("Save picture…"), QKeySequence::Save, &BenchWindow::savePicture, "savePicture");
    add(tr("Save map as CSV…"), Qt::CTRL | Qt::SHIFT | Qt::Key_S, &BenchWindow::saveCsv, "saveMap");
    add(tr("Copy picture"), Qt::CTRL | Qt::SHIFT | Qt::Key_C, &BenchWindow::copyPicture,
        "copyPicture");
    add(tr("Copy numbers"), Qt::CTRL | Qt::ALT | Qt::Key_C, &BenchWindow::copyNumbers,
        "copyNumbers");
    add(tr("Print…"), QKeySequence::Print, &BenchWindow::print, "print");
    buttons->addStretch();
    m_setupActions = new SetupActions(*this, m_sharing);
    auto *setups = new QToolButton(this);
    setups->setObjectName(QStringLiteral("setups"));
    setups->setText(tr("Set&up"));
    setups->setToolTip(tr("Open, save and share the bench's setup."));
    setups->setMenu(m_setupActions->menu());
    setups->setPopupMode(QToolButton::InstantPopup);
    buttons->addWidget(setups);
    static_cast<QVBoxLayout *>(layout())->addLayout(buttons);
}

void BenchWindow::createLessonActions()
{
    auto add = [this](const QString &text, const QKeySequence &shortcut, const char *objectName) {
        auto *action = new QAction(text, this);
        action->setObjectName(QString::fromLatin1(objectName));
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setShortcutVisibleInContextMenu(true);
        addAction(action);
        return action;
    };
    m_newFromRun =
        add(tr("New from the main window's r&un"), QKeySequence::New, "newFromMainWindowRun");
    m_newFromRun->setToolTip(tr("Sets the bench up anew with the main window's last run: its K "
                                "and frequency, the whole mirror and the beam."));
    connect(m_newFromRun, &QAction::triggered, this, &BenchWindow::newFromRunRequested);
    m_help = add(tr("H&elp"), QKeySequence::HelpContents, "benchHelp");
    m_help->setToolTip(tr("What the bench shows, how to work it, and its keys."));
    connect(m_help, &QAction::triggered, this, &BenchWindow::showHelp);
}

QAction *BenchWindow::shareAction(const char *name) const
{
    return findChild<QAction *>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

void BenchWindow::createMapMenu()
{
    m_mapMenu = new QMenu(this);
    m_detectorHere = m_mapMenu->addAction(tr("Put the &detector here"));
    connect(m_detectorHere, &QAction::triggered, this, [this] { setDetector(m_menuPoint); });
    m_mapMenu->addSeparator();
    for (QAction *action : m_mapView->zoomActions()) {
        action->setShortcutVisibleInContextMenu(true);
        m_mapMenu->addAction(action);
    }
    m_mapMenu->addSeparator();
    for (const char *name : {"savePicture", "copyPicture", "copyNumbers"}) {
        QAction *action = shareAction(name);
        action->setShortcutVisibleInContextMenu(true);
        m_mapMenu->addAction(action);
    }
    m_mapMenu->addSeparator();
    m_mapMenu->addAction(m_newFromRun);
    m_mapMenu->addAction(m_help);
}

void BenchWindow::showMapMenu(const QContextMenuEvent &event)
{
    // From the keyboard there is no "here": the arrow keys move the detector.
    const bool pointed =
        event.reason() == QContextMenuEvent::Mouse && m_mapView->mapRect().contains(event.pos());
    m_detectorHere->setVisible(pointed);
    m_menuPoint = m_mapView->mapPointAt(event.pos());
    const QPoint at = pointed ? event.globalPos()
                              : m_mapView->mapToGlobal(m_mapView->pixelOf(detector()).toPoint());
    m_mapMenu->popup(at);
}

void BenchWindow::showHelp()
{
    if (!m_helpPage)
        m_helpPage = new BenchHelp(this);
    m_helpPage->show();
    m_helpPage->raise();
    m_helpPage->activateWindow();
}

void BenchWindow::fitToScreen()
{
    ScreenFit::place(*this, QSize(1280, 880).expandedTo(minimumSizeHint()));
}

void BenchWindow::start(double k, double wavenumber, Vec2 detector)
{
    Experiment experiment;
    experiment.shape =
        MirrorShape::parabola(std::clamp(k, Experiment::lowestK, Experiment::highestK));
    experiment.wavenumber =
        std::clamp(wavenumber, Experiment::lowestWavenumber, Experiment::highestWavenumber);
    m_undo->clear();
    // The experiment left keeps its set-up for when it is chosen again.
    if (m_choice != Kind::Mirror && m_choice != Kind::GlassLayer)
        m_setups[int(m_choice)] = m_experiment;
    m_choice = Kind::Mirror;
    showChoiceControls();
    m_mapView->setDetector(detector);
    setExperiment(experiment);
}

void BenchWindow::setExperiment(const Experiment &given)
{
    // A point source lights the boundary from above and the lens and the slits from before
    // them: put at the detector or dragged beyond, it stays on its side.
    Experiment experiment = given;
    if (experiment.source.isPoint() && experiment.element != Experiment::Element::Mirror) {
        Vec2 at = MapGrid::mapOf(experiment.source.at());
        if (experiment.element == Experiment::Element::Boundary)
            at.y = std::max(at.y, MapView::keyStep);
        else if (experiment.element == Experiment::Element::Lens)
            at.x = std::min(at.x, Lens::x - MapView::keyStep);
        else
            at.x = std::clamp(at.x, -Slits::mapEnd, -MapView::keyStep);
        experiment.source = Source::point(MapGrid::sceneOf(at));
    }
    const bool same = experiment == m_experiment && m_computing;
    m_computing = true;
    m_experiment = experiment;
    showControls();
    m_mapView->setExperiment(experiment);
    m_photons->setExperiment(experiment);
    m_strip->setCut(experiment.cut);
    updateDetector();
    if (same)
        return;
    m_progress->setValue(0);
    updateDescription();
    emit experimentChanged();
    // A map computed lately comes at once, before this returns.
    m_computer->compute(experiment);
}

void BenchWindow::cutMirror(const MirrorCut &cut, const QString &what)
{
    if (cut == m_experiment.cut)
        return;
    m_undo->push(new CutCommand(*this, m_experiment.cut, cut, what));
}

void BenchWindow::applyControls()
{
    if (m_choice == Kind::GlassLayer) {
        Experiment &light = m_setups[int(Kind::GlassLayer)];
        light.wavenumber = m_wavenumber->value();
        light.whiteLight = m_white->isChecked();
        showControls();
        return updateGlass();
    }
    Experiment experiment = m_experiment;
    const double k = m_k->value();
    experiment.shape =
        m_shape->currentIndex() == 1 ? MirrorShape::circle(k) : MirrorShape::parabola(k);
    experiment.wavenumber = m_wavenumber->value();
    experiment.whiteLight = m_white->isChecked();
    // The slits' point source stands where its fields say, before the screen.
    const Vec2 pointAt = m_choice == Kind::Slits
                             ? Vec2{double(m_sourceX->value()), double(m_sourceY->value())}
                             : detector();
    if (m_source->currentIndex() == 0)
        experiment.source = Source::beam();
    else if (!experiment.source.isPoint())
        experiment.source = Source::point(MapGrid::sceneOf(pointAt));
    setExperiment(experiment);
}

void BenchWindow::applySlitControls()
{
    if (m_choice != Kind::Slits)
        return;
    Experiment experiment = m_experiment;
    const int count = m_slitCount->value();
    int width = m_slitWidth->value();
    int separation = m_slitSeparation->value();
    if (count > 1) {
        // A bar of screen between neighbours, the outer edges on the screen.
        const int height = int(Slits::screenHeight);
        width = std::min(width, (height - (count - 1)) / count);
        separation = std::clamp(separation, width + 1, (height - width) / (count - 1));
    }
    experiment.slitCount = count;
    experiment.slitWidth = width;
    experiment.slitSeparation = separation;
    // The eraser erases marks: without them there is nothing to erase.
    experiment.whichPath = m_whichPath->isChecked();
    experiment.eraser = experiment.whichPath && m_eraser->isChecked();
    if (experiment.source.isPoint())
        experiment.source = Source::point(
            MapGrid::sceneOf({double(m_sourceX->value()), double(m_sourceY->value())}));
    setExperiment(experiment);
}

void BenchWindow::applyElementControls()
{
    if (m_choice == Kind::Mirror || m_choice == Kind::GlassLayer || m_choice == Kind::Slits)
        return;
    Experiment experiment = m_experiment;
    experiment.index = m_index->value();
    if (m_choice == Kind::Boundary) {
        experiment.beamAngle = m_angle->value();
        // The window's ends in either order; an empty window lets in one stretch at least.
        const auto [from, to] = std::minmax({m_windowFrom->value(), m_windowTo->value()});
        experiment.windowFrom = from;
        experiment.windowTo = std::max(to, from + 100);
    } else {
        experiment.target = {double(m_targetX->value()), double(m_targetY->value())};
    }
    setExperiment(experiment);
}

void BenchWindow::applyGlass()
{
    if (m_choice != Kind::GlassLayer)
        return;
    m_glass->setIndex(m_index->value());
    m_glass->setThickness(m_thickness->value());
    m_glass->setEchoes(m_echoes->isChecked());
    updateGlass();
}

void BenchWindow::updateGlass()
{
    const Experiment &light = m_setups[int(Kind::GlassLayer)];
    m_glass->setWavenumbers(light.wavenumbers());
    std::vector<ChainPanel::Chain> chains;
    const GlassLayer layer(m_glass->index(), m_glass->thickness());
    for (double k : light.wavenumbers()) {
        ChainPanel::Chain chain{{{0, 0}}, MapImage::colourOf(k)};
        for (const Vec2 &arrow : layer.reflectionArrows(k, m_glass->echoes())) {
            const Vec2 last = chain.points.back();
            chain.points.push_back({last.x + arrow.x, last.y + arrow.y});
        }
        chains.push_back(std::move(chain));
    }
    m_chain->setChains(std::move(chains));
    m_numbers->setText(m_glass->numbersText());
    updateDescription();
}

void BenchWindow::showControls()
{
    const bool glass = m_choice == Kind::GlassLayer;
    const Experiment &shown = glass ? m_setups[int(Kind::GlassLayer)] : m_experiment;
    const QSignalBlocker blockers[] = {
        QSignalBlocker(m_shape),           QSignalBlocker(m_k),
        QSignalBlocker(m_wavenumber),      QSignalBlocker(m_white),
        QSignalBlocker(m_source),          QSignalBlocker(m_index),
        QSignalBlocker(m_angle),           QSignalBlocker(m_windowFrom),
        QSignalBlocker(m_windowTo),        QSignalBlocker(m_targetX),
        QSignalBlocker(m_targetY),         QSignalBlocker(m_thickness),
        QSignalBlocker(m_thicknessSlider), QSignalBlocker(m_echoes),
        QSignalBlocker(m_slitCount),       QSignalBlocker(m_slitWidth),
        QSignalBlocker(m_slitSeparation),  QSignalBlocker(m_whichPath),
        QSignalBlocker(m_eraser),          QSignalBlocker(m_sourceX),
        QSignalBlocker(m_sourceY)};
    m_shape->setCurrentIndex(m_experiment.shape.kind() == MirrorShape::Kind::Circle ? 1 : 0);
    m_k->setValue(m_experiment.shape.k());
    m_wavenumber->setValue(shown.wavenumber);
    m_white->setChecked(shown.whiteLight);
    m_source->setCurrentIndex(m_experiment.source.isPoint() ? 1 : 0);
    m_wavenumber->setEnabled(!shown.whiteLight);
    m_wavenumberNamed->setEnabled(!shown.whiteLight);
    m_index->setValue(glass ? m_glass->index() : m_experiment.index);
    m_thickness->setValue(m_glass->thickness());
    m_thicknessSlider->setValue(int(std::lround(m_glass->thickness())));
    m_echoes->setChecked(m_glass->echoes());
    m_angle->setValue(m_experiment.beamAngle);
    m_windowFrom->setValue(int(std::lround(m_experiment.windowFrom)));
    m_windowTo->setValue(int(std::lround(m_experiment.windowTo)));
    m_targetX->setValue(int(std::lround(m_experiment.target.x)));
    m_targetY->setValue(int(std::lround(m_experiment.target.y)));
    if (m_choice == Kind::Lens)
        m_lensTimes->showFor(m_experiment);
    m_slitCount->setValue(m_experiment.slitCount);
    m_slitWidth->setValue(int(std::lround(m_experiment.slitWidth)));
    m_slitSeparation->setValue(int(std::lround(m_experiment.slitSeparation)));
    m_slitSeparation->setEnabled(m_experiment.slitCount > 1);
    m_whichPath->setChecked(m_experiment.whichPath);
    m_eraser->setChecked(m_experiment.eraser);
    m_eraser->setEnabled(m_experiment.whichPath);
    if (m_experiment.source.isPoint() && m_choice == Kind::Slits) {
        const Vec2 at = MapGrid::mapOf(m_experiment.source.at());
        m_sourceX->setValue(int(std::lround(at.x)));
        m_sourceY->setValue(int(std::lround(at.y)));
    }
    m_sourceX->setEnabled(m_experiment.source.isPoint());
    m_sourceY->setEnabled(m_experiment.source.isPoint());
    if (m_choice == Kind::Slits)
        m_slitSpot->showFor(m_experiment);
    // The main window's choices are named where the value is one of them.
    auto mark = [](QComboBox *box, double value) {
        int found = 0;
        for (int i = 1; i < box->count(); ++i) {
            if (std::abs(box->itemData(i).toDouble() - value) < 1e-12)
                found = i;
        }
        box->setCurrentIndex(found);
    };
    mark(m_kMarked, m_experiment.shape.k());
    mark(m_wavenumberNamed, shown.wavenumber);
    // The preset the mirror is cut as, or none.
    const QSignalBlocker presetBlocker(m_preset);
    const MirrorCut &cut = m_experiment.cut;
    const std::optional<MirrorPreset::Id> preset = presetOf(cut);
    m_preset->setCurrentIndex(preset ? m_preset->findData(int(*preset)) : m_preset->count() - 1);
}

void BenchWindow::applyPreset()
{
    const std::optional<MirrorPreset::Id> id = chosenPreset();
    if (!id)
        return showControls();
    const MirrorPreset &preset = MirrorPreset::of(*id);
    const MirrorCut cut = preset.cut(m_experiment, m_period->value(), detector());
    if (preset.takes == MirrorPreset::Takes::Point) {
        m_zones = cut;
        m_zonesOf = m_experiment;
        m_zonesOf.cut = {};
        m_zonesAt = detector();
    }
    cutMirror(cut, presetWords(*id, m_period->value(), detector()).step);
}

std::optional<MirrorPreset::Id> BenchWindow::chosenPreset() const
{
    const QVariant id = m_preset->currentData();
    return id.isValid() ? std::optional(MirrorPreset::Id(id.toInt())) : std::nullopt;
}

std::optional<MirrorPreset::Id> BenchWindow::presetOf(const MirrorCut &cut) const
{
    Experiment uncut = m_experiment;
    uncut.cut = {};
    for (const MirrorPreset &preset : MirrorPreset::all()) {
        // The zones are named while the last ones chosen stand, in the experiment they were
        // found for: the detector may have moved since, but in another shape, source or light
        // the same strips are zones no longer, only a cut by hand.
        const bool zones = preset.takes == MirrorPreset::Takes::Point;
        if (zones && !(uncut == m_zonesOf))
            continue;
        const MirrorCut given = zones ? m_zones : preset.cut(m_experiment, m_period->value(), {});
        if (cut == given)
            return preset.id;
    }
    return std::nullopt;
}

BenchWindow::PresetWords BenchWindow::presetWords(MirrorPreset::Id id, int period, Vec2 point)
{
    switch (id) {
    case MirrorPreset::Id::Whole:
        return {tr("Whole mirror"), tr("Whole mirror"), {}};
    case MirrorPreset::Id::VertexStrip:
        return {tr("Only a strip around the vertex"), tr("Strip around the vertex"),
                tr("It is a strip around the vertex.")};
    case MirrorPreset::Id::Edges:
        return {tr("Only the edges"), tr("Edges"), tr("They are its edges.")};
    case MirrorPreset::Id::Grating:
        return {tr("Grating"), tr("Grating of %1 twips").arg(QLocale().toString(period)),
                tr("They make a grating of %1 twips.").arg(QLocale().toString(period))};
    case MirrorPreset::Id::Zones:
        return {tr("Zones for the detector"), tr("Zones for the detector"),
                tr("They are the zones for the point x %1, y %2 twips.")
                    .arg(twips(point.x), twips(point.y))};
    }
    return {};
}

std::shared_ptr<const ProbabilityMap> BenchWindow::map() const
{
    return m_mapView->map();
}

bool BenchWindow::showsExperiment() const
{
    return m_mapView->showsExperiment();
}

void BenchWindow::mapArrived(std::shared_ptr<const ProbabilityMap> map)
{
    if (!(map->experiment() == m_experiment))
        return; // of an experiment left behind
    applyScale();
    m_mapView->setMap(map);
    m_photons->setMap(map);
    if (m_computer->isFinished())
        m_progress->setValue(m_progress->maximum());
    updateDetector();
    updateDescription();
    emit mapShown();
}

Vec2 BenchWindow::detector() const
{
    return m_mapView->detector();
}

void BenchWindow::setDetector(Vec2 mapPoint)
{
    m_mapView->setDetector(mapPoint);
    updateDetector();
}

void BenchWindow::updateDetector()
{
    if (m_choice == Kind::GlassLayer)
        return updateGlass();
    const Vec2 at = detector();
    m_chain->showAt(m_experiment, at);
    if (const auto shownMap = map(); m_choice == Kind::Slits && shownMap && showsExperiment())
        m_slitHistogram->showLine(shownMap, at);
    else
        m_slitHistogram->clearLine();
    m_detectorProbability = m_experiment.probabilityAt(at);
    showDetectorFields();
    if (hidesAnswer()) {
        m_numbers->setText(tr("Its probability is hidden until Reveal."));
        return;
    }

    QString share = tr("map not yet computed");
    if (const auto shownMap = map();
        shownMap && showsExperiment() && shownMap->brightest().value > 0)
        share =
            tr("%1 of the map's brightest point")
                .arg(percentText(100 * m_detectorProbability /
                                     std::max(m_detectorProbability, shownMap->brightest().value),
                                 1));
    m_numbers->setText(tr("Probability %1 twips of bar, %2.")
                           .arg(QLocale().toString(m_detectorProbability, 'f', 1), share));
}

void BenchWindow::showDetectorFields()
{
    // Where a drag left it, to the nearest twip.
    const QSignalBlocker blockX(m_detectorX);
    const QSignalBlocker blockY(m_detectorY);
    // The map's reach follows the experiment, and so do the fields' ranges.
    const MapExtent extent = m_experiment.mapExtent();
    m_detectorX->setRange(0, int(extent.xEnd));
    m_detectorY->setRange(int(extent.yLow()), int(extent.yEnd()));
    m_detectorX->setValue(int(std::lround(detector().x)));
    m_detectorY->setValue(int(std::lround(detector().y)));
}

bool BenchWindow::hidesAnswer() const
{
    return m_photons->isPredicting();
}

void BenchWindow::showPredicting()
{
    const bool hidden = hidesAnswer();
    m_chain->setChainShown(!hidden);
    m_colourBar->setNumbersShown(!hidden);
    m_scale->setTopShown(!hidden);
    m_slitHistogram->setVisible(m_choice == Kind::Slits && !hidden);
    for (const char *name : {"copyNumbers", "saveMap"})
        shareAction(name)->setEnabled(!hidden);
    updateDetector();
    updateDescription();
}

QString BenchWindow::numbersText() const
{
    // The desktop's decimal separator, so that a spreadsheet in its language reads numbers.
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const auto number = [&locale](double value, int decimals) {
        return locale.toString(value, 'f', decimals);
    };
    if (m_choice == Kind::GlassLayer) {
        const QStringList header{tr("index"), tr("thickness (twips)"), tr("reflected (%)"),
                                 tr("transmitted (%)")};
        const QStringList values{number(m_glass->index(), 2), number(m_glass->thickness(), 0),
                                 number(100 * m_glass->reflection(), 2),
                                 number(100 * m_glass->transmission(), 2)};
        return header.join(u'\t') + u'\n' + values.join(u'\t') + u'\n';
    }
    const Vec2 at = detector();
    QString share;
    if (const auto shownMap = map();
        shownMap && showsExperiment() && shownMap->brightest().value > 0)
        share = number(100 * m_detectorProbability /
                           std::max(m_detectorProbability, shownMap->brightest().value),
                       1);
    // The mirror is told by its K, the boundary and the lens by their index, the slits by their
    // number.
    const bool mirror = m_choice == Kind::Mirror;
    const bool slits = m_choice == Kind::Slits;
    const QStringList header{mirror  ? tr("K")
                             : slits ? tr("slits")
                                     : tr("index"),
                             tr("wavenumber (rad/twip)"),
                             slits ? tr("x (twips behind the screen)")
                                   : tr("x (twips from the vertex line)"),
                             tr("y (twips above the axis)"),
                             tr("probability (twips of bar)"),
                             tr("share of the brightest point (%)")};
    const QStringList values{
        mirror  ? locale.toString(m_experiment.shape.k(), 'f', QLocale::FloatingPointShortest)
        : slits ? locale.toString(m_experiment.slitCount)
                : number(m_experiment.index, 2),
        m_experiment.whiteLight
            ? tr("white light")
            : locale.toString(m_experiment.wavenumber, 'f', QLocale::FloatingPointShortest),
        number(at.x, 0),
        number(at.y, 0),
        number(m_detectorProbability, 2),
        share};
    return header.join(u'\t') + u'\n' + values.join(u'\t') + u'\n';
}

QString BenchWindow::keptDescription() const
{
    if (m_choice == Kind::Slits) {
        const Experiment &e = m_experiment;
        QString slits = e.slitCount == 1
                            ? tr("One slit %1 twips wide.").arg(twips(e.slitWidth))
                            : tr("%1 slits, each %2 twips wide, %3 twips apart centre to centre.")
                                  .arg(QLocale().toString(e.slitCount), twips(e.slitWidth),
                                       twips(e.slitSeparation));
        if (e.marksPaths())
            slits += u' ' + tr("Each slit marks which way the light went: the slits' arrows are "
                               "not added, their squares are.");
        else if (e.whichPath)
            slits += u' ' + tr("The slits mark the light's way, but the eraser erases the marks: "
                               "the slits' arrows add.");
        return slits;
    }
    if (m_choice == Kind::Boundary)
        return tr("The light enters the medium of index %1 between x = %2 and %3 twips.")
            .arg(QLocale().toString(m_experiment.index, 'f', 2), twips(m_experiment.windowFrom),
                 twips(m_experiment.windowTo));
    if (m_choice == Kind::Lens) {
        const int kept = m_experiment.cut.keptCount();
        return m_experiment.cut.isWhole()
                   ? tr("The whole lens is kept.")
                   : tr("The lens keeps %1 of its %2 strips (%3).")
                         .arg(QLocale().toString(kept),
                              QLocale().toString(2 * MirrorCut::maxHeight),
                              percentText(100.0 * kept / (2 * MirrorCut::maxHeight), 0));
    }
    const int kept = m_experiment.cut.keptCount();
    QString keeps =
        m_experiment.cut.isWhole()
            ? tr("The whole mirror is kept.")
            : tr("The mirror keeps %1 of its %2 strips (%3).")
                  .arg(QLocale().toString(kept), QLocale().toString(2 * MirrorCut::maxHeight),
                       percentText(100.0 * kept / (2 * MirrorCut::maxHeight), 0));
    if (const std::optional<MirrorPreset::Id> preset = chosenPreset()) {
        if (const QString kept = presetWords(*preset, m_period->value(), m_zonesAt).kept;
            !kept.isEmpty())
            keeps += u' ' + kept;
    }
    return keeps;
}

QString BenchWindow::description() const
{
    QString named;
    switch (m_choice) {
    case Kind::Mirror:
        named = tr("Experiment: the mirror.");
        break;
    case Kind::GlassLayer:
        named = tr("Experiment: the glass layer.");
        break;
    case Kind::Boundary:
        named = tr("Experiment: the boundary.");
        break;
    case Kind::Lens:
        named = tr("Experiment: the lens.");
        break;
    case Kind::Slits:
        named = tr("Experiment: the slits.");
        break;
    }
    return named + u' ' + planeDescription();
}

QString BenchWindow::planeDescription() const
{
    if (m_choice == Kind::GlassLayer)
        return tr("A layer of index %1, %2 twips thick, lit straight on%3.")
                   .arg(QLocale().toString(m_glass->index(), 'f', 2), twips(m_glass->thickness()),
                        m_glass->echoes() ? tr(", with every echo") : QString()) +
               u' ' + m_glass->numbersText();
    const auto shownMap = map();
    const QString keeps = keptDescription();
    if (hidesAnswer())
        return tr("The map is hidden: mark where you expect the light, then Reveal.") + u' ' +
               keeps;
    if (!shownMap || !showsExperiment())
        return tr("The map is being computed.") + u' ' + keeps;
    const ProbabilityMap::Peak peak = shownMap->brightest();
    QString text = (m_choice == Kind::Slits
                        ? tr("The brightest point is %1 twips behind the screen and %2 twips %3, "
                             "with a probability of %4 twips of bar.")
                        : tr("The brightest point is %1 twips from the vertex line and %2 twips "
                             "%3, with a probability of %4 twips of bar."))
                       .arg(twips(peak.at.x), twips(std::abs(peak.at.y)),
                            peak.at.y >= 0 ? tr("above the axis") : tr("below the axis"),
                            QLocale().toString(peak.value, 'f', 1));
    if (const auto focus = m_computer->wholeMirrorFocus();
        m_choice == Kind::Mirror && focus && focus->value > 0) {
        text += u' ' + tr("That is %1 of the whole mirror's focus, which lies %2 twips from the "
                          "vertex line and %3 twips %4.")
                           .arg(percentText(100 * peak.value / focus->value, 0), twips(focus->at.x),
                                twips(std::abs(focus->at.y)),
                                focus->at.y >= 0 ? tr("above the axis") : tr("below the axis"));
    }
    return text + u' ' + keeps + u' ' + scaleSentence();
}

void BenchWindow::updateDescription()
{
    const QString text = description();
    m_summary->setText(text);
    if (m_choice == Kind::GlassLayer)
        return m_glass->setAccessibleDescription(text + u' ' + m_glassPhotons->text());
    m_mapView->setAccessibleDescription(text + u' ' + m_photons->description());
    m_mapView->setToolTip(m_mapView->accessibleDescription());
}

void BenchWindow::applyScale()
{
    std::optional<double> top;
    switch (m_scale->kind()) {
    case ScaleChoice::Kind::OwnPeak:
        break;
    case ScaleChoice::Kind::ParabolaFocus:
        // The boundary and the lens have no parabola to measure by: each map's own peak.
        if (m_choice != Kind::Mirror)
            break;
        // Until this light's focus is found, the last one's stands, so that a drag's pictures
        // keep one scale.
        top = m_mapView->fixedScale();
        if (const auto focus = m_computer->parabolaFocus(); focus && focus->value > 0)
            top = focus->value;
        break;
    case ScaleChoice::Kind::Typed:
        top = m_scale->typed();
        break;
    }
    m_mapView->setFixedScale(top);
    updateDescription();
}

ScaleChoice::Kind BenchWindow::scaleShown() const
{
    return m_mapView->fixedScale() ? m_scale->kind() : ScaleChoice::Kind::OwnPeak;
}

void BenchWindow::showScale(double top, bool whiteLight)
{
    m_colourBar->setRange(top, whiteLight, ScaleChoice::shortName(scaleShown()));
    m_scale->showTop(top);
}

QString BenchWindow::scaleSentence() const
{
    return ScaleChoice::sentence(scaleShown(), m_mapView->scaleTop());
}

void BenchWindow::alignToMap()
{
    // The strip follows the mirror as the map zooms; the colours' key stays beside the frame.
    const QRectF extent = m_mapView->extentRect();
    const QPoint offset = m_mapView->mapTo(this, QPoint()) - m_strip->mapTo(this, QPoint());
    m_strip->setStripArea(extent.top() + offset.y(), extent.height());
    const QRectF frame = m_mapView->mapRect();
    const QPoint barOffset = m_mapView->mapTo(this, QPoint()) - m_colourBar->mapTo(this, QPoint());
    m_colourBar->setBarArea(frame.top() + barOffset.y(), frame.height());
}

void BenchWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_computer->setHeld(false);
    m_photons->photons().setHeld(false);
}

void BenchWindow::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    // Closed, the bench is only hidden: it keeps what it shows, but its threads go idle and
    // its photons and sound stop until it is shown again.
    m_computer->setHeld(true);
    m_photons->photons().setHeld(true);
}

bool BenchWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The strips stay beside the map's rows however the layout moves either.
    if (event->type() == QEvent::Resize || event->type() == QEvent::Move)
        alignToMap();
    if (watched == m_mapView && event->type() == QEvent::Resize)
        m_mapView->setMaximumWidth(m_mapView->widthForHeight(m_mapView->height()));
    if (watched == m_mapView && event->type() == QEvent::ContextMenu) {
        showMapMenu(*static_cast<QContextMenuEvent *>(event));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

QString BenchWindow::caption() const
{
    const QLocale locale;
    const auto number = [&locale](double value) {
        return locale.toString(value, 'f', QLocale::FloatingPointShortest);
    };
    const QString shape =
        m_experiment.shape.kind() == MirrorShape::Kind::Circle ? tr("circle") : tr("parabola");
    QString light = tr("white light");
    if (!m_experiment.whiteLight) {
        light = tr("wavenumber %1 rad/twip").arg(number(m_experiment.wavenumber));
        if (const Choice *named =
                choiceWithText(Field::Kmitocet, numberToText(m_experiment.wavenumber)))
            light = tr("%1 (%2)", "wavenumber and its name").arg(light, named->shownCaption());
    }
    QString source = tr("a parallel beam");
    if (m_experiment.source.isPoint()) {
        const Vec2 at = MapGrid::mapOf(m_experiment.source.at());
        source = tr("a point source at x = %1, y = %2 twips").arg(twips(at.x), twips(at.y));
    }
    const QString index = locale.toString(m_experiment.index, 'f', 2);
    QStringList parts;
    switch (m_choice) {
    case Kind::Mirror:
        parts << tr("Experiment bench: %1, K = %2; %3; %4.")
                     .arg(shape, number(m_experiment.shape.k()), light, source);
        break;
    case Kind::GlassLayer:
        return tr("Experiment bench: the glass layer; %1.")
                   .arg(m_setups[int(Kind::GlassLayer)].whiteLight
                            ? tr("white light")
                            : tr("wavenumber %1 rad/twip")
                                  .arg(number(m_setups[int(Kind::GlassLayer)].wavenumber))) +
               u' ' + planeDescription() + u' ' + m_glassPhotons->text();
    case Kind::Boundary:
        if (!m_experiment.source.isPoint())
            source = tr("a parallel beam at %1° from the normal")
                         .arg(locale.toString(m_experiment.beamAngle, 'f', 0));
        parts << tr("Experiment bench: the boundary of a medium of index %1; %2; %3.")
                     .arg(index, light, source);
        break;
    case Kind::Lens:
        parts << tr("Experiment bench: a lens of index %1 gathering the light to x = %2, y = %3 "
                    "twips; %4; %5.")
                     .arg(index, twips(m_experiment.target.x), twips(m_experiment.target.y), light,
                          source);
        break;
    case Kind::Slits:
        parts << tr("Experiment bench: a screen with slits; %1; %2.").arg(light, source);
        break;
    }
    // While the map is hidden, as the pupil predicts, nothing tells where the light goes.
    if (m_photons->isMapShown()) {
        const Vec2 at = detector();
        parts << planeDescription()
              << tr("The detector at x = %1, y = %2 twips: probability %3 twips of bar.")
                     .arg(twips(at.x), twips(at.y), locale.toString(m_detectorProbability, 'f', 1));
    } else {
        parts << keptDescription();
    }
    parts << m_photons->worksheet();
    return parts.join(u' ');
}

QString BenchWindow::figureRefusal() const
{
    if (m_choice == Kind::GlassLayer)
        return {};
    if (m_photons->isMapShown() && (!map() || !showsExperiment() || !m_computer->isFinished()))
        return tr("The map is still being computed; the picture can be made once it is done.");
    return {};
}

std::shared_ptr<const PaperFigure> BenchWindow::sharedFigure() const
{
    if (m_choice == Kind::GlassLayer)
        return std::make_shared<const GlassLayerFigure>(*m_glass, caption());
    return figure();
}

std::shared_ptr<const BenchFigure> BenchWindow::figure() const
{
    if (!figureRefusal().isEmpty())
        return nullptr;
    BenchFigure::Contents contents;
    contents.experiment = m_experiment;
    if (const auto shownMap = map(); m_photons->isMapShown()) {
        // On the scale the screen shows.
        contents.map = MapImage::of(*shownMap, m_mapView->scaleTop());
        contents.brightest = m_mapView->scaleTop();
        contents.whiteLight = shownMap->wavenumbers().size() > 1;
    }
    contents.detector = detector();
    contents.photons = m_photons->photons().tally().hits();
    const auto marks = m_photons->prediction().marks();
    contents.marks.assign(marks.begin(), marks.end());
    contents.caption = caption();
    return std::make_shared<const BenchFigure>(contents);
}

QString BenchWindow::proposedName(const QString &suffix) const
{
    // Named as a file on any desktop: numbers with a dot, the light by its English name.
    QString light = QStringLiteral("white");
    if (!m_experiment.whiteLight) {
        const QString wavenumber = numberToText(m_experiment.wavenumber);
        const Choice *named = choiceWithText(Field::Kmitocet, wavenumber);
        light = named ? QString::fromUtf8(named->caption).toLower() : u'w' + wavenumber;
    }
    const QString index = numberToText(m_experiment.index);
    switch (m_choice) {
    case Kind::Mirror:
        break;
    case Kind::GlassLayer: {
        const Experiment &glassLight = m_setups[int(Kind::GlassLayer)];
        light = QStringLiteral("white");
        if (!glassLight.whiteLight)
            light = u'w' + numberToText(glassLight.wavenumber);
        return QStringLiteral("veltrin-bench-glass-n%1-t%2-%3.%4")
            .arg(numberToText(m_glass->index()), numberToText(std::round(m_glass->thickness())),
                 light, suffix);
    }
    case Kind::Boundary:
        return QStringLiteral("veltrin-bench-boundary-n%1-%2.%3").arg(index, light, suffix);
    case Kind::Lens:
        return QStringLiteral("veltrin-bench-lens-n%1-%2.%3").arg(index, light, suffix);
    case Kind::Slits:
        return QStringLiteral("veltrin-bench-slits%1-w%2-d%3-%4.%5")
            .arg(QString::number(m_experiment.slitCount), numberToText(m_experiment.slitWidth),
                 numberToText(m_experiment.slitSeparation), light, suffix);
    }
    return QStringLiteral("veltrin-bench-K%1-%2.%3")
        .arg(numberToText(m_experiment.shape.k()), light, suffix);
}

void BenchWindow::savePicture()
{
    if (const QString refusal = figureRefusal(); !refusal.isEmpty())
        return m_sharing.reportFailure(refusal);
    const QString png = tr("PNG figure (*.png)");
    const QString svg = tr("SVG figure (*.svg)");
    QString selected = m_pictureFilter.isEmpty() ? png : m_pictureFilter;
    QString path =
        m_sharing.ask(tr("Save picture"),
                      proposedName(selected == svg ? QStringLiteral("svg") : QStringLiteral("png")),
                      QStringList{png, svg}.join(u";;"), &selected);
    if (path.isEmpty())
        return;
    m_pictureFilter = selected;
    // The name's extension says the format; a new name without one takes the filter's.
    if (QFileInfo(path).suffix().isEmpty() && !QFileInfo::exists(path))
        path += selected == svg ? QStringLiteral(".svg") : QStringLiteral(".png");
    m_sharing.write(
        path, tr("The picture could not be saved as %1:\n%2"),
        [figure = sharedFigure()](const QString &to, std::stop_token stop) {
            return FigureSaver::save(*figure, to, WholeFile::Wait::Briefly, std::move(stop));
        },
        [this](const QString &to, const QString &reason) { emit fileSaved(to, reason); });
}

void BenchWindow::saveCsv()
{
    const auto shownMap = map();
    if (m_choice == Kind::GlassLayer)
        return m_sharing.reportFailure(tr("The glass layer has no map to save."));
    if (!shownMap || !showsExperiment() || !m_computer->isFinished()) {
        m_sharing.reportFailure(tr("The map is still being computed; save it once it is done."));
        return;
    }
    m_sharing.save(
        {tr("Save map"), tr("Comma-separated values (*.csv)"),
         tr("The map could not be saved as %1:\n%2")},
        proposedName(QStringLiteral("csv")),
        [shownMap](const QString &path, std::stop_token stop) {
            return MapCsv::save(*shownMap, path, WholeFile::Wait::Briefly, std::move(stop));
        },
        [this](const QString &path, const QString &reason) { emit fileSaved(path, reason); });
}

void BenchWindow::copyPicture()
{
    if (const QString refusal = figureRefusal(); !refusal.isEmpty())
        return m_sharing.reportFailure(refusal);
    Sharing::copy(FigureSaver::png(*sharedFigure()));
}

void BenchWindow::copyNumbers()
{
    QGuiApplication::clipboard()->setText(numbersText());
}

void BenchWindow::print()
{
    if (const QString refusal = figureRefusal(); !refusal.isEmpty())
        return m_sharing.reportFailure(refusal);
    m_sharing.print(*sharedFigure(), {tr("Print picture"), tr("The picture could not be printed.")},
                    proposedName(QStringLiteral("pdf")));
}

} // namespace veltrin
