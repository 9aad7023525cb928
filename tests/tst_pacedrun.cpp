// SPDX-License-Identifier: GPL-3.0-or-later
#include "pacedrun.h"
#include "recordingsurface.h"
#include "surfaceerror.h"

#include <QSignalSpy>
#include <QTest>
#include <limits>
#include <vector>

using namespace veltrin;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

/// A window whose drawing breaks at the given spiral.
class BreakingSurface : public RecordingSurface
{
public:
    explicit BreakingSurface(int failingChain) : m_chainsLeft(failingChain) {}
    void drawChain(std::span<const PointF> points) override
    {
        if (--m_chainsLeft == 0)
            throw SurfaceError(QStringLiteral("The drawing area is gone"));
        RecordingSurface::drawChain(points);
    }

private:
    int m_chainsLeft;
};

int positionsDrawn(const RecordingSurface &surface)
{
    return int(surface.operationsOf(RecordingSurface::Operation::Kind::Chain).size());
}

} // namespace

class TstPacedRun : public QObject
{
    Q_OBJECT

private slots:
    void pauseFor_data()
    {
        QTest::addColumn<double>("count");
        QTest::addColumn<qint64>("nanoseconds");
        QTest::addRow("no wait") << 0.0 << qint64(0);
        QTest::addRow("a fraction counts down as a whole count") << 2.5 << qint64(300);
        QTest::addRow("far end of the scroll bar") << 983011.0 << qint64(98'301'100);
        QTest::addRow("negative") << -5.0 << qint64(0);
        QTest::addRow("not a number") << std::numeric_limits<double>::quiet_NaN() << qint64(0);
        QTest::addRow("infinite, capped at a day")
            << std::numeric_limits<double>::infinity() << qint64(86'400'000'000'000);
    }
    void pauseFor()
    {
        QFETCH(double, count);
        QFETCH(qint64, nanoseconds);
        QCOMPARE(qint64(PacedRun::pauseFor(count).count()), nanoseconds);
    }

    void positionsComeOneAStepOnTheEventLoop()
    {
        RecordingSurface surface;
        PacedRun run(surface);
        QCOMPARE(positionsDrawn(surface), 0); // the set-up and the mirror only
        QSignalSpy drawn(&run, &PacedRun::positionDrawn);
        QSignalSpy finished(&run, &PacedRun::finished);
        run.start();
        QCOMPARE(positionsDrawn(surface), 0);
        QVERIFY(finished.wait());
        QCOMPARE(drawn.size(), 142);
        QCOMPARE(positionsDrawn(surface), 142);
        QCOMPARE(run.run().record().probabilities.size(), size_t(142));
    }

    void pausesFollowTheSteadyClock()
    {
        RecordingSurface surface;
        surface.setText(Field::Spomaleni, QStringLiteral("200000")); // 20 ms a position
        PacedRun run(surface);
        std::vector<Clock::time_point> drawn;
        connect(&run, &PacedRun::positionDrawn, &run, [&drawn] { drawn.push_back(Clock::now()); });
        run.start();
        QTRY_VERIFY(drawn.size() >= 6);
        QCOMPARE(run.nextPause(), 20ms);
        // Never early; a loaded machine may be late.
        const auto perPosition = (drawn[5] - drawn[0]) / 5;
        QVERIFY2(perPosition >= 19ms, qPrintable(QString::number(perPosition / 1us)));
    }

    void stopEndsTheRunBetweenTwoPositions()
    {
        RecordingSurface surface;
        PacedRun run(surface);
        int drawn = 0;
        connect(&run, &PacedRun::positionDrawn, &run, [&] {
            if (++drawn == 3)
                run.stop();
        });
        run.start();
        QTest::qWait(100);
        QCOMPARE(positionsDrawn(surface), 3);
    }

    void failureInTheMiddleEndsTheRunWithItsReason()
    {
        BreakingSurface surface(5);
        PacedRun run(surface);
        QSignalSpy failed(&run, &PacedRun::failed);
        QSignalSpy finished(&run, &PacedRun::finished);
        run.start();
        QVERIFY(failed.wait());
        QCOMPARE(failed.first().first().toString(), QStringLiteral("The drawing area is gone"));
        QTest::qWait(50);
        QCOMPARE(positionsDrawn(surface), 4);
        QCOMPARE(finished.size(), 0);
    }
};

QTEST_GUILESS_MAIN(TstPacedRun)
#include "tst_pacedrun.moc"
