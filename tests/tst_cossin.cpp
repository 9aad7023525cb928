// SPDX-License-Identifier: GPL-3.0-or-later
#include "cossin.h"

#include <QTest>
#include <cmath>
#include <limits>
#include <vector>

using namespace veltrin;

class TstCosSin : public QObject
{
    Q_OBJECT

private slots:
    void everyAngleWithinAFewUnitsInTheLastPlace_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("first");
        QTest::addColumn<double>("step");
        QTest::addRow("none") << 0 << 0.0 << 0.0;
        QTest::addRow("one, short of a vector") << 1 << 171.3 << 0.0;
        QTest::addRow("three, short of a vector") << 3 << 171.3 << 0.37;
        QTest::addRow("one vector") << 4 << -2.0 << 1.1;
        QTest::addRow("a vector and one") << 5 << 0.0 << 0.5;
        // The phases of a spiral: path lengths of 8500 to 9600 twips at frequencies to 0.04.
        QTest::addRow("a spiral's phases") << 3000 << 85.0 << 0.1;
        QTest::addRow("large angles") << 7 << 1e6 << 12345.678;
    }
    void everyAngleWithinAFewUnitsInTheLastPlace()
    {
        QFETCH(int, count);
        QFETCH(double, first);
        QFETCH(double, step);
        std::vector<double> angles(count);
        for (int i = 0; i < count; ++i)
            angles[i] = first + i * step;
        // One more than asked for, to see that nothing is written beyond.
        std::vector<double> cosines(count + 1, 7.0);
        std::vector<double> sines(count + 1, 7.0);
        cosSinOf(angles, cosines, sines);

        const double tolerance = 4 * std::numeric_limits<double>::epsilon();
        for (int i = 0; i < count; ++i) {
            QVERIFY2(std::abs(cosines[i] - std::cos(angles[i])) <= tolerance,
                     qPrintable(QString::number(angles[i], 'g', 17)));
            QVERIFY2(std::abs(sines[i] - std::sin(angles[i])) <= tolerance,
                     qPrintable(QString::number(angles[i], 'g', 17)));
        }
        QCOMPARE(cosines[count], 7.0);
        QCOMPARE(sines[count], 7.0);
    }
};

QTEST_MAIN(TstCosSin)
#include "tst_cossin.moc"
