// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsstore.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace veltrin;

// The file is the one QSettings reads and writes, so QSettings is the judge of what it holds.
class TstSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void readsAndWritesWhatQSettingsDoes()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Veltrin/Veltrin.conf"));
        {
            QSettings theirs(path, QSettings::IniFormat);
            theirs.setValue(QStringLiteral("top"), 3);
            theirs.setValue(QStringLiteral("sound/hearIt"), true);
            theirs.setValue(QStringLiteral("view/hearIt"), false);
            theirs.setValue(QStringLiteral("view/zoom"), 2);
        }
        SettingsStore ours(path);
        QCOMPARE(ours.number(QStringLiteral("top"), 0, 0, 10), 3);
        QCOMPARE(ours.flag(QStringLiteral("sound/hearIt"), false), true);
        QCOMPARE(ours.flag(QStringLiteral("view/hearIt"), true), false);
        QCOMPARE(ours.text(QStringLiteral("view/projector")), std::nullopt);

        QVERIFY(ours.setFlag(QStringLiteral("view/hearIt"), true));     // a key there
        QVERIFY(ours.setFlag(QStringLiteral("view/projector"), true));  // a new key of a group
        QVERIFY(ours.setNumber(QStringLiteral("closeup/arrows"), 300)); // a new group
        const QSettings theirs(path, QSettings::IniFormat);
        QCOMPARE(theirs.status(), QSettings::NoError);
        QCOMPARE(theirs.value(QStringLiteral("top")).toInt(), 3);
        QCOMPARE(theirs.value(QStringLiteral("sound/hearIt")).toBool(), true);
        QCOMPARE(theirs.value(QStringLiteral("view/hearIt")).toBool(), true);
        QCOMPARE(theirs.value(QStringLiteral("view/zoom")).toInt(), 2);
        QCOMPARE(theirs.value(QStringLiteral("view/projector")).toBool(), true);
        QCOMPARE(theirs.value(QStringLiteral("closeup/arrows")).toInt(), 300);
    }

    void startsAFileAndItsFolder()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("new/Veltrin/Veltrin.conf"));
        QVERIFY(SettingsStore(path).setFlag(QStringLiteral("view/projector"), true));
        QCOMPARE(QSettings(path, QSettings::IniFormat).value("view/projector").toBool(), true);
    }

    void aValueItDoesNotUnderstandIsTheDefault_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addRow("neither yes nor no") << QByteArray("banana");
        QTest::addRow("empty") << QByteArray("");
        QTest::addRow("above the highest") << QByteArray("11");
        QTest::addRow("not a whole number") << QByteArray("5.5");
        QTest::addRow("a number and more") << QByteArray("5x");
    }
    void aValueItDoesNotUnderstandIsTheDefault()
    {
        QFETCH(QByteArray, value);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Veltrin.conf"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[view]\nprojector=" + value + "\nzoom=" + value + "\n");
        file.close();
        const SettingsStore store(path);
        QCOMPARE(store.flag(QStringLiteral("view/projector"), true), true);
        QCOMPARE(store.flag(QStringLiteral("view/projector"), false), false);
        QCOMPARE(store.number(QStringLiteral("view/zoom"), 7, 1, 10), 7);
    }

    // A change that would make the file too large to be read again is not written: the file
    // stays as it was, and readable.
    void staysWithinItsOwnLimit()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Veltrin.conf"));
        QByteArray text = "[view]\nprojector=true\n";
        text += "; " + QByteArray(SettingsStore::largestFile - text.size() - 3, 'x') + '\n';
        QCOMPARE(text.size(), SettingsStore::largestFile);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();

        SettingsStore store(path);
        QVERIFY(!store.setFlag(QStringLiteral("view/projector"), false)); // one byte longer
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), text);
        QCOMPARE(store.flag(QStringLiteral("view/projector"), false), true);
    }
};

QTEST_GUILESS_MAIN(TstSettingsStore)
#include "tst_settingsstore.moc"
