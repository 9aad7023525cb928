// SPDX-License-Identifier: GPL-3.0-or-later
#include "mirrorstrip.h"

#include "mapgrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace veltrin {

namespace {

/// The strips run over the mirror's height, up and down from the axis.
constexpr double mirrorHalfHeight = scene::AP / 2.0;

} // namespace

namespace {

using Half = MirrorCut::Half;

/// The strip a height above the axis (negative below) falls in: its half and its height from the
/// axis, 1 … 3000. A strip of height h spans h − 1 to h twips from the axis.
std::pair<Half, int> stripAt(double height)
{
    const Half half = height >= 0 ? Half::Upper : Half::Lower;
    const int fromAxis = std::clamp(int(std::floor(std::abs(height))) + 1, 1, MirrorCut::maxHeight);
    return {half, fromAxis};
}

} // namespace

MirrorStrip::MirrorStrip(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("mirrorStrip"));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Mirror strips"));
    setToolTip(tr("Drag to cut strips of the mirror away or put them back. Keyboard: Up and Down "
                  "move the cursor, Space cuts or restores, Shift+Space a wider strip."));
}

void MirrorStrip::setCut(const MirrorCut &cut)
{
    m_cut = cut;
    update();
}

void MirrorStrip::setStripArea(double top, double height)
{
    m_top = top;
    m_height = height;
    update();
}

void MirrorStrip::setCursor(double height)
{
    m_cursor = std::clamp(height, -mirrorHalfHeight + 0.5, mirrorHalfHeight - 0.5);
    update();
}

double MirrorStrip::heightAt(double pixelY) const
{
    const double span = 2 * mirrorHalfHeight;
    return mirrorHalfHeight - (pixelY - m_top) / std::max(m_height, 1.0) * span;
}

double MirrorStrip::pixelAt(double height) const
{
    const double span = 2 * mirrorHalfHeight;
    return m_top + (mirrorHalfHeight - height) / span * m_height;
}

void MirrorStrip::setBetween(MirrorCut &cut, double from, double to, bool kept)
{
    if (from > to)
        std::swap(from, to);
    from = std::max(from, -mirrorHalfHeight);
    to = std::min(to, mirrorHalfHeight);
    // Below the axis the strips run from −to to −from, above it from `from` to `to`.
    if (from < 0) {
        const auto [half, outer] = stripAt(from);
        const auto [sameHalf, inner] = stripAt(std::min(to, -0.0001));
        (void)sameHalf;
        cut.set(half, inner, outer, kept);
    }
    if (to >= 0) {
        const auto [half, outer] = stripAt(std::min(to, mirrorHalfHeight - 0.0001));
        const auto [sameHalf, inner] = stripAt(std::max(from, 0.0));
        (void)sameHalf;
        cut.set(half, inner, outer, kept);
    }
}

bool MirrorStrip::keeps(const MirrorCut &cut, double height)
{
    const auto [half, fromAxis] = stripAt(height);
    return cut.keeps(half, fromAxis);
}

void MirrorStrip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QRectF bar(4, m_top, width() - 8, m_height);
    painter.fillRect(bar, QColor(cutColour));
    // One pixel row at a time: kept where any strip in it is kept. Rows beyond the strip's own,
    // where the map is zoomed in, are left out.
    const QColor kept(keptColour);
    const int last = std::min(int(m_top + m_height), height());
    for (int y = std::max(int(std::ceil(m_top)), 0); y < last; ++y) {
        const double high = heightAt(y);
        const double low = heightAt(y + 1);
        bool any = false;
        for (double h = low; h < high && !any; h += 1)
            any = keeps(m_cut, h);
        if (any)
            painter.fillRect(QRectF(bar.left(), y, bar.width(), 1), kept);
    }
    painter.setPen(QColor(200, 60, 60));
    painter.drawLine(QPointF(0, pixelAt(0)), QPointF(width(), pixelAt(0)));
    if (hasFocus()) {
        const double at = pixelAt(m_cursor);
        painter.setPen(QPen(palette().highlight().color(), 2));
        painter.drawRect(QRectF(1, at - 4, width() - 2, 8));
    }
}

void MirrorStrip::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    m_beforeDrag = m_cut;
    m_dragFrom = m_dragLast = heightAt(event->position().y());
    // A drag that begins on a cut strip puts strips back; on a kept one it cuts.
    m_dragKeeps = !keeps(m_cut, m_dragFrom);
    setCursor(m_dragFrom);
    setBetween(m_cut, m_dragFrom, m_dragFrom, m_dragKeeps);
    update();
    emit cutChanging(m_cut);
}

void MirrorStrip::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    // From the last place to this one, so that a fast drag leaves no strip out.
    const double to = heightAt(event->position().y());
    setBetween(m_cut, m_dragLast, to, m_dragKeeps);
    m_dragLast = to;
    setCursor(to);
    emit cutChanging(m_cut);
}

void MirrorStrip::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_dragging || event->button() != Qt::LeftButton)
        return;
    m_dragging = false;
    if (!(m_cut == m_beforeDrag))
        emit cutEdited(m_beforeDrag, m_cut, m_dragKeeps ? tr("Restore strips") : tr("Cut strips"));
}

void MirrorStrip::keyPressEvent(QKeyEvent *event)
{
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    switch (event->key()) {
    case Qt::Key_Up:
        setCursor(m_cursor + narrowStrip);
        return;
    case Qt::Key_Down:
        setCursor(m_cursor - narrowStrip);
        return;
    case Qt::Key_PageUp:
        setCursor(m_cursor + 10 * narrowStrip);
        return;
    case Qt::Key_PageDown:
        setCursor(m_cursor - 10 * narrowStrip);
        return;
    case Qt::Key_Space: {
        const double half = (shift ? wideStrip : narrowStrip) / 2.0;
        const bool kept = !keeps(m_cut, m_cursor);
        const MirrorCut before = m_cut;
        setBetween(m_cut, m_cursor - half, m_cursor + half - 0.001, kept);
        update();
        emit cutEdited(before, m_cut, kept ? tr("Restore strips") : tr("Cut strips"));
        return;
    }
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace veltrin
