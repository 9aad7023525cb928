// SPDX-License-Identifier: GPL-3.0-or-later
#include "wholefile.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <future>
#include <poll.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

using namespace veltrin;
using namespace std::chrono_literals;
using Wait = WholeFile::Wait;

namespace {

/// Far beyond what a write here takes; a write that hangs fails its test after it, never holds
/// the suite to its time-out.
constexpr auto hangs = 10s;

// More than a pipe holds at once, so that a reader must keep taking it.
QByteArray bytes()
{
    QByteArray text;
    for (int i = 0; i < 20000; ++i)
        text += QByteArray::number(i) + ",";
    return text;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

mode_t modeOf(const QString &path, bool followLinks = true)
{
    struct stat status
    {
    };
    const QByteArray name = QFile::encodeName(path);
    (followLinks ? ::stat : ::lstat)(name.constData(), &status);
    return status.st_mode;
}

/// Writes bytes() on a thread of its own, so that the test reads or gives up meanwhile. A write
/// that never returns is left behind when the test ends.
std::future<QString> writeOnItsOwn(const QString &path, Wait wait)
{
    std::promise<QString> promise;
    std::future<QString> result = promise.get_future();
    std::thread([promise = std::move(promise), path, wait]() mutable {
        promise.set_value(WholeFile::write(path, bytes(), wait));
    }).detach();
    return result;
}

bool ends(const std::future<QString> &writing, std::chrono::milliseconds within = hangs)
{
    return writing.wait_for(within) == std::future_status::ready;
}

/// Opens the FIFO for reading without waiting for a writer.
int openReader(const QString &fifo)
{
    return ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
}

/// Everything the writer sends, until it has closed the FIFO or the time is up.
QByteArray readAll(int reader, const std::future<QString> &writing)
{
    QByteArray received;
    const QDeadlineTimer deadline(hangs);
    char buffer[65536];
    while (!deadline.hasExpired()) {
        pollfd ready{reader, POLLIN, 0};
        ::poll(&ready, 1, 50);
        const ssize_t n = ::read(reader, buffer, sizeof buffer);
        if (n > 0)
            received.append(buffer, n);
        else if (n == 0 && ends(writing, 0ms))
            break;
    }
    return received;
}

} // namespace

class TestWholeFile : public QObject
{
    Q_OBJECT

private slots:
    // A window's reader is there before it writes; the command line's may come after.
    void writesWholeIntoAFifoAndLeavesItOne_data()
    {
        QTest::addColumn<Wait>("wait");
        QTest::addRow("window") << Wait::Briefly;
        QTest::addRow("command line") << Wait::ForReader;
    }
    void writesWholeIntoAFifoAndLeavesItOne()
    {
        QFETCH(Wait, wait);
        QTemporaryDir dir;
        const QString fifo = dir.filePath(QStringLiteral("pipe"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        int reader = -1;
        if (wait == Wait::Briefly)
            reader = openReader(fifo);
        std::future<QString> writing = writeOnItsOwn(fifo, wait);
        if (wait == Wait::ForReader) {
            QVERIFY2(!ends(writing, 200ms), "the command line did not wait for its reader");
            reader = openReader(fifo);
        }
        QVERIFY(reader >= 0);
        const QByteArray received = readAll(reader, writing);
        ::close(reader);
        QVERIFY2(ends(writing, 0ms), "the write did not end");
        const QString failure = writing.get();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QCOMPARE(received, bytes());
        QVERIFY(S_ISFIFO(modeOf(fifo)));
    }
    // A window never hangs on a FIFO: where no one reads it, or the reader takes nothing or goes
    // away, the write fails within seconds, and the program goes on.
    void aWindowsWriteIntoAFifoEndsWhateverTheReader_data()
    {
        QTest::addColumn<QString>("reader");
        QTest::addRow("none") << "none";
        QTest::addRow("one that takes nothing") << "idle";
        QTest::addRow("one that goes away") << "leaving";
    }
    void aWindowsWriteIntoAFifoEndsWhateverTheReader()
    {
        QFETCH(QString, reader);
        QTemporaryDir dir;
        const QString fifo = dir.filePath(QStringLiteral("pipe"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const int fd = reader == u"none" ? -1 : openReader(fifo);
        std::future<QString> writing = writeOnItsOwn(fifo, Wait::Briefly);
        if (reader == u"leaving") {
            pollfd ready{fd, POLLIN, 0};
            QCOMPARE(::poll(&ready, 1, int(std::chrono::milliseconds(hangs).count())), 1);
            ::close(fd);
        }
        const bool ended = ends(writing);
        if (reader == u"idle")
            ::close(fd);
        QVERIFY2(ended, "the write hangs");
        QVERIFY(!writing.get().isEmpty());
        QVERIFY(S_ISFIFO(modeOf(fifo)));
    }

    // A device node of the test's own with the null device's number, so that nothing done here
    // can reach the machine's /dev; and a link to it.
    void writesIntoADeviceAndLeavesItOne()
    {
        if (::geteuid() != 0)
            QSKIP("Making a device node takes root.");
        QTemporaryDir dir;
        const QString node = dir.filePath(QStringLiteral("null"));
        const QByteArray name = QFile::encodeName(node);
        const dev_t null = makedev(1, 3); // the null device on Linux
        if (::mknod(name.constData(), S_IFCHR | 0666, null) != 0)
            QSKIP(qPrintable(QStringLiteral("No device node can be made here: ") +
                             qt_error_string(errno)));
        const int probe = ::open(name.constData(), O_WRONLY | O_CLOEXEC);
        if (probe < 0)
            QSKIP("The temporary folder's file system opens no devices.");
        ::close(probe);
        const QString link = dir.filePath(QStringLiteral("link"));
        QVERIFY(QFile::link(node, link));

        for (const QString &path : {node, link}) {
            for (const Wait wait : {Wait::Briefly, Wait::ForReader}) {
                const QString failure = WholeFile::write(path, bytes(), wait);
                QVERIFY2(failure.isEmpty(), qPrintable(failure));
            }
        }
        struct stat status
        {
        };
        QCOMPARE(::stat(name.constData(), &status), 0);
        QVERIFY(S_ISCHR(status.st_mode));
        QCOMPARE(status.st_rdev, null);
        QVERIFY(S_ISLNK(modeOf(link, false)));
    }

    void writesDashToStandardOutput()
    {
        QTemporaryDir dir;
        const QString captured = dir.filePath(QStringLiteral("out"));
        const int saved = ::dup(STDOUT_FILENO);
        const int file = ::open(QFile::encodeName(captured).constData(), O_WRONLY | O_CREAT, 0600);
        ::dup2(file, STDOUT_FILENO);
        const QString failure = WholeFile::write(QStringLiteral("-"), bytes());
        ::dup2(saved, STDOUT_FILENO);
        ::close(file);
        ::close(saved);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QCOMPARE(contents(captured), bytes());
        QVERIFY(!QFile::exists(QStringLiteral("-")));
    }

    void savesThroughALinkKeepingTheFilesMode()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("target.csv"));
        const QString link = dir.filePath(QStringLiteral("link.csv"));
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        QCOMPARE(::chmod(QFile::encodeName(target).constData(), 0604), 0);
        QVERIFY(QFile::link(target, link));

        const QString failure = WholeFile::write(link, bytes());
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QVERIFY(S_ISLNK(modeOf(link, false)));
        QCOMPARE(contents(target), bytes());
        QCOMPARE(modeOf(target) & 07777, mode_t(0604));
    }

    void refusesADirectory()
    {
        QTemporaryDir dir;
        QVERIFY(!WholeFile::write(dir.path(), bytes()).isEmpty());
        QVERIFY(QFileInfo(dir.path()).isDir());
    }

    void knowsTwoNamesOfOneFile()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("a.png"));
        QFile(file).open(QIODevice::WriteOnly);
        const QString link = dir.filePath(QStringLiteral("b.png"));
        QVERIFY(QFile::link(file, link));
        QVERIFY(WholeFile::sameTarget(file, link));
        QVERIFY(WholeFile::sameTarget(dir.filePath(QStringLiteral("new.csv")),
                                      dir.filePath(QStringLiteral("./new.csv"))));
        QVERIFY(WholeFile::sameTarget(QStringLiteral("-"), QStringLiteral("-")));
        QVERIFY(!WholeFile::sameTarget(file, QStringLiteral("-")));
        // Nothing there yet: a link would still write into the file it names.
        const QString later = dir.filePath(QStringLiteral("later.csv"));
        const QString linkToLater = dir.filePath(QStringLiteral("soon.csv"));
        QVERIFY(QFile::link(later, linkToLater));
        QVERIFY(WholeFile::sameTarget(later, linkToLater));
        const QString folderLink = dir.filePath(QStringLiteral("here"));
        QVERIFY(QFile::link(dir.path(), folderLink));
        QVERIFY(WholeFile::sameTarget(later, folderLink + QStringLiteral("/later.csv")));
        QVERIFY(!WholeFile::sameTarget(later, dir.filePath(QStringLiteral("other.csv"))));
    }

