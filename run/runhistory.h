// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runrecord.h"

#include <span>
#include <vector>

namespace veltrin {

class Surface;

/// The runs whose bars are on the drawing, oldest first, as data: the picture can be drawn again
/// from them at any size, and their numbers read. A run answered Yes erases the runs before it.
class RunHistory
{
public:
    struct Entry
    {
        int number; ///< counted from the program's start
        RunRecord record;
    };

    /// A run has begun, its set-up drawn.
    void begin(const RunRecord &record);
    /// The run begun last has drawn more positions.
    void update(const RunRecord &record);

    std::span<const Entry> runs() const { return m_runs; }
    bool isEmpty() const { return m_runs.empty(); }

    /// Draws every run again onto a blank picture, in order, as far as each went.
    void drawAgain(Surface &surface) const;

private:
    std::vector<Entry> m_runs;
    int m_begun = 0;
};

} // namespace veltrin
