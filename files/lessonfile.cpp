// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessonfile.h"

#include "setupfile.h"
#include "shippedlessons.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <cmath>

namespace veltrin {

namespace {

const QString formatName = QStringLiteral("veltrin-lesson");
/// Enough problems to mend a file by; a file of nothing but faults shows the first.
constexpr qsizetype mostProblems = 30;
/// Keys and items whose lines are kept: a lesson has some hundreds; a file of a mebibyte of
/// list items names the problems past these by the key around them.
constexpr qsizetype mostRecorded = 20'000;

/// Where each key and each list item of a JSON text stands: by its path ("stations/2/check/
/// tolerance"), the line. Walks text the JSON reader took, so that it needs no checks of its own.
class KeyLines
{
public:
    explicit KeyLines(const QByteArray &json)
    {
        struct Frame
        {
            bool object;
            QString segment;
            int index = 0;
            bool next = true; ///< a key (an object's) or an item (a list's) comes next
        };
        std::vector<Frame> stack;
        int line = 1;
        const auto record = [&] {
            QStringList path;
            for (const Frame &frame : stack)
                path << frame.segment;
            // A key given twice: the last, as the JSON reader takes it.
            if (m_lines.size() < mostRecorded)
                m_lines.insert(path.join(u'/'), line);
        };
        for (qsizetype i = 0; i < json.size(); ++i) {
            const char c = json[i];
            if (c == '\n') {
                ++line;
                continue;
            }
            if (c == ' ' || c == '\t' || c == '\r' || c == ':')
                continue;
            if (!stack.empty() && !stack.back().object && stack.back().next && c != ']') {
                stack.back().next = false;
                record();
            }
            switch (c) {
            case '"': {
                const qsizetype start = ++i;
                while (i < json.size() && json[i] != '"')
                    i += json[i] == '\\' ? 2 : 1;
                if (!stack.empty() && stack.back().object && stack.back().next) {
                    stack.back().segment = QString::fromUtf8(json.mid(start, i - start));
                    stack.back().next = false;
                    record();
                }
                break;
            }
            case '{':
            case '[':
                stack.push_back({c == '{', c == '[' ? QStringLiteral("0") : QString()});
                m_depth = std::max(m_depth, int(stack.size()));
                break;
            case '}':
            case ']':
                if (!stack.empty())
                    stack.pop_back();
                break;
            case ',':
                if (!stack.empty()) {
                    Frame &frame = stack.back();
                    frame.next = true;
                    if (!frame.object)
                        frame.segment = QString::number(++frame.index);
                }
                break;
            default:
                break;
            }
        }
    }

    int depth() const { return m_depth; }

    /// The line of the key or item at `path`, else of the nearest one around it.
    int lineOf(QString path) const
    {
        while (!path.isEmpty()) {
            if (const auto found = m_lines.constFind(path); found != m_lines.cend())
                return *found;
            path = path.section(u'/', 0, -2);
        }
        return 1;
    }

    /// Every path under `prefix/`, with its line.
    QList<QPair<QString, int>> under(const QString &prefix) const
    {
        QList<QPair<QString, int>> found;
        for (auto each = m_lines.cbegin(); each != m_lines.cend(); ++each) {
            if (each.key().startsWith(prefix + u'/'))
                found.append({each.key(), each.value()});
        }
        return found;
    }

private:
    QHash<QString, int> m_lines;
    int m_depth = 0;
};

QString join(const QString &path, const QString &key)
{
    return path.isEmpty() ? key : path + u'/' + key;
}

/// Reads a lesson's values, each checked as it is taken; every problem is kept with its line,
/// and the reading goes on, so that one pass names them all.
class LessonReader
{
    Q_DECLARE_TR_FUNCTIONS(veltrin::LessonFile)

public:
    explicit LessonReader(const KeyLines &lines) : m_lines(lines) {}

    std::vector<LessonFile::Problem> &problems() { return m_problems; }

    void problem(const QString &path, const QString &text)
    {
        if (qsizetype(m_problems.size()) < mostProblems)
            m_problems.push_back({m_lines.lineOf(path), text});
    }

