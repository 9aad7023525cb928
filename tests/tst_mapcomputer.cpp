// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapcomputer.h"

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
};

QTEST_MAIN(TstMapComputer)
#include "tst_mapcomputer.moc"
