// SPDX-License-Identifier: GPL-3.0-or-later
#include "pathsum.h"
#include "photonrandom.h"
#include "photonsampler.h"
#include "planephotons.h"

#include <QTest>
#include <cmath>
#include <vector>

using namespace veltrin;

namespace {

/// Pearson's statistic of counts against weights. Cells expecting fewer than ten photons are
/// pooled into one region, where the approximation by the chi-squared distribution holds.
struct ChiSquared
{
    double statistic = 0;
    int degrees = -1;
    int inEmptyCells = 0; ///< photons in cells of no weight, which must stay empty
};

ChiSquared chiSquared(const std::vector<int> &counts, const std::vector<double> &weights)
{
    double total = 0;
    long photons = 0;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        total += weights[i];
        photons += counts[i];
    }
    ChiSquared result;
    double pooledExpected = 0;
    long pooledCount = 0;
    const auto add = [&result](double expected, double count) {
        result.statistic += (count - expected) * (count - expected) / expected;
        ++result.degrees;
    };
    for (std::size_t i = 0; i < weights.size(); ++i) {
        const double expected = photons * weights[i] / total;
        if (weights[i] == 0)
            result.inEmptyCells += counts[i];
        else if (expected < 10) {
            pooledExpected += expected;
            pooledCount += counts[i];
        } else
            add(expected, counts[i]);
    }
    if (pooledExpected > 0)
        add(pooledExpected, pooledCount);
    return result;
}

/// The probability over a small grid of the plane in front of the mirror, from its vertex line
/// to the source plane and over its height.
std::vector<double> planeMap(const PlaneGrid &grid, std::span<const MirrorPoint> mirror)
{
    PathSum sum(mirror, 0.02);
    std::vector<double> map;
    for (int row = 0; row < grid.rows; ++row)
        for (int column = 0; column < grid.columns; ++column)
            map.push_back(PathSum::probabilityOf(sum.resultantAt(
                {grid.firstX + column * grid.step, grid.firstY + row * grid.step})));
    return map;
}

} // namespace

class TstPhotonSampler : public QObject
{
    Q_OBJECT

private slots:
    void photonsFollowTheWeights_data()
    {
        QTest::addColumn<std::vector<double>>("weights");
        QTest::addRow("uniform") << std::vector<double>(142, 1.0);
        std::vector<double> bars;
        PathSum run(0.0001, 0.02);
        for (int i = 0; i < scene::detectorPositions; ++i) {
            run.sumAt({scene::detectorX(i), scene::Y0}, {});
            bars.push_back(run.probability());
        }
        QTest::addRow("the bars of a run") << bars;
        // Empty cells at both ends and between, one cell far brighter than the rest; negative
        // and non-finite values count as nothing.
        std::vector<double> peaked{0, 0, 1, 0, 0, 2, 500, 3, 0, -4, NAN, INFINITY, 7, 0};
        QTest::addRow("peaked and cut") << peaked;
    }
    void photonsFollowTheWeights()
    {
        QFETCH(std::vector<double>, weights);
        PhotonSampler sampler(weights);
        PhotonRandom random(17);
        std::vector<int> counts(weights.size());
        for (int n = 0; n < 200000; ++n)
            ++counts[sampler.draw(random)];
        for (double &w : weights)
            w = std::isfinite(w) && w > 0 ? w : 0;
        const ChiSquared fit = chiSquared(counts, weights);
        QCOMPARE(fit.inEmptyCells, 0);
        // Five standard deviations of the statistic above its mean.
        QVERIFY2(fit.statistic < fit.degrees + 5 * std::sqrt(2.0 * fit.degrees),
                 qPrintable(QStringLiteral("χ² %1 for %2 degrees of freedom")
                                .arg(fit.statistic)
                                .arg(fit.degrees)));
    }

    void photonsInThePlaneFollowTheMap_data()
    {
        QTest::addColumn<bool>("cut");
        QTest::addRow("whole mirror") << false;
        QTest::addRow("a strip around the vertex") << true;
    }
    void photonsInThePlaneFollowTheMap()
    {
        QFETCH(bool, cut);
        auto mirror = Mirror(0.0001).bothHalves();
        if (cut)
            for (MirrorPoint &p : mirror)
                p.present = std::abs(p.y - scene::Y0) < 1000;
        PlaneGrid grid{.firstX = scene::X0 + 150,
                       .firstY = scene::YTOP + 150,
                       .step = 300,
                       .columns = 28,
                       .rows = 20,
                       .minX = scene::X0,
                       .maxX = scene::XS,
                       .minY = scene::YTOP,
                       .maxY = scene::YBOT};
        const std::vector<double> map = planeMap(grid, mirror);
        PlanePhotons photons(grid, map);
        PhotonRandom random(2026);
        std::vector<int> counts(map.size());
        for (int n = 0; n < 200000; ++n) {
            const Vec2 at = photons.draw(random);
            const int column = int((at.x - scene::X0) / grid.step);
            const int row = int((at.y - scene::YTOP) / grid.step);
            QVERIFY(column >= 0 && column < grid.columns && row >= 0 && row < grid.rows);
            ++counts[std::size_t(row * grid.columns + column)];
        }
        const ChiSquared fit = chiSquared(counts, map);
        QVERIFY2(fit.statistic < fit.degrees + 5 * std::sqrt(2.0 * fit.degrees),
                 qPrintable(QStringLiteral("χ² %1 for %2 degrees of freedom")
                                .arg(fit.statistic)
                                .arg(fit.degrees)));
    }

    void theSameSeedGivesTheSamePhotons()
    {
        const PlaneGrid grid{.firstX = 0, .firstY = 0, .step = 20, .columns = 3, .rows = 2};
        const std::vector<double> map{1, 2, 3, 4, 5, 6};
        const PlanePhotons photons(grid, map);
        const auto draws = [&photons](std::uint64_t seed) {
            PhotonRandom random(seed);
            std::vector<Vec2> points;
            for (int n = 0; n < 100; ++n)
                points.push_back(photons.draw(random));
            return points;
        };
        QVERIFY(draws(7) == draws(7));
        QVERIFY(draws(7) != draws(8));
    }
};

QTEST_MAIN(TstPhotonSampler)
#include "tst_photonsampler.moc"
