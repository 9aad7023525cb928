// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchwindow.h"

#include "benchphotons.h"
#include "chainpanel.h"
#include "choices.h"
#include "closekeys.h"
#include "colourbar.h"
#include "mapcomputer.h"
#include "mapcsv.h"
#include "mapimage.h"
#include "mapview.h"
#include "mirrorstrip.h"
#include "photonpanel.h"
#include "picturesaver.h"
#include "probabilitymap.h"
#include "scalechoice.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
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

BenchWindow::BenchWindow(QWidget *parent)
    : QWidget(parent, Qt::Window), m_computer(new MapComputer(this)), m_undo(new QUndoStack(this))
{
    setObjectName(QStringLiteral("benchWindow"));
    setWindowTitle(tr("Experiment bench"));
    createControls();
    createLayout();
    createActions();
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
    connect(m_computer, &MapComputer::focusFound, this, &BenchWindow::applyScale);
    connect(m_computer, &MapComputer::progress, this, [this](int done, int total) {
        m_progress->setMaximum(total);
        m_progress->setValue(done);
    });
    start(0.00005, 0.02, {2500, 0});
}

BenchWindow::~BenchWindow() = default;

void BenchWindow::createControls()
{
    // Created in the order Tab visits them.
    createPlane();
    createMirrorControls();
    createLightControls();
    createSourceControls();
    createPresetControls();
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
    m_chain = new ChainPanel(this);
    createScaleControls();
}

