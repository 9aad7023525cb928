// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"
#include "choices.h"
#include "settingsstore.h"
#include "twips.h"
#include "veltrinwindow.h"
#include "windowrun.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <set>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace veltrin;

namespace {

QAction *projectorAction(const VeltrinWindow &window)
{
    const QList<QAction *> actions = window.canvas()->actions();
    const auto found = std::ranges::find(actions, QStringLiteral("Projector view"), &QAction::text);
    return found == actions.end() ? nullptr : *found;
}

std::array<double, 3> linearRgb(QRgb colour)
{
    std::array<double, 3> rgb{qRed(colour) / 255.0, qGreen(colour) / 255.0, qBlue(colour) / 255.0};
    for (double &c : rgb)
        c = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    return rgb;
}

/// WCAG 2 contrast ratio, from relative luminance.
double contrast(QRgb a, QRgb b)
{
    const auto luminance = [](QRgb colour) {
        const auto [r, g, b] = linearRgb(colour);
        return 0.2126 * r + 0.7152 * g + 0.0722 * b;
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

/// Machado, Oliveira and Fernandes (2009) at severity 1.0, on linear sRGB, row by row.
const std::map<const char *, std::array<double, 9>> colourVisions{
    {"protanopia",
     {0.152286, 1.052583, -0.204868, 0.114503, 0.786281, 0.099216, -0.003882, -0.048116, 1.051998}},
    {"deuteranopia",
     {0.367322, 0.860646, -0.227968, 0.280085, 0.672501, 0.047413, -0.011820, 0.042940, 0.968881}},
    {"tritanopia",
     {1.255528, -0.076749, -0.178779, -0.078411, 0.930809, 0.147602, 0.004733, 0.691367, 0.303900}},
};

/// CIELAB (D65) of the colour as the colour vision sees it.
std::array<double, 3> labSeenWith(QRgb colour, const std::array<double, 9> &m)
{
    const auto [r, g, b] = linearRgb(colour);
    double seen[3];
    for (int i = 0; i < 3; ++i)
        seen[i] = std::clamp(m[3 * i] * r + m[3 * i + 1] * g + m[3 * i + 2] * b, 0.0, 1.0);
    const double xyz[] = {(0.4124 * seen[0] + 0.3576 * seen[1] + 0.1805 * seen[2]) / 0.95047,
                          0.2126 * seen[0] + 0.7152 * seen[1] + 0.0722 * seen[2],
                          (0.0193 * seen[0] + 0.1192 * seen[1] + 0.9505 * seen[2]) / 1.08883};
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
    void init() { QDir(QFileInfo(SettingsStore().path()).path()).removeRecursively(); }

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
        window.surface().setQuestion([](QWidget *, const QString &) { return false; });
        for (const Choice &frequency : choicesFor(Field::Kmitocet)) { // each keeps the bars before
            window.choose(frequency);
            QVERIFY(pressStartAndWait(window));
        }

        // Every colour on the picture, against the ground, the colour of its corner.
        const QImage &picture = window.canvas()->image();
        std::map<QRgb, int> colours;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x)
                ++colours[picture.pixel(x, y)];
        }
        // Ground, foreground, rays and the bars of three frequencies; aliased, no blends.
        QCOMPARE(colours.size(), std::size_t(6));
        const QRgb ground = picture.pixel(0, 0);
        for (const auto &[colour, count] : colours) {
            const double ratio = contrast(colour, ground);
            qInfo("%s on %s: %.2f to 1, %d pixels", qPrintable(QColor(colour).name()),
                  qPrintable(QColor(ground).name()), ratio, count);
            QVERIFY2(!projector || colour == ground || ratio >= 3,
                     qPrintable(QColor(colour).name()));
        }

        // Switching draws the runs again in the other view, and back to the very same pixels.
        const QImage shown = picture;
        projectorAction(window)->toggle();
        QVERIFY(picture != shown && picture == drawnAgain(window));
        projectorAction(window)->toggle();
        QVERIFY(picture == shown);
        // The view is remembered: the next start opens in it.
        QCOMPARE(projectorAction(VeltrinWindow())->isChecked(), projector);
    }

