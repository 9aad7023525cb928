// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "setup.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QJsonObject>
#include <QString>
#include <variant>

namespace veltrin {

/// A setup as a file a person can read (JSON with a format version, `.veltrin`) and as a share
/// code a pupil can paste. Reading checks every value and every size before anything is taken:
/// a file from a newer version, a broken or hostile one gives one line naming the problem and
/// no setup at all.
class SetupFile
{
    Q_DECLARE_TR_FUNCTIONS(veltrin::SetupFile)

public:
    static constexpr int version = 1;
    /// The largest file or unpacked share code read, bytes: far beyond any real setup.
    static constexpr qsizetype largest = 1 << 20;
    static constexpr const char *suffix = "veltrin";

    static QByteArray toJson(const Setup &setup);
    /// The setup, or one line naming what is wrong with the text.
    static std::variant<Setup, QString> fromJson(const QByteArray &json);

    /// The setup's keys without the format and its version, as another file holds a setup.
    static QJsonObject toObject(const Setup &setup);
    /// The setup those keys hold, checked as a file's are, or one line naming the problem.
    static std::variant<Setup, QString> fromObject(const QJsonObject &object);

    /// The setup as a short text of URL-safe characters.
    static QString shareCode(const Setup &setup);
    static std::variant<Setup, QString> fromShareCode(const QString &code);
};

} // namespace veltrin
