// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace veltrin {

/// Names for assistive technology the controls of the window that show no text of their own,
/// and describes what the drawing and the commands do; every control shown gets the same words
/// as its tooltip.
void setAccessibleTexts(QWidget &window);

} // namespace veltrin
