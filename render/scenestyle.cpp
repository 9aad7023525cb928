// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenestyle.h"

#include "choices.h"
#include "twips.h"

#include <algorithm>

namespace veltrin {

SceneStyle SceneStyle::projector()
{
    SceneStyle style;
    style.background = qRgb(255, 255, 255);
    style.foreground = qRgb(0, 0, 0);
    style.rays = qRgb(170, 76, 136); // a reddish purple, 5.1 to 1 on white
    style.prompt = qRgb(0, 0, 0);
    // Colours of Okabe and Ito's set, which stays apart for viewers without red, green or blue
    // cones alike: the three of it that reach 3 to 1 on white. The frequencies take them top to
    // bottom as their buttons stand, High to Low: blue, bluish green and vermilion, so that the
    // bars stay close to the blue, green and red of the buttons.
    const QRgb okabeIto[] = {qRgb(0, 114, 178), qRgb(0, 158, 115), qRgb(213, 94, 0)};
    const std::span<const Choice> frequencies = choicesFor(Field::Kmitocet);
    for (std::size_t i = 0; i < frequencies.size() && i < std::size(okabeIto); ++i)
        style.bars.push_back({frequencies[i].bars.colour, okabeIto[i]});
    style.rayWidening = 1;
    // As wide as the frequencies stand apart at a detector position, 20 twips: the bars of
    // three frequencies fill it side by side, none covering another.
    style.barWidth = 20.0 / twipsPerPixel;
    style.labelScale = 1.25;
    style.legend = true;
    style.raysUnderBars = true;
    style.solidLines = true;
    return style;
}

SceneStyle SceneStyle::figure()
{
    SceneStyle style;
    style.background = qRgb(255, 255, 255);
    style.rays = qRgb(135, 185, 235);
    // The Middle frequency's pure green all but vanishes on paper: a darker green, 4 to 1.
    for (const Choice &frequency : choicesFor(Field::Kmitocet)) {
        if (frequency.bars.colour == Colour::rgb(0, 255, 0))
            style.bars.push_back({frequency.bars.colour, qRgb(0, 150, 0)});
    }
    return style;
}

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

qreal SceneStyle::penWidth(int pixels, Colour colour) const
{
    if (colour.kind() == Colour::Kind::RayColour)
        return pixels + rayWidening;
    if (barWidth > 0 && std::ranges::find(bars, colour, &Recolour::from) != bars.end())
        return barWidth;
    return pixels;
}

bool SceneStyle::isBar(QRgb pixel) const
{
    return std::ranges::any_of(bars, [pixel](const Recolour &bar) {
        return (bar.to | 0xff000000) == (pixel | 0xff000000);
    });
}

} // namespace veltrin
