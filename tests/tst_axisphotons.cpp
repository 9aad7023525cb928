// SPDX-License-Identifier: GPL-3.0-or-later
#include "axisphotons.h"
#include "photonstream.h"

#include <QSignalSpy>
#include <QTest>
#include <numeric>

using namespace veltrin;

class TstAxisPhotons : public QObject
{
    Q_OBJECT

private slots:
    void anotherRunStartsAfreshTheSameKeepsItsPhotons()
    {
        AxisPhotons photons;
        photons.setRun(0.0001, 0.02, Qt::green);
        photons.stream().setRate(PhotonStream::fastest);
        photons.stream().tick();
        photons.stream().tick();
        const qint64 landed = photons.total();
        QVERIFY(landed > 0);
        QCOMPARE(std::accumulate(photons.counts().begin(), photons.counts().end(), qint64(0)),
                 landed);

        photons.setRun(0.0001, 0.02, Qt::blue); // only the colour: the same experiment
        QCOMPARE(photons.total(), landed);
        photons.setRun(0.0001, 0.04, Qt::blue);
        QCOMPARE(photons.total(), 0);
        QVERIFY(std::ranges::all_of(photons.counts(), [](qint64 n) { return n == 0; }));
    }
};

QTEST_MAIN(TstAxisPhotons)
#include "tst_axisphotons.moc"
