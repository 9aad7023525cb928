// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "choices.h"

#include <QColor>
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

/// "Look closer": one detector position of a run in a window of its own. Its arrows head to
/// tail, large enough to see one by one, the mirror and the path of the arrow under the
/// pointer, the path length of every mirror point, and the figures. The position steps with
/// Left and Right, Home and End or the slider; Ctrl+C copies the figures.
class CloseUpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit CloseUpWindow(QWidget *parent = nullptr);
    ~CloseUpWindow() override;

    /// Shows the window, raised, for a run's mirror constant, frequency (radians per twip) and
    /// bar colour, at the position it shows already.
    void showRun(double k, double frequency, const QColor &barColour);
    /// The same without showing the window: keeps an open or a hidden window up to date.
    void setRun(double k, double frequency, const QColor &barColour);

    /// The detector position shown, 0 … scene::detectorPositions − 1.
    int position() const { return m_position; }
    int arrowCount() const { return m_arrowCount; }
    const CloseUp &closeUp() const { return *m_closeUp; }
    AxisPhotons &photons() const { return *m_photons; }
    /// The figures as Ctrl+C copies them: keys and values separated by tabs, the position
    /// first, a dot as the decimal point.
    QString numbersLine() const;

public slots:
    /// Moves to a detector position; an index beyond either end goes to that end.
    void setPosition(int index);
    /// Sums with that many arrows, one of CloseUp::arrowCounts; other counts are ignored.
    void setArrowCount(int count);
    void copyNumbers() const;

signals:
    void positionChanged(int index);
    /// Ctrl+E: the experiment bench asked for, with the detector at this position.
    void benchRequested();

private:
    void createControls();
    QLayout *createLayout();
    void refresh();
    void markArrow(int hovered);

    double m_k = loadedChoice(Field::OsKruh).value;
    double m_frequency = loadedChoice(Field::Kmitocet).value;
    int m_arrowCount = 3000;
    int m_position = 0;
    std::unique_ptr<CloseUp> m_closeUp;

    QSlider *m_slider = nullptr;
    QLabel *m_distance = nullptr;
    QComboBox *m_arrows = nullptr;
    ChainView *m_chain = nullptr;
    MirrorMiniature *m_mirror = nullptr;
    PathTimeGraph *m_graph = nullptr;
    NumbersPanel *m_numbers = nullptr;
    AxisPhotons *m_photons = nullptr;
};

} // namespace veltrin
