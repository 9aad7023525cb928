// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchwindow.h"
#include "lessonreport.h"
#include "lessonwindow.h"
#include "mapcomputer.h"
#include "modalbox.h"
#include "photonoverlay.h"
#include "photonpanel.h"
#include "stationpage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

using namespace veltrin;

namespace {

LessonText words(const char *english, const char *german = nullptr)
{
    LessonText text;
    text.byLanguage.insert(QStringLiteral("en"), QString::fromUtf8(english));
    if (german)
        text.byLanguage.insert(QStringLiteral("de"), QString::fromUtf8(german));
    return text;
}

/// A mark, a value and a choice to predict, the first with a confronting question.
Lesson threeStations()
{
    Lesson lesson;
    lesson.name = QStringLiteral("focus");
    lesson.title = words("The mirror's focus", "Der Brennpunkt");
    for (const auto kind : {LessonPrediction::Kind::Mark, LessonPrediction::Kind::Value,
                            LessonPrediction::Kind::Choice}) {
        LessonStation station;
        station.title = words("Where is the light?", "Wo ist das Licht?");
        station.question = words("Where does the dish gather the light?");
        station.prediction.kind = kind;
        station.prediction.prompt = words("Predict");
        station.prediction.choices = {words("Near"), words("Far")};
        station.observe = words("Send 2000 photons.");
        station.explain = words("Why there?");
        station.check.prompt = words("How far is the focus, in twips?");
        station.check.answer = 2500;
        station.check.tolerance = 50;
        station.check.unit = words("twips");
        station.notes = words("Ask for the equal times.");
        lesson.stations.push_back(station);
    }
    LessonConfront confront;
    confront.prompt = words("Did each photon travel along one path?");
    confront.answers = {{words("Yes"), false, words("Look at the arrows again.")},
                        {words("No: it did not take any one of them, for every path adds its "
                               "arrow, and the arrows of the paths far from the least time cancel "
                               "while those near it add up"),
                         true, words("Every path adds its arrow.")}};
    lesson.stations.front().confront = confront;
    return lesson;
}

template <typename T> T *child(const QWidget &window, const char *name)
{
    T *found = window.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no %s", name);
    return found;
}

} // namespace

