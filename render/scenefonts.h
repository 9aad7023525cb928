// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace veltrin {

/// The fonts the scene's words and the window's controls are set in, as the layout was made
/// with them, and the desktop's fonts of the same metrics that stand in for them.
class SceneFonts
{
public:
    enum class Face { Dialog, TimesBold, Sans13_5, Sans12, Sans9_75 };

    /// The font of a face: the desktop's dialog font for Dialog.
    static QFont font(Face face);
    /// Maps the fonts the layout was made with to metric-compatible fonts of the desktop.
    static void installSubstitutes();
};

} // namespace veltrin
