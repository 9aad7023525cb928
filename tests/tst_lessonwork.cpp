// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessonwork.h"

#include <QTest>

using namespace veltrin;

class TstLessonWork : public QObject
{
    Q_OBJECT

private slots:
    void workComesBackWhole()
    {
        LessonWork work;
        work.lesson = QStringLiteral("focus");
        work.title = QStringLiteral("Das Brennglas \"Spiegel\"");
        work.pupil = QStringLiteral("Jiří Nováková");
        work.language = QStringLiteral("de");
        work.started = QDateTime(QDate(2026, 12, 10), QTime(8, 15, 3, 250), Qt::UTC);
        LessonWork::Station marked;
        marked.marks = {{2500.5, -3}, {4000, 120}};
        marked.committed = work.started.addSecs(90);
        marked.observed = true;
        marked.explanation = QStringLiteral("All paths\nare equally long.");
        marked.checkAnswer = 2490;
        marked.checkRight = true;
        marked.tries = 3;
        marked.confrontAnswer = 1;
        marked.seconds = 315;
        LessonWork::Station valued;
        valued.value = -0.125;
        valued.committed = work.started.addMSecs(400123);
        valued.checkAnswer = 17;
        valued.tries = 1;
        LessonWork::Station untouched;
        untouched.choice = 0; // chosen, not committed
        work.stations = {marked, valued, untouched, {}};

        const auto read = LessonWork::fromJson(LessonWork::toJson(work));
        QVERIFY2(
            std::holds_alternative<LessonWork>(read),
            qPrintable(std::get_if<QString>(&read) ? *std::get_if<QString>(&read) : QString()));
        QCOMPARE(std::get<LessonWork>(read), work);
    }

    void aForeignLaterOrBrokenFileIsNoWork_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addRow("a setup") << QByteArray(R"({"format": "veltrin-setup", "version": 1})");
        QTest::addRow("a later version")
            << QByteArray(R"({"format": "veltrin-work", "version": 2, "stations": []})");
        QTest::addRow("no stations") << QByteArray(R"({"format": "veltrin-work", "version": 1})");
        QTest::addRow("a mark beyond the map") << QByteArray(
            R"({"format": "veltrin-work", "version": 1, "stations": [{"marks": [[1e9, 0]]}]})");
        QTest::addRow("tries as text") << QByteArray(
            R"({"format": "veltrin-work", "version": 1, "stations": [{"tries": "3"}]})");
        QTest::addRow("cut short") << QByteArray("{\"format\": \"veltrin-work\", \"vers");
    }

    void aForeignLaterOrBrokenFileIsNoWork()
    {
        QFETCH(QByteArray, json);
        const auto read = LessonWork::fromJson(json);
        QVERIFY(std::holds_alternative<QString>(read));
        QVERIFY(!std::get<QString>(read).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstLessonWork)
#include "tst_lessonwork.moc"