    Lesson lesson(const QJsonObject &root)
    {
        Lesson lesson;
        lesson.title = text(root, {}, "title");
        lesson.summary = text(root, {}, "summary");
        lesson.minutes = whole(root, {}, "minutes", 1, 120, lesson.minutes);
        const QJsonArray stations = list(root, {}, "stations", 1, LessonFile::mostStations, true);
        for (qsizetype i = 0; i < stations.size(); ++i)
            lesson.stations.push_back(station(stations[i], QStringLiteral("stations/%1").arg(i)));
        return lesson;
    }

private:
    LessonStation station(const QJsonValue &value, const QString &path)
    {
        LessonStation station;
        if (!value.isObject()) {
            problem(path, tr("a station is not an object {…}"));
            return station;
        }
        const QJsonObject object = value.toObject();
        station.title = text(object, path, "title");
        station.setup = setup(object, path);
        station.question = text(object, path, "question");
        station.prediction = prediction(object, path);
        station.observe = text(object, path, "observe");
        station.explain = text(object, path, "explain");
        station.check = check(object, path);
        if (object.contains(QLatin1String("confront")))
            station.confront = confront(object, path);
        station.notes = text(object, path, "notes", false);
        return station;
    }

    Setup setup(const QJsonObject &station, const QString &path)
    {
        const QString at = join(path, QStringLiteral("setup"));
        const std::optional<QJsonObject> object = objectAt(station, path, "setup");
        if (!object)
            return {};
        const std::variant<Setup, QString> setup = SetupFile::fromObject(*object);
        if (const QString *fault = std::get_if<QString>(&setup)) {
            // The setup's fault names its key: the line is that key's within this setup.
            QString faultPath = at;
            qsizetype earliest = fault->size();
            for (const auto &[keyPath, line] : m_lines.under(at)) {
                const QString key = keyPath.section(u'/', -1);
                const QRegularExpression word(
                    QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(key)));
                const qsizetype found = fault->indexOf(word);
                if (found >= 0 && found < earliest) {
                    earliest = found;
                    faultPath = keyPath;
                }
            }
            problem(faultPath, tr("the set-up: %1").arg(*fault));
            return {};
        }
        return std::get<Setup>(setup);
    }

    LessonPrediction prediction(const QJsonObject &station, const QString &path)
    {
        LessonPrediction prediction;
        const std::optional<QJsonObject> object = objectAt(station, path, "predict");
        if (!object)
            return prediction;
        const QString at = join(path, QStringLiteral("predict"));
        const QString kind = object->value(QLatin1String("kind")).toString();
        if (kind == u"mark") {
            prediction.kind = LessonPrediction::Kind::Mark;
        } else if (kind == u"value") {
            prediction.kind = LessonPrediction::Kind::Value;
            prediction.unit = text(*object, at, "unit", false);
        } else if (kind == u"choice") {
            prediction.kind = LessonPrediction::Kind::Choice;
            const QJsonArray choices = list(*object, at, "choices", 2, 6, true);
            for (qsizetype i = 0; i < choices.size(); ++i)
                prediction.choices.push_back(
                    textIn(choices[i], join(at, QStringLiteral("choices/%1").arg(i)), "choices"));
        } else {
            problem(join(at, QStringLiteral("kind")),
                    tr("\"kind\" is none of \"mark\", \"value\" and \"choice\""));
        }
        prediction.prompt = text(*object, at, "prompt");
        return prediction;
    }

    LessonCheck check(const QJsonObject &station, const QString &path)
    {
        LessonCheck check;
        const std::optional<QJsonObject> object = objectAt(station, path, "check");
        if (!object)
            return check;
        const QString at = join(path, QStringLiteral("check"));
        check.prompt = text(*object, at, "prompt");
        check.answer = number(*object, at, "answer");
        check.tolerance = number(*object, at, "tolerance");
        if (std::isfinite(check.tolerance) && check.tolerance <= 0 &&
            object->contains(QLatin1String("tolerance")))
            problem(join(at, QStringLiteral("tolerance")),
                    tr("the check's tolerance must be above 0"));
        check.unit = text(*object, at, "unit", false);
        return check;
    }

