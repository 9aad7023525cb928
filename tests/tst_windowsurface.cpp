// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"
#include "imagesurface.h"
#include "modalbox.h"
#include "recordingsurface.h"
#include "run.h"
#include "runsetup.h"
#include "scene.h"
#include "scenecaptions.h"
#include "twips.h"
#include "windowrun.h"

#include <QLineEdit>
#include <QPaintEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <utility>
#include <vector>

using namespace veltrin;

namespace {

/// Passes every operation on to the real surface except the spirals, to learn which pixels
/// the rest of a run touches.
class WithoutSpirals : public Surface
{
public:
    explicit WithoutSpirals(Surface &inner) : m_inner(inner) {}

    void setPenWidth(int pixels) override { m_inner.setPenWidth(pixels); }
    void drawLine(PointF from, PointF to, Colour colour) override
    {
        m_inner.drawLine(from, to, colour);
    }
    void drawCircle(PointF centre, float radius) override { m_inner.drawCircle(centre, radius); }
    void drawChain(std::span<const PointF>) override {}
    QString text(Field field) const override { return m_inner.text(field); }
    void setText(Field field, const QString &text) override { m_inner.setText(field, text); }
    bool askYesNo(const QString &prompt) override { return m_inner.askYesNo(prompt); }
    void present() override { m_inner.present(); }

private:
    Surface &m_inner;
};

constexpr QRgb silver = qRgb(192, 192, 192);

/// Where the colour differs from silver within the rectangle of the image.
int pixelsOtherThanSilver(const QImage &image, const QRect &rect)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x)
            count += image.pixel(x, y) != silver;
    }
    return count;
}

void failOnQuestion(VeltrinWindow &window)
{
    window.surface().setQuestion([](QWidget *, const QString &prompt) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected question ") + prompt), __FILE__,
                     __LINE__);
        return false;
    });
}

/// Everything the canvas was asked to repaint, in its own pixels.
class PaintSpy : public QObject
{
public:
    explicit PaintSpy(QWidget *widget) { widget->installEventFilter(this); }
    QRegion take() { return std::exchange(m_painted, QRegion()); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            m_painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }

private:
    QRegion m_painted;
};

/// The pixels that differ between two pictures of one size, outside the region.
QStringList changedOutside(const QImage &before, const QImage &after, const QRegion &region)
{
    QStringList outside;
    for (int y = 0; y < after.height(); ++y) {
        const auto *a = reinterpret_cast<const QRgb *>(before.constScanLine(y));
        const auto *b = reinterpret_cast<const QRgb *>(after.constScanLine(y));
        for (int x = 0; x < after.width(); ++x) {
            if (a[x] != b[x] && !region.contains(QPoint(x, y)) && outside.size() < 5)
                outside << QStringLiteral("(%1, %2)").arg(x).arg(y);
        }
    }
    return outside;
}

} // namespace

