// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

namespace veltrin {

/// A percentage as the language writes it: the locale's digits and percent sign, set apart by a
/// no-break space where the language does so ("97.6%" in English, "97,6 %" in German and Czech).
QString percentText(double percent, int decimals, const QLocale &locale = QLocale());

} // namespace veltrin
