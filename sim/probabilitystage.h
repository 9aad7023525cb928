#pragma once

namespace veltrin {

class Surface;
struct RunValues;

/// The last stage of Start: walks the detector along the axis; for each position draws the
/// Cornu spiral of its path sum below the axis and the probability bar above it, shows both
/// at once and pauses.
class ProbabilityStage
{
public:
    static constexpr double detectorStep = 60;
    static constexpr double spiralBaseline = 6200; ///< y where every spiral starts

    /// Returns false when the window closed before the last position.
    static bool run(Surface &surface, const RunValues &values);
};

} // namespace veltrin
