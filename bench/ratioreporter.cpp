#include "ratioreporter.h"

#include <algorithm>
#include <iomanip>
#include <ostream>

namespace veltrin::bench {

namespace {

using Run = benchmark::BenchmarkReporter::Run;

/// Real time per iteration in seconds, whatever unit the benchmark reports in.
double secondsPerIteration(const Run &run)
{
    const double perIteration = run.GetAdjustedRealTime();
    switch (run.time_unit) {
    case benchmark::kNanosecond:
        return perIteration * 1e-9;
    case benchmark::kMicrosecond:
        return perIteration * 1e-6;
    case benchmark::kMillisecond:
        return perIteration * 1e-3;
    case benchmark::kSecond:
        break;
    }
    return perIteration;
}

bool isTimeOfRuns(const Run &run)
{
    // Spreads (stddev, cv) and complexity fits have no meaningful ratio.
    return !run.error_occurred && (run.run_type == Run::RT_Iteration ||
                                   run.aggregate_name == "mean" || run.aggregate_name == "median");
}

} // namespace

RatioReporter::RatioReporter(std::string reference, std::vector<std::string> compared,
                             OutputOptions options)
    : ConsoleReporter(options), m_reference(std::move(reference)), m_compared(std::move(compared))
{
}

void RatioReporter::ReportRuns(const std::vector<Run> &runs)
{
    std::vector<Run> shown = runs;
    for (Run &run : shown) {
        if (!isTimeOfRuns(run))
            continue;
        const std::string family = run.run_name.function_name;
        if (family == m_reference) {
            m_referenceTimes[run.aggregate_name] = secondsPerIteration(run);
            continue;
        }
        if (std::find(m_compared.begin(), m_compared.end(), family) == m_compared.end())
            continue;
        const auto reference = m_referenceTimes.find(run.aggregate_name);
        if (reference == m_referenceTimes.end() || reference->second <= 0)
            continue;
        const double ratio = secondsPerIteration(run) / reference->second;
        run.counters["x_reference"] = ratio;
        // With repetitions the summary takes the median, else the one run.
        if (run.repetitions > 1 ? run.aggregate_name == "median"
                                : run.run_type == Run::RT_Iteration)
            m_summary.emplace_back(run.benchmark_name(), ratio);
    }
    ConsoleReporter::ReportRuns(shown);
}

void RatioReporter::Finalize()
{
    if (m_summary.empty())
        return;
    std::size_t width = 0;
    for (const auto &entry : m_summary)
        width = std::max(width, entry.first.size());
    std::ostream &out = GetOutputStream();
    out << "\nReal time as a multiple of " << m_reference << ":\n";
    for (const auto &[name, ratio] : m_summary)
        out << "  " << std::left << std::setw(int(width) + 2) << name << std::right << std::fixed
            << std::setprecision(2) << ratio << "\n";
    ConsoleReporter::Finalize();
}

} // namespace veltrin::bench
