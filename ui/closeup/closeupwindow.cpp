// SPDX-License-Identifier: GPL-3.0-or-later
#include "closeupwindow.h"

#include "axisphotons.h"
#include "chainview.h"
#include "closekeys.h"
#include "closeup.h"
#include "closeupnumbers.h"
#include "colourlegend.h"
#include "mirrorminiature.h"
#include "numberspanel.h"
#include "pathtimegraph.h"
#include "picturesaver.h"
#include "positiontable.h"
#include "scene.h"
#include "screenfit.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

namespace veltrin {

CloseUpWindow::CloseUpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("closeUpWindow"));
    createControls();
    setLayout(createLayout());
    createActions();
    CloseKeys::install(*this);

    const auto step = [this](QKeySequence key, auto target) {
        auto *shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, [this, target] { setPosition(target()); });
    };
    step(Qt::Key_Left, [this] { return m_position - 1; });
    step(Qt::Key_Right, [this] { return m_position + 1; });
    step(Qt::Key_Home, [] { return 0; });
    step(Qt::Key_End, [] { return scene::detectorPositions - 1; });
    m_photons->setHeld(true); // until shown

    // Until a run says otherwise, the mirror and light of a freshly loaded main window.
    setRun(m_k, m_frequency, QColor::fromRgb(loadedChoice(Field::Kmitocet).bars.colour.argb()));
}

CloseUpWindow::~CloseUpWindow() = default;

void CloseUpWindow::createControls()
{
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setObjectName(QStringLiteral("detectorPosition"));
    m_slider->setRange(0, scene::detectorPositions - 1);
    m_slider->setPageStep(10);
    m_slider->setAccessibleName(tr("Detector position"));
    m_slider->setToolTip(tr("Moves the detector along the axis: Left and Right step a position, "
                            "Home and End go to the ends."));
    connect(m_slider, &QSlider::valueChanged, this, &CloseUpWindow::setPosition);

    m_distance = new QLabel(this);
    m_distance->setObjectName(QStringLiteral("detectorDistance"));
    m_distance->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Wide enough for the farthest position, so that the slider keeps its length.
    const double farthest = scene::detectorX(scene::detectorPositions - 1) - scene::X0;
    m_distance->setMinimumWidth(m_distance->fontMetrics().horizontalAdvance(
        tr("%1 twips").arg(QLocale().toString(farthest, 'f', 0))));

    m_arrows = new QComboBox(this);
    m_arrows->setObjectName(QStringLiteral("arrowCount"));
    for (const int count : CloseUp::arrowCounts)
        m_arrows->addItem(QLocale().toString(count), count);
    m_arrows->setCurrentIndex(m_arrows->findData(m_arrowCount));
    m_arrows->setAccessibleName(tr("Number of arrows"));
    m_arrows->setToolTip(
        tr("How many arrows the mirror is divided into: the more, the smoother the spiral."));
    connect(m_arrows, &QComboBox::currentIndexChanged, this,
            [this](int index) { setArrowCount(m_arrows->itemData(index).toInt()); });

    m_scaleChoice = new QComboBox(this);
    m_scaleChoice->setObjectName(QStringLiteral("arrowScale"));
    m_scaleChoice->addItem(tr("fitted to each position"), int(Scale::EachPosition));
    m_scaleChoice->addItem(tr("one for all positions"), int(Scale::AllPositions));
    m_scaleChoice->setAccessibleName(tr("Arrow scale"));
    m_scaleChoice->setToolTip(tr("The arrows at a scale fitted to each position, or at one scale "
                                 "for all positions, to compare their lengths."));
    connect(m_scaleChoice, &QComboBox::currentIndexChanged, this,
            [this](int index) { setScale(Scale(m_scaleChoice->itemData(index).toInt())); });

    m_views = new QWidget(this);
    m_chain = new ChainView(m_views);
    m_chain->setObjectName(QStringLiteral("arrowChain"));
    m_chain->setAccessibleName(tr("Arrows added head to tail"));
    m_chain->setToolTip(tr("The arrows of all mirror points added head to tail; the line from the "
                           "first tail to the last head is the resultant. Point at an arrow to "
                           "see its path."));
    m_mirror = new MirrorMiniature(m_views);
    m_mirror->setObjectName(QStringLiteral("mirrorMiniature"));
    m_mirror->setAccessibleName(tr("Mirror and path"));
    m_mirror->setToolTip(
        tr("The mirror with the path of the arrow under the pointer, or else the path of least "
           "time."));
    m_mirror->reserveTitle(tr("Path of the arrow under the pointer"));
    m_mirror->reserveTitle(tr("Path of least time"));
    m_graph = new PathTimeGraph(m_views);
    m_graph->setObjectName(QStringLiteral("pathLengthGraph"));
    m_graph->setTitle(tr("Path length of every mirror point"));
    m_graph->setAccessibleName(m_graph->title());
    m_graph->setToolTip(tr("How long the path from the source over each mirror point to the "
                           "detector is: where the graph is flat, the arrows point alike."));
    m_numbers = new NumbersPanel(m_views);
    m_numbers->setObjectName(QStringLiteral("closeUpNumbers"));
    connect(m_chain, &ChainView::hoveredArrowChanged, this, &CloseUpWindow::markArrow);
    m_photons = new AxisPhotons(this);
    connect(this, &CloseUpWindow::positionChanged, m_photons, &AxisPhotons::setPosition);
}

