// SPDX-License-Identifier: GPL-3.0-or-later
#include "closeup.h"
#include "recordingsurface.h"
#include "run.h"

#include <QTest>
#include <algorithm>
#include <cmath>

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
};

QTEST_GUILESS_MAIN(TstCloseUp)
#include "tst_closeup.moc"
