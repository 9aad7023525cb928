// SPDX-License-Identifier: GPL-3.0-or-later
#include "shippedlessons.h"

#include "lessonfile.h"

#include <QFile>

namespace veltrin {

namespace {

constexpr const char *shipped[] = {
    "mirror-focus", "cutting-mirror", "photons", "glass-layer", "refraction-lens", "double-slit",
};

} // namespace

QStringList ShippedLessons::names()
{
    QStringList names;
    for (const char *name : shipped)
        names << QString::fromLatin1(name);
    return names;
}

std::optional<Lesson> ShippedLessons::find(const QString &name)
{
    if (!names().contains(name))
        return std::nullopt;
    QFile file(QStringLiteral(":/lessons/%1.%2").arg(name, QLatin1String(LessonFile::suffix)));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // A shipped lesson is read as any other: a test sees that each one reads.
    std::variant<Lesson, QStringList> lesson = LessonFile::fromJson(file.readAll(), name);
    if (Lesson *read = std::get_if<Lesson>(&lesson))
        return std::move(*read);
    return std::nullopt;
}

} // namespace veltrin
