// SPDX-License-Identifier: GPL-3.0-or-later
// The lesson's texts and its check, until the lesson file's own code joins them.
#include "lesson.h"

#include <cmath>

namespace veltrin {

QString LessonText::in(const QString &language) const
{
    if (const auto found = byLanguage.constFind(language); found != byLanguage.cend())
        return *found;
    if (const auto english = byLanguage.constFind(QStringLiteral("en"));
        english != byLanguage.cend())
        return *english;
    return byLanguage.isEmpty() ? QString() : byLanguage.first();
}

bool LessonCheck::accepts(double value) const
{
    return std::abs(value - answer) <= tolerance;
}

} // namespace veltrin