void BenchWindow::createScaleControls()
{
    m_scale = new ScaleChoice(this);
    connect(m_scale, &ScaleChoice::changed, this, &BenchWindow::applyScale);
    // The colour bar goes with the picture shown, of the present experiment or a passing one.
    connect(m_mapView, &MapView::scaleShown, this, &BenchWindow::showScale);
    connect(m_mapView, &MapView::viewChanged, this, &BenchWindow::alignStrip);
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
        m_preset->addItem(presetWords(preset.id, 0).listed, int(preset.id));
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

void BenchWindow::createReadouts()
{
    m_numbers = new QLabel(this);
    m_numbers->setObjectName(QStringLiteral("detectorNumbers"));
    m_numbers->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_numbers->setWordWrap(true);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("mapDescription"));
    m_summary->setWordWrap(true);
    // Room for the longest description, so that the map does not move as it changes.
    m_summary->setMinimumHeight(3 * m_summary->fontMetrics().lineSpacing());
    m_summary->setAlignment(Qt::AlignLeft | Qt::AlignTop);
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
    auto *plane = new QHBoxLayout;
    plane->setSpacing(2);
    plane->addWidget(m_strip);
    plane->addWidget(m_mapView, 1);
    plane->addWidget(m_colourBar);

    auto *controls = new QFormLayout;
    auto *kRow = new QHBoxLayout;
    kRow->addWidget(m_k, 1);
    kRow->addWidget(m_kMarked);
    auto *lightRow = new QHBoxLayout;
    lightRow->addWidget(m_wavenumber, 1);
    lightRow->addWidget(m_wavenumberNamed);
    auto *presetRow = new QHBoxLayout;
    presetRow->addWidget(m_preset, 1);
    presetRow->addWidget(m_period);
    auto *undoRow = new QHBoxLayout;
    QAction *undo = m_undo->createUndoAction(this, tr("Undo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction *redo = m_undo->createRedoAction(this, tr("Redo"));
    redo->setShortcut(QKeySequence::Redo);
    for (QAction *action : {undo, redo}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        auto *button = new QToolButton(this);
        button->setDefaultAction(action);
        undoRow->addWidget(button);
    }
    undoRow->addStretch();

    auto label = [this](const QString &text, QWidget *buddy) {
        auto *label = new QLabel(text, this);
        label->setBuddy(buddy);
        return label;
    };
    controls->addRow(label(tr("&Shape:"), m_shape), m_shape);
    controls->addRow(label(tr("&K:"), m_k), kRow);
    controls->addRow(label(tr("&Wavenumber:"), m_wavenumber), lightRow);
    controls->addRow(QString(), m_white);
    controls->addRow(label(tr("S&ource:"), m_source), m_source);
    controls->addRow(QString(), m_sourceHere);
    controls->addRow(label(tr("&Mirror:"), m_preset), presetRow);
    controls->addRow(QString(), undoRow);
    controls->addRow(label(tr("&Colour scale:"), m_scale), m_scale);

    auto *side = new QVBoxLayout;
    side->addLayout(controls);
    side->addWidget(m_chain, 1);
    side->addWidget(m_numbers);
    side->addWidget(m_progress);

    auto *top = new QHBoxLayout;
    top->addLayout(plane, 1);
    top->addLayout(side);
    auto *whole = new QVBoxLayout(this);
    whole->addLayout(top, 1);
    whole->addWidget(m_photons);
    whole->addWidget(m_summary);
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
    static_cast<QVBoxLayout *>(layout())->addLayout(buttons);
}

void BenchWindow::start(double k, double wavenumber, Vec2 detector)
{
    Experiment experiment;
    experiment.shape =
        MirrorShape::parabola(std::clamp(k, Experiment::lowestK, Experiment::highestK));
    experiment.wavenumber =
        std::clamp(wavenumber, Experiment::lowestWavenumber, Experiment::highestWavenumber);
    m_undo->clear();
    m_mapView->setDetector(detector);
    setExperiment(experiment);
}

void BenchWindow::setExperiment(const Experiment &experiment)
{
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
    Experiment experiment = m_experiment;
    const double k = m_k->value();
    experiment.shape =
        m_shape->currentIndex() == 1 ? MirrorShape::circle(k) : MirrorShape::parabola(k);
    experiment.wavenumber = m_wavenumber->value();
    experiment.whiteLight = m_white->isChecked();
    if (m_source->currentIndex() == 0)
        experiment.source = Source::beam();
    else if (!experiment.source.isPoint())
        experiment.source = Source::point(MapGrid::sceneOf(detector()));
    setExperiment(experiment);
}

void BenchWindow::showControls()
{
    const QSignalBlocker blockers[] = {QSignalBlocker(m_shape), QSignalBlocker(m_k),
                                       QSignalBlocker(m_wavenumber), QSignalBlocker(m_white),
                                       QSignalBlocker(m_source)};
    m_shape->setCurrentIndex(m_experiment.shape.kind() == MirrorShape::Kind::Circle ? 1 : 0);
    m_k->setValue(m_experiment.shape.k());
    m_wavenumber->setValue(m_experiment.wavenumber);
    m_white->setChecked(m_experiment.whiteLight);
    m_source->setCurrentIndex(m_experiment.source.isPoint() ? 1 : 0);
    m_wavenumber->setEnabled(!m_experiment.whiteLight);
    m_wavenumberNamed->setEnabled(!m_experiment.whiteLight);
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
    mark(m_wavenumberNamed, m_experiment.wavenumber);
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
    if (preset.takes == MirrorPreset::Takes::Point)
        m_zones = cut;
    cutMirror(cut, presetWords(*id, m_period->value()).step);
}

std::optional<MirrorPreset::Id> BenchWindow::chosenPreset() const
{
    const QVariant id = m_preset->currentData();
    return id.isValid() ? std::optional(MirrorPreset::Id(id.toInt())) : std::nullopt;
}

std::optional<MirrorPreset::Id> BenchWindow::presetOf(const MirrorCut &cut) const
{
    for (const MirrorPreset &preset : MirrorPreset::all()) {
        // The zones are named while the last ones chosen stand: the detector may have moved.
        const MirrorCut given = preset.takes == MirrorPreset::Takes::Point
                                    ? m_zones
                                    : preset.cut(m_experiment, m_period->value(), {});
        if (cut == given)
            return preset.id;
    }
    return std::nullopt;
}

BenchWindow::PresetWords BenchWindow::presetWords(MirrorPreset::Id id, int period)
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
        return {tr("Grating"), tr("Grating of %1 twips").arg(period),
                tr("They make a grating of %1 twips.").arg(period)};
    case MirrorPreset::Id::Zones:
        return {tr("Zones for the detector"), tr("Zones for the detector"),
                tr("They are the zones for the detector's point.")};
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
    const Vec2 at = detector();
    m_chain->showAt(m_experiment, at);
    m_detectorProbability = m_experiment.probabilityAt(at);

    QString share = tr("map not yet computed");
    if (const auto shownMap = map();
        shownMap && showsExperiment() && shownMap->brightest().value > 0)
        share = tr("%1% of the map's brightest point")
                    .arg(QLocale().toString(
                        100 * m_detectorProbability /
                            std::max(m_detectorProbability, shownMap->brightest().value),
                        'f', 1));
    m_numbers->setText(tr("Detector at x = %1 twips from the vertex line, y = %2 twips above "
                          "the axis.\nProbability %3 twips of bar, %4.")
                           .arg(twips(at.x), twips(at.y),
                                QLocale().toString(m_detectorProbability, 'f', 1), share));
}

QString BenchWindow::numbersLine() const
{
    const Vec2 at = detector();
    QString line = QStringLiteral("x_twips\t%1\ty_twips\t%2\tprobability_twips\t%3")
                       .arg(QString::number(at.x), QString::number(at.y),
                            QString::number(m_detectorProbability, 'g', 17));
    if (const auto shownMap = map(); shownMap && showsExperiment())
        line +=
            QStringLiteral("\tshare_of_brightest\t%1")
                .arg(QString::number(m_detectorProbability / shownMap->brightest().value, 'g', 6));
    return line;
}

QString BenchWindow::description() const
{
    const auto shownMap = map();
    const int kept = m_experiment.cut.keptCount();
    QString keeps =
        m_experiment.cut.isWhole()
            ? tr("The whole mirror is kept.")
            : tr("The mirror keeps %1 of its %2 strips (%3%).")
                  .arg(kept)
                  .arg(2 * MirrorCut::maxHeight)
                  .arg(QLocale().toString(100.0 * kept / (2 * MirrorCut::maxHeight), 'f', 0));
    if (const std::optional<MirrorPreset::Id> preset = chosenPreset()) {
        if (const QString kept = presetWords(*preset, m_period->value()).kept; !kept.isEmpty())
            keeps += u' ' + kept;
    }
    if (!shownMap || !showsExperiment())
        return tr("The map is being computed.") + u' ' + keeps;
    const ProbabilityMap::Peak peak = shownMap->brightest();
    QString text = tr("The brightest point is %1 twips from the vertex line and %2 twips %3, with "
                      "a probability of %4 twips of bar.")
                       .arg(twips(peak.at.x), twips(std::abs(peak.at.y)),
                            peak.at.y >= 0 ? tr("above the axis") : tr("below the axis"),
                            QLocale().toString(peak.value, 'f', 1));
    if (const auto focus = m_computer->wholeMirrorFocus(); focus && focus->value > 0) {
        text += u' ' + tr("That is %1% of the whole mirror's focus, which lies %2 twips from the "
                          "vertex line and %3 twips %4.")
                           .arg(QLocale().toString(100 * peak.value / focus->value, 'f', 0),
                                twips(focus->at.x), twips(std::abs(focus->at.y)),
                                focus->at.y >= 0 ? tr("above the axis") : tr("below the axis"));
    }
    return text + u' ' + keeps + u' ' + scaleSentence();
}

void BenchWindow::updateDescription()
{
    const QString text = description();
    m_summary->setText(text);
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

void BenchWindow::alignStrip()
{
    const QRectF area = m_mapView->extentRect();
    const QPoint offset = m_mapView->mapTo(this, QPoint()) - m_strip->mapTo(this, QPoint());
    m_strip->setStripArea(area.top() + offset.y(), area.height());
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
        alignStrip();
    return QWidget::eventFilter(watched, event);
}

QString BenchWindow::caption() const
{
    const QString shape =
        m_experiment.shape.kind() == MirrorShape::Kind::Circle ? tr("circle") : tr("parabola");
    const QString light = m_experiment.whiteLight
                              ? tr("white light")
                              : tr("wavenumber %1").arg(m_experiment.wavenumber);
    return tr("Experiment bench: %1, K = %2, %3. %4")
               .arg(shape, QString::number(m_experiment.shape.k()), light, description()) +
           u' ' + m_photons->worksheet();
}

QImage BenchWindow::picture() const
{
    QImage image(m_mapView->size() + QSize(m_colourBar->width(), 0), QImage::Format_RGB32);
    image.fill(palette().window().color());
    QPainter painter(&image);
    m_mapView->render(&painter);
    m_colourBar->render(&painter, QPoint(m_mapView->width(), 0));
    return image;
}

QString BenchWindow::proposedName(const QString &suffix) const
{
    return QStringLiteral("veltrin-bench-K%1.%2").arg(m_experiment.shape.k()).arg(suffix);
}

void BenchWindow::savePicture()
{
    m_sharing.save({tr("Save picture"), tr("PNG images (*.png)"),
                    tr("The picture could not be saved as %1:\n%2")},
                   proposedName(QStringLiteral("png")),
                   [this](const QString &path) { return PictureSaver::save(picture(), path); });
}

void BenchWindow::saveCsv()
{
    const auto shownMap = map();
    if (!shownMap || !m_computer->isFinished()) {
        m_sharing.reportFailure(tr("The map is still being computed; save it once it is done."));
        return;
    }
    m_sharing.save({tr("Save map"), tr("Comma-separated values (*.csv)"),
                    tr("The map could not be saved as %1:\n%2")},
                   proposedName(QStringLiteral("csv")),
                   [&shownMap](const QString &path) { return MapCsv::save(*shownMap, path); });
}

void BenchWindow::copyPicture()
{
    Sharing::copy(picture());
}

void BenchWindow::copyNumbers()
{
    QGuiApplication::clipboard()->setText(numbersLine());
}

void BenchWindow::print()
{
    m_sharing.print(
        [this] {
            return Sharing::Page{picture(), caption()};
        },
        {tr("Print picture"), tr("The picture could not be printed.")},
        proposedName(QStringLiteral("pdf")));
}

} // namespace veltrin
