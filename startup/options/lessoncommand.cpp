// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessoncommand.h"

#include "lessonfile.h"
#include "shippedlessons.h"

#include <QCommandLineParser>
#include <QLocale>

namespace veltrin {

namespace {

const QString lessonOption = QStringLiteral("lesson");
const QString listOption = QStringLiteral("list-lessons");
const QString checkOption = QStringLiteral("check-lesson");

/// A status for a lesson refused, as for a call refused.
constexpr int refused = 2;

} // namespace

void LessonCommand::addOptions(QCommandLineParser &parser)
{
    parser.addOptions({
        {lessonOption,
         tr("Open the experiment bench with a lesson beside it, station by station: one of "
            "those --list-lessons names, or a lesson file. A lesson file given as the only "
            "argument does the same."),
         tr("NAME|FILE.veltrin-lesson")},
        {listOption, tr("List the lessons that come with Veltrin: each one's name, title and "
                        "minutes, and exit.")},
        {checkOption,
         tr("Check a lesson file as the window would read it, name each problem with its line, "
            "and exit: with status 0 where it is fine, 2 where it is not."),
         tr("FILE.veltrin-lesson")},
    });
}

std::optional<LessonCommand::Answer> LessonCommand::answerFrom(const QCommandLineParser &parser)
{
    if (parser.isSet(listOption))
        return Answer{0, list(QLocale().name()), {}};
    if (parser.isSet(checkOption))
        return check(parser.values(checkOption).constLast());
    return std::nullopt;
}

QString LessonCommand::list(const QString &language)
{
    QString text;
    for (const QString &name : ShippedLessons::names()) {
        const std::optional<Lesson> lesson = ShippedLessons::find(name);
        if (!lesson)
            continue;
        text += QStringLiteral("%1\t%2\t%3\n")
                    .arg(name, lesson->title.in(language), tr("%1 min").arg(lesson->minutes));
    }
    return text;
}

LessonCommand::Answer LessonCommand::check(const QString &nameOrPath)
{
    const std::variant<Lesson, QStringList> lesson = LessonFile::read(nameOrPath);
    if (const QStringList *problems = std::get_if<QStringList>(&lesson))
        return {refused, {}, problems->join(u'\n')};
    return {0,
            tr("%1: a lesson of %2 stations, fine\n")
                .arg(nameOrPath)
                .arg(std::get<Lesson>(lesson).stations.size()),
            {}};
}

bool LessonCommand::isLessonFile(const QString &argument)
{
    return argument.endsWith(u'.' + QLatin1StringView(LessonFile::suffix), Qt::CaseInsensitive);
}

bool LessonCommand::asked(const QCommandLineParser &parser)
{
    const QStringList positional = parser.positionalArguments();
    return parser.isSet(lessonOption) ||
           (positional.size() == 1 && isLessonFile(positional.constFirst()));
}

std::variant<Lesson, QString> LessonCommand::lessonFrom(const QCommandLineParser &parser)
{
    QStringList given = parser.values(lessonOption);
    if (given.isEmpty())
        given = parser.positionalArguments();
    if (given.size() > 1)
        return tr("--lesson is given more than once; it names one lesson");
    std::variant<Lesson, QStringList> lesson = LessonFile::read(given.constFirst());
    if (Lesson *read = std::get_if<Lesson>(&lesson))
        return std::move(*read);
    const QStringList &problems = std::get<QStringList>(lesson);
    if (problems.size() == 1)
        return problems.first();
    return tr("%1 (and %2 more problems: --check-lesson names them all)")
        .arg(problems.first())
        .arg(problems.size() - 1);
}

} // namespace veltrin
