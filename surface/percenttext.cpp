// SPDX-License-Identifier: GPL-3.0-or-later
#include "percenttext.h"

#include <algorithm>
#include <iterator>

namespace veltrin {

QString percentText(double percent, int decimals, const QLocale &locale)
{
    // The languages whose typesetting puts a space between a number and its percent sign.
    static constexpr QLocale::Language apart[] = {
        QLocale::Czech,   QLocale::Slovak,           QLocale::German,          QLocale::French,
        QLocale::Spanish, QLocale::Swedish,          QLocale::NorwegianBokmal, QLocale::Danish,
        QLocale::Finnish, QLocale::NorwegianNynorsk, QLocale::Russian,         QLocale::Ukrainian};
    const bool spaced =
        std::find(std::begin(apart), std::end(apart), locale.language()) != std::end(apart);
    return locale.toString(percent, 'f', decimals) +
           (spaced ? QStringLiteral("\u00a0") : QString()) + locale.percent();
}

} // namespace veltrin
