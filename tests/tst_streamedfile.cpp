// SPDX-License-Identifier: GPL-3.0-or-later
#include "streamedfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace veltrin;

class TstStreamedFile : public QObject
{
    Q_OBJECT

private slots:
    // Written piece by piece, the file is the old one until it is committed, and the new one
    // whole after; given up half-way (a reader gone, a full disk), the old one stays.
    void replacesTheOldFileOnlyOnceCommitted()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("hits.csv"));
        const auto contents = [&path] {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        {
            StreamedFile given(path);
            QVERIFY(given.write("x,y\r\n"));
            QVERIFY(given.write("1,2\r\n"));
            QCOMPARE(contents(), "old");
        }
        QCOMPARE(contents(), "old");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"hits.csv"});

        StreamedFile file(path);
        QVERIFY(file.write("x,y\r\n"));
        QVERIFY(file.write("1,2\r\n"));
        QCOMPARE(file.commit(), QString());
        QCOMPARE(contents(), "x,y\r\n1,2\r\n");
    }
};

QTEST_GUILESS_MAIN(TstStreamedFile)
#include "tst_streamedfile.moc"