    void barsStaySolidOverTheRays_data()
    {
        QTest::addColumn<qreal>("scale");
        QTest::addRow("design size") << 1.0;
        QTest::addRow("a quarter of it") << 0.25;
        QTest::addRow("half as large again") << 1.5; // wide strokes not drawn by QPainter
    }
    void barsStaySolidOverTheRays()
    {
        QFETCH(qreal, scale);
        VeltrinWindow window;
        window.showWithWholeScene();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        projectorAction(window)->setChecked(true);
        window.resize(picturePixels * scale);
        QTRY_VERIFY(std::abs(window.canvas()->scale() - scale) < 0.01);
        window.surface().setQuestion([](QWidget *, const QString &) { return false; });
        for (const Choice &frequency : choicesFor(Field::Kmitocet)) {
            window.choose(frequency);
            QVERIFY(pressStartAndWait(window));
        }

        // Only the style's own colours, at full strength: nothing thinner than a pixel faded.
        const SceneStyle style = SceneStyle::projector();
        const QImage &picture = window.canvas()->image();
        std::set<QRgb> allowed{style.background, style.foreground, style.rays};
        for (const SceneStyle::Recolour &bar : style.bars)
            allowed.insert(bar.to);
        int barPixels = 0;
        for (int x = 0; x < picture.width(); ++x) {
            // Bars stand on the axis and rise unbroken: no ray or line crosses them.
            int lowest = -1, highest = -1;
            for (int y = 0; y < picture.height(); ++y) {
                const QRgb pixel = picture.pixel(x, y);
                QVERIFY2(allowed.contains(pixel), qPrintable(QColor(pixel).name()));
                if (!style.isBar(pixel))
                    continue;
                ++barPixels;
                highest = highest < 0 ? y : highest;
                lowest = y;
            }
            for (int y = highest; y >= 0 && y <= lowest; ++y)
                QVERIFY2(style.isBar(picture.pixel(x, y)),
                         qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
        }
        QVERIFY(barPixels > picture.width());
    }

    void controlsTakeTheViewsColours()
    {
        VeltrinWindow window;
        const auto ground = [&](const char *name) {
            const QWidget *control = window.findChild<QWidget *>(QString::fromUtf8(name));
            return control->palette().color(control->backgroundRole()).rgb();
        };
        const auto palettes = [&] {
            std::map<QString, QPalette> all;
            for (const QWidget *control : window.findChildren<QWidget *>())
                all.emplace(control->objectName(), control->palette());
            return all;
        };
        const auto normal = palettes();
        projectorAction(window)->setChecked(true);

        const SceneStyle style = SceneStyle::projector();
        // The captions and frames on the view's own ground, no patches.
        for (const char *caption : {"nZáhlaví", "nRovnice", "nPravděpodobnost", "frmKmitočet"})
            QCOMPARE(ground(caption), style.background);
        // Each frequency's button in its bars' colour, its caption readable on it.
        for (const Choice &frequency : choicesFor(Field::Kmitocet)) {
            const auto *button = window.findChild<QRadioButton *>(frequency.objectName);
            QCOMPARE(ground(frequency.objectName), style.shown(frequency.bars.colour));
            QVERIFY(contrast(button->palette().color(QPalette::ButtonText).rgb(),
                             ground(frequency.objectName)) >= 4.5);
        }
        // And back to the very same colours.
        projectorAction(window)->setChecked(false);
        QVERIFY(palettes() == normal);
    }

    void settingsThatAreNoFileLeaveTheDefaultsAndTheNodeAlone_data()
    {
        QTest::addColumn<QString>("node");
        QTest::addRow("link to a device") << "device";
        QTest::addRow("FIFO") << "fifo";
        QTest::addRow("folder") << "folder";
        QTest::addRow("no yes or no") << "banana";
    }
    void settingsThatAreNoFileLeaveTheDefaultsAndTheNodeAlone()
    {
        QFETCH(QString, node);
        const QString path = SettingsStore().path();
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        const QByteArray name = QFile::encodeName(path);
        // A device node of the test's own, so that a store that wrote through the link would
        // replace that node, never the machine's /dev/null.
        QTemporaryDir devices;
        if (node == u"device") {
            if (::geteuid() != 0)
                QSKIP("Making a device node takes root.");
            const QString device = devices.filePath(QStringLiteral("null"));
            if (::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
                QSKIP("No device node can be made here.");
            QVERIFY(QFile::link(device, path));
        } else if (node == u"fifo") {
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        } else if (node == u"folder") {
            QVERIFY(QDir().mkpath(path));
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("[view]\nprojector=banana\n"));
        }
        struct stat before
        {
        };
        ::lstat(name.constData(), &before);

        VeltrinWindow window;
        window.showWithWholeScene();
        QVERIFY(!projectorAction(window)->isChecked());
        projectorAction(window)->toggle();
        QCOMPARE(window.canvas()->sceneStyle().background, SceneStyle::projector().background);
        if (node == u"banana")
            return; // a regular file, written anew
        struct stat after
        {
        };
        ::lstat(name.constData(), &after);
        QCOMPARE(after.st_mode, before.st_mode);
        QCOMPARE(after.st_ino, before.st_ino);
    }

    void frequenciesStayApartInEveryColourVision()
    {
        constexpr double noticeable = 2.3; // CIE76 (Sharma and Trussell, 1997)
        const SceneStyle style = SceneStyle::projector();
        const std::span<const Choice> frequencies = choicesFor(Field::Kmitocet);
        for (const auto &[vision, matrix] : colourVisions) {
            for (std::size_t i = 0; i < frequencies.size(); ++i) {
                for (std::size_t j = i + 1; j < frequencies.size(); ++j) {
                    const auto a = labSeenWith(style.shown(frequencies[i].bars.colour), matrix);
                    const auto b = labSeenWith(style.shown(frequencies[j].bars.colour), matrix);
                    const double deltaE = std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
                    qInfo("%s: %s and %s, delta E %.1f", vision, frequencies[i].caption,
                          frequencies[j].caption, deltaE);
                    QVERIFY2(deltaE > noticeable, vision);
                }
            }
        }
    }
};

QTEST_MAIN(TstProjectorView)
#include "tst_projectorview.moc"
