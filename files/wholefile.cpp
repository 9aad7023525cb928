// SPDX-License-Identifier: GPL-3.0-or-later
#include "wholefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
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

QString WholeFile::write(const QString &path, const QByteArray &bytes, Wait wait,
                         std::stop_token stop)
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
    if (wait == Wait::Briefly)
        return writeBriefly(path, bytes, stop);
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
