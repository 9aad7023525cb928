// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "vec2.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <optional>
#include <variant>
#include <vector>

namespace veltrin {

/// What a pupil did in a lesson, station by station, to hand in: a JSON file
/// (`.veltrin-work`) the teacher's report is made from.
struct LessonWork
{
    Q_DECLARE_TR_FUNCTIONS(veltrin::LessonWork)

public:
    static constexpr int version = 1;
    /// The largest file read, bytes: far beyond any pupil's work.
    static constexpr qsizetype largest = 1 << 20;
    static constexpr const char *suffix = "veltrin-work";

    struct Station
    {
        // The prediction: the marks, the value or the choice, as the station asks.
        std::vector<Vec2> marks;
        std::optional<double> value;
        std::optional<int> choice;
        QDateTime committed;   ///< invalid until the prediction is committed
        bool observed = false; ///< the bench showed the answer after the prediction
        QString explanation;
        std::optional<double> checkAnswer; ///< the last answer checked
        bool checkRight = false;
        int tries = 0;
        std::optional<int> confrontAnswer;
        qint64 seconds = 0; ///< spent at the station

        bool isCommitted() const { return committed.isValid(); }

        friend bool operator==(const Station &, const Station &) = default;
    };

    QString lesson; ///< the lesson's name
    QString title;  ///< in the language it was worked in
    QString pupil;
    QString language;
    QDateTime started;
    std::vector<Station> stations;

    static QByteArray toJson(const LessonWork &work);
    /// The work, or one line naming what is wrong with the text.
    static std::variant<LessonWork, QString> fromJson(const QByteArray &json);

    friend bool operator==(const LessonWork &, const LessonWork &) = default;
};

} // namespace veltrin
