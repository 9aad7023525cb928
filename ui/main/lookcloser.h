// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "surface.h"

#include <QObject>
#include <QPointer>

class QAction;
class QColor;

namespace veltrin {

class CloseUpWindow;
struct RunValues;
class VeltrinWindow;

/// Opens the close-up of one detector position of the last run on the drawing: with a click on
/// the position's bar or spiral, or from the keyboard with the drawing's "Look closer…" entry
/// (Ctrl+L), which opens it at the highest bar. Nothing opens during a run or before the first.
/// A later run brings an open close-up to its own K and frequency. While the close-up is open
/// the drawing marks its position above the axis.
class LookCloser : public QObject
{
    Q_OBJECT

public:
    explicit LookCloser(VeltrinWindow &window);

    /// The close-up, once it has been opened.
    CloseUpWindow *closeUp() const;

    /// A click on the drawing, in twips.
    void openAt(PointF twips);
    /// The keyboard's way: the close-up raised where it is, or opened at the highest bar.
    void open();

signals:
    /// The close-up asks for the experiment bench at its position.
    void benchRequested();

private:
    void show(int position);
    QColor barColour(const RunValues &values) const;
    void runEnded();
    void updateAction();
    void updateMark();

    VeltrinWindow &m_window;
    QAction *m_action;
    QPointer<CloseUpWindow> m_closeUp;
};

} // namespace veltrin
