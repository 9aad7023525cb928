// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapcomputer.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

using namespace veltrin;

class TstMapComputer : public QObject
{
    Q_OBJECT

private slots:
    void aChangeWhileAMapIsComputedNeverShowsAMapOfTheOldMirror()
    {
        MapComputer computer;
        // Coarse and full, dear enough that the changes below come while one is under way.
        computer.setGrids({MapGrid(250, 300), MapGrid(60)});
        Experiment old;
        Experiment grating = old;
        grating.cut = MirrorCut::grating(400);
        Experiment zones = old;
        zones.cut = MirrorCut::vertexStrip();

        QList<Experiment> shown;
        connect(&computer, &MapComputer::mapReady, this,
                [&](std::shared_ptr<const ProbabilityMap> map) {
                    QCOMPARE(map, computer.map());
                    shown << map->experiment();
                });
        computer.compute(old);
        computer.compute(grating); // before anything of the old one arrived
        QTRY_VERIFY(!shown.isEmpty());
        computer.compute(zones); // after the coarse map, while the full one is computed
        QTRY_VERIFY_WITH_TIMEOUT(computer.isFinished(), 30000);

        QCOMPARE(shown.count(old), 0);
        QCOMPARE(shown.last(), zones);
        QCOMPARE(computer.map()->experiment(), zones);
        QCOMPARE(computer.map()->grid(), MapGrid(60));
    }

    void aFloodOfChangesStartsNoThreadAndComputesOnlyTheLast()
    {
        MapComputer computer;
        computer.setGrids({MapGrid(250, 300), MapGrid(100, 300)});
        Experiment experiment;
        computer.compute(experiment);
        QTRY_VERIFY(computer.isFinished());
        const auto threads = [] {
            return QDir(QStringLiteral("/proc/self/task"))
                .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
                .size();
        };
        const qsizetype before = threads();
        QSignalSpy passing(&computer, &MapComputer::passingMapReady);

        // A drag across the mirror, faster than any map.
        const int changes = 100;
        for (int i = 1; i <= changes; ++i) {
            experiment.cut.set(MirrorCut::Half::Upper, 1, 20 * i, false);
            computer.compute(experiment);
        }
        QCOMPARE(threads(), before);
        QTRY_VERIFY(computer.isFinished());
        QCOMPARE(computer.map()->experiment(), experiment);
        QVERIFY2(passing.count() < changes / 4, qPrintable(QString::number(passing.count())));
        QCOMPARE(threads(), before);
    }

    void heldItStopsWithinARowAndLetGoItGoesOn()
    {
        MapComputer computer;
        computer.setGrids({MapGrid(250, 300), MapGrid(100, 300)});
        computer.compute(Experiment());
        computer.setHeld(true); // as its window closes, at once
        QTRY_VERIFY(computer.isIdle());
        QVERIFY(!computer.isFinished());

        // Asked for while held, nothing starts.
        Experiment grating;
        grating.cut = MirrorCut::grating(400);
        computer.compute(grating);
        QVERIFY(computer.isIdle());
        computer.setHeld(false);
        QTRY_VERIFY_WITH_TIMEOUT(computer.isFinished(), 60000);
        QCOMPARE(computer.map()->experiment(), grating);
        QVERIFY(computer.wholeMirrorFocus().has_value());
    }

    void aLensIsNotMeasuredByAMirrorsFocus()
    {
        // The mirror's focus search would climb the mirror's sums over the lens's map.
        MapComputer computer;
        computer.setGrids({MapGrid(250, 300), MapGrid(100, 300)});
        Experiment lens;
        lens.element = Experiment::Element::Lens;
        lens.source = Source::point(MapGrid::sceneOf({1000, 0}));
        computer.compute(lens);
        QTRY_VERIFY_WITH_TIMEOUT(computer.isFinished(), 60000);
        QVERIFY(!computer.wholeMirrorFocus() && !computer.parabolaFocus());
    }
};

QTEST_MAIN(TstMapComputer)
#include "tst_mapcomputer.moc"
