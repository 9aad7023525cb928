// SPDX-License-Identifier: GPL-3.0-or-later
#include "closeupwindow.h"

#include "axisphotons.h"
#include "chainview.h"
#include "closeup.h"
#include "closeupnumbers.h"
#include "colourlegend.h"
#include "mirrorminiature.h"
#include "numberspanel.h"
#include "pathtimegraph.h"
#include "scene.h"

#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QShortcut>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

namespace veltrin {

namespace {

// Fits a 1024 x 768 screen with the window's frame and a panel.
constexpr QSize defaultSize(960, 660);

} // namespace

CloseUpWindow::CloseUpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("closeUpWindow"));
    createControls();
    setLayout(createLayout());
    resize(defaultSize);

    const auto step = [this](QKeySequence key, auto target) {
        auto *shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, [this, target] { setPosition(target()); });
    };
    step(Qt::Key_Left, [this] { return m_position - 1; });
    step(Qt::Key_Right, [this] { return m_position + 1; });
    step(Qt::Key_Home, [] { return 0; });
    step(Qt::Key_End, [] { return scene::detectorPositions - 1; });
    auto *copy = new QShortcut(QKeySequence::Copy, this);
    connect(copy, &QShortcut::activated, this, &CloseUpWindow::copyNumbers);
    auto *bench = new QShortcut(Qt::CTRL | Qt::Key_E, this);
    connect(bench, &QShortcut::activated, this, &CloseUpWindow::benchRequested);

    // Until a run says otherwise, the mirror and light of a freshly loaded main window.
    setRun(m_k, m_frequency, QColor::fromRgb(loadedChoice(Field::Kmitocet).bars.colour.argb()));
}

CloseUpWindow::~CloseUpWindow() = default;

void CloseUpWindow::createControls()
{
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setRange(0, scene::detectorPositions - 1);
    m_slider->setPageStep(10);
    m_slider->setAccessibleName(tr("Detector position"));
    connect(m_slider, &QSlider::valueChanged, this, &CloseUpWindow::setPosition);

    m_distance = new QLabel(this);
    // Wide enough for the farthest position, so that the slider keeps its length.
    m_distance->setMinimumWidth(
        m_distance->fontMetrics().horizontalAdvance(tr("%1 twips").arg(QLocale().toString(8888))));

    m_arrows = new QComboBox(this);
    for (const int count : CloseUp::arrowCounts)
        m_arrows->addItem(QLocale().toString(count), count);
    m_arrows->setCurrentIndex(m_arrows->findData(m_arrowCount));
    m_arrows->setAccessibleName(tr("Number of arrows"));
    connect(m_arrows, &QComboBox::currentIndexChanged, this,
            [this](int index) { setArrowCount(m_arrows->itemData(index).toInt()); });

    m_chain = new ChainView(this);
    m_chain->setAccessibleName(tr("Arrows added head to tail"));
    m_mirror = new MirrorMiniature(this);
    m_mirror->setAccessibleName(tr("Mirror and path"));
    m_graph = new PathTimeGraph(this);
    m_graph->setTitle(tr("Path length of every mirror point"));
    m_graph->setAccessibleName(m_graph->title());
    m_numbers = new NumbersPanel(this);
    connect(m_chain, &ChainView::hoveredArrowChanged, this, &CloseUpWindow::markArrow);
    m_photons = new AxisPhotons(this);
    connect(this, &CloseUpWindow::positionChanged, m_photons, &AxisPhotons::setPosition);
}

QLayout *CloseUpWindow::createLayout()
{
    auto *controls = new QHBoxLayout;
    auto *positionLabel = new QLabel(tr("&Detector position:"), this);
    positionLabel->setBuddy(m_slider);
    auto *arrowsLabel = new QLabel(tr("&Arrows:"), this);
    arrowsLabel->setBuddy(m_arrows);
    controls->addWidget(positionLabel);
    controls->addWidget(m_slider, 1);
    controls->addWidget(m_distance);
    controls->addSpacing(24);
    controls->addWidget(arrowsLabel);
    controls->addWidget(m_arrows);

    auto *left = new QVBoxLayout;
    left->addWidget(m_chain, 1);
    left->addWidget(new ColourLegend(this));
    left->addSpacing(4);
    left->addWidget(m_numbers);

    auto *right = new QVBoxLayout;
    right->addWidget(m_mirror, 1);
    right->addWidget(m_graph, 1);

    auto *views = new QHBoxLayout;
    views->addLayout(left, 11);
    views->addLayout(right, 8);

    auto *layout = new QVBoxLayout;
    layout->addLayout(controls);
    layout->addLayout(views, 1);
    layout->addWidget(m_photons);
    return layout;
}

void CloseUpWindow::showRun(double k, double frequency, const QColor &barColour)
{
    setRun(k, frequency, barColour);
    show();
    raise();
    activateWindow();
}

void CloseUpWindow::setRun(double k, double frequency, const QColor &barColour)
{
    m_k = k;
    m_frequency = frequency;
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
    m_arrows->setCurrentIndex(m_arrows->findData(count));
    refresh();
}

QString CloseUpWindow::numbersLine() const
{
    return CloseUpNumbers(*m_closeUp).line();
}

void CloseUpWindow::copyNumbers() const
{
    QGuiApplication::clipboard()->setText(numbersLine());
}

void CloseUpWindow::refresh()
{
    m_closeUp = std::make_unique<CloseUp>(m_k, m_frequency, m_arrowCount, m_position);
    m_chain->setTitle(
        tr("%1 arrows head to tail, and their resultant").arg(QLocale().toString(m_arrowCount)));
    m_chain->setCloseUp(m_closeUp.get());
    m_mirror->setCloseUp(m_closeUp.get());
    m_graph->setCloseUp(m_closeUp.get());
    markArrow(m_chain->hoveredArrow());

    const QString distance =
        tr("%1 twips").arg(QLocale().toString(m_closeUp->detectorDistance(), 'f', 0));
    m_slider->setValue(m_position);
    m_distance->setText(distance);
    setWindowTitle(tr("Look closer: the detector %1 from the vertex line").arg(distance));
    const CloseUpNumbers numbers(*m_closeUp);
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
