// SPDX-License-Identifier: GPL-3.0-or-later
// veltrin-runmemory: the resident memory of the window over many runs in a row. Every run
// redraws the same scene, so after the first few the figure must stay flat.

#include "twips.h"
#include "veltrinwindow.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <unistd.h>

namespace {

constexpr int defaultRuns = 200;
constexpr int growthFrom = 10; // the runs before are still filling caches and pools

/// The process's resident set size in bytes, from the kernel's page counts.
long long residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    long long sizePages = 0;
    long long residentPages = 0;
    statm >> sizePages >> residentPages;
    return residentPages * sysconf(_SC_PAGESIZE);
}

double mebibytes(long long bytes)
{
    return double(bytes) / (1024.0 * 1024.0);
}

/// Presses Start again and again, each time the run before has ended, so that everything Qt
/// defers to the event loop is done between runs as it is in the program.
class RunSeries
{
public:
    RunSeries(veltrin::VeltrinWindow &window, int runs) : m_window(window), m_runs(runs)
    {
        for (int run : {1, 5, growthFrom, 50, 100, 150, 200, runs}) {
            if (run <= runs)
                m_reported.insert(run);
        }
    }

    void start()
    {
        QObject::connect(&m_window, &veltrin::VeltrinWindow::runEnded, [this] { ended(); });
        QTimer::singleShot(0, &m_window, &veltrin::VeltrinWindow::cmdStart_Click);
    }
    bool succeeded() const { return m_succeeded; }

private:
    void ended()
    {
        ++m_done;
        if (m_window.history().runs().back().record.probabilities.size() != 142)
            return fail("the run did not draw every position");
        const long long rss = residentBytes();
        if (m_done == growthFrom)
            m_rssAtGrowthStart = rss;
        if (m_reported.contains(m_done))
            std::printf("after run %4d: RSS %7.1f MiB\n", m_done, mebibytes(rss));
        if (m_done < m_runs) {
            QTimer::singleShot(0, &m_window, &veltrin::VeltrinWindow::cmdStart_Click);
            return;
        }
        if (m_runs >= growthFrom) {
            const long long growth = rss - m_rssAtGrowthStart;
            std::printf("growth from run %d to run %d: %+.1f MiB (%+lld KiB)\n", growthFrom, m_runs,
                        mebibytes(growth), growth / 1024);
        }
        m_succeeded = true;
        QApplication::quit();
    }

    void fail(const char *reason)
    {
        std::fprintf(stderr, "run %d failed: %s\n", m_done, reason);
        QApplication::quit();
    }

    veltrin::VeltrinWindow &m_window;
    const int m_runs;
    std::set<int> m_reported;
    int m_done = 0;
    long long m_rssAtGrowthStart = 0;
    bool m_succeeded = false;
};

} // namespace

int main(int argc, char **argv)
{
    // The window is measured headless unless a platform is chosen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veltrin"));
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // each figure as soon as it is taken
    const int runs = argc > 1 ? std::atoi(argv[1]) : defaultRuns;
    if (runs < 1) {
        std::fprintf(stderr, "usage: %s [runs, default %d]\n", argv[0], defaultRuns);
        return EXIT_FAILURE;
    }

    veltrin::VeltrinWindow window;
    // At its design size, the scene's scale 1, on whatever screen the platform has.
    window.resize(veltrin::picturePixels);
    window.show();
    const QDeadlineTimer deadline(5000);
    while (!window.windowHandle()->isExposed() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    // The fastest the speed control goes; the question alternates between its two answers.
    window.surface().setText(veltrin::Field::Spomaleni, QStringLiteral("1"));
    int asked = 0;
    window.surface().setQuestion([&asked](QWidget *, const QString &) { return ++asked % 2 == 1; });

    std::printf("before the first run: RSS %7.1f MiB\n", mebibytes(residentBytes()));
    RunSeries series(window, runs);
    series.start();
    QApplication::exec();
    std::printf("questions answered: %d, Yes and No in turn\n", asked);
    return series.succeeded() ? EXIT_SUCCESS : EXIT_FAILURE;
}
