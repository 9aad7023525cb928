// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace veltrin {

class Surface;
struct RunValues;

/// The second stage of Start: the mirror as a chain of small circles and, every 500 twips of
/// its height, a pair of incoming rays with their reflections gathering near the focus.
class MirrorStage
{
public:
    static void run(Surface &surface, const RunValues &values);
};

} // namespace veltrin
