// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "choices.h"
#include "sharing.h"

#include <QColor>
#include <QImage>
#include <QWidget>
#include <memory>

class QComboBox;
class QLabel;
class QSlider;

namespace veltrin {

class AxisPhotons;
class ChainView;
class CloseUp;
class MirrorMiniature;
class NumbersPanel;
class PathTimeGraph;
class PositionTable;

/// "Look closer": one detector position of a run in a window of its own. Its arrows head to
/// tail, large enough to see one by one, the mirror and the path of the arrow under the
/// pointer, the path length of every mirror point, and the figures. The position steps with
/// Left and Right, Home and End or the slider; Ctrl+C copies the figures; Escape and Ctrl+W
/// close it. Its context menu saves, copies and prints the picture of its views.
class CloseUpWindow : public QWidget
{
    Q_OBJECT

public:
    enum class Scale { EachPosition, AllPositions };

    explicit CloseUpWindow(QWidget *parent = nullptr);
    ~CloseUpWindow() override;

    /// Shows the window, raised, for a run's mirror constant, frequency (radians per twip) and
    /// bar colour, at the position it shows already. It opens within the screen.
    void showRun(double k, double frequency, const QColor &barColour);
    /// The same without showing the window: keeps an open or a hidden window up to date.
    void setRun(double k, double frequency, const QColor &barColour);

    /// The detector position shown, 0 … scene::detectorPositions − 1.
    int position() const { return m_position; }
    int arrowCount() const { return m_arrowCount; }
    const CloseUp &closeUp() const { return *m_closeUp; }
    AxisPhotons &photons() const { return *m_photons; }
    /// The figures as Ctrl+C copies them: a header row with units and a row of values.
    QString numbersText() const;
    /// Every position's figures as "Copy all positions" copies them.
    QString allPositionsText();
    /// The views as Save picture, Copy picture and Print take them.
    QImage picture() const;

public slots:
    /// Moves to a detector position; an index beyond either end goes to that end.
    void setPosition(int index);
    /// Sums with that many arrows, one of CloseUp::arrowCounts; other counts are ignored.
    void setArrowCount(int count);
    /// One scale fitted to each position's chain, or one for the chains of all positions.
    void setScale(veltrin::CloseUpWindow::Scale scale);
    void copyNumbers();
    void copyAllPositions();
    void savePicture();
    void copyPicture();
    void print();

signals:
    void positionChanged(int index);
    /// Ctrl+E: the experiment bench asked for, with the detector at this position.
    void benchRequested();
    /// The window was shown or hidden (closed).
    void shownChanged(bool shown);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void createControls();
    void createActions();
    QLayout *createLayout();
    /// The table of all positions for the present run and arrow count, summed when first asked.
    const PositionTable &table();
    void refresh();
    void markArrow(int hovered);
    /// A size that shows everything where the screen allows, and a place within the screen.
    void fitToScreen();

    double m_k = loadedChoice(Field::OsKruh).value;
    double m_frequency = loadedChoice(Field::Kmitocet).value;
    int m_arrowCount = 3000;
    int m_position = 0;
    Scale m_scale = Scale::EachPosition;
    double m_highestBar = 0;
    bool m_placed = false;
    std::shared_ptr<const CloseUp> m_closeUp; // shared with the views that draw it
    Sharing m_sharing{*this};
    std::unique_ptr<PositionTable> m_table;

    QSlider *m_slider = nullptr;
    QLabel *m_distance = nullptr;
    QComboBox *m_arrows = nullptr;
    QComboBox *m_scaleChoice = nullptr;
    QWidget *m_views = nullptr;
    ChainView *m_chain = nullptr;
    MirrorMiniature *m_mirror = nullptr;
    PathTimeGraph *m_graph = nullptr;
    NumbersPanel *m_numbers = nullptr;
    AxisPhotons *m_photons = nullptr;
};

} // namespace veltrin
