// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessonwork.h"

#include "experiment.h"
#include "setup.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

namespace veltrin {

namespace {

const QString formatName = QStringLiteral("veltrin-work");
/// A lesson has at most 20 stations; more is no work of a lesson.
constexpr qsizetype mostStations = 20;

QString timeText(const QDateTime &time)
{
    return time.isValid() ? time.toUTC().toString(Qt::ISODateWithMs) : QString();
}

QJsonObject stationJson(const LessonWork::Station &station)
{
    QJsonObject object;
    if (!station.marks.empty()) {
        QJsonArray marks;
        for (const Vec2 mark : station.marks)
            marks.append(QJsonArray{mark.x, mark.y});
        object.insert(QStringLiteral("marks"), marks);
    }
    if (station.value)
        object.insert(QStringLiteral("value"), *station.value);
    if (station.choice)
        object.insert(QStringLiteral("choice"), *station.choice);
    if (station.isCommitted())
        object.insert(QStringLiteral("committed"), timeText(station.committed));
    object.insert(QStringLiteral("observed"), station.observed);
    object.insert(QStringLiteral("explanation"), station.explanation);
    if (station.checkAnswer)
        object.insert(QStringLiteral("checkAnswer"), *station.checkAnswer);
    object.insert(QStringLiteral("checkRight"), station.checkRight);
    object.insert(QStringLiteral("tries"), station.tries);
    if (station.confrontAnswer)
        object.insert(QStringLiteral("confront"), *station.confrontAnswer);
    object.insert(QStringLiteral("seconds"), station.seconds);
    return object;
}

/// Reads one object's fields, each checked as it is taken; the first fault is kept.
class Reader
{
public:
    explicit Reader(const QJsonObject &object, QString &fault) : m_object(object), m_fault(fault) {}

    void fail(const QString &key)
    {
        if (m_fault.isEmpty())
            m_fault = LessonWork::tr("\"%1\" does not hold what it should").arg(key);
    }

    QJsonValue take(const char *key) const { return m_object.value(QLatin1String(key)); }

    std::optional<double> number(const char *key, double low, double high)
    {
        const QJsonValue value = take(key);
        if (value.isUndefined())
            return std::nullopt;
        if (!value.isDouble() || !std::isfinite(value.toDouble()) || value.toDouble() < low ||
            value.toDouble() > high) {
            fail(QLatin1String(key));
            return std::nullopt;
        }
        return value.toDouble();
    }

    QString text(const char *key)
    {
        const QJsonValue value = take(key);
        if (!value.isUndefined() && !value.isString())
            fail(QLatin1String(key));
        return value.toString();
    }

    bool flag(const char *key)
    {
        const QJsonValue value = take(key);
        if (!value.isUndefined() && !value.isBool())
            fail(QLatin1String(key));
        return value.toBool();
    }

    QDateTime time(const char *key)
    {
        const QString given = text(key);
        if (given.isEmpty())
            return {};
        const QDateTime time = QDateTime::fromString(given, Qt::ISODateWithMs);
        if (!time.isValid())
            fail(QLatin1String(key));
        return time;
    }

private:
    QJsonObject m_object;
    QString &m_fault;
};

LessonWork::Station readStation(const QJsonValue &value, QString &fault)
{
    LessonWork::Station station;
    Reader reader(value.toObject(), fault);
    if (!value.isObject()) {
        reader.fail(QStringLiteral("stations"));
        return station;
    }
    const QJsonValue marks = reader.take("marks");
    if (!marks.isUndefined()) {
        const QJsonArray list = marks.toArray();
        if (!marks.isArray() || std::size_t(list.size()) > Setup::mostPredictions)
            reader.fail(QStringLiteral("marks"));
        constexpr double reach = Experiment::farthestReach;
        for (const QJsonValue &mark : list) {
            const QJsonArray pair = mark.toArray();
            const bool inReach = pair.size() == 2 && pair[0].isDouble() && pair[1].isDouble() &&
                                 std::abs(pair[0].toDouble()) <= reach &&
                                 std::abs(pair[1].toDouble()) <= reach;
            if (!inReach) {
                reader.fail(QStringLiteral("marks"));
                break;
            }
            station.marks.push_back({pair[0].toDouble(), pair[1].toDouble()});
        }
    }
    constexpr double huge = 1e15;
    station.value = reader.number("value", -huge, huge);
    if (const auto choice = reader.number("choice", 0, 5))
        station.choice = int(*choice);
    station.committed = reader.time("committed");
    station.observed = reader.flag("observed");
    station.explanation = reader.text("explanation");
    station.checkAnswer = reader.number("checkAnswer", -huge, huge);
    station.checkRight = reader.flag("checkRight");
    station.tries = int(reader.number("tries", 0, 1e9).value_or(0));
    if (const auto answer = reader.number("confront", 0, 5))
        station.confrontAnswer = int(*answer);
    station.seconds = qint64(reader.number("seconds", 0, 1e9).value_or(0));
    return station;
}

} // namespace

QByteArray LessonWork::toJson(const LessonWork &work)
{
    QJsonArray stations;
    for (const Station &station : work.stations)
        stations.append(stationJson(station));
    const QJsonObject object{
        {QStringLiteral("format"), formatName},
        {QStringLiteral("version"), version},
        {QStringLiteral("lesson"), work.lesson},
        {QStringLiteral("title"), work.title},
        {QStringLiteral("pupil"), work.pupil},
        {QStringLiteral("language"), work.language},
        {QStringLiteral("started"), timeText(work.started)},
        {QStringLiteral("stations"), stations},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

std::variant<LessonWork, QString> LessonWork::fromJson(const QByteArray &json)
{
    if (json.size() > largest)
        return tr("The file is larger than a pupil's work can be.");
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return tr("The file is not a pupil's work: %1").arg(error.errorString());
    const QJsonObject object = document.object();
    if (object.value(QStringLiteral("format")).toString() != formatName)
        return tr("The file is not a pupil's work: its format is not \"%1\"").arg(formatName);
    const QJsonValue given = object.value(QStringLiteral("version"));
    if (!given.isDouble() || given.toDouble() < 1 ||
        given.toDouble() != std::floor(given.toDouble()))
        return tr("The file has no version this program knows");
    if (given.toDouble() > version)
        return tr("The file was written by a later version of the program");

    QString fault;
    Reader reader(object, fault);
    LessonWork work;
    work.lesson = reader.text("lesson");
    work.title = reader.text("title");
    work.pupil = reader.text("pupil");
    work.language = reader.text("language");
    work.started = reader.time("started");
    const QJsonValue stations = reader.take("stations");
    if (!stations.isArray() || stations.toArray().size() > mostStations)
        reader.fail(QStringLiteral("stations"));
    for (const QJsonValue &station : stations.toArray()) {
        if (!fault.isEmpty())
            break;
        work.stations.push_back(readStation(station, fault));
    }
    if (!fault.isEmpty())
        return fault;
    return work;
}

} // namespace veltrin
