// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchwindow.h"
#include "choices.h"
#include "mapcomputer.h"
#include "windowrun.h"

#include <QApplication>
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
};

QTEST_MAIN(TstBenchOpener)
#include "tst_benchopener.moc"
