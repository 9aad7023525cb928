// SPDX-License-Identifier: GPL-3.0-or-later
#include "wholefile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace veltrin;

namespace {

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

} // namespace

class TestWholeFile : public QObject
{
    Q_OBJECT

private slots:
    void writesWholeIntoAFifoAndLeavesItOne()
    {
        QTemporaryDir dir;
        const QString fifo = dir.filePath(QStringLiteral("pipe"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QByteArray received;
        std::thread reader([&] { received = contents(fifo); });
        const QString failure = WholeFile::write(fifo, bytes());
        reader.join();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QCOMPARE(received, bytes());
        QVERIFY(S_ISFIFO(modeOf(fifo)));
    }

    void writesIntoADeviceAndLeavesItOne()
    {
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("null"));
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), link));
        for (const QString &path : {QStringLiteral("/dev/null"), link}) {
            const QString failure = WholeFile::write(path, bytes());
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
        }
        QVERIFY(S_ISCHR(modeOf(QStringLiteral("/dev/null"))));
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
    }
};

QTEST_GUILESS_MAIN(TestWholeFile)
#include "tst_wholefile.moc"
