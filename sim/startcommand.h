#pragma once

namespace veltrin {

class Surface;

/// What the Start button does: one whole simulation run, from the set-up through the mirror
/// to the last probability bar, drawn and asked through the surface.
class StartCommand
{
public:
    enum class Outcome { Finished, WindowClosed };

    /// Throws SurfaceError when a window operation fails or a field holds no number.
    static Outcome run(Surface &surface);
};

} // namespace veltrin