class TstLessonWindow : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_bench = std::make_unique<BenchWindow>();
        m_bench->computer()->setGrids({MapGrid(500, 100)});
        m_window = std::make_unique<LessonWindow>(threeStations(), *m_bench, QStringLiteral("en"));
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    void cleanup()
    {
        m_window.reset();
        m_bench.reset();
        QLocale::setDefault(QLocale::c());
    }

    void theBenchKeepsTheAnswerUntilThePredictionIsCommittedForGood()
    {
        PhotonPanel &photons = *m_bench->photons();
        QVERIFY(m_bench->hidesAnswer());
        photons.reveal(); // the bench's own Reveal, before any prediction
        QVERIFY(m_bench->hidesAnswer());
        const QGroupBox *observation = child<QGroupBox>(*m_window, "observation");
        QVERIFY(!observation->isEnabled());
        QVERIFY(!m_window->page()->commit()); // nothing marked yet

        photons.overlay().mark({2400, 30});
        QVERIFY(m_window->page()->commit());
        QVERIFY(observation->isEnabled());
        QVERIFY(!child<QAbstractButton>(*m_window, "commit")->isEnabled());
        photons.overlay().mark({6000, 0}); // marked afterwards: not the prediction
        QVERIFY(!m_window->page()->commit());
        QCOMPARE(m_window->work().stations[0].marks, (std::vector<Vec2>{Vec2{2400, 30}}));
        QVERIFY(!m_window->work().stations[0].observed);

        child<QAbstractButton>(*m_window, "revealOnBench")->click();
        QVERIFY(!m_bench->hidesAnswer());
        QVERIFY(m_window->work().stations[0].observed);

        // A value in the desktop's number format, kept once committed.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        m_window->next();
        QVERIFY(m_bench->hidesAnswer());
        auto *value = child<QLineEdit>(*m_window, "predictedValue");
        value->setText(QStringLiteral("2.500,5"));
        QVERIFY(m_window->page()->commit());
        QCOMPARE(m_window->work().stations[1].value, 2500.5);
        QVERIFY(value->isReadOnly());

        // Back at the first station the bench shows its marks, revealed.
        m_window->previous();
        QVERIFY(!m_bench->hidesAnswer());
        QCOMPARE(m_bench->setup().predictions, (std::vector<Vec2>{Vec2{2400, 30}}));
        QVERIFY(!child<QAbstractButton>(*m_window, "commit")->isEnabled());
    }

    void theCheckSaysRightOrNotAndCountsTries()
    {
        auto *answer = child<QLineEdit>(*m_window, "checkValue");
        const QLabel *verdict = child<QLabel>(*m_window, "verdict");
        const auto check = [&](const char *typed) {
            answer->setText(QString::fromLatin1(typed));
            QTest::keyClick(answer, Qt::Key_Return);
            return m_window->work().stations[0];
        };
        QCOMPARE(check("nonsense").tries, 0);
        QVERIFY(check("2600").checkRight == false);
        QVERIFY2(verdict->text().contains(u"Not right yet: more than 50 twips"),
                 qPrintable(verdict->text()));
        const LessonWork::Station right = check("2460");
        QVERIFY(right.checkRight);
        QCOMPARE(right.tries, 2);
        QCOMPARE(right.checkAnswer, 2460.0);
        QVERIFY(verdict->text().startsWith(u"Right"));

        auto *wrong = child<QAbstractButton>(*m_window, "answer0");
        wrong->click();
        QCOMPARE(child<QLabel>(*m_window, "feedback")->text(),
                 QStringLiteral("Look at the arrows again."));
        QCOMPARE(m_window->work().stations[0].confrontAnswer, 0);
    }

    void aLongAnswerWrapsInTheNarrowWindowAndItsTextChoosesIt()
    {
        const auto *page = m_window->findChild<StationPage *>();
        QVERIFY(page->minimumSizeHint().width() < 360);
        const auto *right = child<QAbstractButton>(*m_window, "answer1");
        const auto texts = right->parentWidget()->findChildren<QLabel *>();
        const auto text = std::find_if(texts.begin(), texts.end(), [](const QLabel *label) {
            return label->text().startsWith(u"No: it did not");
        });
        QVERIFY(text != texts.end());
        QTest::mouseClick(*text, Qt::LeftButton);
        QVERIFY(right->isChecked());
        QCOMPARE(m_window->work().stations[0].confrontAnswer, 1);
    }

    void tabRunsThroughTheStationBeforeTheWindowsButtons()
    {
        QVERIFY(child<QWidget>(*m_window, "commit")->hasFocus());
        for (const char *name :
             {"explanation", "checkValue", "check", "answer0", "nextStation", "saveWork"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
        }
    }

    void stationsFollowFromTheKeysWhateverWasAnswered()
    {
        QCOMPARE(child<QLabel>(*m_window, "stationCount")->text(),
                 QStringLiteral("Station 1 of 3"));
        QVERIFY(!child<QWidget>(*m_window, "teacherNotes")->isVisible());
        QTest::keyClick(m_window.get(), Qt::Key_T, Qt::AltModifier); // a mnemonic's click
        QTRY_VERIFY(child<QWidget>(*m_window, "teacherNotes")->isVisible());

        QTest::keyClick(m_window.get(), Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(m_window->station(), 1);
        QTest::keyClick(m_window.get(), Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(m_window->station(), 2);
        QCOMPARE(child<QLabel>(*m_window, "stationCount")->text(),
                 QStringLiteral("Station 3 of 3"));
        QVERIFY(child<QWidget>(*m_window, "teacherNotes")->isVisible()); // still asked for
        QTest::keyClick(m_window.get(), Qt::Key_Right, Qt::AltModifier); // the last stays
        QCOMPARE(m_window->station(), 2);
        QTest::keyClick(m_window.get(), Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(m_window->station(), 1);
    }

    void ctrlSSavesTheWorkAndTheReportTellsIt()
    {
        QTemporaryDir dir;
        int asked = 0;
        m_window->setAskFileName(
            [&](QWidget *, const QString &, const QString &proposed, const QString &, QString *) {
                ++asked;
                return dir.filePath(QFileInfo(proposed).fileName());
            });
        m_window->setAskPupil([](QWidget *) { return QStringLiteral("Anna <B>"); });
        QTest::keyClicks(child<QPlainTextEdit>(*m_window, "explanation"), "Equal times");
        QVERIFY(m_window->isWindowModified());
        QSignalSpy saved(m_window.get(), &LessonWindow::workSaved);
        QTest::keyClick(m_window.get(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(saved.wait());
        QTest::keyClick(m_window.get(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(saved.wait());
        QCOMPARE(asked, 1); // the second time saved where the first was
        QVERIFY(!m_window->isWindowModified());
        QCOMPARE(saved.last().at(1).toString(), QString());
        const QString path = saved.last().at(0).toString();
        QVERIFY(path.endsWith(u".veltrin-work"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const auto read = LessonWork::fromJson(file.readAll());
        QCOMPARE(std::get<LessonWork>(read), m_window->work());
        QCOMPARE(m_window->work().pupil, QStringLiteral("Anna <B>"));
        QCOMPARE(m_window->work().stations[0].explanation, QStringLiteral("Equal times"));

        const LessonReport report(m_window->lesson(), m_window->work(), QStringLiteral("en"));
        QVERIFY(report.html().contains(u"Anna &lt;B&gt;"));
        QVERIFY(report.html().contains(u"Equal times"));
        QVERIFY(report.pdf().startsWith("%PDF"));
    }

    void workAboutToBeLostIsSavedFirstWhereThePupilSaysSo()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("work.veltrin-work"));
        m_window->setAskFileName([&](QWidget *, const QString &, const QString &, const QString &,
                                     QString *) { return path; });
        m_window->setAskPupil([](QWidget *) { return QString(); });
        QVERIFY(m_window->letGo({})); // nothing entered, nothing asked
        child<QAbstractButton>(*m_window, "answer1")->click();
        whenMessageBoxOpens(m_window.get(),
                            [](QMessageBox *box) { box->button(QMessageBox::Save)->click(); });
        bool gone = false;
        QVERIFY(!m_window->letGo([&] { gone = QFile::exists(path); }));
        QTRY_VERIFY(gone);
        QVERIFY(!m_window->isWindowModified());
    }

private:
    std::unique_ptr<BenchWindow> m_bench;
    std::unique_ptr<LessonWindow> m_window;
};

QTEST_MAIN(TstLessonWindow)
#include "tst_lessonwindow.moc"
