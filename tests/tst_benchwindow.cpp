// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchphotons.h"
#include "benchwindow.h"
#include "mapcomputer.h"
#include "mapview.h"
#include "mirrorstrip.h"
#include "photonpanel.h"
#include "photonstream.h"
#include "probabilitymap.h"
#include "scalechoice.h"
#include "viridis.h"

#include <QComboBox>
#include <QSpinBox>
#include <QTest>
#include <QUndoStack>
#include <climits>
#include <cmath>

using namespace veltrin;

namespace {

/// Where a colour of the map's picture stands on its scale, 0 … 1.
double shadeOf(QRgb colour)
{
    double nearest = 0;
    int least = INT_MAX;
    for (int i = 0; i <= 255; ++i) {
        const QColor on = viridis(i / 255.0);
        const int off = std::abs(on.red() - qRed(colour)) + std::abs(on.green() - qGreen(colour)) +
                        std::abs(on.blue() - qBlue(colour));
        if (off < least) {
            least = off;
            nearest = i / 255.0;
        }
    }
    return nearest;
}

} // namespace

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

    void undoShowsTheMapOfTheCutBeforeAtOnce()
    {
        BenchWindow bench;
        bench.computer()->setGrids({MapGrid(500, 100), MapGrid(250, 300)});
        bench.show();
        QTRY_VERIFY(bench.computer()->isFinished());
        bench.cutMirror(MirrorCut::grating(400), QStringLiteral("grating"));
        QTRY_VERIFY(bench.computer()->isFinished());

        bench.undoStack()->undo();
        QVERIFY(bench.experiment().cut.isWhole());
        QVERIFY(bench.showsExperiment());
        QVERIFY(bench.computer()->isFinished());
        bench.undoStack()->redo();
        QVERIFY(bench.showsExperiment());
    }

    void theLastPictureKeepsItsColoursForAMomentOnly()
    {
        BenchWindow bench;
        bench.computer()->setGrids({MapGrid(500, 100)});
        bench.show();
        QTRY_VERIFY(bench.showsExperiment());
        bench.computer()->setHeld(true); // no map comes for the next experiment
        Experiment next = bench.experiment();
        next.wavenumber = 0.03;
        bench.setExperiment(next);
        QVERIFY(!bench.showsExperiment());
        QVERIFY(!bench.mapView()->isGreyed());
        QTRY_VERIFY(bench.mapView()->isGreyed());
    }

    void closedMidMapItComputesAndSendsNothingAndReopenedItGoesOn()
    {
        BenchWindow bench;
        bench.computer()->setGrids({MapGrid(250, 300), MapGrid(100, 300)});
        PhotonStream &stream = bench.photons()->photons().stream();
        stream.start();
        QVERIFY(!stream.isRunning()); // not before the bench is shown
        bench.show();
        QVERIFY(stream.isRunning());
        bench.close();
        QVERIFY(!stream.isRunning());
        QTRY_VERIFY(bench.computer()->isIdle());
        QVERIFY(!bench.computer()->isFinished());

        bench.show();
        QVERIFY(stream.isRunning());
        QTRY_VERIFY(bench.computer()->isFinished());
        QVERIFY(bench.showsExperiment());
    }

    void aPointSourceFollowsThePointerThatTookItUp()
    {
        BenchWindow bench;
        bench.computer()->setGrids({MapGrid(500, 100)});
        bench.resize(1000, 700);
        bench.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bench));
        Experiment experiment = bench.experiment();
        experiment.source = Source::point(MapGrid::sceneOf({3000, 1000}));
        bench.setExperiment(experiment);
        const Vec2 detector = bench.detector();
        MapView *view = bench.mapView();
        const QPoint from = view->pixelOf({3000, 1000}).toPoint();
        const QPoint to = view->pixelOf({4000, -500}).toPoint();
        QTest::mousePress(view, Qt::LeftButton, {}, from);
        QTest::mouseMove(view, to);
        QTest::mouseRelease(view, Qt::LeftButton, {}, to);

        const Vec2 source = MapGrid::mapOf(bench.experiment().source.at());
        QVERIFY(std::abs(source.x - 4000) < 30 && std::abs(source.y + 500) < 30);
        QCOMPARE(bench.detector().x, detector.x);
        QCOMPARE(bench.detector().y, detector.y);
    }

    // On the scale of the parabola's focus the circle of the same K gathers barely a quarter as
    // much light (558 twips of bar against 2095), and its picture shows it so: on each map's own
    // scale both spots would be the brightest colour.
    void theFocusScaleShowsTheCirclesSpotAQuarterAsBrightAsTheParabolas()
    {
        BenchWindow bench;
        bench.computer()->setGrids({MapGrid(20, 1000)}); // the spots' points on the grid
        bench.findChild<ScaleChoice *>()->setKind(ScaleChoice::Kind::ParabolaFocus);
        bench.show();
        Experiment circle = bench.experiment();
        circle.shape = MirrorShape::circle(0.0002);
        circle.wavenumber = 0.04;
        Experiment parabola = circle;
        parabola.shape = MirrorShape::parabola(0.0002);
        std::vector<double> shades;
        for (const Experiment &experiment : {circle, parabola}) {
            bench.setExperiment(experiment);
            QTRY_VERIFY_WITH_TIMEOUT(bench.showsExperiment() && bench.computer()->parabolaFocus() &&
                                         bench.mapView()->fixedScale(),
                                     30000);
            const ProbabilityMap &map = *bench.map();
            const MapGrid &grid = map.grid();
            const Vec2 spot = map.brightest().at;
            shades.push_back(shadeOf(bench.mapView()->picture().pixel(
                grid.columnNear(spot.x), grid.rows() - 1 - grid.rowNear(spot.y))));
        }
        QVERIFY2(shades[1] > 0.95, qPrintable(QString::number(shades[1])));
        QVERIFY2(shades[0] > 0.2 && shades[0] < 0.33, qPrintable(QString::number(shades[0])));
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
