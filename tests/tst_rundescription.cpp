// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"
#include "veltrinwindow.h"
#include "windowrun.h"

#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>

using namespace veltrin;

namespace {

/// The whole number the pattern's one group captures in the text, group separators aside.
int numberIn(const QString &text, const QString &pattern)
{
    const QRegularExpressionMatch match = QRegularExpression(pattern).match(text);
    if (!match.hasMatch())
        return -1;
    QString digits = match.captured(1);
    digits.remove(QRegularExpression(QStringLiteral("\\D")));
    return digits.toInt();
}

/// The column with the longest unbroken vertical run of the colour, and that run's length.
std::pair<int, int> longestColumnRun(const QImage &picture, QRgb colour)
{
    std::pair<int, int> best{-1, 0};
    for (int x = 0; x < picture.width(); ++x) {
        int run = 0;
        for (int y = 0; y < picture.height(); ++y) {
            run = picture.pixel(x, y) == colour ? run + 1 : 0;
            if (run > best.second)
                best = {x, run};
        }
    }
    return best;
}

/// The column where the colour reaches highest, and how many rows it spans there.
std::pair<int, int> tallestColumn(const QImage &picture, QRgb colour)
{
    std::pair<int, int> best{-1, 0};
    for (int x = 0; x < picture.width(); ++x) {
        int top = -1;
        int bottom = -1;
        for (int y = 0; y < picture.height(); ++y) {
            if (picture.pixel(x, y) == colour) {
                top = top < 0 ? y : top;
                bottom = y;
            }
        }
        if (top >= 0 && bottom - top + 1 > best.second)
            best = {x, bottom - top + 1};
    }
    return best;
}

} // namespace

class TstRunDescription : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QSettings(QStringLiteral("Veltrin"), QStringLiteral("Veltrin")).clear(); }

    void saysWhereTheDrawnPeakStands()
    {
        VeltrinWindow window;
        window.surface().setQuestion([](QWidget *, const QString &) { return false; });
        window.showWithWholeScene();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(pressStartAndWait(window));
        const QString text = window.canvas()->accessibleDescription();
        QVERIFY2(text.contains(u"Middle") && text.contains(u"0.00005"), qPrintable(text));

        // Measured on the picture: the tallest green bar of the default run, and the vertex line,
        // the longest straight vertical line of the foreground grey. 15 twips to a pixel.
        const QImage &picture = window.canvas()->image();
        const auto [vertexLine, vertexLength] = longestColumnRun(picture, qRgb(118, 118, 118));
        const auto [peakColumn, peakRows] = tallestColumn(picture, qRgb(0, 255, 0));
        QVERIFY(vertexLength > 300 && peakRows > 50);
        const int measuredDistance = (peakColumn - vertexLine) * 15;
        const int measuredHeight = peakRows * 15;

        const int distance = numberIn(text, QStringLiteral("peaks ([\\d.,\\s]+) units"));
        const int height = numberIn(text, QStringLiteral("bar is ([\\d.,\\s]+) units tall"));
        // Within a detector position, 60 twips, and the bar's pixel either side.
        QVERIFY2(std::abs(distance - measuredDistance) <= 60 + 30,
                 qPrintable(QStringLiteral("%1 against %2: ").arg(distance).arg(measuredDistance) +
                            text));
        QVERIFY2(
            std::abs(height - measuredHeight) <= 30,
            qPrintable(QStringLiteral("%1 against %2: ").arg(height).arg(measuredHeight) + text));
        // The focus of x = K y², 1/(4K), near which the probability peaks.
        QCOMPARE(numberIn(text, QStringLiteral("lies ([\\d.,\\s]+) units")), 5000);
        QVERIFY(std::abs(distance - 5000) < 500);
        QVERIFY2(text.contains(u"One run"), qPrintable(text));

        // A second run, its bars beside the first's: it is the one described, among two.
        QTest::mouseClick(window.findChild<QRadioButton *>(QStringLiteral("opNízký")),
                          Qt::LeftButton);
        QVERIFY(pressStartAndWait(window));
        const QString second = window.canvas()->accessibleDescription();
        QVERIFY2(second.contains(u"Low") && second.contains(u"2 runs"), qPrintable(second));
    }
};

QTEST_MAIN(TstRunDescription)
#include "tst_rundescription.moc"
