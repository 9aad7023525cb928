// SPDX-License-Identifier: GPL-3.0-or-later
#include "wholefile.h"

#include "streamedfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <pthread.h>
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

/// What the standard output is, where it is open.
std::optional<struct stat> standardOutput()
{
    struct stat status
    {
    };
    if (::fstat(STDOUT_FILENO, &status) != 0)
        return std::nullopt;
    return status;
}

/// The file a name leads to once its links are followed, as QSaveFile follows them, in its
/// folder's canonical form where that folder is there: two names of one place come out the same,
/// also where no file is there yet.
QString placeOf(const QString &path)
{
    QFileInfo info(path);
    for (int hops = 0; hops < 40 && info.isSymLink(); ++hops)
        info.setFile(info.symLinkTarget());
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? info.absoluteFilePath() : folder + u'/' + info.fileName();
}

/// While it lives, a reader that goes away makes a write on this thread fail with EPIPE rather
/// than end the program with SIGPIPE.
class PipeSignalHeld
{
public:
    PipeSignalHeld()
    {
        sigemptyset(&m_pipe);
        sigaddset(&m_pipe, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &m_pipe, &m_before);
        sigset_t pending;
        sigpending(&pending);
        m_wasPending = sigismember(&pending, SIGPIPE) == 1;
    }
    ~PipeSignalHeld()
    {
        // The signal a failed write raised goes with it; one that was there before stays.
        const timespec none{};
        if (!m_wasPending) {
            while (sigtimedwait(&m_pipe, nullptr, &none) < 0 && errno == EINTR) {
            }
        }
        pthread_sigmask(SIG_SETMASK, &m_before, nullptr);
    }
    PipeSignalHeld(const PipeSignalHeld &) = delete;
    PipeSignalHeld &operator=(const PipeSignalHeld &) = delete;

private:
    sigset_t m_pipe;
    sigset_t m_before;
    bool m_wasPending = false;
};

/// Waits until the reader takes more, for at most `patience`, looking at the stop between
/// slices of the wait. Returns why it gave up, or an empty string where it may write again.
QString waitUntilWritable(int fd, const std::stop_token &stop)
{
    using namespace std::chrono;
    constexpr milliseconds slice{50};
    const auto deadline = steady_clock::now() + WholeFile::patience;
    for (;;) {
        if (stop.stop_requested())
            return QCoreApplication::translate("veltrin::WholeFile",
                                               "the save was abandoned as its window closed");
        const auto left = duration_cast<milliseconds>(deadline - steady_clock::now());
        if (left <= milliseconds::zero())
            return QCoreApplication::translate(
                "veltrin::WholeFile", "the program reading it has stopped taking the data");
        // Ready also where the reader has gone: the next write says so.
        pollfd ready{fd, POLLOUT, 0};
        const int polled = ::poll(&ready, 1, int(std::min(left, slice).count()));
        if (polled > 0)
            return {};
        if (polled < 0 && errno != EINTR)
            return qt_error_string(errno);
    }
}

/// Writes into a FIFO, a terminal or a device without ever waiting long: a FIFO that no one
/// reads fails at once, a reader that takes nothing for `patience` fails the write, and so does
/// a request to stop, such as a closing window's, within a slice of the wait.
QString writeBriefly(const QString &path, const QByteArray &bytes, const std::stop_token &stop)
{
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return errno == ENXIO
                   ? QCoreApplication::translate("veltrin::WholeFile", "no program reads from it")
                   : qt_error_string(errno);
    const PipeSignalHeld held;
    QString failure;
    for (qsizetype written = 0; written < bytes.size() && failure.isEmpty();) {
        const ssize_t n = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (n > 0) {
            written += n;
        } else if (n == 0) { // takes nothing and says nothing: not to be waited on
            failure = qt_error_string(EIO);
        } else if (errno == EAGAIN) {
            failure = waitUntilWritable(fd, stop);
        } else if (errno != EINTR) {
            failure = qt_error_string(errno);
        }
    }
    if (::close(fd) != 0 && failure.isEmpty() && errno != EINTR)
        failure = qt_error_string(errno);
    return failure;
}

} // namespace

QString WholeFile::write(const QString &path, const QByteArray &bytes, Wait wait,
                         std::stop_token stop)
{
    if (!isStandardOutput(path) && wait == Wait::Briefly) {
        const std::optional<struct stat> old = statusOf(path);
        if (old && !S_ISREG(old->st_mode) && !S_ISDIR(old->st_mode))
            return writeBriefly(path, bytes, stop);
    }
    StreamedFile file(path);
    file.write(bytes);
    return file.commit();
}

QString WholeFile::replace(const QString &path, const QByteArray &bytes)
{
    StreamedFile file(path, StreamedFile::Takes::RegularFileOnly);
    file.write(bytes);
    return file.commit();
}

QString WholeFile::writeObstacle(const QString &path)
{
    if (isStandardOutput(path)) {
        const int flags = ::fcntl(STDOUT_FILENO, F_GETFL);
        if (flags < 0 || (flags & O_ACCMODE) == O_RDONLY)
            return QCoreApplication::translate("veltrin::WholeFile",
                                               "the standard output is closed");
        return {};
    }
    const QByteArray name = QFile::encodeName(path);
    struct stat status
    {
    };
    if (::stat(name.constData(), &status) == 0) {
        if (S_ISDIR(status.st_mode))
            return qt_error_string(EISDIR);
        if (!S_ISREG(status.st_mode)) // written straight into
            return ::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) == 0
                       ? QString()
                       : qt_error_string(errno);
    } else if (errno != ENOENT) {
        return qt_error_string(errno);
    }
    // A new file is made, and an old one replaced, in the folder of the file the name leads to.
    const QByteArray folder = QFile::encodeName(QFileInfo(placeOf(path)).absolutePath());
    if (::faccessat(AT_FDCWD, folder.constData(), W_OK | X_OK, AT_EACCESS) != 0)
        return qt_error_string(errno);
    return {};
}

bool WholeFile::sameTarget(const QString &first, const QString &second)
{
    const bool firstOut = isStandardOutput(first), secondOut = isStandardOutput(second);
    if (firstOut && secondOut)
        return true;
    if (!firstOut && !secondOut && placeOf(first) == placeOf(second))
        return true;
    // Also the standard output and the file it is sent to.
    const std::optional<struct stat> a = firstOut ? standardOutput() : statusOf(first);
    const std::optional<struct stat> b = secondOut ? standardOutput() : statusOf(second);
    return a && b && a->st_dev == b->st_dev && a->st_ino == b->st_ino;
}

} // namespace veltrin
