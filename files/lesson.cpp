// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson.h"

#include <cmath>

namespace veltrin {

QString LessonText::in(const QString &language) const
{
    if (byLanguage.isEmpty())
        return {};
    // "de_AT" falls back on "de": a lesson is written for a language, seldom for a country.
    for (const QString &code :
         {language, language.section(u'_', 0, 0).section(u'-', 0, 0), QStringLiteral("en")}) {
        if (const auto found = byLanguage.constFind(code); found != byLanguage.cend())
            return *found;
    }
    return byLanguage.first();
}

bool LessonCheck::accepts(double value) const
{
    return std::isfinite(value) && std::abs(value - answer) <= tolerance;
}

} // namespace veltrin
