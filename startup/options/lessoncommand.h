// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lesson.h"

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <variant>

class QCommandLineParser;

namespace veltrin {

/// The command line's lessons: --list-lessons names the shipped ones, --check-lesson checks a
/// lesson file as a teacher writes it, with no window and no display, and --lesson opens one
/// beside the experiment bench.
class LessonCommand
{
    Q_DECLARE_TR_FUNCTIONS(veltrin::LessonCommand)

public:
    /// What a call that is answered at once prints, and its status.
    struct Answer
    {
        int status = 0;
        QString output;
        QString error;
    };

    static void addOptions(QCommandLineParser &parser);

    /// The answer to --list-lessons or --check-lesson; none where neither is given.
    static std::optional<Answer> answerFrom(const QCommandLineParser &parser);
    /// Each shipped lesson on a line: its name, a tab, its title in `language`, a tab, its
    /// minutes.
    static QString list(const QString &language);
    /// The lesson's every problem, each "FILE:LINE: …", or one line saying it is fine.
    static Answer check(const QString &nameOrPath);

    /// Whether the argument names a lesson file, as a desktop hands one over.
    static bool isLessonFile(const QString &argument);
    /// Whether --lesson is given, or a lesson file as the only argument.
    static bool asked(const QCommandLineParser &parser);
    /// The lesson --lesson or the only argument names, shipped or a file, or one line naming
    /// what is wrong with it.
    static std::variant<Lesson, QString> lessonFrom(const QCommandLineParser &parser);
};

} // namespace veltrin
