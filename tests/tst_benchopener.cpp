// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchwindow.h"
#include "choices.h"
#include "lessonwindow.h"
#include "mapcomputer.h"
#include "modalbox.h"
#include "photonpanel.h"
#include "windowrun.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QUndoStack>

using namespace veltrin;

class TstBenchOpener : public QObject
{
    Q_OBJECT

private slots:
    void reopenedTheBenchIsAsItWasLeftTillANewSetUpIsAskedFor()
    {
        VeltrinWindow window;
        window.showWithWholeScene();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_E, Qt::ControlModifier);
        BenchWindow *bench = window.bench();
        QVERIFY(bench && bench->isVisible());
        bench->computer()->setGrids({MapGrid(500, 100)}); // the maps do not matter here
        bench->cutMirror(MirrorCut::grating(400), QStringLiteral("grating"));
        Experiment changed = bench->experiment();
        changed.wavenumber = 0.03;
        bench->setExperiment(changed);
        bench->close();

        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(window.bench(), bench);
        QVERIFY(bench->isVisible());
        QCOMPARE(bench->experiment(), changed);
        QCOMPARE(bench->undoStack()->count(), 1);

        // A new set-up from the main window's run: its loaded K and frequency, the whole mirror.
        QTRY_COMPARE(QApplication::activeWindow(), bench);
        QTest::keyClick(bench, Qt::Key_N, Qt::ControlModifier);
        QVERIFY(bench->experiment().cut.isWhole());
        QCOMPARE(bench->experiment().shape.k(), loadedChoice(Field::OsKruh).value);
        QCOMPARE(bench->experiment().wavenumber, loadedChoice(Field::Kmitocet).value);
        QCOMPARE(bench->undoStack()->count(), 0);
    }

    void aLessonClosedAndOpenedAgainKeepsThePupilsWork()
    {
        Lesson lesson;
        lesson.name = QStringLiteral("focus");
        lesson.stations.resize(2);
        lesson.stations[1].setup.detector = {3000, 0};
        VeltrinWindow window;
        window.openLesson(lesson);
        LessonWindow *opened = window.lessonWindow();
        QVERIFY(opened && opened->isVisible() && window.bench()->isVisible());
        window.bench()->computer()->setGrids({MapGrid(500, 100)});
        opened->next();
        QTest::keyClicks(opened->findChild<QPlainTextEdit *>(QStringLiteral("explanation")),
                         "Equal times");
        opened->close();
        window.bench()->photons()->reveal(); // the bench is the pupil's own meanwhile
        QVERIFY(!window.bench()->hidesAnswer());

        window.openLesson(lesson);
        QCOMPARE(window.lessonWindow(), opened);
        QVERIFY(opened->isVisible());
        QCOMPARE(opened->station(), 1);
        QCOMPARE(opened->work().stations[1].explanation, QStringLiteral("Equal times"));
        QVERIFY(window.bench()->hidesAnswer()); // the prediction is still to be made

        // Another lesson asks before the unsaved work goes: Cancel keeps it, Discard drops it.
        QVERIFY(opened->isWindowModified());
        lesson.name = QStringLiteral("another");
        const auto answer = [&window](QMessageBox::StandardButton button) {
            whenMessageBoxOpens(&window,
                                [button](QMessageBox *box) { box->button(button)->click(); });
        };
        answer(QMessageBox::Cancel);
        window.openLesson(lesson);
        QCOMPARE(window.lessonWindow(), opened);
        QCOMPARE(opened->work().stations[1].explanation, QStringLiteral("Equal times"));
        answer(QMessageBox::Discard);
        window.openLesson(lesson);
        QCOMPARE(window.lessonWindow()->lesson().name, QStringLiteral("another"));
        QCOMPARE(window.lessonWindow()->station(), 0);
        QVERIFY(window.lessonWindow()->work().stations[1].explanation.isEmpty());
    }
};

QTEST_MAIN(TstBenchOpener)
#include "tst_benchopener.moc"
