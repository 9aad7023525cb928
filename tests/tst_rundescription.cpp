// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"
#include "rundescription.h"
#include "scene.h"
#include "settingsstore.h"
#include "veltrinwindow.h"
#include "windowrun.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace veltrin;

namespace {

/// The whole number that follows the words in the text, group separators aside.
int numberAfter(const QString &text, const QString &words)
{
    const QRegularExpressionMatch match =
        QRegularExpression(words + QStringLiteral(" ([\\d.,\\s]+) units")).match(text);
    return match.hasMatch()
               ? match.captured(1).remove(QRegularExpression(QStringLiteral("\\D"))).toInt()
               : -1;
}

} // namespace

class TstRunDescription : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QFile::remove(SettingsStore().path()); }

    void saysWhereTheDrawnPeakStands()
    {
        VeltrinWindow window;
        window.surface().setQuestion([](QWidget *, const QString &) { return false; });
        window.showWithWholeScene();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(pressStartAndWait(window));
        const QString text = window.canvas()->accessibleDescription();
        QVERIFY2(text.contains(u"Middle") && text.contains(u"0.00005") && text.contains(u"One run"),
                 qPrintable(text));
        // One decimal separator in a language of decimal commas: K's as the numbers'.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QString german = RunDescription::of(window.history());
        QLocale::setDefault(QLocale::c());
        QVERIFY2(german.contains(u"0,00005") && !german.contains(u"0.00005"), qPrintable(german));

        // Measured on the picture, 15 twips to a pixel: the highest green bar of the default run.
        const QImage &picture = window.canvas()->image();
        int peakColumn = -1;
        int peakTop = picture.height();
        for (int x = 0; x < picture.width(); ++x) {
            for (int y = 0; y < peakTop; ++y) {
                if (picture.pixel(x, y) == qRgb(0, 255, 0)) {
                    peakColumn = x;
                    peakTop = y;
                }
            }
        }
        const int measuredDistance = peakColumn * 15 - int(scene::X0);
        const int measuredHeight = int(scene::Y0) - peakTop * 15;
        // Within a detector position, 60 twips, and a pixel either side.
        const int distance = numberAfter(text, QStringLiteral("peaks"));
        QVERIFY2(std::abs(distance - measuredDistance) <= 60 + 30,
                 qPrintable(QString::number(measuredDistance) + u' ' + text));
        QVERIFY2(std::abs(numberAfter(text, QStringLiteral("bar is")) - measuredHeight) <= 30,
                 qPrintable(QString::number(measuredHeight) + u' ' + text));
        // The focus of x = K y², 1/(4K), near which the probability peaks.
        QCOMPARE(numberAfter(text, QStringLiteral("lies")), 5000);
        QVERIFY(std::abs(distance - 5000) < 500);

        // A second run, its bars beside the first's, is the one described, of two.
        choose(window, Field::Kmitocet, "Low");
        QVERIFY(pressStartAndWait(window));
        const QString second = window.canvas()->accessibleDescription();
        QVERIFY2(second.contains(u"Low") && second.contains(u"2 runs"), qPrintable(second));
    }
};

QTEST_MAIN(TstRunDescription)
#include "tst_rundescription.moc"
