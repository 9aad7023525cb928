// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QRegion>
#include <vector>

namespace veltrin {

/// The parts of the canvas changed since the last screen update, kept as a few rectangles:
/// a run's long thin rays and its compact spirals would make one bounding box needlessly big.
class DirtyArea
{
public:
    void add(const QRect &rect);
    bool isEmpty() const { return m_rects.empty(); }
    /// Hands over the area and starts a new one.
    QRegion take();

private:
    std::vector<QRect> m_rects;
};

} // namespace veltrin
