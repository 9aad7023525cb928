// SPDX-License-Identifier: GPL-3.0-or-later
#include "experiment.h"
#include "lightmix.h"

#include <QTest>
#include <cmath>

using namespace veltrin;

class TstLightMix : public QObject
{
    Q_OBJECT

private slots:
    // Where every colour of white light is equally bright, as at its focus, the point is white
    // at the scale's top and a neutral grey below it, not tinted by the colours' own mix.
    void equalLightInEveryColourIsAGreyOfItsBrightness()
    {
        const std::vector<double> white = Experiment::whiteWavenumbers();
        const LightMix mix(white);
        for (const double share : {1.0, 0.6, 0.25}) {
            const std::vector<double> values(white.size(), share * 2000);
            const QRgb colour = mix.colourOf(values, 2000);
            const int grey = int(std::lround(255 * share));
            QCOMPARE(qRed(colour), grey);
            QCOMPARE(qGreen(colour), grey);
            QCOMPARE(qBlue(colour), grey);
        }
    }
};

QTEST_GUILESS_MAIN(TstLightMix)
#include "tst_lightmix.moc"
