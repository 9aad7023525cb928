// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace veltrin {

/// Grows a control whose caption does not fit the place the layout gives it, as a translation
/// longer than the English the layout was made for may need: wider to the right, and taller
/// where a letter reaches below it. A caption that fits leaves the control as it is.
void growToFitCaption(QWidget *widget);

} // namespace veltrin
