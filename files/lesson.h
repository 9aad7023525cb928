// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "setup.h"

#include <QMap>
#include <QString>
#include <optional>
#include <vector>

namespace veltrin {

/// A text of a lesson in each language it was written in, by language code ("en", "de", "cs").
struct LessonText
{
    QMap<QString, QString> byLanguage;

    /// The text in `language` (or its language without the country), else in English, else in the
    /// first language by code.
    QString in(const QString &language) const;
    bool isEmpty() const { return byLanguage.isEmpty(); }

    friend bool operator==(const LessonText &, const LessonText &) = default;
};

/// What the pupil commits to before the bench shows the answer.
struct LessonPrediction
{
    enum class Kind { Mark, Value, Choice };

    Kind kind = Kind::Mark;
    LessonText prompt;
    LessonText unit;                 ///< a value's, may be empty
    std::vector<LessonText> choices; ///< a choice's, two or more

    friend bool operator==(const LessonPrediction &, const LessonPrediction &) = default;
};

/// A question only the bench can answer: a number read off with the detector or found by
/// changing the set-up, right within a tolerance.
struct LessonCheck
{
    LessonText prompt;
    double answer = 0;
    double tolerance = 0; ///< how far from `answer` a value is still right, same unit
    LessonText unit;

    /// Whether `value` is right.
    bool accepts(double value) const;

    friend bool operator==(const LessonCheck &, const LessonCheck &) = default;
};

/// A question that confronts reading the paths as the photon's trajectory, with feedback for
/// each answer.
struct LessonConfront
{
    struct Answer
    {
        LessonText text;
        bool right = false;
        LessonText feedback;

        friend bool operator==(const Answer &, const Answer &) = default;
    };

    LessonText prompt;
    std::vector<Answer> answers;

    friend bool operator==(const LessonConfront &, const LessonConfront &) = default;
};

/// One station of a lesson: the set-up the bench opens, the driving question, the prediction,
/// what to observe, the pupil's explanation, the bench-only question, and notes for the teacher.
struct LessonStation
{
    LessonText title;
    Setup setup;
    LessonText question;
    LessonPrediction prediction;
    LessonText observe;
    LessonText explain;
    LessonCheck check;
    std::optional<LessonConfront> confront;
    LessonText notes; ///< the teacher's, hidden unless asked for

    friend bool operator==(const LessonStation &, const LessonStation &) = default;
};

/// A guided lesson: stations a pupil works through beside the bench.
struct Lesson
{
    QString name; ///< a shipped lesson's name, or the file's base name
    LessonText title;
    LessonText summary;
    int minutes = 15;
    std::vector<LessonStation> stations;

    friend bool operator==(const Lesson &, const Lesson &) = default;
};

} // namespace veltrin
