// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lesson.h"
#include "lessonwork.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

namespace veltrin {

/// The pupil's work as the teacher reads it: a page naming the lesson, the pupil and the date,
/// and for each station the question, the prediction, whether the observation was reached, the
/// explanation, the answer to the bench's question with its verdict and the answer chosen to
/// the confronting question.
class LessonReport
{
    Q_DECLARE_TR_FUNCTIONS(veltrin::LessonReport)

public:
    LessonReport(const Lesson &lesson, const LessonWork &work, QString language);

    /// The page as HTML, for a QTextDocument.
    QString html() const;
    /// The page as a PDF file's bytes, A4.
    QByteArray pdf() const;

private:
    QString stationHtml(std::size_t index) const;
    QString prediction(const LessonStation &station, const LessonWork::Station &work) const;
    QString text(const LessonText &text) const { return text.in(m_language); }

    const Lesson &m_lesson;
    const LessonWork &m_work;
    QString m_language;
};

} // namespace veltrin
