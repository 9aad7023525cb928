// SPDX-License-Identifier: GPL-3.0-or-later
#include "viridis.h"

#include <QTest>
#include <cmath>

using namespace veltrin;

namespace {

/// Relative luminance, as the eye weighs red, green and blue.
double luminance(const QColor &colour)
{
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

} // namespace

class TstViridis : public QObject
{
    Q_OBJECT

private slots:
    void darkVioletToYellowEverLighter()
    {
        // Dark and bluish at one end, light and yellow at the other.
        QVERIFY(viridis(0).blue() > viridis(0).green() && luminance(viridis(0)) < 0.05);
        QVERIFY(viridis(1).red() > 200 && viridis(1).blue() < 100);
        // Lighter at every step, so that the order reads without telling hues apart; and
        // beyond the ends it stays at them.
        for (int i = 1; i <= 200; ++i)
            QVERIFY2(luminance(viridis(i / 200.0)) > luminance(viridis((i - 1) / 200.0)),
                     qPrintable(QString::number(i)));
        QCOMPARE(viridis(-0.5), viridis(0));
        QCOMPARE(viridis(1.5), viridis(1));
    }
};

QTEST_GUILESS_MAIN(TstViridis)
#include "tst_viridis.moc"