void CloseUpWindow::createActions()
{
    setContextMenuPolicy(Qt::ActionsContextMenu);
    const auto add = [this](const QString &text, const QKeySequence &key, auto slot) {
        auto *action = new QAction(text, this);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setShortcutVisibleInContextMenu(true);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
    };
    add(tr("Copy &figures"), QKeySequence::Copy, &CloseUpWindow::copyNumbers);
    add(tr("Copy &all positions"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A),
        &CloseUpWindow::copyAllPositions);
    add(tr("&Save picture…"), QKeySequence::Save, &CloseUpWindow::savePicture);
    add(tr("Copy &picture"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
        &CloseUpWindow::copyPicture);
    add(tr("P&rint…"), QKeySequence::Print, &CloseUpWindow::print);
    add(tr("&Experiment bench…"), QKeySequence(Qt::CTRL | Qt::Key_E),
        &CloseUpWindow::benchRequested);
}

QLayout *CloseUpWindow::createLayout()
{
    auto *positionLabel = new QLabel(tr("&Detector position:"), this);
    positionLabel->setBuddy(m_slider);
    auto *position = new QHBoxLayout;
    position->addWidget(positionLabel);
    position->addWidget(m_slider, 1);
    position->addWidget(m_distance);

    auto *arrowsLabel = new QLabel(tr("&Arrows:"), this);
    arrowsLabel->setBuddy(m_arrows);
    auto *scaleLabel = new QLabel(tr("Arrow &scale:"), this);
    scaleLabel->setBuddy(m_scaleChoice);
    auto *choices = new QHBoxLayout;
    choices->addWidget(arrowsLabel);
    choices->addWidget(m_arrows);
    choices->addSpacing(24);
    choices->addWidget(scaleLabel);
    choices->addWidget(m_scaleChoice);
    choices->addStretch(1);

    auto *left = new QVBoxLayout;
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(m_chain, 1);
    left->addWidget(new ColourLegend(m_views));
    left->addSpacing(4);
    left->addWidget(m_numbers);
    auto *right = new QVBoxLayout;
    right->addWidget(m_mirror, 1);
    right->addWidget(m_graph, 1);
    auto *views = new QHBoxLayout(m_views);
    views->setContentsMargins(0, 0, 0, 0);
    views->addLayout(left, 11);
    views->addLayout(right, 8);

    // Everything but the buttons scrolls where the screen is too small for it.
    auto *content = new QWidget;
    auto *inside = new QVBoxLayout(content);
    inside->addLayout(position);
    inside->addLayout(choices);
    inside->addWidget(m_views, 1);
    inside->addWidget(m_photons);
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("closeUpScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);

    auto *copyAll = new QPushButton(tr("Copy all positions"), this);
    copyAll->setObjectName(QStringLiteral("copyAllPositions"));
    copyAll->setToolTip(tr("Copies the figures of every detector position as a table."));
    connect(copyAll, &QPushButton::clicked, this, &CloseUpWindow::copyAllPositions);
    auto *close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setToolTip(tr("Closes the close-up."));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(9, 0, 9, 9);
    buttons->addWidget(copyAll);
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto *layout = new QVBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);
    return layout;
}

void CloseUpWindow::showRun(double k, double frequency, const QColor &barColour)
{
    setRun(k, frequency, barColour);
    if (!m_placed)
        fitToScreen();
    show();
    raise();
    activateWindow();
}

void CloseUpWindow::fitToScreen()
{
    m_placed = true;
    const auto *scroll = findChild<QScrollArea *>(QStringLiteral("closeUpScroll"));
    // The room the views like, the buttons below them and the scroll area's own edges.
    const QSize content = scroll->widget()->sizeHint();
    ScreenFit::place(*this,
                     QSize(std::max(content.width(), 960),
                           std::max(content.height(), 600) + layout()->minimumSize().height()));
}

void CloseUpWindow::setRun(double k, double frequency, const QColor &barColour)
{
    m_k = k;
    m_frequency = frequency;
    // The run's own bars are summed with every arrow.
    auto whole = std::make_unique<PositionTable>(k, frequency, 3000);
    m_highestBar = whole->highestProbability();
    m_table = m_arrowCount == 3000 ? std::move(whole) : nullptr;
    m_chain->setResultantColour(barColour);
    m_photons->setRun(k, frequency, barColour);
    refresh();
}

void CloseUpWindow::setPosition(int index)
{
    const int position = std::clamp(index, 0, scene::detectorPositions - 1);
    if (position == m_position && m_closeUp)
        return;
    m_position = position;
    refresh();
    emit positionChanged(position);
}

void CloseUpWindow::setArrowCount(int count)
{
    if (count == m_arrowCount ||
        std::ranges::find(CloseUp::arrowCounts, count) == CloseUp::arrowCounts.end())
        return;
    m_arrowCount = count;
    m_table.reset();
    m_arrows->setCurrentIndex(m_arrows->findData(count));
    refresh();
}

void CloseUpWindow::setScale(Scale scale)
{
    if (scale == m_scale)
        return;
    m_scale = scale;
    m_scaleChoice->setCurrentIndex(m_scaleChoice->findData(int(scale)));
    refresh();
}

const PositionTable &CloseUpWindow::table()
{
    if (!m_table)
        m_table = std::make_unique<PositionTable>(m_k, m_frequency, m_arrowCount);
    return *m_table;
}

QString CloseUpWindow::numbersText() const
{
    const CloseUpNumbers numbers(*m_closeUp, m_highestBar);
    return numbers.header() + u'\n' + numbers.row() + u'\n';
}

QString CloseUpWindow::allPositionsText()
{
    return table().text(m_highestBar);
}

void CloseUpWindow::copyNumbers()
{
    QGuiApplication::clipboard()->setText(numbersText());
}

void CloseUpWindow::copyAllPositions()
{
    QGuiApplication::clipboard()->setText(allPositionsText());
}

QImage CloseUpWindow::picture() const
{
    return m_views->grab().toImage();
}

void CloseUpWindow::copyPicture()
{
    Sharing::copy(picture());
}

void CloseUpWindow::savePicture()
{
    const QString proposed =
        QStringLiteral("veltrin-closeup-%1.png").arg(qRound(m_closeUp->detectorDistance()));
    m_sharing.save({tr("Save picture"), tr("PNG images (*.png)"),
                    tr("The picture could not be saved as %1:\n%2")},
                   proposed, [picture = picture()](const QString &path, std::stop_token stop) {
                       return PictureSaver::save(picture, path, WholeFile::Wait::Briefly,
                                                 std::move(stop));
                   });
}

void CloseUpWindow::print()
{
    m_sharing.print(
        [this] {
            return Sharing::Page{picture(), windowTitle()};
        },
        {tr("Print picture"), tr("The picture could not be printed.")});
}

void CloseUpWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_photons->setHeld(false);
    emit shownChanged(true);
}