    // Found before any work, so that a long computation is not spent on a file that cannot be
    // written; nothing is made in finding it.
    void findsWhatStopsAWriteBeforeWriting_data()
    {
        QTest::addColumn<QString>("name"); // in a fresh folder that holds a file "file"
        QTest::addColumn<bool>("stopped");
        QTest::addRow("a new file") << "new.csv" << false;
        QTest::addRow("a file there") << "file" << false;
        QTest::addRow("a folder that is not there") << "none/new.csv" << true;
        QTest::addRow("a file taken for a folder") << "file/new.csv" << true;
        QTest::addRow("a folder") << "." << true;
        QTest::addRow("a link into a folder that is not there") << "dangling" << true;
    }
    void findsWhatStopsAWriteBeforeWriting()
    {
        QFETCH(QString, name);
        QFETCH(bool, stopped);
        QTemporaryDir dir;
        QFile(dir.filePath(QStringLiteral("file"))).open(QIODevice::WriteOnly);
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("none/x.csv")),
                            dir.filePath(QStringLiteral("dangling"))));
        const QString reason = WholeFile::writeObstacle(dir.filePath(name));
        QCOMPARE(!reason.isEmpty(), stopped);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
                 QStringList({"dangling", "file"}));
    }
};

QTEST_GUILESS_MAIN(TestWholeFile)
#include "tst_wholefile.moc"
