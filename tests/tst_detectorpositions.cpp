// SPDX-License-Identifier: GPL-3.0-or-later
#include "detectorpositions.h"

#include <QTest>

using namespace veltrin;

Q_DECLARE_METATYPE(veltrin::Vec2)
Q_DECLARE_METATYPE(std::optional<int>)

class TstDetectorPositions : public QObject
{
    Q_OBJECT

private slots:
    void pointsOfTheDrawing_data()
    {
        QTest::addColumn<double>("offset");
        QTest::addColumn<Vec2>("point");
        QTest::addColumn<std::optional<int>>("expected");
        const auto row = [](const char *name, double offset, Vec2 point,
                            std::optional<int> expected) {
            QTest::addRow("%s", name) << offset << point << expected;
        };
        // Red bars stand 40 right of their detector: two thirds of the way to the next one.
        row("red bar of the first position", 40, {2540, 3000}, 0);
        row("red bar of position 70", 40, {6740, 4400}, 70);
        row("red bar, a little to its left", 40, {6725, 4400}, 70);
        row("spiral start of position 70", 40, {6700, 6200}, 70);
        row("blue bar of the last position", 0, {10960, 2000}, 141);
        row("on the axis, between bars and spirals", 20, {5500, 4500}, 50);
        row("left edge of the columns", 40, {2470, 5000}, 0);
        row("right edge of the red columns", 40, {11030, 3000}, 141);
        row("top of the mirror", 20, {5000, 1500}, 41);
        row("bottom of the mirror", 20, {5000, 7500}, 42);

        row("left of the vertex line", 40, {2469, 5000}, std::nullopt);
        row("right of the last red bar", 40, {11031, 3000}, std::nullopt);
        row("right of the last blue bar", 0, {10991, 3000}, std::nullopt);
        row("above the mirror", 20, {5000, 1499}, std::nullopt);
        row("below the mirror", 20, {5000, 7501}, std::nullopt);
    }
    void pointsOfTheDrawing()
    {
        QFETCH(double, offset);
        QFETCH(Vec2, point);
        QFETCH(std::optional<int>, expected);
        QCOMPARE(DetectorPositions::at(point, offset), expected);
    }
};

QTEST_GUILESS_MAIN(TstDetectorPositions)
#include "tst_detectorpositions.moc"
