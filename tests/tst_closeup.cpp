// SPDX-License-Identifier: GPL-3.0-or-later
#include "closeup.h"
#include "recordingsurface.h"
#include "run.h"

#include <QTest>
#include <algorithm>
#include <cmath>
#include <numbers>

using namespace veltrin;
using Op = RecordingSurface::Operation;

namespace {

/// What a run drew at one detector position: its spiral and, next, its bar.
struct Drawn
{
    std::vector<PointF> spiral;
    Op bar;
};

std::vector<Drawn> runDrawing(const QString &k, const QString &frequency)
{
    RecordingSurface surface;
    surface.setText(Field::OsKruh, k);
    surface.setText(Field::Kmitocet, frequency);
    Run(surface).drawToEnd();
    std::vector<Drawn> drawn;
    const std::vector<Op> &ops = surface.operations();
    for (std::size_t i = 0; i + 1 < ops.size(); ++i) {
        if (ops[i].kind == Op::Kind::Chain && ops[i + 1].kind == Op::Kind::Line)
            drawn.push_back({ops[i].chain, ops[i + 1]});
    }
    return drawn;
}

double distance(Vec2 a, Vec2 b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}

/// The height below the axis of the mirror point through which light from the source plane
/// reaches the detector soonest, found by narrowing down a golden section of the mirror. The
/// mirror is the parabola x = 2500 + K·v² whose vertex lies 50 twips above the axis, so that
/// the point h below the axis has v = h + 50; the source plane stands at x = 11000.
double leastTimeHeight(double k, double detectorX)
{
    const auto path = [&](double h) {
        const double x = 2500 + k * (h + 50) * (h + 50);
        return (11000 - x) + std::hypot(detectorX - x, h);
    };
    const double ratio = std::numbers::phi - 1;
    double low = 1;
    double high = 3000;
    while (high - low > 1e-3) {
        const double a = high - ratio * (high - low);
        const double b = low + ratio * (high - low);
        if (path(a) < path(b))
            high = b;
        else
            low = a;
    }
    return (low + high) / 2;
}

} // namespace

class TstCloseUp : public QObject
{
    Q_OBJECT

private slots:
    void allArrowsAreTheRunsOwnSpiralAndBar_data()
    {
        QTest::addColumn<QString>("k");
        QTest::addColumn<QString>("frequency");
        QTest::addRow("defaults") << "0.00005"
                                  << "0.02";
        QTest::addRow("deep mirror, high") << "0.0002"
                                           << "0.04";
        QTest::addRow("K 0.00007, low") << "0.00007"
                                        << "0.01";
    }
    void allArrowsAreTheRunsOwnSpiralAndBar()
    {
        QFETCH(QString, k);
        QFETCH(QString, frequency);
        const std::vector<Drawn> drawn = runDrawing(k, frequency);
        QCOMPARE(drawn.size(), std::size_t(142));
        for (const int position : {0, 1, 57, 84, 140, 141}) {
            const CloseUp closeUp(k.toDouble(), frequency.toDouble(), 3000, position);
            const std::span<const Vec2> chain = closeUp.chain();
            const Drawn &run = drawn[std::size_t(position)];
            QVERIFY(std::ranges::equal(chain, run.spiral, [](Vec2 ours, PointF drawn) {
                return float(ours.x) == drawn.x && float(ours.y) == drawn.y;
            }));
            // The bar rises from the axis by the probability, rounded as the run rounds it.
            QCOMPARE(run.bar.to.y, float(4500 - closeUp.probability()));

            // The resultant reaches from the first tail to the last head.
            const double length = closeUp.arrowLength();
            double x = chain.front().x;
            double y = chain.front().y;
            for (const CloseUp::Arrow &arrow : closeUp.arrows()) {
                x += length * std::cos(arrow.phase);
                y += length * std::sin(arrow.phase);
            }
            QVERIFY(distance({x, y}, chain.back()) < 0.01);
            QVERIFY(std::abs(closeUp.resultantLength() - distance(chain.front(), chain.back())) <
                    0.01);
        }
    }

    void fewerArrowsSpanTheMirrorAndApproachTheRun_data()
    {
        QTest::addColumn<double>("k");
        QTest::addColumn<double>("frequency");
        QTest::addRow("defaults") << 0.00005 << 0.02;
        QTest::addRow("deep mirror, high") << 0.0002 << 0.04;
    }
    void fewerArrowsSpanTheMirrorAndApproachTheRun()
    {
        QFETCH(double, k);
        QFETCH(double, frequency);
        std::vector<double> bars;
        for (int position = 0; position < 142; ++position)
            bars.push_back(CloseUp(k, frequency, 3000, position).probability());
        const double peak = std::ranges::max(bars);

        double previousError = HUGE_VAL;
        for (const int count : {30, 100, 1000}) {
            double totalError = 0;
            double worstError = 0;
            for (int position = 0; position < 142; ++position) {
                const CloseUp closeUp(k, frequency, count, position);
                const std::span<const CloseUp::Arrow> arrows = closeUp.arrows();
                QCOMPARE(arrows.size(), std::size_t(count));
                // From the first run of samples to the last, with the chain as long as the run's.
                QVERIFY(arrows.front().height <= 3000.0 / count);
                QVERIFY(arrows.back().height > 3000 - 3000.0 / count);
                QCOMPARE(closeUp.arrowLength() * count, 1500.0);
                const double error = std::abs(closeUp.probability() - bars[std::size_t(position)]);
                totalError += error;
                worstError = std::max(worstError, error);
            }
            QVERIFY2(totalError < previousError, qPrintable(QString::number(count)));
            previousError = totalError;
            // Thirty arrows may miss a turn of the phase at the mirror's steep edge; a hundred
            // no longer do.
            QVERIFY2(worstError < (count == 30 ? 0.1 : 0.001) * peak,
                     qPrintable(QStringLiteral("%1 arrows: %2").arg(count).arg(worstError)));
        }
    }

    void leastTimeIsWhereTheMirrorsGeometryPutsIt_data()
    {
        QTest::addColumn<double>("k");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("count");
        QTest::addRow("near the axis") << 0.00005 << 40 << 3000;
        QTest::addRow("halfway to the focus") << 0.00005 << 70 << 3000;
        QTest::addRow("just short of the focus, flat") << 0.00005 << 80 << 3000;
        QTest::addRow("beyond the focus: the edge") << 0.00005 << 100 << 3000;
        QTest::addRow("deep mirror") << 0.0002 << 10 << 3000;
        QTest::addRow("thirty arrows") << 0.00005 << 70 << 30;
    }
    void leastTimeIsWhereTheMirrorsGeometryPutsIt()
    {
        QFETCH(double, k);
        QFETCH(int, position);
        QFETCH(int, count);
        const CloseUp closeUp(k, 0.02, count, position);
        const std::span<const CloseUp::Arrow> arrows = closeUp.arrows();
        const CloseUp::Arrow &least = arrows[std::size_t(closeUp.leastTimeArrow())];
        QVERIFY(std::ranges::none_of(
            arrows, [&](const CloseUp::Arrow &a) { return a.pathLength < least.pathLength; }));

        const double expected = leastTimeHeight(k, 2500 + 60 * position);
        const double spacing = 3000.0 / count;
        QVERIFY2(std::abs(least.height - expected) <= spacing / 2 + 1,
                 qPrintable(QStringLiteral("%1, not %2").arg(least.height).arg(expected)));
    }
};

QTEST_GUILESS_MAIN(TstCloseUp)
#include "tst_closeup.moc"
