// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

namespace veltrin {

/// The colour of every mirror point in the close-up's views: viridis, from the point next to
/// the axis to the mirror's edge, in a few dozen shades so that neighbouring arrows of one
/// shade are drawn together.
class MirrorColours
{
public:
    static constexpr int shades = 48;

    /// The shade of mirror sample j.
    static int shadeOf(int sample);
    static QColor shade(int index);
    static QColor of(int sample) { return shade(shadeOf(sample)); }
};

} // namespace veltrin
