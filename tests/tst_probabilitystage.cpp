// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordingsurface.h"
#include "run.h"

#include <QTest>
#include <algorithm>
#include <cmath>
#include <complex>
#include <map>

using namespace veltrin;
using Op = RecordingSurface::Operation;
using Kind = Op::Kind;

namespace {

/// What one detector position drew: the rays again, its spiral and its bar, then the update.
struct Position
{
    std::vector<Op> rays;
    Op spiral;
    Op bar;
};

/// The positions of a run, up to the first update that does not follow exactly that pattern.
std::vector<Position> positionsOf(const RecordingSurface &surface)
{
    const std::vector<Op> &ops = surface.operations();
    std::vector<Position> positions;
    for (size_t i = 0; i < ops.size(); ++i) {
        if (ops[i].kind != Kind::Present)
            continue;
        if (i < 14)
            break;
        const auto first = ops.begin() + std::ptrdiff_t(i - 14);
        const auto chain = first + 12;
        if (std::any_of(first, chain, [](const Op &op) { return op.kind != Kind::Line; }) ||
            chain->kind != Kind::Chain || chain->chain.empty() || ops[i - 1].kind != Kind::Line)
            break;
        positions.push_back({{first, chain}, *chain, ops[i - 1]});
    }
    return positions;
}

/// The resultant of a detector's path arrows, summed afresh as unit phasors over the mirror's
/// lower half: light from the source plane to the mirror point at height h, then to (xd, axis).
std::complex<double> pathSum(double k, double frequency, double xd)
{
    std::complex<double> sum;
    for (int h = 3000; h >= 1; --h) {
        const double depth = k * (h + 50.0) * (h + 50.0);
        const double path = (11000 - depth) + std::hypot(double(h), xd - 2500 - depth);
        sum += std::polar(0.5, frequency * path);
    }
    return sum;
}

} // namespace

class TstProbabilityStage : public QObject
{
    Q_OBJECT

private slots:
    void defaultRunWalksTheAxis()
    {
        RecordingSurface surface;
        Run run(surface);
        run.drawToEnd();
        QCOMPARE(surface.arrowCount(), 426000LL);

        // Every position draws the incoming rays again, from further right, to the same ends.
        std::map<float, float> incomingEnd;
        for (const Op &line : surface.operationsOf(Kind::Line)) {
            if (line.penWidth == 2)
                incomingEnd[line.from.y] = line.to.x;
        }
        QCOMPARE(incomingEnd.size(), size_t(12));

        const std::vector<Position> positions = positionsOf(surface);
        QCOMPARE(positions.size(), size_t(142));
        for (size_t i = 0; i < positions.size(); ++i) {
            const Position &position = positions[i];
            const float xd = float(2500 + 60 * i);
            const std::vector<PointF> &spiral = position.spiral.chain;
            QCOMPARE(position.spiral.kind, Kind::Chain);
            QCOMPARE(spiral.size(), size_t(3001));
            QCOMPARE(spiral.front(), (PointF{xd, 6200}));
            for (size_t a = 1; a < spiral.size(); ++a) {
                const float length =
                    std::hypot(spiral[a].x - spiral[a - 1].x, spiral[a].y - spiral[a - 1].y);
                QVERIFY2(std::abs(length - 0.5f) < 2e-3f, qPrintable(QString::number(length)));
            }
            for (const Op &ray : position.rays) {
                QCOMPARE(ray.kind, Kind::Line);
                QCOMPARE(ray.from.x, 11500.0f);
                QCOMPARE(ray.to, (PointF{incomingEnd[ray.from.y], ray.from.y}));
                QVERIFY(ray.colour == Colour::foreground());
                QCOMPARE(ray.penWidth, 1);
            }
        }
        QCOMPARE(positions.back().spiral.chain.front().x, 10960.0f);

        int baselines = 0;
        int rays = 0;
        for (const Op &line : surface.operationsOf(Kind::Line)) {
            baselines += line.from == PointF{2500, 6200} && line.to == PointF{11500, 6200};
            rays += line.from.x == 11500;
        }
        QCOMPARE(baselines, 1);
        QCOMPARE(rays, 142 * 12);
    }

    void barsMatchAnIndependentSum_data()
    {
        QTest::addColumn<QString>("kText");
        QTest::addColumn<QString>("frequencyText");
        QTest::addColumn<double>("barOffset");
        QTest::addColumn<Colour>("barColour");
        QTest::addRow("defaults") << "0.00005"
                                  << "0.02" << 20.0 << Colour::rgb(0, 255, 0);
        QTest::addRow("K 0.0001, low") << "0.0001"
                                       << "0.01" << 40.0 << Colour::rgb(255, 0, 0);
        QTest::addRow("K 0.0002, high") << "0.0002"
                                        << "0.04" << 0.0 << Colour::rgb(0, 0, 255);
        QTest::addRow("unknown frequency") << "0.00007"
                                           << "0.03" << 0.0 << Colour::rgb(0, 0, 0);
    }
    void barsMatchAnIndependentSum()
    {
        QFETCH(QString, kText);
        QFETCH(QString, frequencyText);
        QFETCH(double, barOffset);
        QFETCH(Colour, barColour);
        const double k = kText.toDouble();
        const double frequency = frequencyText.toDouble();
        RecordingSurface surface;
        surface.setText(Field::OsKruh, kText);
        surface.setText(Field::Kmitocet, frequencyText);
        Run run(surface);
        run.drawToEnd();
        // The run keeps each bar's height, which is what it tells of itself afterwards.
        const std::vector<double> &kept = run.record().probabilities;
        QCOMPARE(kept.size(), size_t(142));

        const std::vector<Position> positions = positionsOf(surface);
        QCOMPARE(positions.size(), size_t(142));
        double highest = 0;
        double highestAt = 0;
        for (const Position &position : positions) {
            const PointF start = position.spiral.chain.front();
            const double keptHeight = kept[&position - positions.data()];
            const double xd = start.x;
            const std::complex<double> sum = pathSum(k, frequency, xd);
            const double height = std::norm(sum) * 0.001;

            const Op &bar = position.bar;
            QVERIFY(bar.colour == barColour);
            QCOMPARE(bar.from, (PointF{float(xd + barOffset), 4500}));
            QCOMPARE(bar.to.x, bar.from.x);
            QVERIFY2(
                std::abs((4500 - bar.to.y) - height) < 0.01,
                qPrintable(
                    QStringLiteral("at %1: %2, not %3").arg(xd).arg(4500 - bar.to.y).arg(height)));
            QVERIFY(height <= 2250);
            QCOMPARE(float(4500 - keptHeight), bar.to.y);
            // y grows downwards on the surface, the same way as the phasor's imaginary part.
            const PointF end = position.spiral.chain.back();
            QVERIFY(std::abs(end.x - (start.x + sum.real())) < 0.05);
            QVERIFY(std::abs(end.y - (start.y + sum.imag())) < 0.05);
            if (height > highest) {
                highest = height;
                highestAt = xd;
            }
        }
        const double focalLength = 1 / (4 * k);
        QVERIFY2(std::abs(highestAt - (2500 + focalLength)) < 0.05 * focalLength,
                 qPrintable(QStringLiteral("peak at %1").arg(highestAt)));
    }
};

QTEST_GUILESS_MAIN(TstProbabilityStage)
#include "tst_probabilitystage.moc"