void CloseUpWindow::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    // Kept for the next look, but idle and silent meanwhile.
    m_photons->setHeld(true);
    emit shownChanged(false);
}

void CloseUpWindow::refresh()
{
    // The views keep the close-up they draw until they are given the next, whatever they are
    // asked meanwhile.
    m_closeUp = std::make_shared<const CloseUp>(m_k, m_frequency, m_arrowCount, m_position);
    m_chain->setTitle(
        tr("%1 arrows head to tail, and their resultant").arg(QLocale().toString(m_arrowCount)));
    m_chain->setCloseUp(m_closeUp);
    m_chain->setCommonExtent(m_scale == Scale::AllPositions ? table().largestChain() : 0);
    m_mirror->setCloseUp(m_closeUp);
    m_graph->setCloseUp(m_closeUp);
    markArrow(m_chain->hoveredArrow());

    const QString distance =
        tr("%1 twips").arg(QLocale().toString(m_closeUp->detectorDistance(), 'f', 0));
    m_slider->setValue(m_position);
    m_distance->setText(distance);
    setWindowTitle(tr("Look closer: the detector %1 from the vertex line").arg(distance));
    const CloseUpNumbers numbers(*m_closeUp, m_highestBar);
    m_numbers->setNumbers(numbers);
    setAccessibleDescription(numbers.description());
}

void CloseUpWindow::markArrow(int hovered)
{
    m_chain->setMarkedArrow(hovered >= 0 ? hovered : m_closeUp->leastTimeArrow());
    m_graph->setMarkedArrow(hovered);
    m_mirror->setPathArrow(hovered);
    m_mirror->setTitle(hovered >= 0 ? tr("Path of the arrow under the pointer")
                                    : tr("Path of least time"));
}

} // namespace veltrin
