// SPDX-License-Identifier: GPL-3.0-or-later
#include "runhistory.h"

#include "run.h"

#include <algorithm>
#include <iterator>

namespace veltrin {

void RunHistory::begin(const RunRecord &record)
{
    if (record.erasedAll)
        m_runs.clear();
    m_runs.push_back({++m_begun, record});
}

void RunHistory::update(const RunRecord &record)
{
    if (!m_runs.empty())
        m_runs.back().record = record;
}

namespace {

/// For each position of the run, the tallest bar a later run draws in the same place and
/// colour; -1 where none does.
template <typename Iterator> std::vector<double> tallestLater(Iterator entry, Iterator end)
{
    const RunRecord &run = entry->record;
    std::vector<double> tallest(run.probabilities.size(), -1);
    for (auto later = std::next(entry); later != end; ++later) {
        const RunValues &values = later->record.values;
        if (values.bars.offset != run.values.bars.offset ||
            !(values.bars.colour == run.values.bars.colour))
            continue;
        const std::vector<double> &heights = later->record.probabilities;
        for (std::size_t i = 0; i < std::min(heights.size(), tallest.size()); ++i)
            tallest[i] = std::max(tallest[i], heights[i]);
    }
    return tallest;
}

} // namespace

void RunHistory::drawAgain(Surface &surface) const
{
    // An earlier run leaves only what lies above the axis, where the next run erased below it;
    // of what is there, its mirror and rays are drawn the same again by a later run of its K.
    for (auto entry = m_runs.begin(); entry != m_runs.end(); ++entry) {
        if (std::next(entry) == m_runs.end()) {
            Run(surface, entry->record);
            break;
        }
        const bool sameMirrorLater =
            std::any_of(std::next(entry), m_runs.end(), [&entry](const Entry &later) {
                return later.record.kText == entry->record.kText;
            });
        Run::drawBeforeLaterRun(surface, entry->record, sameMirrorLater,
                                tallestLater(entry, m_runs.end()));
    }
}

} // namespace veltrin