    LessonConfront confront(const QJsonObject &station, const QString &path)
    {
        LessonConfront confront;
        const std::optional<QJsonObject> object = objectAt(station, path, "confront");
        if (!object)
            return confront;
        const QString at = join(path, QStringLiteral("confront"));
        confront.prompt = text(*object, at, "prompt");
        const QJsonArray answers = list(*object, at, "answers", 2, 6, true);
        for (qsizetype i = 0; i < answers.size(); ++i) {
            const QString answerAt = join(at, QStringLiteral("answers/%1").arg(i));
            if (!answers[i].isObject()) {
                problem(answerAt, tr("an answer is not an object {…}"));
                continue;
            }
            const QJsonObject answer = answers[i].toObject();
            LessonConfront::Answer read;
            read.text = text(answer, answerAt, "text");
            read.feedback = text(answer, answerAt, "feedback");
            const QJsonValue right = answer.value(QLatin1String("right"));
            if (!right.isUndefined() && !right.isBool())
                problem(join(answerAt, QStringLiteral("right")),
                        tr("\"right\" is neither true nor false"));
            read.right = right.toBool();
            confront.answers.push_back(read);
        }
        if (!answers.isEmpty() &&
            std::ranges::none_of(confront.answers, &LessonConfront::Answer::right))
            problem(join(at, QStringLiteral("answers")), tr("no answer is marked right"));
        return confront;
    }

    std::optional<QJsonObject> objectAt(const QJsonObject &object, const QString &path,
                                        const char *key)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isObject())
            return value.toObject();
        if (value.isUndefined())
            problem(path, tr("\"%1\" is missing").arg(QLatin1String(key)));
        else
            problem(join(path, QLatin1String(key)),
                    tr("\"%1\" is not an object {…}").arg(QLatin1String(key)));
        return std::nullopt;
    }

    LessonText text(const QJsonObject &object, const QString &path, const char *key,
                    bool required = true)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined()) {
            if (required)
                problem(path, tr("\"%1\" is missing").arg(QLatin1String(key)));
            return {};
        }
        return textIn(value, join(path, QLatin1String(key)), key);
    }

    LessonText textIn(const QJsonValue &value, const QString &path, const char *key)
    {
        static const QRegularExpression languageCode(
            QStringLiteral("^[a-z]{2,3}([_-][A-Za-z0-9]{2,8})?$"));
        LessonText text;
        if (value.isString()) {
            text.byLanguage.insert(QStringLiteral("en"), value.toString());
        } else if (value.isObject()) {
            const QJsonObject languages = value.toObject();
            for (auto each = languages.begin(); each != languages.end(); ++each) {
                if (!languageCode.match(each.key()).hasMatch() || !each.value().isString()) {
                    problem(path, tr("\"%1\" is neither a text nor texts by language code, "
                                     "such as {\"en\": \"…\", \"de\": \"…\"}")
                                      .arg(QLatin1String(key)));
                    return {};
                }
                text.byLanguage.insert(each.key(), each.value().toString());
            }
        } else {
            problem(path, tr("\"%1\" is neither a text nor texts by language code, such as "
                             "{\"en\": \"…\", \"de\": \"…\"}")
                              .arg(QLatin1String(key)));
            return {};
        }
        for (const QString &each : std::as_const(text.byLanguage)) {
            if (each.size() > LessonFile::longestText) {
                problem(path, tr("\"%1\" is longer than %2 characters")
                                  .arg(QLatin1String(key))
                                  .arg(LessonFile::longestText));
                return {};
            }
            if (each.trimmed().isEmpty()) {
                problem(path, tr("\"%1\" is empty").arg(QLatin1String(key)));
                return {};
            }
        }
        if (text.isEmpty())
            problem(path, tr("\"%1\" is empty").arg(QLatin1String(key)));
        return text;
    }

    double number(const QJsonObject &object, const QString &path, const char *key)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined()) {
            problem(path, tr("\"%1\" is missing").arg(QLatin1String(key)));
            return 0;
        }
        if (!value.isDouble() || !std::isfinite(value.toDouble())) {
            problem(join(path, QLatin1String(key)),
                    tr("\"%1\" is not a number").arg(QLatin1String(key)));
            return 0;
        }
        return value.toDouble();
    }

    int whole(const QJsonObject &object, const QString &path, const char *key, int low, int high,
              int otherwise)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined())
            return otherwise;
        const double given = value.toDouble(-1);
        if (!value.isDouble() || given != std::floor(given) || given < low || given > high) {
            problem(join(path, QLatin1String(key)), tr("\"%1\" is not a whole number from %2 to %3")
                                                        .arg(QLatin1String(key))
                                                        .arg(low)
                                                        .arg(high));
            return otherwise;
        }
        return int(given);
    }

    QJsonArray list(const QJsonObject &object, const QString &path, const char *key,
                    qsizetype fewest, qsizetype most, bool required)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined()) {
            if (required)
                problem(path, tr("\"%1\" is missing").arg(QLatin1String(key)));
            return {};
        }
        const QJsonArray items = value.toArray();
        if (!value.isArray() || items.size() < fewest || items.size() > most) {
            problem(join(path, QLatin1String(key)), tr("\"%1\" is not a list […] of %2 to %3 items")
                                                        .arg(QLatin1String(key))
                                                        .arg(fewest)
                                                        .arg(most));
            return {};
        }
        return items;
    }

    const KeyLines &m_lines;
    std::vector<LessonFile::Problem> m_problems;
};

