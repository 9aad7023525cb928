#include "busydelay.h"
#include "recordingsurface.h"

#include <QTest>
#include <limits>

using namespace veltrin;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

class TstBusyDelay : public QObject
{
    Q_OBJECT

private slots:
    void durationOf_data()
    {
        QTest::addColumn<double>("count");
        QTest::addColumn<qint64>("nanoseconds");
        const qint64 day = std::chrono::nanoseconds(24h).count();
        QTest::addRow("no wait") << 0.0 << qint64(0);
        QTest::addRow("the count set at load") << 1.0 << qint64(100);
        QTest::addRow("a fraction counts down as a whole count") << 2.5 << qint64(300);
        QTest::addRow("far end of the scroll bar") << 983011.0 << qint64(98'301'100);
        QTest::addRow("negative") << -5.0 << qint64(0);
        QTest::addRow("not a number") << std::numeric_limits<double>::quiet_NaN() << qint64(0);
        QTest::addRow("huge, capped at a day") << 1e300 << day;
        QTest::addRow("infinite") << std::numeric_limits<double>::infinity() << day;
    }
    void durationOf()
    {
        QFETCH(double, count);
        QFETCH(qint64, nanoseconds);
        QCOMPARE(qint64(BusyDelay::durationOf(count).count()), nanoseconds);
    }

    void waitFollowsTheSteadyClock()
    {
        RecordingSurface surface;
        const Clock::time_point start = Clock::now();
        QVERIFY(BusyDelay::wait(1'000'000, surface)); // 100 ms
        const Clock::duration elapsed = Clock::now() - start;
        QVERIFY(elapsed >= 100ms);
        QVERIFY(elapsed < 5s);
    }

    void waitEndsWhenTheWindowCloses_data()
    {
        QTest::addColumn<int>("pumps");
        QTest::addRow("closing already") << 0;
        QTest::addRow("closing during the wait") << 3;
    }
    void waitEndsWhenTheWindowCloses()
    {
        QFETCH(int, pumps);
        RecordingSurface surface;
        surface.closeAfterPumps(pumps);
        const Clock::time_point start = Clock::now();
        QVERIFY(!BusyDelay::wait(1e9, surface)); // 100 s unless it stops
        QVERIFY(Clock::now() - start < 5s);
    }
};

QTEST_GUILESS_MAIN(TstBusyDelay)
#include "tst_busydelay.moc"
