// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mirrorcut.h"

#include <QWidget>

namespace veltrin {

/// The mirror's strips from its upper end to its lower, beside the map and at its scale: kept
/// strips bright, cut ones dark. A drag cuts the strips it passes over, or puts them back where it
/// began on a cut one; from the keyboard a cursor moves with Up and Down (Page Up and Page Down
/// for long steps) and Space cuts or restores the strip under it, Shift+Space a wider one.
class MirrorStrip : public QWidget
{
    Q_OBJECT

public:
    static constexpr int narrowStrip = 20; ///< twips, Space
    static constexpr int wideStrip = 100;  ///< twips, Shift+Space
    /// The strips kept, and those cut away.
    static constexpr QRgb keptColour = qRgb(230, 230, 230);
    static constexpr QRgb cutColour = qRgb(40, 40, 40);

    explicit MirrorStrip(QWidget *parent = nullptr);

    void setCut(const MirrorCut &cut);
    const MirrorCut &cut() const { return m_cut; }

    /// The strips' vertical extent, to line up with the map's.
    void setStripArea(double top, double height);

    /// The keyboard's cursor, twips above the axis (negative below).
    double cursor() const { return m_cursor; }
    void setCursor(double height);

    /// Height above the axis (negative below) at a pixel row, and back.
    double heightAt(double pixelY) const;
    double pixelAt(double height) const;

    QSize sizeHint() const override { return {40, 480}; }
    QSize minimumSizeHint() const override { return {28, 200}; }

signals:
    /// A drag under way has changed the cut.
    void cutChanging(const veltrin::MirrorCut &cut);
    /// A drag that has ended or a key press changed the cut; `what` names the change for undo.
    void cutEdited(const veltrin::MirrorCut &before, const veltrin::MirrorCut &after,
                   const QString &what);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    /// Sets the strips between two heights above the axis (either sign) as kept or cut.
    static void setBetween(MirrorCut &cut, double from, double to, bool kept);
    static bool keeps(const MirrorCut &cut, double height);

    MirrorCut m_cut;
    MirrorCut m_beforeDrag;
    double m_top = 0;
    double m_height = 0;
    double m_cursor = 0;
    bool m_dragging = false;
    bool m_dragKeeps = false;
    double m_dragFrom = 0;
    double m_dragLast = 0;
};

} // namespace veltrin
