#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace veltrin::bench {

/// The console report with one more column for the chosen benchmarks: their real time as a
/// multiple of the reference benchmark's, which runs first. Ends with a short summary.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    RatioReporter(std::string reference, std::vector<std::string> compared, OutputOptions options);

    void ReportRuns(const std::vector<Run> &runs) override;
    void Finalize() override;

private:
    std::string m_reference;
    std::vector<std::string> m_compared;
    std::map<std::string, double> m_referenceTimes; // by aggregate ("" for a plain run)
    std::vector<std::pair<std::string, double>> m_summary;
};

} // namespace veltrin::bench
