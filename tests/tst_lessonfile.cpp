// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessonfile.h"
#include "setupfile.h"
#include "shippedlessons.h"

#include <QTest>

using namespace veltrin;

namespace {

Lesson read(const std::variant<Lesson, QStringList> &result)
{
    if (const QStringList *problems = std::get_if<QStringList>(&result))
        qWarning("%s", qPrintable(problems->join(u'\n')));
    return std::get<Lesson>(result);
}

/// Every text a pupil or a teacher reads in the lesson.
std::vector<LessonText> textsOf(const Lesson &lesson)
{
    std::vector<LessonText> texts{lesson.title, lesson.summary};
    for (const LessonStation &station : lesson.stations) {
        texts.insert(texts.end(),
                     {station.title, station.question, station.prediction.prompt, station.observe,
                      station.explain, station.check.prompt, station.notes});
        texts.insert(texts.end(), station.prediction.choices.begin(),
                     station.prediction.choices.end());
        for (const LessonText *optional : {&station.prediction.unit, &station.check.unit}) {
            if (!optional->isEmpty())
                texts.push_back(*optional);
        }
        if (station.confront) {
            texts.push_back(station.confront->prompt);
            for (const LessonConfront::Answer &answer : station.confront->answers)
                texts.insert(texts.end(), {answer.text, answer.feedback});
        }
    }
    return texts;
}

const QByteArray good = R"({
  "format": "veltrin-lesson", "version": 1,
  "title": {"en": "The focus", "cs": "Ohnisko"},
  "summary": "Where the light gathers.",
  "minutes": 12,
  "stations": [
    {
      "title": "One",
      "setup": {"K": 0.0002, "cut": "edges", "view": {"predictFirst": true}},
      "question": "Where?",
      "predict": {"kind": "choice", "prompt": "Which?", "choices": ["Here", "There"]},
      "observe": "Look.",
      "explain": "Why?",
      "check": {"prompt": "How far?", "answer": 1250, "tolerance": 40, "unit": "twips"},
      "confront": {"prompt": "Along one path?",
                   "answers": [{"text": "Yes", "right": false, "feedback": "No."},
                               {"text": "No", "right": true, "feedback": "Right."}]},
      "notes": "For the teacher.",
      "later": "a key of a later version, passed over"
    }
  ]
}
)";

} // namespace

class TstLessonFile : public QObject
{
    Q_OBJECT

private slots:
    void everyShippedLessonReadsWithEveryTextInThreeLanguages()
    {
        QCOMPARE(ShippedLessons::names().size(), 6);
        for (const QString &name : ShippedLessons::names()) {
            const std::optional<Lesson> lesson = ShippedLessons::find(name);
            QVERIFY2(lesson, qPrintable(name));
            QCOMPARE(read(LessonFile::read(name)), *lesson);
            QVERIFY(lesson->stations.size() >= 3 && lesson->stations.size() <= 5);
            for (const LessonText &text : textsOf(*lesson)) {
                QVERIFY2(QStringList(text.byLanguage.keys()) == QStringList({"cs", "de", "en"}),
                         qPrintable(name + QStringLiteral(": ") + text.in(QStringLiteral("en"))));
            }
        }
        QVERIFY(!ShippedLessons::find(QStringLiteral("no-such-lesson")));
    }

    void aLessonWrittenAndReadIsTheSame()
    {
        Lesson lesson = read(LessonFile::fromJson(good, QStringLiteral("focus")));
        QCOMPARE(lesson.stations.at(0).setup.experiment.shape.k(), 0.0002);
        QCOMPARE(lesson.title.in(QStringLiteral("cs_CZ")), QStringLiteral("Ohnisko"));
        QCOMPARE(lesson.title.in(QStringLiteral("de")), QStringLiteral("The focus"));
        LessonStation value = lesson.stations.at(0);
        value.prediction = {
            LessonPrediction::Kind::Value, {{{"en", "How far?"}}}, {{{"en", "tw"}}}, {}};
        value.confront.reset();
        value.notes = {};
        value.setup.experiment.element = Experiment::Element::Slits;
        lesson.stations.push_back(value);
        QCOMPARE(read(LessonFile::fromJson(LessonFile::toJson(lesson), QStringLiteral("focus"))),
                 lesson);
    }

