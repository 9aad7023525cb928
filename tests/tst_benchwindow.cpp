// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchwindow.h"
#include "mapcomputer.h"
#include "mirrorstrip.h"

#include <QComboBox>
#include <QSpinBox>
#include <QTest>
#include <QUndoStack>
#include <cmath>

using namespace veltrin;

class TstBenchWindow : public QObject
{
    Q_OBJECT

private slots:
    void aDragCutsExactlyTheStripsUnderItAndUndoRestoresThem()
    {
        BenchWindow bench;
        bench.computer()->setGrids({MapGrid(500, 100)}); // the maps do not matter here
        bench.resize(1000, 700);
        bench.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bench));
        MirrorStrip *strip = bench.mirrorStrip();
        const int x = strip->width() / 2;
        const int from = int(std::lround(strip->pixelAt(600)));
        const int to = int(std::lround(strip->pixelAt(-300)));
        const int middle = int(std::lround(strip->pixelAt(150)));
        QTest::mousePress(strip, Qt::LeftButton, {}, {x, from});
        // Quick moves, as a hand makes them: every strip between two places is cut all the same.
        QTest::mouseMove(strip, {x, middle});
        QTest::mouseMove(strip, {x, to});
        QTest::mouseRelease(strip, Qt::LeftButton, {}, {x, to});

        // A strip of height h spans h − 1 to h twips from the axis; those the drag touched go.
        const double top = strip->heightAt(from);
        const double bottom = strip->heightAt(to);
        const MirrorCut &cut = bench.experiment().cut;
        for (int h = 1; h <= MirrorCut::maxHeight; ++h) {
            QCOMPARE(cut.keeps(MirrorCut::Half::Upper, h), h - 1 > top);
            QCOMPARE(cut.keeps(MirrorCut::Half::Lower, h), h - 1 > -bottom);
        }
        QCOMPARE(bench.undoStack()->count(), 1);

        bench.undoStack()->undo();
        QVERIFY(bench.experiment().cut.isWhole());
        QVERIFY(strip->cut().isWhole());
        bench.undoStack()->redo();
        QCOMPARE(bench.experiment().cut, cut);
    }

    void spaceCutsTheStripAtTheCursorAndShiftAWiderOne()
    {
        BenchWindow bench;
        bench.computer()->setGrids({MapGrid(500, 100)});
        MirrorStrip *strip = bench.mirrorStrip();
        strip->setCursor(1010);
        QTest::keyClick(strip, Qt::Key_Space);
        QCOMPARE(bench.experiment().cut.keptCount(),
                 2 * MirrorCut::maxHeight - MirrorStrip::narrowStrip);
        QTest::keyClick(strip, Qt::Key_Down, Qt::NoModifier);
        QTest::keyClick(strip, Qt::Key_Space, Qt::ShiftModifier);
        QCOMPARE(bench.experiment().cut.keptCount(),
                 2 * MirrorCut::maxHeight - MirrorStrip::wideStrip);
        QCOMPARE(bench.undoStack()->count(), 2);
    }

    void theListNamesThePresetTheMirrorIsCutAs()
    {
        BenchWindow bench;
        bench.computer()->setGrids({MapGrid(500, 100)});
        auto *presets = bench.findChild<QComboBox *>(QStringLiteral("mirrorPreset"));
        bench.findChild<QSpinBox *>(QStringLiteral("gratingPeriod"))->setValue(400);
        presets->setCurrentIndex(presets->findText(QStringLiteral("Grating")));
        emit presets->activated(presets->currentIndex());
        QCOMPARE(bench.experiment().cut, MirrorCut::grating(400));

        bench.mirrorStrip()->setCursor(1010);
        QTest::keyClick(bench.mirrorStrip(), Qt::Key_Space);
        QCOMPARE(presets->currentText(), QStringLiteral("Cut by hand"));
        bench.undoStack()->undo();
        QCOMPARE(presets->currentText(), QStringLiteral("Grating"));
    }
};

QTEST_MAIN(TstBenchWindow)
#include "tst_benchwindow.moc"
