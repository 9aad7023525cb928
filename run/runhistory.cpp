// SPDX-License-Identifier: GPL-3.0-or-later
#include "runhistory.h"

#include "run.h"

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

void RunHistory::drawAgain(Surface &surface) const
{
    for (const Entry &entry : m_runs)
        Run(surface, entry.record);
}

} // namespace veltrin
