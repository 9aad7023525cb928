// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

class QWidget;

namespace veltrin {

/// Where a window of the program other than the main one opens: at the size it likes, beside the
/// window that opened it, wholly on the screen. Where the screen has no room for that size, the
/// window opens maximized, so that the window manager fits it, frame and all.
class ScreenFit
{
public:
    /// Sizes and places `window` (before it is shown) for the size it likes, `wanted`.
    static void place(QWidget &window, QSize wanted);
};

} // namespace veltrin
