// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

namespace veltrin {

/// The viridis colour scale, from dark violet at 0 through blue and green to yellow at 1: its
/// lightness rises steadily, so it reads the same to colour-blind eyes and in grey print.
QColor viridis(double t);

} // namespace veltrin