class TstWindowSurface : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setApplicationName(QStringLiteral("Veltrin")); }

    void firstRunBarCoversTheWholePrompt()
    {
        VeltrinWindow window;
        window.showWithWholeScene();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect prompt = SceneCaptions::drawingPrompt().rect;
        QVERIFY(pixelsOtherThanSilver(window.canvas()->grab().toImage(), prompt) > 0);

        // The set-up alone: the mirror and its rays, drawn next, cross the prompt's place.
        RunSetup::run(window.surface());
        window.surface().present();
        QCOMPARE(pixelsOtherThanSilver(window.canvas()->image(), prompt), 0);
        QCOMPARE(pixelsOtherThanSilver(window.canvas()->grab().toImage(), prompt), 0);
    }

    void pictureSurvivesHideShowAndResize()
    {
        VeltrinWindow window;
        failOnQuestion(window);
        window.showWithWholeScene();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage prompt = window.canvas()->grab().toImage();
        QVERIFY(pressStartAndWait(window));
        const QImage drawn = window.canvas()->grab().toImage();
        QVERIFY(drawn != prompt);

        window.hide();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.canvas()->grab().toImage(), drawn);

        const QSize size = window.size();
        window.resize(200, 150);
        QTest::qWait(0);
        window.resize(size);
        QTest::qWait(0);
        QCOMPARE(window.canvas()->grab().toImage(), drawn);
    }

    void spiralsMarkExactlyThePixelsOfTheirPoints()
    {
        // Every point of every spiral, as the run hands them to the surface.
        RecordingSurface recording;
        Run(recording).drawToEnd();
        const int width = picturePixels.width();
        const int height = picturePixels.height();
        std::vector<bool> spiral(std::size_t(width) * height);
        for (const auto &op : recording.operationsOf(RecordingSurface::Operation::Kind::Chain)) {
            for (const PointF point : op.chain) {
                const int x = int(std::floor(double(point.x) / 15));
                const int y = int(std::floor(double(point.y) / 15));
                if (x >= 0 && x < width && y >= 0 && y < height)
                    spiral[std::size_t(y) * width + x] = true;
            }
        }

        VeltrinWindow window;
        failOnQuestion(window);
        window.showWithWholeScene();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(pressStartAndWait(window));
        const QImage &picture = window.canvas()->image();

        // The same run without its spirals shows which pixels the rays, circles and lines take.
        VeltrinWindow others;
        WithoutSpirals withoutSpirals(others.surface());
        Run(withoutSpirals).drawToEnd();
        withoutSpirals.present();
        const QImage &rest = others.canvas()->image();

        const QRgb foreground = SceneStyle().foreground;
        QVERIFY(foreground != silver);
        const int belowAxis = (4500 + 150) / 15; // spirals reach no higher than 4700 twips
        int compared = 0;
        QStringList wrong;
        for (int y = belowAxis; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (rest.pixel(x, y) != silver)
                    continue;
                const bool onSpiral = spiral[std::size_t(y) * width + x];
                compared += onSpiral;
                if ((picture.pixel(x, y) == foreground) != onSpiral && wrong.size() < 10)
                    wrong << QStringLiteral("(%1, %2) %3")
                                 .arg(x)
                                 .arg(y)
                                 .arg(onSpiral ? "missing" : "extra");
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u", ")));
        QVERIFY2(compared > 10000, qPrintable(QString::number(compared)));
    }

    void everyChangedPixelReachesTheScreen()
    {
        VeltrinWindow window;
        failOnQuestion(window);
        window.showWithWholeScene();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        PaintSpy painted(window.canvas());
        const QImage &picture = window.canvas()->image();

        QImage before = picture;
        Run run(window.surface());
        window.surface().present();
        QStringList missed = changedOutside(before, picture, painted.take());
        QVERIFY2(missed.isEmpty(), qPrintable("set-up: " + missed.join(u' ')));
        for (int position = 0; !run.atEnd(); ++position) {
            before = picture;
            run.drawNextPosition();
            missed = changedOutside(before, picture, painted.take());
            QVERIFY2(missed.isEmpty(),
                     qPrintable(QStringLiteral("position %1: ").arg(position) + missed.join(u' ')));
        }
    }

    void runsDrawnAgainMakeTheSamePicture()
    {
        VeltrinWindow window;
        bool deleteAll = false;
        window.surface().setQuestion(
            [&deleteAll](QWidget *, const QString &) { return deleteAll; });
        window.showWithWholeScene();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(pressStartAndWait(window));
        choose(window, Field::OsKruh, "0.0002");
        choose(window, Field::Kmitocet, "Low");
        QVERIFY(pressStartAndWait(window)); // No: both runs' bars stand side by side
        QCOMPARE(window.history().runs().size(), size_t(2));
        QCOMPARE(drawnAgain(window), window.canvas()->image());

        deleteAll = true;
        QVERIFY(pressStartAndWait(window));
        QCOMPARE(window.history().runs().size(), size_t(1));
        QCOMPARE(window.history().runs().front().number, 3);
        QCOMPARE(drawnAgain(window), window.canvas()->image());
    }

    void runGoesOnThroughResizes()
    {
        VeltrinWindow window;
        failOnQuestion(window);
        window.showWithWholeScene();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.surface().setText(Field::Spomaleni, QStringLiteral("30000")); // 3 ms a position
        QSignalSpy ended(&window, &VeltrinWindow::runEnded);
        // Before the first position, and again halfway, the picture is made anew at the new
        // size, and the run goes on drawing on it.
        window.start();
        window.resize(window.size() * 2);
        QTRY_VERIFY(window.history().runs().back().record.probabilities.size() > 70);
        window.resize(window.size() * 3 / 4);
        QVERIFY(ended.wait());
        // Nothing lost and nothing twice: the picture is the whole run drawn at the last size.
        QCOMPARE(window.canvas()->image().devicePixelRatio(), 1.5);
        QCOMPARE(window.history().runs().back().record.probabilities.size(),
                 std::size_t(scene::detectorPositions));
        QVERIFY(window.canvas()->image() == drawnAgain(window));
    }

    void questionBox_data()
    {
        QTest::addColumn<bool>("pressEnter");
        QTest::addColumn<bool>("answer");
        QTest::addRow("Enter answers Yes") << true << true;
        QTest::addRow("No") << false << false;
    }
    void questionBox()
    {
        QFETCH(bool, pressEnter);
        QFETCH(bool, answer);
        VeltrinWindow window; // the surface asks with the real box unless told otherwise
        window.showWithWholeScene();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QString seen;
        whenMessageBoxOpens(&window, [&](QMessageBox *box) {
            seen = QStringLiteral("%1|%2|%3|%4|%5")
                       .arg(box->windowTitle(), box->text())
                       .arg(box->icon() == QMessageBox::NoIcon && box->iconPixmap().isNull())
                       .arg(box->standardButtons() == (QMessageBox::Yes | QMessageBox::No))
                       .arg(box->defaultButton() == box->button(QMessageBox::Yes));
            if (pressEnter)
                QTest::keyClick(box, Qt::Key_Return);
            else
                box->button(QMessageBox::No)->click();
        });
        QCOMPARE(window.surface().askYesNo(QStringLiteral("Delete probability")), answer);
        QCOMPARE(seen, QStringLiteral("Veltrin|Delete probability|1|1|1"));
    }
};

QTEST_MAIN(TstWindowSurface)
#include "tst_windowsurface.moc"
