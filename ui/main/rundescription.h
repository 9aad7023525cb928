// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

namespace veltrin {

class RunHistory;

/// What the drawing shows after its runs, in words, for a pupil who does not see it: the last
/// run's frequency and mirror, where its probability peaks against the mirror's focus, how tall
/// the peak is, and how many runs are on the drawing.
class RunDescription
{
    Q_DECLARE_TR_FUNCTIONS(RunDescription)

public:
    /// Empty while no run is on the drawing.
    static QString of(const RunHistory &history);
};

} // namespace veltrin
