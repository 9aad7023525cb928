// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lesson.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <variant>
#include <vector>

namespace veltrin {

/// A lesson as a file a teacher writes (JSON with a format version, `.veltrin-lesson`), each
/// station's set-up as a setup file holds it. Reading checks every value and every size before
/// anything is taken, and names every problem with its line: a broken, newer or hostile file
/// gives those lines and no lesson at all.
class LessonFile
{
    Q_DECLARE_TR_FUNCTIONS(veltrin::LessonFile)

public:
    static constexpr int version = 1;
    /// The largest file read, bytes.
    static constexpr qsizetype largest = 1 << 20;
    static constexpr qsizetype longestText = 4000;
    /// The deepest nesting of objects and lists: a lesson needs seven.
    static constexpr int deepest = 16;
    static constexpr int mostStations = 20;
    static constexpr const char *suffix = "veltrin-lesson";

    /// A problem found in a lesson's text, on the line where the value stands.
    struct Problem
    {
        int line = 1;
        QString text;
    };

    static QByteArray toJson(const Lesson &lesson);
    /// The lesson, named `name`, or every problem found (at most a screenful).
    static std::variant<Lesson, std::vector<Problem>> parse(const QByteArray &json,
                                                            const QString &name);
    /// As parse(), each problem one line: "line 12: …".
    static std::variant<Lesson, QStringList> fromJson(const QByteArray &json, const QString &name);

    /// A shipped lesson by its name, or a lesson file by its path; or every problem, each one
    /// line naming the file (and the line: "FILE:12: …"), or naming what was asked for.
    static std::variant<Lesson, QStringList> read(const QString &nameOrPath);
};

} // namespace veltrin
