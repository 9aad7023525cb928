// SPDX-License-Identifier: GPL-3.0-or-later
#include "pacedrun.h"
#include "recordingsurface.h"
#include "scene.h"
#include "veltrinwindow.h"
#include "windowrun.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <optional>

using namespace veltrin;
using namespace std::chrono_literals;
using Op = RecordingSurface::Operation;

namespace {

QString text(const QWidget &window, const QString &field)
{
    return window.findChild<QLineEdit *>(field)->text();
}

QList<QRadioButton *> buttonsOf(const QWidget &window, const QString &frame)
{
    return window.findChild<QGroupBox *>(frame)->findChildren<QRadioButton *>();
}

void pressKeys(QScrollBar *bar, Qt::Key key, int times)
{
    for (int i = 0; i < times; ++i)
        QTest::keyClick(bar, key);
}

/// The runs on the window's drawing, drawn again where the test can read them.
RecordingSurface drawing(const VeltrinWindow &window)
{
    RecordingSurface surface;
    window.history().drawAgain(surface);
    return surface;
}

/// The probability bars drawn: the lines rising upright from the axis.
std::vector<Op> barsOf(const RecordingSurface &drawing)
{
    std::vector<Op> bars;
    for (const Op &line : drawing.operationsOf(Op::Kind::Line)) {
        if (line.from.y == float(scene::Y0) && line.to.x == line.from.x && line.to.y < line.from.y)
            bars.push_back(line);
    }
    return bars;
}

const Op &tallest(const std::vector<Op> &bars)
{
    return *std::ranges::min_element(bars, {}, [](const Op &bar) { return bar.to.y; });
}

} // namespace

