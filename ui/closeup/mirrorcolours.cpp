// SPDX-License-Identifier: GPL-3.0-or-later
#include "mirrorcolours.h"

#include "mirror.h"
#include "viridis.h"

#include <algorithm>
#include <array>

namespace veltrin {

int MirrorColours::shadeOf(int sample)
{
    const int fromAxis = std::clamp(sample - Mirror::firstSample, 0, Mirror::sampleCount - 1);
    return fromAxis * shades / Mirror::sampleCount;
}

QColor MirrorColours::shade(int index)
{
    static const std::array<QColor, shades> table = [] {
        std::array<QColor, shades> colours;
        for (int i = 0; i < shades; ++i)
            colours[std::size_t(i)] = viridis((i + 0.5) / shades);
        return colours;
    }();
    return table[std::size_t(std::clamp(index, 0, shades - 1))];
}

} // namespace veltrin