    void aProblemNamesItsLine_data()
    {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<QString>("problem");
        QTest::newRow("syntax") << QByteArray(R"("Look.",)") << QByteArray(R"("Look." "",)")
                                << QStringLiteral("line 12: ");
        QTest::newRow("tolerance")
            << QByteArray(R"("tolerance": 40)") << QByteArray(R"("tolerance": 0)")
            << QStringLiteral("line 14: the check's tolerance");
        QTest::newRow("setup's K") << QByteArray(R"("K": 0.0002)") << QByteArray(R"("K": 2)")
                                   << QStringLiteral("line 9: the set-up: \"K\"");
        QTest::newRow("setup's seed")
            << QByteArray(R"("view":)") << QByteArray("\"photons\":\n{\"seed\": -1},\n\"view\":")
            << QStringLiteral("line 10: the set-up: \"seed\"");
        QTest::newRow("missing") << QByteArray(R"("observe": "Look.",)") << QByteArray()
                                 << QStringLiteral("line 7: \"observe\" is missing");
        QTest::newRow("no right answer")
            << QByteArray(R"("right": true)") << QByteArray(R"("right": false)")
            << QStringLiteral("line 16: no answer");
        QTest::newRow("newer") << QByteArray(R"("version": 1)") << QByteArray(R"("version": 2)")
                               << QStringLiteral("line 2: the lesson is of a newer version");
    }

    void aProblemNamesItsLine()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(QString, problem);
        QByteArray json = good;
        QVERIFY(json.contains(from));
        json.replace(from, to);
        const auto result = LessonFile::fromJson(json, QStringLiteral("focus"));
        QVERIFY(std::holds_alternative<QStringList>(result));
        const QStringList problems = std::get<QStringList>(result);
        QVERIFY2(problems.size() == 1 && problems.first().startsWith(problem),
                 qPrintable(problems.join(u'\n')));
    }

    void aHostileLessonIsRefusedWhole_data()
    {
        QTest::addColumn<QByteArray>("json");
        const QByteArray head = R"({"format": "veltrin-lesson", "version": 1, "title": )";
        QTest::newRow("deep") << head + QByteArray(50, '[') + QByteArray(50, ']') + "}";
        QTest::newRow("deeper than the reader goes")
            << head + QByteArray(100000, '[') + QByteArray(100000, ']') + "}";
        QTest::newRow("huge") << head + '"' + QByteArray(2 << 20, 'a') + "\"}";
        QTest::newRow("long text")
            << QByteArray(good).replace("\"Why?\"", '"' + QByteArray(5000, 'a') + '"');
        QByteArray stations = head + R"("T", "summary": "S", "stations": [)";
        for (int i = 0; i < 10000; ++i)
            stations += "{},";
        QTest::newRow("thousands of stations") << stations + "{}]}";
        QTest::newRow("wrong kinds") << QByteArray(good)
                                            .replace("\"minutes\": 12", "\"minutes\": \"12\"")
                                            .replace("\"answer\": 1250", "\"answer\": [1250]");
    }

    void aHostileLessonIsRefusedWhole()
    {
        QFETCH(QByteArray, json);
        const auto result = LessonFile::fromJson(json, QStringLiteral("hostile"));
        QVERIFY(std::holds_alternative<QStringList>(result));
        const QStringList problems = std::get<QStringList>(result);
        QVERIFY(!problems.isEmpty() && problems.size() <= 30);
        for (const QString &problem : problems)
            QVERIFY2(problem.startsWith(u"line ") && problem.size() < 200, qPrintable(problem));
    }

    void theCheckAcceptsWithinItsTolerance()
    {
        const LessonCheck check{{}, 2500, 50, {}};
        for (double right : {2500.0, 2450.0, 2550.0, 2521.5})
            QVERIFY2(check.accepts(right), qPrintable(QString::number(right)));
        for (double wrong : {2449.0, 2551.0, -2500.0, qQNaN(), qInf()})
            QVERIFY2(!check.accepts(wrong), qPrintable(QString::number(wrong)));
    }
};

QTEST_GUILESS_MAIN(TstLessonFile)
#include "tst_lessonfile.moc"