class TstParameterHandlers : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_window.emplace();
        m_window->showWithWholeScene();
        QVERIFY(QTest::qWaitForWindowActive(&*m_window));
        m_window->surface().setQuestion([](QWidget *, const QString &) { return true; });
        m_bar = m_window->findChild<QScrollBar *>(QStringLiteral("HScroll1"));
    }
    void cleanup() { m_window.reset(); }

    // The pupil reads K on the button, and the run it starts shows that mirror: its reflected
    // rays reach the axis and cross it at the focus, 1/(4K) right of the vertex line, where its
    // bars peak.
    void eachKButtonGivesTheMirrorItsCaptionNames()
    {
        for (QRadioButton *button : buttonsOf(*m_window, QStringLiteral("frmOhnisko"))) {
            QTest::mouseClick(button, Qt::LeftButton);
            QVERIFY(pressStartAndWait(*m_window));
            const double focalLength = 1 / (4 * QLocale().toDouble(button->text()));
            const double focus = scene::X0 + focalLength;
            const RecordingSurface drawn = drawing(*m_window);
            for (const Op &ray : drawn.operationsOf(Op::Kind::Line)) {
                if (!(ray.colour == Colour::rayColour()) || ray.from.x == float(scene::XS))
                    continue; // not a ray, or an incoming one
                const double along = (scene::Y0 - ray.from.y) / double(ray.to.y - ray.from.y);
                const double crossing = ray.from.x + along * (ray.to.x - ray.from.x);
                QVERIFY2(along > 0 && along < 1 && std::abs(crossing - focus) < 0.06 * focalLength,
                         qPrintable(button->text()));
            }
            const double peak = tallest(barsOf(drawn)).from.x;
            QVERIFY2(std::abs(peak - focus) < 0.06 * focalLength, qPrintable(button->text()));
        }
    }

    // Low, Middle and High: bars in red, green and blue, each at its own place beside the
    // detector's, so that runs stand side by side; the higher the frequency, the narrower the
    // peak.
    void eachFrequencyButtonGivesBarsInItsColour()
    {
        const QList<QRadioButton *> buttons = buttonsOf(*m_window, QStringLiteral("frmKmitočet"));
        int widthBefore = scene::detectorPositions + 1;
        QSet<int> places;
        const char *const names[] = {"Low", "Middle", "High"}; // in red, green and blue
        for (int channel = 0; channel < 3; ++channel) {
            const auto button =
                std::ranges::find(buttons, QLatin1String(names[channel]), &QAbstractButton::text);
            QVERIFY2(button != buttons.end(), names[channel]);
            QTest::mouseClick(*button, Qt::LeftButton);
            QVERIFY(pressStartAndWait(*m_window));

            const std::vector<Op> bars = barsOf(drawing(*m_window));
            const Colour colour = bars.front().colour;
            const int channels[] = {colour.red(), colour.green(), colour.blue()};
            QVERIFY2(std::ranges::max_element(channels) == channels + channel, names[channel]);
            const float half = (float(scene::Y0) - tallest(bars).to.y) / 2;
            const int width = int(std::ranges::count_if(
                bars, [half](const Op &bar) { return bar.from.y - bar.to.y > half; }));
            QVERIFY2(width < widthBefore, names[channel]);
            widthBefore = width;
            places.insert(int(bars.front().from.x - scene::X0) % int(scene::detectorStep));
        }
        QCOMPARE(places.size(), 3);
    }

    // The scroll bar's left end runs as fast as the machine draws; each step right waits a
    // little longer after every detector position, up to about a tenth of a second at the far
    // end, by mouse or by key.
    void theScrollBarSetsThePauseOfTheNextRun()
    {
        m_bar->setFocus();
        QVERIFY(pressStartAndWait(*m_window));
        const std::chrono::nanoseconds atLeftEnd = lastPause();
        QTest::mouseClick(m_bar, Qt::LeftButton, {},
                          QPoint(m_bar->width() - 3, m_bar->height() / 2)); // the right arrow
        QVERIFY(pressStartAndWait(*m_window));
        const std::chrono::nanoseconds oneStep = lastPause();
        pressKeys(m_bar, Qt::Key_Right, 10);
        QVERIFY(pressStartAndWait(*m_window));
        const std::chrono::nanoseconds elevenSteps = lastPause();
        pressKeys(m_bar, Qt::Key_Left, 3);
        QVERIFY(pressStartAndWait(*m_window));
        QVERIFY(atLeftEnd < 1us && atLeftEnd < oneStep && oneStep < lastPause() &&
                lastPause() < elevenSteps);
        QTest::keyClick(m_bar, Qt::Key_Home);
        QVERIFY(pressStartAndWait(*m_window));
        QCOMPARE(lastPause(), atLeftEnd);

        // The run at the far end takes its time; its pause is known as it begins.
        QTest::keyClick(m_bar, Qt::Key_End);
        clickStart();
        QVERIFY2(lastPause() > 90ms && lastPause() < 110ms,
                 qPrintable(QString::number(lastPause().count())));
    }

    // Dragged, the thumb sets the pause where it is let go, not on the way.
    void theThumbSetsThePauseWhereItComesToRest()
    {
        m_bar->setSliderDown(true);
        m_bar->setSliderPosition(m_bar->maximum() / 2);
        QVERIFY(pressStartAndWait(*m_window));
        QVERIFY(lastPause() < 1us);
        m_bar->setSliderDown(false);
        clickStart();
        QVERIFY2(lastPause() > 1ms && lastPause() < 90ms,
                 qPrintable(QString::number(lastPause().count())));
    }

    void changedParametersNeverBringTheFirstRunBack()
    {
        QStringList questions;
        m_window->surface().setQuestion([&questions](QWidget *, const QString &prompt) {
            questions << prompt;
            return false;
        });
        QVERIFY(pressStartAndWait(*m_window));
        QCOMPARE(questions, QStringList());
        QCOMPARE(text(*m_window, "nPrvní"), "1");

        for (const char *name : {"opK0002", "opNízký"})
            QTest::mouseClick(m_window->findChild<QRadioButton *>(name), Qt::LeftButton);
        pressKeys(m_bar, Qt::Key_Right, 2);
        QCOMPARE(text(*m_window, "nPrvní"), "1");
        QVERIFY(pressStartAndWait(*m_window));
        QCOMPARE(questions, QStringList({"Delete probability"}));
        QCOMPARE(text(*m_window, "nPrvní"), "1");
    }

    void exitEndsTheProgram()
    {
        QTimer::singleShot(0, &*m_window, [this] {
            QTest::mouseClick(m_window->findChild<QPushButton *>(QStringLiteral("cmdKonec")),
                              Qt::LeftButton);
        });
        QTimer exitDidNothing;
        exitDidNothing.callOnTimeout(qApp, [] { QApplication::exit(1); });
        exitDidNothing.start(10'000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!m_window->isVisible());
    }

private:
    void clickStart()
    {
        QTest::mouseClick(m_window->findChild<QPushButton *>(QStringLiteral("cmdStart")),
                          Qt::LeftButton);
    }
    /// The pause the last run started takes after each detector position.
    std::chrono::nanoseconds lastPause() const
    {
        return PacedRun::pauseFor(m_window->history().runs().back().record.values.delayCount);
    }

    std::optional<VeltrinWindow> m_window;
    QScrollBar *m_bar = nullptr;
};

QTEST_MAIN(TstParameterHandlers)
#include "tst_parameterhandlers.moc"
