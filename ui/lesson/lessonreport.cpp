// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessonreport.h"

#include <QBuffer>
#include <QLocale>
#include <QPageSize>
#include <QPdfWriter>
#include <QStringList>
#include <QTextDocument>
#include <cmath>

namespace veltrin {

namespace {

QString escaped(const QString &text)
{
    return text.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>"));
}

QString number(double value)
{
    return QLocale().toString(value, 'g', QLocale::FloatingPointShortest);
}

QString row(const QString &what, const QString &html)
{
    return QStringLiteral("<tr><td valign=\"top\"><b>%1</b></td><td>%2</td></tr>")
        .arg(escaped(what), html);
}

} // namespace

LessonReport::LessonReport(const Lesson &lesson, const LessonWork &work, QString language)
    : m_lesson(lesson), m_work(work), m_language(std::move(language))
{
}

QString LessonReport::html() const
{
    const QString pupil = m_work.pupil.isEmpty() ? tr("(no name given)") : m_work.pupil;
    QString page = QStringLiteral("<h1>%1</h1><p>%2<br>%3</p>")
                       .arg(escaped(text(m_lesson.title)), escaped(tr("Pupil: %1").arg(pupil)),
                            escaped(tr("Date: %1")
                                        .arg(QLocale().toString(m_work.started.toLocalTime(),
                                                                QLocale::LongFormat))));
    for (std::size_t i = 0; i < m_lesson.stations.size(); ++i)
        page += stationHtml(i);
    return page;
}

QString LessonReport::stationHtml(std::size_t index) const
{
    const LessonStation &station = m_lesson.stations[index];
    const LessonWork::Station work =
        index < m_work.stations.size() ? m_work.stations[index] : LessonWork::Station();
    QString rows = row(tr("Question"), escaped(text(station.question)));
    rows += row(tr("Prediction"), prediction(station, work));
    rows += row(tr("Observation"), escaped(work.observed ? tr("reached") : tr("not reached")));
    rows += row(tr("Explanation"),
                work.explanation.isEmpty() ? escaped(tr("none")) : escaped(work.explanation));
    QString check = escaped(tr("not answered"));
    if (work.checkAnswer) {
        QString answer = number(*work.checkAnswer);
        if (!station.check.unit.isEmpty())
            answer += u' ' + text(station.check.unit);
        check = escaped(tr("%1: %2 (tries: %3)")
                            .arg(answer, work.checkRight ? tr("right") : tr("not right"),
                                 QLocale().toString(work.tries)));
    }
    rows += row(text(station.check.prompt), check);
    if (station.confront) {
        QString chosen = escaped(tr("not answered"));
        const auto &answers = station.confront->answers;
        if (work.confrontAnswer && std::size_t(*work.confrontAnswer) < answers.size()) {
            const auto &answer = answers[std::size_t(*work.confrontAnswer)];
            chosen = escaped(
                tr("%1 (%2)").arg(text(answer.text), answer.right ? tr("right") : tr("not right")));
        }
        rows += row(text(station.confront->prompt), chosen);
    }
    rows += row(tr("Time spent"),
                escaped(tr("%1 min").arg(QLocale().toString(double(work.seconds) / 60, 'f', 1))));
    return QStringLiteral("<h2>%1</h2><table cellpadding=\"3\">%2</table>")
        .arg(escaped(tr("Station %1: %2").arg(index + 1).arg(text(station.title))), rows);
}

QString LessonReport::prediction(const LessonStation &station,
                                 const LessonWork::Station &work) const
{
    if (!work.isCommitted())
        return escaped(tr("not committed"));
    QString given;
    switch (station.prediction.kind) {
    case LessonPrediction::Kind::Mark: {
        QStringList marks;
        for (const Vec2 mark : work.marks)
            marks << tr("(%1, %2)").arg(number(std::round(mark.x)), number(std::round(mark.y)));
        given = tr("marks at %1 twips").arg(marks.join(QStringLiteral(", ")));
        break;
    }
    case LessonPrediction::Kind::Value:
        given = number(work.value.value_or(0));
        if (!station.prediction.unit.isEmpty())
            given += u' ' + text(station.prediction.unit);
        break;
    case LessonPrediction::Kind::Choice:
        if (work.choice && std::size_t(*work.choice) < station.prediction.choices.size())
            given = text(station.prediction.choices[std::size_t(*work.choice)]);
        break;
    }
    return escaped(tr("%1, committed %2")
                       .arg(given, QLocale().toString(work.committed.toLocalTime().time(),
                                                      QLocale::ShortFormat)));
}

QByteArray LessonReport::pdf() const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setTitle(text(m_lesson.title));
    QTextDocument document;
    document.setHtml(html());
    document.print(&writer);
    return bytes;
}

} // namespace veltrin