QJsonValue textJson(const LessonText &text)
{
    QJsonObject languages;
    for (auto each = text.byLanguage.cbegin(); each != text.byLanguage.cend(); ++each)
        languages.insert(each.key(), each.value());
    return languages;
}

QJsonObject stationJson(const LessonStation &station)
{
    QJsonObject object{
        {QStringLiteral("title"), textJson(station.title)},
        {QStringLiteral("setup"), SetupFile::toObject(station.setup)},
        {QStringLiteral("question"), textJson(station.question)},
        {QStringLiteral("observe"), textJson(station.observe)},
        {QStringLiteral("explain"), textJson(station.explain)},
    };
    const LessonPrediction &prediction = station.prediction;
    QJsonObject predict{{QStringLiteral("prompt"), textJson(prediction.prompt)}};
    switch (prediction.kind) {
    case LessonPrediction::Kind::Mark:
        predict.insert(QStringLiteral("kind"), QStringLiteral("mark"));
        break;
    case LessonPrediction::Kind::Value:
        predict.insert(QStringLiteral("kind"), QStringLiteral("value"));
        if (!prediction.unit.isEmpty())
            predict.insert(QStringLiteral("unit"), textJson(prediction.unit));
        break;
    case LessonPrediction::Kind::Choice: {
        predict.insert(QStringLiteral("kind"), QStringLiteral("choice"));
        QJsonArray choices;
        for (const LessonText &choice : prediction.choices)
            choices.append(textJson(choice));
        predict.insert(QStringLiteral("choices"), choices);
        break;
    }
    }
    object.insert(QStringLiteral("predict"), predict);
    QJsonObject check{{QStringLiteral("prompt"), textJson(station.check.prompt)},
                      {QStringLiteral("answer"), station.check.answer},
                      {QStringLiteral("tolerance"), station.check.tolerance}};
    if (!station.check.unit.isEmpty())
        check.insert(QStringLiteral("unit"), textJson(station.check.unit));
    object.insert(QStringLiteral("check"), check);
    if (station.confront) {
        QJsonArray answers;
        for (const LessonConfront::Answer &answer : station.confront->answers)
            answers.append(QJsonObject{{QStringLiteral("text"), textJson(answer.text)},
                                       {QStringLiteral("right"), answer.right},
                                       {QStringLiteral("feedback"), textJson(answer.feedback)}});
        object.insert(QStringLiteral("confront"),
                      QJsonObject{{QStringLiteral("prompt"), textJson(station.confront->prompt)},
                                  {QStringLiteral("answers"), answers}});
    }
    if (!station.notes.isEmpty())
        object.insert(QStringLiteral("notes"), textJson(station.notes));
    return object;
}

int lineAt(const QByteArray &json, qsizetype offset)
{
    return int(json.left(offset).count('\n')) + 1;
}

} // namespace

