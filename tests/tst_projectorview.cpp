// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"
#include "choices.h"
#include "projectorview.h"
#include "veltrinwindow.h"
#include "windowrun.h"

#include <QAction>
#include <QRadioButton>
#include <QSettings>
#include <QTest>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>

using namespace veltrin;

namespace {

QAction *projectorAction(const VeltrinWindow &window)
{
    for (QAction *action : window.canvas()->actions()) {
        if (action->text() == u"Projector view")
            return action;
    }
    return nullptr;
}

/// Runs High, Middle and Low one after the other, each keeping the bars before it.
bool runEveryFrequency(VeltrinWindow &window)
{
    window.surface().setQuestion([](QWidget *, const QString &) { return false; });
    for (const Choice &frequency : choicesFor(Field::Kmitocet)) {
        QTest::mouseClick(window.findChild<QRadioButton *>(frequency.objectName), Qt::LeftButton);
        if (!pressStartAndWait(window))
            return false;
    }
    return true;
}

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

/// WCAG 2 relative luminance and contrast ratio.
double luminance(QRgb colour)
{
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) +
           0.0722 * linear(qBlue(colour));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

using Matrix = std::array<std::array<double, 3>, 3>;

/// Machado, Oliveira and Fernandes (2009), severity 1.0, on linear sRGB; and normal vision.
const std::map<QString, Matrix> colourVisions{
    {"normal", {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}},
    {"protanopia",
     {{{0.152286, 1.052583, -0.204868},
       {0.114503, 0.786281, 0.099216},
       {-0.003882, -0.048116, 1.051998}}}},
    {"deuteranopia",
     {{{0.367322, 0.860646, -0.227968},
       {0.280085, 0.672501, 0.047413},
       {-0.011820, 0.042940, 0.968881}}}},
    {"tritanopia",
     {{{1.255528, -0.076749, -0.178779},
       {-0.078411, 0.930809, 0.147602},
       {0.004733, 0.691367, 0.303900}}}},
};

/// CIELAB (D65) of the colour as the colour vision sees it.
std::array<double, 3> labSeenWith(QRgb colour, const Matrix &vision)
{
    const double rgb[] = {linear(qRed(colour)), linear(qGreen(colour)), linear(qBlue(colour))};
    double seen[3];
    for (int i = 0; i < 3; ++i)
        seen[i] = std::clamp(vision[i][0] * rgb[0] + vision[i][1] * rgb[1] + vision[i][2] * rgb[2],
                             0.0, 1.0);
    const double xyz[] = {
        (0.4124 * seen[0] + 0.3576 * seen[1] + 0.1805 * seen[2]) / 0.95047,
        0.2126 * seen[0] + 0.7152 * seen[1] + 0.0722 * seen[2],
        (0.0193 * seen[0] + 0.1192 * seen[1] + 0.9505 * seen[2]) / 1.08883,
    };
    double f[3];
    for (int i = 0; i < 3; ++i)
        f[i] = xyz[i] > 216.0 / 24389 ? std::cbrt(xyz[i]) : (24389.0 / 27 * xyz[i] + 16) / 116;
    return {116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
}

} // namespace

class TstProjectorView : public QObject
{
    Q_OBJECT

private slots:
    void init() { QSettings(QStringLiteral("Veltrin"), QStringLiteral("Veltrin")).clear(); }

    void everyPartStandsOutFromItsGround_data()
    {
        QTest::addColumn<bool>("projector");
        QTest::addRow("normal view") << false;
        QTest::addRow("projector view") << true;
    }
    void everyPartStandsOutFromItsGround()
    {
        QFETCH(bool, projector);
        VeltrinWindow window;
        window.showWithWholeScene();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        projectorAction(window)->setChecked(projector);
        QVERIFY(runEveryFrequency(window));

        // Every colour on the picture, each against the ground, the colour of its corner.
        const QImage &picture = window.canvas()->image();
        const QRgb ground = picture.pixel(0, 0);
        std::map<QRgb, int> colours;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x)
                ++colours[picture.pixel(x, y)];
        }
        // Ground, foreground, rays and the bars of three frequencies; aliased, no blends.
        QCOMPARE(colours.size(), std::size_t(6));
        for (const auto &[colour, count] : colours) {
            const double ratio = contrast(colour, ground);
            qInfo("%s against %s: %.2f to 1, %d pixels", qPrintable(QColor(colour).name()),
                  qPrintable(QColor(ground).name()), ratio, count);
            if (projector && colour != ground)
                QVERIFY2(ratio >= 3, qPrintable(QColor(colour).name()));
        }
    }

    void frequenciesStayApartInEveryColourVision()
    {
        // The just-noticeable difference of CIE76, 2.3 (Sharma and Trussell, 1997).
        constexpr double noticeable = 2.3;
        const SceneStyle style = SceneStyle::projector();
        const std::span<const Choice> frequencies = choicesFor(Field::Kmitocet);
        QCOMPARE(frequencies.size(), std::size_t(3));
        for (const auto &[vision, matrix] : colourVisions) {
            for (std::size_t i = 0; i < frequencies.size(); ++i) {
                for (std::size_t j = i + 1; j < frequencies.size(); ++j) {
                    const auto a = labSeenWith(style.shown(frequencies[i].bars.colour), matrix);
                    const auto b = labSeenWith(style.shown(frequencies[j].bars.colour), matrix);
                    const double deltaE = std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
                    qInfo("%s: %s and %s, delta E %.1f", qPrintable(vision), frequencies[i].caption,
                          frequencies[j].caption, deltaE);
                    QVERIFY2(deltaE > noticeable, qPrintable(vision));
                }
            }
        }
    }

    void switchingRedrawsTheRunsAndIsRemembered()
    {
        QImage normal;
        {
            VeltrinWindow window;
            window.showWithWholeScene();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QVERIFY(runEveryFrequency(window));
            normal = window.canvas()->image();

            projectorAction(window)->trigger();
            QVERIFY(window.canvas()->image() != normal);
            QVERIFY(window.canvas()->image() == drawnAgain(window));
            projectorAction(window)->trigger();
            QVERIFY(window.canvas()->image() == normal); // back to the very same pixels
            projectorAction(window)->trigger();
        }
        // Left in the projector view, the program starts in it again.
        VeltrinWindow window;
        QVERIFY(projectorAction(window)->isChecked());
        QCOMPARE(window.canvas()->sceneStyle().background, SceneStyle::projector().background);
    }
};

QTEST_MAIN(TstProjectorView)
#include "tst_projectorview.moc"
