// SPDX-License-Identifier: GPL-3.0-or-later
#include "streamedfile.h"

#include "wholefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace veltrin {

namespace {

/// The reason for the last failed write: the system's, as for a full disk, where it gave one.
QString writeFailure(const QFileDevice &file)
{
    return errno != 0 ? qt_error_string(errno) : file.errorString();
}

} // namespace

StreamedFile::StreamedFile(const QString &path, Takes takes)
{
    if (WholeFile::isStandardOutput(path) && takes == Takes::Anything) {
        std::fflush(stdout); // what was printed before goes first
        auto out = std::make_unique<QFile>();
        if (!out->open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered,
                       QFileDevice::DontCloseHandle))
            m_failure = out->errorString();
        m_file = std::move(out);
        return;
    }
    struct stat old
    {
    };
    const bool exists = ::stat(QFile::encodeName(path).constData(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode) && takes == Takes::RegularFileOnly) {
        m_failure = QCoreApplication::translate("veltrin::WholeFile", "not a regular file");
        return;
    }
    if (exists && S_ISDIR(old.st_mode)) {
        m_failure = qt_error_string(EISDIR);
        return;
    }
    if (exists && !S_ISREG(old.st_mode)) {
        // Opened without creating anything: a device, a FIFO or a terminal has nothing to
        // truncate, and takes the bytes as they come.
        auto file = std::make_unique<QFile>(path);
        if (!file->open(QIODevice::WriteOnly | QIODevice::ExistingOnly | QIODevice::Unbuffered))
            m_failure = file->errorString();
        m_file = std::move(file);
        return;
    }
    auto file = std::make_unique<QSaveFile>(path); // links are followed to the file they name
    if (!file->open(QIODevice::WriteOnly)) {
        m_failure = file->errorString();
        return;
    }
    if (exists) {
        // The new file takes the old one's place with its mode and, where allowed, its owner:
        // a read-only file stays read-only also when saved over by one who may write it.
        if (::fchmod(file->handle(), old.st_mode & 07777) != 0) {
            m_failure = qt_error_string(errno);
            return; // the temporary file goes with it
        }
        if (::geteuid() == 0 && ::fchown(file->handle(), old.st_uid, old.st_gid) != 0) {
            // The file is the saver's own then, and whole all the same.
        }
    }
    m_file = std::move(file);
}

StreamedFile::~StreamedFile() = default;

bool StreamedFile::write(QByteArrayView bytes)
{
    if (!m_failure.isEmpty() || !m_file)
        return false;
    errno = 0;
    if (m_file->write(bytes.data(), bytes.size()) != bytes.size()) {
        m_failure = writeFailure(*m_file);
        return false;
    }
    return true;
}

QString StreamedFile::commit()
{
    if (m_failure.isEmpty() && m_file) {
        errno = 0;
        // The last bytes wait in the file's buffer, and QSaveFile::commit() would rename the file
        // even where they could not be written: they go out here, where a failure can be seen.
        if (!m_file->flush())
            m_failure = writeFailure(*m_file);
        else if (auto *replacing = qobject_cast<QSaveFile *>(m_file.get());
                 replacing && !replacing->commit())
            m_failure = replacing->errorString();
    }
    m_file.reset(); // a temporary file not committed is removed
    return m_failure;
}

} // namespace veltrin
