// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenestyle.h"

#include <algorithm>

namespace veltrin {

QRgb SceneStyle::shown(Colour colour) const
{
    switch (colour.kind()) {
    case Colour::Kind::Foreground:
        return foreground;
    case Colour::Kind::RayColour:
        return rays;
    case Colour::Kind::Rgb:
        break;
    }
    if (colour == Colour::silver())
        return background;
    const auto bar = std::ranges::find(bars, colour, &Recolour::from);
    return bar != bars.end() ? bar->to : qRgb(colour.red(), colour.green(), colour.blue());
}

int SceneStyle::penWidth(int pixels, Colour colour) const
{
    if (colour.kind() == Colour::Kind::RayColour)
        return pixels + rayWidening;
    if (barWidening != 0 && std::ranges::find(bars, colour, &Recolour::from) != bars.end())
        return pixels + barWidening;
    return pixels;
}

} // namespace veltrin
