// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace veltrin {

/// The one text form of a number in the parameter fields: the shortest fixed-point text that
/// reads back as the same double, never with an exponent; whole numbers without a point.
QString numberToText(double value);

/// Reads a text made by numberToText (or typed by hand). The whole text must be one finite
/// number; anything else ("", "abc", "12abc", " 1") throws SurfaceError.
double textToNumber(const QString &text);

} // namespace veltrin
