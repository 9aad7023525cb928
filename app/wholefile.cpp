// SPDX-License-Identifier: GPL-3.0-or-later
#include "wholefile.h"

#include <QSaveFile>
#include <cerrno>

namespace veltrin {

namespace {

/// The system's own words for the last failure where the file only knows that a write failed,
/// as for a disk that is full or a file grown beyond its limit.
QString reasonFor(const QSaveFile &file)
{
    return errno != 0 ? qt_error_string(errno) : file.errorString();
}

} // namespace

QString WholeFile::write(const QString &path, const std::function<QString(QIODevice &)> &fill)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    errno = 0;
    QString reason = fill(file);
    if (!reason.isEmpty() && file.error() != QFileDevice::NoError)
        reason = reasonFor(file);
    // The last bytes wait in the file's buffer, and commit() would rename the file even where
    // they could not be written: they go out here, where a failure can still be seen.
    if (reason.isEmpty()) {
        errno = 0;
        if (!file.flush())
            reason = reasonFor(file);
    }
    if (!reason.isEmpty()) {
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace veltrin
