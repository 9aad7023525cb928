// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchphotons.h"
#include "photonstream.h"
#include "probabilitymap.h"

#include <QTest>
#include <cmath>

using namespace veltrin;

namespace {

Experiment parabola(double k)
{
    Experiment experiment;
    experiment.shape = MirrorShape::parabola(k);
    return experiment;
}

std::shared_ptr<const ProbabilityMap> mapOf(const Experiment &experiment)
{
    return std::make_shared<const ProbabilityMap>(
        *ProbabilityMap::compute(experiment, MapGrid(100, 1000)));
}

} // namespace

class TstBenchPhotons : public QObject
{
    Q_OBJECT

private slots:
    void anotherMirrorNeverMixesPhotonsOfTwoExperiments()
    {
        const Experiment near = parabola(0.0002); // its focus 1250 twips from the vertex
        const Experiment far = parabola(0.0001);  // 2500
        BenchPhotons photons;
        photons.stream().setRate(PhotonStream::fastest);
        photons.setExperiment(near);
        photons.setMap(mapOf(near));
        photons.stream().tick();
        QVERIFY(photons.tally().size() > 0);

        // The mirror changes while photons arrive: they are gone, and none land until the new
        // experiment's map is in, not even from a late map of the old one.
        photons.setExperiment(far);
        QCOMPARE(photons.tally().size(), 0u);
        photons.stream().tick();
        photons.setMap(mapOf(near));
        photons.stream().tick();
        QCOMPARE(photons.tally().size(), 0u);

        const auto farMap = mapOf(far);
        photons.setMap(farMap);
        for (int i = 0; i < 5; ++i)
            photons.stream().tick();
        QVERIFY(photons.tally().size() > 500);
        const Vec2 most = photons.tally().densest();
        const Vec2 brightest = farMap->brightest().at;
        QVERIFY2(std::hypot(most.x - brightest.x, most.y - brightest.y) < 400,
                 qPrintable(QStringLiteral("most at %1, %2").arg(most.x).arg(most.y)));
    }
};

QTEST_MAIN(TstBenchPhotons)
#include "tst_benchphotons.moc"
