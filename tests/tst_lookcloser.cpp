// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchwindow.h"
#include "canvas.h"
#include "closeup.h"
#include "closeupwindow.h"
#include "scene.h"
#include "twips.h"
#include "windowrun.h"

#include <QApplication>
#include <QTest>

using namespace veltrin;

namespace {

/// Where a click on the canvas lands for a point of the scene in twips.
QPoint pixelOf(double xTwips, double yTwips)
{
    return QPointF(xTwips / twipsPerPixel, yTwips / twipsPerPixel).toPoint();
}

} // namespace

class TstLookCloser : public QObject
{
    Q_OBJECT

private slots:
    void nothingOpensBeforeTheFirstRunNorDuringOne()
    {
        VeltrinWindow window;
        window.showWithWholeScene();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QPoint onBars = pixelOf(scene::detectorX(60) + 20, scene::Y0 - 100);
        QTest::mouseClick(window.canvas(), Qt::LeftButton, {}, onBars);
        QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);
        QVERIFY(!window.closeUp());

        window.surface().setText(Field::Spomaleni, QStringLiteral("1000000"));
        window.start();
        QTRY_VERIFY(!window.history().runs().back().record.probabilities.empty());
        QTest::mouseClick(window.canvas(), Qt::LeftButton, {}, onBars);
        QVERIFY(!window.closeUp());
    }

    void aClickOrCtrlLOpensTheLastRunAndALaterRunFollows()
    {
        VeltrinWindow window;
        window.surface().setQuestion([](QWidget *, const QString &) { return false; });
        window.showWithWholeScene();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(pressStartAndWait(window));

        // The green bar of position 60 stands 20 twips right of its detector.
        QTest::mouseClick(window.canvas(), Qt::LeftButton, {},
                          pixelOf(scene::detectorX(60) + 20, scene::Y0 - 100));
        CloseUpWindow *closeUp = window.closeUp();
        QVERIFY(closeUp && closeUp->isVisible());
        QCOMPARE(closeUp->position(), 60);
        QCOMPARE(closeUp->closeUp().k(), 0.00005);
        QCOMPARE(closeUp->closeUp().probability(),
                 window.history().runs().back().record.probabilities[60]);

        closeUp->close();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);
        QVERIFY(closeUp->isVisible());
        const std::vector<double> &bars = window.history().runs().back().record.probabilities;
        QCOMPARE(closeUp->closeUp().probability(), *std::max_element(bars.begin(), bars.end()));

        choose(window, Field::OsKruh, "0.0002");
        choose(window, Field::Kmitocet, "High");
        QVERIFY(pressStartAndWait(window));
        QCOMPARE(closeUp->closeUp().k(), 0.0002);
        QCOMPARE(closeUp->closeUp().frequency(), 0.04);
    }

    void theDrawingMarksThePositionUntilTheCloseUpCloses()
    {
        VeltrinWindow window;
        window.showWithWholeScene();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(pressStartAndWait(window));
        const QImage picture = window.canvas()->image();
        const QImage shown = window.canvas()->grab().toImage();

        QTest::mouseClick(window.canvas(), Qt::LeftButton, {},
                          pixelOf(scene::detectorX(60) + 20, scene::Y0 - 100));
        CloseUpWindow *closeUp = window.closeUp();
        QVERIFY(closeUp && closeUp->isVisible());
        QCOMPARE(window.canvas()->mark()->x, float(scene::detectorX(60) + 20));
        closeUp->setPosition(100);
        QCOMPARE(window.canvas()->mark()->x, float(scene::detectorX(100) + 20));
        QVERIFY(window.canvas()->grab().toImage() != shown);
        QCOMPARE(window.canvas()->image(), picture); // over the picture, never in it

        closeUp->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), closeUp);
        QTest::keyClick(closeUp, Qt::Key_Escape);
        QVERIFY(!closeUp->isVisible());
        QVERIFY(!window.canvas()->mark());
        QCOMPARE(window.canvas()->image(), picture);
        QCOMPARE(window.canvas()->grab().toImage(), shown);
    }

    void ctrlEInTheCloseUpOpensTheBenchAtItsPosition()
    {
        VeltrinWindow window;
        window.showWithWholeScene();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        choose(window, Field::OsKruh, "0.0001");
        QVERIFY(pressStartAndWait(window));
        QTest::mouseClick(window.canvas(), Qt::LeftButton, {},
                          pixelOf(scene::detectorX(60) + 20, scene::Y0 - 100));
        CloseUpWindow *closeUp = window.closeUp();
        QVERIFY(closeUp);
        QTRY_COMPARE(QApplication::activeWindow(), closeUp);
        QTest::keyClick(closeUp, Qt::Key_E, Qt::ControlModifier);

        const BenchWindow *bench = window.bench();
        QVERIFY(bench && bench->isVisible());
        QCOMPARE(bench->experiment().shape.k(), 0.0001);
        QCOMPARE(bench->detector().x, scene::detectorX(60) - scene::X0);
    }
};

QTEST_MAIN(TstLookCloser)
#include "tst_lookcloser.moc"
