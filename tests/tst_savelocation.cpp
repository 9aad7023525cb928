// SPDX-License-Identifier: GPL-3.0-or-later
#include "savelocation.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace veltrin;

namespace {

/// Answers the file dialog with `answer`, and keeps the path it proposed.
SaveLocation::Ask answering(const QString &answer, QString &proposed)
{
    return [answer, &proposed](QWidget *, const QString &, const QString &path, const QString &,
                               QString *) {
        proposed = path;
        return answer;
    };
}

} // namespace

// A home of the test's own, with a pictures folder and no documents folder, as the desktop
// names them where it names none itself.
class TstSaveLocation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("HOME", QFile::encodeName(m_home.path()));
        QVERIFY(QDir(m_home.path()).mkdir(QStringLiteral("Pictures")));
    }

    void firstInThePicturesFolderForAPictureElseInTheDocumentsOrHome()
    {
        QString proposed;
        SaveLocation picture;
        picture.setAsk(answering(QString(), proposed));
        picture.ask(nullptr, QString(), QStringLiteral("run.PNG"), QString());
        QCOMPARE(proposed, m_home.filePath(QStringLiteral("Pictures/run.PNG")));

        SaveLocation numbers; // no documents folder: home
        numbers.setAsk(answering(QString(), proposed));
        numbers.ask(nullptr, QString(), QStringLiteral("run.csv"), QString());
        QCOMPARE(proposed, m_home.filePath(QStringLiteral("run.csv")));
    }

    void thenInTheFolderLastSavedTo()
    {
        QString proposed;
        SaveLocation location;
        const QString chosen = m_home.filePath(QStringLiteral("class 7b/run.csv"));
        location.setAsk(answering(chosen, proposed));
        QCOMPARE(location.ask(nullptr, QString(), QStringLiteral("run.csv"), QString()), chosen);

        location.setAsk(answering(QString(), proposed)); // cancelled: the folder stays
        QCOMPARE(location.ask(nullptr, QString(), QStringLiteral("map.png"), QString()), QString());
        QCOMPARE(proposed, m_home.filePath(QStringLiteral("class 7b/map.png")));
        location.ask(nullptr, QString(), QStringLiteral("map.png"), QString());
        QCOMPARE(proposed, m_home.filePath(QStringLiteral("class 7b/map.png")));
    }

private:
    QTemporaryDir m_home;
};

QTEST_GUILESS_MAIN(TstSaveLocation)
#include "tst_savelocation.moc"
