// SPDX-License-Identifier: GPL-3.0-or-later
#include "wholefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstdio>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace veltrin {

namespace {

/// What is at the path, links followed; none where nothing is there yet.
std::optional<struct stat> statusOf(const QString &path)
{
    struct stat status
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return status;
}

/// The reason for the last failed write: the system's, as for a full disk, where it gave one.
QString writeFailure(const QFileDevice &file)
{
    return errno != 0 ? qt_error_string(errno) : file.errorString();
}

/// Writes into what is already open and is not to be replaced: a device, a FIFO, a terminal.
QString writeInto(QFile &file, const QByteArray &bytes)
{
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush())
        return writeFailure(file);
    return {};
}

QString replaceRegularFile(const QString &path, const QByteArray &bytes,
                           const std::optional<struct stat> &old)
{
    QSaveFile file(path); // links are followed to the file they name
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (old) {
        // The new file takes the old one's place with its mode and, where allowed, its owner:
        // a read-only file stays read-only also when saved over by one who may write it.
        if (::fchmod(file.handle(), old->st_mode & 07777) != 0) {
            const QString reason = qt_error_string(errno);
            file.cancelWriting();
            return reason;
        }
        if (::geteuid() == 0 && ::fchown(file.handle(), old->st_uid, old->st_gid) != 0) {
            // The file is the saver's own then, and whole all the same.
        }
    }
    errno = 0;
    // The last bytes wait in the file's buffer, and commit() would rename the file even where
    // they could not be written: they go out here, where a failure can still be seen.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = writeFailure(file);
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace

QString WholeFile::write(const QString &path, const QByteArray &bytes)
{
    if (isStandardOutput(path)) {
        std::fflush(stdout);
        QFile out;
        if (!out.open(STDOUT_FILENO, QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
            return out.errorString();
        return writeInto(out, bytes);
    }
    const std::optional<struct stat> old = statusOf(path);
    if (!old || S_ISREG(old->st_mode))
        return replaceRegularFile(path, bytes, old);
    if (S_ISDIR(old->st_mode))
        return qt_error_string(EISDIR);
    // Opened without creating anything: what is there takes the bytes as they come (a device,
    // a FIFO or a terminal has nothing to truncate).
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        return file.errorString();
    return writeInto(file, bytes);
}

QString WholeFile::replace(const QString &path, const QByteArray &bytes)
{
    const std::optional<struct stat> old = statusOf(path);
    if (old && !S_ISREG(old->st_mode))
        return QCoreApplication::translate("veltrin::WholeFile", "not a regular file");
    return replaceRegularFile(path, bytes, old);
}

bool WholeFile::sameTarget(const QString &first, const QString &second)
{
    if (isStandardOutput(first) || isStandardOutput(second))
        return first == second;
    if (QFileInfo(first).absoluteFilePath() == QFileInfo(second).absoluteFilePath())
        return true;
    const std::optional<struct stat> a = statusOf(first);
    const std::optional<struct stat> b = statusOf(second);
    return a && b && a->st_dev == b->st_dev && a->st_ino == b->st_ino;
}

} // namespace veltrin
