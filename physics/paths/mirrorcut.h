// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mirror.h"

#include <vector>

namespace veltrin {

/// Which strips of the mirror are kept: one flag per mirror sample of each half, so a pupil may
/// cut the upper half otherwise than the lower. A strip is named by its half and its height above
/// or below the axis, 1 … 3000 twips (sample j lies j − 3000 twips from the axis).
class MirrorCut
{
public:
    enum class Half { Lower, Upper };

    static constexpr int maxHeight = Mirror::sampleCount;

    /// The whole mirror.
    MirrorCut();

    static MirrorCut whole() { return {}; }
    /// Only the strip around the vertex, up to `height` twips from the axis on both halves.
    static MirrorCut vertexStrip(int height = 750);
    /// Only the edges, from `height` twips from the axis outwards on both halves.
    static MirrorCut edges(int height = 2250);
    /// Alternate strips: in every `period` twips of height the first half kept, the second cut.
    static MirrorCut grating(double period);

    /// The height above or below the axis of sample j.
    static constexpr int heightOf(int sample) { return sample - Mirror::firstSample + 1; }
    /// The half a mirror point lies on: below the axis y grows.
    static Half halfOf(const MirrorPoint &point)
    {
        return point.y > scene::Y0 ? Half::Lower : Half::Upper;
    }

    bool keeps(Half half, int height) const { return m_kept[index(half, height)]; }
    bool keeps(const MirrorPoint &point) const
    {
        return keeps(halfOf(point), heightOf(point.sample));
    }
    /// Keeps or cuts the strips from height `from` to `to` (either order, clipped to the mirror).
    void set(Half half, int from, int to, bool kept);

    /// How many of the 6000 strips are kept.
    int keptCount() const;
    bool isWhole() const { return keptCount() == 2 * maxHeight; }

    /// The points with every cut strip marked absent (points the shape does not reach stay absent).
    std::vector<MirrorPoint> applyTo(std::vector<MirrorPoint> points) const;

    friend bool operator==(const MirrorCut &, const MirrorCut &) = default;

private:
    static int index(Half half, int height)
    {
        return (half == Half::Upper ? maxHeight : 0) + height - 1;
    }

    std::vector<bool> m_kept;
};

} // namespace veltrin
