// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchfigure.h"
#include "benchphotons.h"
#include "benchwindow.h"
#include "chainpanel.h"
#include "colourbar.h"
#include "elementpainter.h"
#include "figuresaver.h"
#include "glasslayer.h"
#include "glasslayerview.h"
#include "glassphotons.h"
#include "mapcomputer.h"
#include "mapview.h"
#include "mirrorstrip.h"
#include "photonpanel.h"
#include "photonstream.h"
#include "probabilitymap.h"
#include "scalechoice.h"
#include "setupactions.h"
#include "setupfile.h"
#include "slithistogram.h"
#include "viridis.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <climits>
#include <cmath>
#include <sys/stat.h>

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

    void eachExperimentShowsItsOwnControlsAndTheMirrorComesBackAsItWas()
    {
        BenchWindow bench;
        bench.computer()->setGrids({MapGrid(500, 100)});
        Experiment mirror = bench.experiment();
        mirror.shape = MirrorShape::circle(0.0002);
        mirror.wavenumber = 0.033;
        bench.setExperiment(mirror);
        bench.show();
        const auto shown = [&bench](const char *name) {
            return bench.findChild<QWidget *>(QString::fromLatin1(name))->isVisibleTo(&bench);
        };
        bench.choose(BenchWindow::Kind::GlassLayer);
        QVERIFY(shown("thickness") && shown("withEchoes") && shown("glassLayerView"));
        QVERIFY(!shown("mirrorK") && !shown("detectorX") && !bench.mapView()->isVisibleTo(&bench));
        bench.choose(BenchWindow::Kind::Boundary);
        QVERIFY(shown("beamAngle") && shown("windowFrom") && shown("leastTimePath"));
        QVERIFY(!shown("thickness") && !shown("mirrorK") &&
                !bench.mirrorStrip()->isVisibleTo(&bench));
        QVERIFY(bench.mapView()->isVisibleTo(&bench));
        bench.choose(BenchWindow::Kind::Lens);
        QVERIFY(shown("targetX") && shown("lensTimes") && bench.mirrorStrip()->isVisibleTo(&bench));
        QVERIFY(!shown("beamAngle") && !shown("mirrorPreset"));
        bench.choose(BenchWindow::Kind::Mirror);
        QVERIFY(bench.experiment() == mirror);
        QVERIFY(shown("mirrorK") && shown("mirrorPreset") && !shown("beamAngle") &&
                !shown("refractiveIndex"));
        QCOMPARE(bench.findChild<QDoubleSpinBox *>("mirrorK")->value(), 0.0002);
        QCOMPARE(bench.findChild<QComboBox *>("mirrorShape")->currentIndex(), 1);
    }

    void theSlitsFringesVanishWhereTheSlitsMarkTheWayAndComeBackWithTheEraser()
    {
        BenchWindow bench;
        bench.computer()->setGrids({MapGrid(100, 300)});
        bench.show();
        bench.choose(BenchWindow::Kind::Slits);
        QCOMPARE(bench.experiment().element, Experiment::Element::Slits);
        QCOMPARE(bench.experiment().slitCount, 2);
        auto *whichPath = bench.findChild<QCheckBox *>("whichPath");
        auto *eraser = bench.findChild<QCheckBox *>("eraser");
        const auto *chain = bench.findChild<ChainPanel *>();
        QVERIFY(!eraser->isEnabled());
        // Along the map's far edge, over the middle: the darkest point against the brightest.
        const auto contrast = [&bench] {
            const ProbabilityMap &map = *bench.map();
            const MapGrid &grid = map.grid();
            const int column = grid.columns() - 1;
            double darkest = INFINITY, brightest = 0;
            for (int row = 0; row < grid.rows(); ++row) {
                if (std::abs(grid.y(row)) > 2500)
                    continue;
                darkest = std::min(darkest, map.at(column, row));
                brightest = std::max(brightest, map.at(column, row));
            }
            return darkest / brightest;
        };
        QTRY_VERIFY(bench.showsExperiment() && bench.computer()->isFinished());
        QCOMPARE_LT(contrast(), 0.1);
        QVERIFY(!chain->showsSlitsApart());

        whichPath->click();
        QVERIFY(bench.experiment().marksPaths() && eraser->isEnabled());
        QTRY_VERIFY(bench.showsExperiment() && bench.computer()->isFinished());
        QCOMPARE_GT(contrast(), 0.5);
        QVERIFY(chain->showsSlitsApart());

        eraser->click();
        QVERIFY(!bench.experiment().marksPaths());
        QTRY_VERIFY(bench.showsExperiment() && bench.computer()->isFinished());
        QCOMPARE_LT(contrast(), 0.1);
        QVERIFY(!chain->showsSlitsApart());
        QVERIFY(bench.mapView()->accessibleDescription().contains(u"eraser"));
    }

    void theSlitsPhotonsAlongTheDetectorsLineShowFringesOnlyWithoutMarks()
    {
        BenchWindow bench;
        bench.computer()->setGrids({MapGrid(100, 300)});
        bench.show();
        bench.choose(BenchWindow::Kind::Slits);
        bench.setDetector({6000, 0});
        const SlitHistogram *histogram = bench.slitHistogram();
        BenchPhotons &photons = bench.photons()->photons();
        // Over the middle, where fringes 1900 twips apart would fall: the emptiest bin against
        // the fullest.
        const auto contrast = [&] {
            const LineHistogram &line = histogram->histogram();
            double emptiest = INFINITY, fullest = 0;
            for (int bin = 0; bin < int(line.counts().size()); ++bin) {
                if (std::abs(line.middleOf(bin)) > 1500)
                    continue;
                emptiest = std::min(emptiest, double(line.counts()[std::size_t(bin)]));
                fullest = std::max(fullest, double(line.counts()[std::size_t(bin)]));
            }
            return emptiest / fullest;
        };
        QTRY_VERIFY(bench.showsExperiment() && bench.computer()->isFinished());
        QVERIFY(histogram->isVisible());
        photons.land(300'000);
        QCOMPARE_GT(histogram->histogram().total(), 3000);
        QCOMPARE_LT(contrast(), 0.15);
        QVERIFY(histogram->accessibleDescription().contains(
            QLocale().toString(histogram->histogram().total())));

        bench.findChild<QCheckBox *>("whichPath")->click();
        QCOMPARE(histogram->histogram().total(), 0); // the photons of another experiment
        QTRY_VERIFY(bench.showsExperiment() && bench.computer()->isFinished());
        photons.land(300'000);
        QCOMPARE_GT(contrast(), 0.5);

        bench.photons()->predictFirst();
        QVERIFY(!histogram->isVisible());
    }

    void aSlitDraggedAlongTheScreenSetsTheSeparation()
    {
        BenchWindow bench;
        bench.computer()->setGrids({MapGrid(500, 100)});
        bench.resize(1000, 700);
        bench.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bench));
        bench.choose(BenchWindow::Kind::Slits);
        MapView *view = bench.mapView();
        const Vec2 detector = bench.detector();
        // The upper of two slits 1000 twips apart, taken up just inside the map's edge.
        const QPoint upper = (view->pixelOf({0, 500}) + QPointF(2, 0)).toPoint();
        QTest::mousePress(view, Qt::LeftButton, {}, upper);
        QTest::mouseMove(view, view->pixelOf({3000, 1000}).toPoint());
        QTest::mouseRelease(view, Qt::LeftButton, {}, view->pixelOf({3000, 1000}).toPoint());
        QVERIFY2(std::abs(bench.experiment().slitSeparation - 2000) < 40,
                 qPrintable(QString::number(bench.experiment().slitSeparation)));
        QCOMPARE(bench.detector().x, detector.x);
    }

    void theScreenReaderHearsWhichExperimentIsShown()
    {
        BenchWindow bench;
        bench.computer()->setGrids({MapGrid(500, 100)});
        bench.show();
        bench.choose(BenchWindow::Kind::Lens);
        QVERIFY(bench.mapView()->accessibleDescription().contains(u"lens"));
        bench.choose(BenchWindow::Kind::Boundary);
        QVERIFY(bench.mapView()->accessibleDescription().contains(u"boundary"));
        bench.choose(BenchWindow::Kind::GlassLayer);
        QVERIFY(bench.glassView()->accessibleDescription().contains(u"glass layer"));
    }

    void theGlassLayerReflectsMostAtAQuarterWave_data()
    {
        QTest::addColumn<bool>("echoes");
        QTest::addColumn<double>("expected");
        // One surface's arrow is 0.2 long for n = 1.5: two in step make 0.4; with every echo the
        // sum is (r + r) / (1 + r²).
        QTest::addRow("front and back") << false << 0.16;
        QTest::addRow("every echo") << true << std::pow(0.4 / 1.04, 2);
    }

    void theGlassLayerReflectsMostAtAQuarterWave()
    {
        QFETCH(bool, echoes);
        QFETCH(double, expected);
        BenchWindow bench;
        bench.computer()->setGrids({MapGrid(500, 100)});
        bench.choose(BenchWindow::Kind::GlassLayer);
        bench.findChild<QCheckBox *>("withEchoes")->setChecked(echoes);
        // A quarter of the wavelength in glass, λ / 4n, for wavenumber 0.02: 52.4 twips.
        bench.findChild<QDoubleSpinBox *>("thickness")->setValue(52);
        const GlassLayerView &view = *bench.glassView();
        QCOMPARE(view.reflection(), GlassLayer(1.5, 52).reflection(0.02, echoes));
        QVERIFY2(std::abs(view.reflection() - expected) < 1e-3,
                 qPrintable(QString::number(view.reflection())));
        QVERIFY(std::abs(view.reflection() + view.transmission() - 1) < 1e-9);
    }

    void glassPhotonsReflectAsOftenAsTheLayerSaysAndStartAfreshForAnother()
    {
        GlassLayerView view;
        view.setThickness(52); // a quarter wave: 16% reflected
        GlassPhotons photons(view);
        constexpr int sent = 20000;
        photons.send(sent);
        QCOMPARE(photons.reflected() + photons.transmitted(), sent);
        // Five standard deviations of a count of 20000 at 16%: 0.013.
        const double share = double(photons.reflected()) / sent;
        QVERIFY2(std::abs(share - view.reflection()) < 0.013, qPrintable(QString::number(share)));
        view.setThickness(0);
        QCOMPARE(photons.reflected() + photons.transmitted(), 0);
        photons.send(GlassPhotons::batch);
        QCOMPARE(photons.reflected(), 0); // a layer of no thickness reflects nothing
    }

    void theLensTargetFollowsThePointerThatTookItUp()
    {
        BenchWindow bench;
        bench.computer()->setGrids({MapGrid(500, 100)});
        bench.resize(1000, 700);
        bench.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bench));
        bench.choose(BenchWindow::Kind::Lens);
        MapView *view = bench.mapView();
        const Vec2 detector = bench.detector();
        QTest::mousePress(view, Qt::LeftButton, {}, view->pixelOf({7500, 0}).toPoint());
        QTest::mouseMove(view, view->pixelOf({6000, 1000}).toPoint());
        QTest::mouseRelease(view, Qt::LeftButton, {}, view->pixelOf({6000, 1000}).toPoint());
        const Vec2 target = bench.experiment().target;
        QVERIFY2(std::abs(target.x - 6000) < 30 && std::abs(target.y - 1000) < 30,
                 qPrintable(QStringLiteral("%1 %2").arg(target.x).arg(target.y)));
        QCOMPARE(bench.findChild<QSpinBox *>("targetX")->value(), int(std::lround(target.x)));
        QCOMPARE(bench.detector().x, detector.x); // the detector stayed
    }

    void theWayOfLeastTimeBendsAsSnellsRuleSays()
    {
        BenchWindow bench;
        bench.computer()->setGrids({MapGrid(500, 100)});
        bench.choose(BenchWindow::Kind::Boundary);
        Experiment experiment = bench.experiment();
        experiment.beamAngle = 30;
        experiment.index = 1.5;
        bench.setExperiment(experiment);
        // Found by trying every point of the window, it crosses where sin 30° = 1.5 sin θ.
        const std::vector<Vec2> way =
            ElementPainter::leastTimeWay(bench.experiment(), {4530, -1500});
        QCOMPARE(way.size(), std::size_t(3));
        const Vec2 in = way[1];
        const Vec2 out{way[2].x - in.x, way[2].y - in.y};
        const double sine = out.x / std::hypot(out.x, out.y);
        QVERIFY2(std::abs(1.5 * sine - 0.5) < 0.005, qPrintable(QString::number(sine)));
        QVERIFY(std::abs(in.x - 4000) < 20);
        QCOMPARE(in.y, 0.0);
    }

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

    void theFigureIsOnWhiteAndNamesTheExperimentInTheLanguage()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        BenchWindow bench;
        bench.computer()->setGrids({MapGrid(500, 100)});
        Experiment experiment = bench.experiment();
        experiment.shape = MirrorShape::parabola(0.00013);
        experiment.wavenumber = 0.0315;
        bench.setExperiment(experiment);
        QVERIFY(!bench.figure()); // not of the map before it
        bench.show();
        QTRY_VERIFY(bench.computer()->isFinished());
        QTemporaryDir dir;
        QString chosen;
        bench.setAskFileName(
            [&chosen](QWidget *, const QString &, const QString &, const QString &filter,
                      QString *) { return filter.contains(u"SVG") ? chosen : QString(); });
        const auto save = [&](const QString &name) {
            chosen = dir.filePath(name);
            QSignalSpy saved(&bench, &BenchWindow::fileSaved);
            bench.savePicture();
            return saved.wait() && saved.first().at(1).toString().isEmpty();
        };
        QVERIFY(save(QStringLiteral("bench.png")));
        QVERIFY(save(QStringLiteral("bench.svg")));
        const std::shared_ptr<const BenchFigure> figure = bench.figure();
        bench.copyPicture();
        QLocale::setDefault(QLocale::c());

        // At twice the design scale and saying so, on white, the map's colours inside it.
        const QImage png(dir.filePath(QStringLiteral("bench.png")));
        QCOMPARE(png.size(), (figure->size() * FigureSaver::pngRatio).toSize());
        QCOMPARE(png.dotsPerMeterX(), qRound(FigureSaver::pngRatio * 96 / 0.0254));
        QCOMPARE(png.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(png.pixel(png.width() - 1, png.height() - 1), qRgb(255, 255, 255));
        QVERIFY(png.pixel((figure->plane().center() * FigureSaver::pngRatio).toPoint()) !=
                qRgb(255, 255, 255));
        QFile svg(dir.filePath(QStringLiteral("bench.svg")));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(svg.readAll());
        QVERIFY2(text.contains(u"K = 0,00013") && text.contains(u"0,0315 rad/twip"),
                 qPrintable(figure->description()));
        QVERIFY(!text.contains(u"0.00013"));
        QCOMPARE(QGuiApplication::clipboard()->image().size(), png.size());
    }

    void copyNumbersIsAHeaderAndARowInTheLanguage()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        BenchWindow bench;
        bench.computer()->setGrids({MapGrid(500, 100)});
        bench.setDetector({4321, -250});
        bench.copyNumbers();
        QLocale::setDefault(QLocale::c());

        const QStringList lines = QGuiApplication::clipboard()->text().split(u'\n');
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[2], QString());
        const QStringList header = lines[0].split(u'\t');
        const QStringList values = lines[1].split(u'\t');
        QCOMPARE(values.size(), header.size());
        const QLocale german(QLocale::German, QLocale::Germany);
        const auto value = [&](const char *key) {
            const qsizetype at = header.indexOf(QString::fromUtf8(key));
            return at < 0 ? qQNaN() : german.toDouble(values[at]);
        };
        QCOMPARE(value("x (twips from the vertex line)"), 4321.0);
        QCOMPARE(value("y (twips above the axis)"), -250.0);
        QCOMPARE(value("K"), 0.00005);
        QVERIFY(qAbs(value("probability (twips of bar)") - bench.detectorProbability()) <= 0.005);
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

    void aSetupTakenFromTheBenchShowsTheSameInAnother()
    {
        Setup setup;
        setup.experiment.element = Experiment::Element::Boundary;
        setup.experiment.index = 1.33;
        setup.experiment.beamAngle = 40;
        setup.detector = {4500, -1500};
        setup.photonSeed = 77;
        setup.predictions = {{4000, -1000}, {5200, -2500}};
        setup.predictFirst = true;
        BenchWindow first;
        first.computer()->setGrids({MapGrid(500, 100)});
        first.applySetup(setup);
        QCOMPARE(first.setup(), setup);
        QVERIFY(first.hidesAnswer());

        setup.predictFirst = false; // revealed: the marks stay, and so does a hidden map
        setup.mapShown = false;
        BenchWindow second;
        second.computer()->setGrids({MapGrid(500, 100)});
        second.applySetup(setup);
        QCOMPARE(second.setup(), setup);
        QCOMPARE(second.experiment(), setup.experiment);

        Setup glass;
        glass.glass = Setup::Glass{52, true};
        glass.experiment.index = 1.33;
        glass.experiment.wavenumber = 0.03;
        second.applySetup(glass);
        QCOMPARE(second.setup(), glass);
        QCOMPARE(second.glassView()->thickness(), 52.0);
    }

    void aSetupOpensFromAFileOrACodeAndNothingElseIsTaken()
    {
        Setup setup;
        setup.experiment.shape = MirrorShape::circle(0.0002);
        setup.experiment.cut = MirrorCut::edges();
        setup.detector = {1200, 300};
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("edges.veltrin"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(SetupFile::toJson(setup)) > 0);
        file.close();
        BenchWindow bench;
        bench.computer()->setGrids({MapGrid(500, 100)});
        QVERIFY(bench.setupActions()->open(path));
        QCOMPARE(bench.setup(), setup);
        QCOMPARE(SetupActions::recent().value(0), path);

        // A FIFO no one writes is refused, not waited on; the bench keeps what it shows.
        const QString fifo = dir.filePath(QStringLiteral("fifo.veltrin"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QTimer::singleShot(0, [] {
            if (QWidget *message = QApplication::activeModalWidget())
                message->close();
        });
        QVERIFY(!bench.setupActions()->open(fifo));
        QCOMPARE(bench.setup(), setup);

        Setup other;
        other.experiment.wavenumber = 0.04;
        QVERIFY(bench.setupActions()->openCode(SetupFile::shareCode(other)));
        QCOMPARE(bench.setup(), other);
    }

    void escapeClosesAnOpenListAndLeavesTheBenchOpen()
    {
        BenchWindow bench;
        bench.computer()->setGrids({MapGrid(500, 100)});
        bench.show();
        QVERIFY(QTest::qWaitForWindowActive(&bench));
        auto *shape = bench.findChild<QComboBox *>(QStringLiteral("mirrorShape"));
        shape->setFocus();
        shape->showPopup();
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QVERIFY(bench.isVisible());
        QTest::keyClick(shape, Qt::Key_Escape);
        QVERIFY(!bench.isVisible());
    }

    void predictFirstHidesEveryNumberThatTellsWhereTheLightGoes()
    {
        BenchWindow bench;
        bench.computer()->setGrids({MapGrid(500, 100)});
        bench.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bench));
        QTRY_VERIFY(bench.computer()->isFinished());
        const auto *numbers = bench.findChild<QLabel *>(QStringLiteral("detectorNumbers"));
        const auto *chain = bench.findChild<ChainPanel *>();
        const auto told = [&] {
            return QStringList{numbers->text(), bench.findChild<QLabel *>("mapDescription")->text(),
                               bench.mapView()->accessibleDescription(),
                               bench.findChild<ColourBar *>()->accessibleDescription()};
        };
        const QRegularExpression digit(QStringLiteral("\\d"));

        bench.photons()->predictFirst();
        // The detector still moves, to mark with; and a new experiment's map comes meanwhile.
        QTest::keyClick(bench.mapView(), Qt::Key_Right);
        Experiment next = bench.experiment();
        next.wavenumber = 0.03;
        bench.setExperiment(next);
        QTRY_VERIFY(bench.computer()->isFinished());
        for (const QString &text : told())
            QVERIFY2(!text.contains(digit), qPrintable(text));
        QVERIFY(!chain->isChainShown());

        bench.photons()->reveal();
        for (const QString &text : told())
            QVERIFY2(text.contains(digit), qPrintable(text));
        QVERIFY(chain->isChainShown());
    }

    void theDetectorGoesWhereItIsTypedAndStepsOnTheMapsGrid()
    {
        BenchWindow bench;
        bench.computer()->setGrids({MapGrid(500, 100)});
        bench.start(0.0001, 0.02, {2500, 0});
        bench.resize(1000, 700);
        bench.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bench));
        auto *x = bench.findChild<QSpinBox *>(QStringLiteral("detectorX"));
        auto *y = bench.findChild<QSpinBox *>(QStringLiteral("detectorY"));
        for (const auto &[field, typed] : {std::pair{x, "4000"}, std::pair{y, "500"}}) {
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(field, QString::fromLatin1(typed));
            QTest::keyClick(field, Qt::Key_Return);
        }
        QCOMPARE(bench.detector().x, 4000.0);
        QCOMPARE(bench.detector().y, 500.0);
        QCOMPARE(bench.detectorProbability(), bench.experiment().probabilityAt({4000, 500}));
        // Where the whole mirror gives little light: about 135 twips of bar.
        QVERIFY2(std::abs(bench.detectorProbability() - 135) < 10,
                 qPrintable(QString::number(bench.detectorProbability())));

        // A click lands anywhere; the arrow keys go on from there to the next point of the grid.
        QTest::mouseClick(bench.mapView(), Qt::LeftButton, {},
                          bench.mapView()->pixelOf({3333, 777}).toPoint());
        const Vec2 clicked = bench.detector();
        QTest::keyClick(bench.mapView(), Qt::Key_Right);
        QTest::keyClick(bench.mapView(), Qt::Key_Down, Qt::ShiftModifier);
        const Vec2 stepped = bench.detector();
        QCOMPARE(std::fmod(stepped.x, MapView::keyStep), 0.0);
        QVERIFY(stepped.x > clicked.x && stepped.x - clicked.x <= MapView::keyStep);
        QCOMPARE(std::fmod(stepped.y, MapView::fineKeyStep), 0.0);
        QVERIFY(stepped.y < clicked.y && clicked.y - stepped.y <= MapView::fineKeyStep);
        QCOMPARE(x->value(), int(stepped.x));
        QCOMPARE(y->value(), int(stepped.y));
    }

    void zonesChosenForOneKAreACutByHandForAnother()
    {
        BenchWindow bench;
        bench.computer()->setGrids({MapGrid(500, 100)});
        bench.start(0.0001, 0.02, {4000, 500});
        auto *presets = bench.findChild<QComboBox *>(QStringLiteral("mirrorPreset"));
        presets->setCurrentIndex(presets->findText(QStringLiteral("Zones for the detector")));
        emit presets->activated(presets->currentIndex());
        const MirrorCut zones = bench.experiment().cut;
        QVERIFY(!zones.isWhole());
        QVERIFY(bench.description().contains(u"zones"));

        bench.findChild<QDoubleSpinBox *>(QStringLiteral("mirrorK"))->setValue(0.0002);
        QCOMPARE(bench.experiment().cut, zones);
        QCOMPARE(presets->currentText(), QStringLiteral("Cut by hand"));
        QVERIFY2(!bench.description().contains(u"zones", Qt::CaseInsensitive),
                 qPrintable(bench.description()));
    }
};

QTEST_MAIN(TstBenchWindow)
#include "tst_benchwindow.moc"
