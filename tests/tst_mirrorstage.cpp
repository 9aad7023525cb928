// SPDX-License-Identifier: GPL-3.0-or-later
#include "mirrorstage.h"
#include "recordingsurface.h"
#include "runsetup.h"
#include "textform.h"

#include <QTest>
#include <algorithm>
#include <cmath>

using namespace veltrin;
using Op = RecordingSurface::Operation;
using Kind = Op::Kind;

namespace {

constexpr double tolerance = 1e-3; // twips; coordinates reach the surface as floats

/// Sets up a run with the K text and records only what the mirror stage draws.
RunValues runMirror(RecordingSurface &surface, const QString &kText)
{
    surface.setText(Field::OsKruh, kText);
    const RunValues values = RunSetup::run(surface).values;
    surface.clearOperations();
    MirrorStage::run(surface, values);
    return values;
}

/// The sample a ray at height y belongs to, whether below the axis or its image above.
int sampleOf(float y)
{
    return y > 4500 ? int(y) - 1500 : 7500 - int(y);
}

/// Each ray sample once below the axis and once above, in order.
std::vector<int> expectedRaySamples()
{
    std::vector<int> samples;
    for (int j = 3450; j <= 5950; j += 500)
        samples.insert(samples.end(), {j, j});
    return samples;
}

} // namespace

class TstMirrorStage : public QObject
{
    Q_OBJECT

private slots:
    void mirrorPoints_data()
    {
        QTest::addColumn<QString>("kText");
        QTest::addColumn<int>("j");
        QTest::addColumn<double>("x");
        QTest::addRow("K 0.00005, next to the axis") << "0.00005" << 3001 << 2500.13005;
        QTest::addRow("K 0.00005, outermost") << "0.00005" << 6000 << 2965.125;
        QTest::addRow("K 0.0002, next to the axis") << "0.0002" << 3001 << 2500.5202;
        QTest::addRow("K 0.0002, outermost") << "0.0002" << 6000 << 4360.5;
    }
    void mirrorPoints()
    {
        QFETCH(QString, kText);
        QFETCH(int, j);
        QFETCH(double, x);
        RecordingSurface surface;
        runMirror(surface, kText);

        const auto circles = surface.operationsOf(Kind::Circle);
        QCOMPARE(circles.size(), size_t(6000));
        QVERIFY(std::all_of(circles.begin(), circles.end(),
                            [](const Op &op) { return op.radius == 20 && op.penWidth == 1; }));
        const Op &lower = circles[2 * (j - 3001)];
        const Op &upper = circles[2 * (j - 3001) + 1];
        QVERIFY2(std::abs(lower.from.x - x) < tolerance, qPrintable(QString::number(lower.from.x)));
        QCOMPARE(lower.from.y, float(1500 + j));
        QCOMPARE(upper.from.x, lower.from.x);
        QCOMPARE(upper.from.y, float(7500 - j));
    }

    void raysGatherNearTheFocus_data()
    {
        QTest::addColumn<QString>("kText");
        QTest::addColumn<double>("rimIncomingEnd");
        QTest::addColumn<double>("rimReflectedStart");
        QTest::addRow("K 0.00005") << "0.00005" << 2950.0 << 2935.125;
        QTest::addRow("K 0.00007") << "0.00007" << 3130.0 << 3109.175;
        QTest::addRow("K 0.0001") << "0.0001" << 3400.0 << 3370.25;
        QTest::addRow("K 0.0002") << "0.0002" << 4300.0 << 4240.5;
    }
    void raysGatherNearTheFocus()
    {
        QFETCH(QString, kText);
        QFETCH(double, rimIncomingEnd);
        QFETCH(double, rimReflectedStart);
        RecordingSurface surface;
        const double k = runMirror(surface, kText).k;

        std::vector<Op> incoming;
        std::vector<Op> reflected;
        for (const Op &op : surface.operationsOf(Kind::Line)) {
            QVERIFY(op.colour == Colour::rayColour());
            (op.penWidth == 2 ? incoming : reflected).push_back(op);
        }
        QCOMPARE(incoming.size(), size_t(12));
        QCOMPARE(reflected.size(), size_t(12));
        std::vector<int> incomingSamples;
        std::vector<int> reflectedSamples;

        for (const Op &ray : incoming) {
            const int j = sampleOf(ray.from.y);
            incomingSamples.push_back(j);
            QCOMPARE(ray.from.x, 11000.0f);
            QCOMPARE(ray.to.y, ray.from.y);
            QVERIFY(std::abs(ray.to.x - (2500 + k * (j - 2950) * (j - 2950))) < tolerance);
            if (j == 5950)
                QVERIFY(std::abs(ray.to.x - rimIncomingEnd) < tolerance);
        }

        // A parabola x = K·u² has its focus 1/(4K) right of its vertex. The chords only
        // approximate the slope, so the reflections cross the axis a little short of it.
        const double focalLength = 1 / (4 * k);
        for (const Op &ray : reflected) {
            const int j = sampleOf(ray.from.y);
            reflectedSamples.push_back(j);
            QVERIFY(ray.penWidth == 1);
            QVERIFY(std::abs(ray.from.x - (2500 + k * (j - 3000) * (j - 3000))) < tolerance);
            if (j == 5950)
                QVERIFY(std::abs(ray.from.x - rimReflectedStart) < tolerance);

            const double along = (4500 - ray.from.y) / double(ray.to.y - ray.from.y);
            QVERIFY2(along > 0 && along < 1, "the ray does not reach the axis");
            const double crossing = ray.from.x + along * (ray.to.x - ray.from.x);
            QVERIFY2(std::abs(crossing - (2500 + focalLength)) < 0.06 * focalLength,
                     qPrintable(QStringLiteral("j %1 crosses at %2").arg(j).arg(crossing)));
        }
        QCOMPARE(incomingSamples, expectedRaySamples());
        QCOMPARE(reflectedSamples, expectedRaySamples());

        // The angle the rim's rays were drawn with stays in nAlfa.
        const double dx = 10 * k * (2950.0 * 2950.0 - 3000.0 * 3000.0);
        QCOMPARE(textToNumber(surface.text(Field::Alfa)), std::atan(500 / dx));
        QCOMPARE(surface.operationsOf(Kind::SetPenWidth).back().penWidth, 1);
    }

    void unknownKGivesReflectionsOfNoLength()
    {
        RecordingSurface surface;
        QCOMPARE(runMirror(surface, QStringLiteral("0.00015")).rayLength, 0.0);

        const auto lines = surface.operationsOf(Kind::Line);
        QCOMPARE(lines.size(), size_t(24));
        int empty = 0;
        for (const Op &line : lines)
            empty += line.penWidth == 1 && line.from == line.to;
        QCOMPARE(empty, 12);
    }
};

QTEST_GUILESS_MAIN(TstMirrorStage)
#include "tst_mirrorstage.moc"