QByteArray LessonFile::toJson(const Lesson &lesson)
{
    QJsonArray stations;
    for (const LessonStation &station : lesson.stations)
        stations.append(stationJson(station));
    const QJsonObject root{
        {QStringLiteral("format"), formatName},
        {QStringLiteral("version"), version},
        {QStringLiteral("title"), textJson(lesson.title)},
        {QStringLiteral("summary"), textJson(lesson.summary)},
        {QStringLiteral("minutes"), lesson.minutes},
        {QStringLiteral("stations"), stations},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::variant<Lesson, std::vector<LessonFile::Problem>> LessonFile::parse(const QByteArray &json,
                                                                         const QString &name)
{
    using Problems = std::vector<Problem>;
    if (json.size() > largest)
        return Problems{{1, tr("the lesson is larger than %1 bytes").arg(largest)}};
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return Problems{{lineAt(json, error.offset),
                         tr("the lesson is not readable JSON: %1").arg(error.errorString())}};
    const KeyLines lines(json);
    if (lines.depth() > deepest)
        return Problems{{1, tr("the lesson nests objects and lists deeper than %1").arg(deepest)}};
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QLatin1String("format")).toString() != formatName)
        return Problems{
            {1,
             tr("this is not a Veltrin lesson: it names no \"format\": \"%1\"").arg(formatName)}};
    const QJsonValue given = root.value(QLatin1String("version"));
    const int versionLine = lines.lineOf(QStringLiteral("version"));
    if (!given.isDouble() || given.toDouble() != std::floor(given.toDouble()) ||
        given.toDouble() < 1)
        return Problems{{versionLine, tr("the lesson names no version of its format")}};
    if (given.toDouble() > version)
        return Problems{
            {versionLine, tr("the lesson is of a newer version (%1) than this Veltrin reads (%2)")
                              .arg(given.toInteger())
                              .arg(version)}};
    LessonReader reader(lines);
    Lesson lesson = reader.lesson(root);
    if (!reader.problems().empty())
        return std::move(reader.problems());
    lesson.name = name;
    return lesson;
}

std::variant<Lesson, QStringList> LessonFile::fromJson(const QByteArray &json, const QString &name)
{
    std::variant<Lesson, std::vector<Problem>> parsed = parse(json, name);
    if (Lesson *lesson = std::get_if<Lesson>(&parsed))
        return std::move(*lesson);
    QStringList lines;
    for (const Problem &problem : std::get<std::vector<Problem>>(parsed))
        lines << tr("line %1: %2").arg(problem.line).arg(problem.text);
    return lines;
}

std::variant<Lesson, QStringList> LessonFile::read(const QString &nameOrPath)
{
    const QFileInfo info(nameOrPath);
    const bool looksLikeName = !nameOrPath.contains(u'/') && info.suffix() != QLatin1String(suffix);
    if (looksLikeName) {
        if (std::optional<Lesson> shipped = ShippedLessons::find(nameOrPath))
            return std::move(*shipped);
        if (!info.exists())
            return QStringList{tr("%1 is none of the lessons: %2")
                                   .arg(nameOrPath, ShippedLessons::names().join(u", "))};
    }
    // Only a file: a folder cannot be read, a device or a FIFO could give bytes without end.
    if (!info.exists())
        return QStringList{tr("%1: there is no such file").arg(nameOrPath)};
    if (!info.isFile())
        return QStringList{tr("%1: this is not a file").arg(nameOrPath)};
    QFile file(nameOrPath);
    if (!file.open(QIODevice::ReadOnly))
        return QStringList{tr("%1: %2").arg(nameOrPath, file.errorString())};
    // One byte beyond the largest, so that a larger file is told as such, not cut short.
    std::variant<Lesson, std::vector<Problem>> parsed =
        parse(file.read(largest + 1), info.completeBaseName());
    if (Lesson *lesson = std::get_if<Lesson>(&parsed))
        return std::move(*lesson);
    QStringList lines;
    for (const Problem &problem : std::get<std::vector<Problem>>(parsed))
        lines << QStringLiteral("%1:%2: %3").arg(nameOrPath).arg(problem.line).arg(problem.text);
    return lines;
}

} // namespace veltrin
