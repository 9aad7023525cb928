// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>

namespace veltrin {

/// The choices the program keeps from one start to the next, in the user's settings file
/// (Veltrin/Veltrin.conf in the configuration folder, as QSettings names it: groups in brackets,
/// one key=value a line). The file is read and written only where it is a regular file, or a
/// link to one, or not there yet; anything else at that path, a device, a FIFO or a folder, and
/// a file that cannot be read or written, leaves the program with its defaults, says so once on
/// the error output, and is never touched. Nothing is locked, so nothing can wait on a lock: of
/// two programs saving at once, the later one's file is the one kept, whole.
class SettingsStore
{
    Q_DECLARE_TR_FUNCTIONS(veltrin::SettingsStore)

public:
    /// A settings file holds a few lines; a file larger than this is not one of the program's,
    /// and is neither read nor written so large.
    static constexpr qint64 largestFile = 64 * 1024;

    /// The user's settings file.
    SettingsStore();
    /// The settings file at this path.
    explicit SettingsStore(QString path);

    /// The value as written, or none where the file holds none; a key is "group/name".
    std::optional<QString> text(const QString &key) const;
    /// A yes-or-no setting; the fallback where there is none or it is neither.
    bool flag(const QString &key, bool fallback) const;
    /// A whole number within [lowest, highest]; the fallback where there is none or it is not.
    int number(const QString &key, int fallback, int lowest, int highest) const;

    /// Writes the value, the other settings kept; false where the file may not be written, or
    /// would grow beyond largestFile.
    bool setText(const QString &key, const QString &value);
    bool setFlag(const QString &key, bool value);
    bool setNumber(const QString &key, int value);

    const QString &path() const { return m_path; }

private:
    /// The file's contents where it may be read and written; none, said once, where not.
    std::optional<QByteArray> contents() const;
    void complain(const QString &reason) const;

    QString m_path;
};

} // namespace veltrin
