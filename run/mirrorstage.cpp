// SPDX-License-Identifier: GPL-3.0-or-later
#include "mirrorstage.h"

#include "mirror.h"
#include "runrecord.h"
#include "scenemarks.h"
#include "surface.h"
#include "textform.h"

#include <cmath>

namespace veltrin {

namespace {

/// Draws the reflected rays of sample j. The slope comes from the chord between u and u + 50,
/// and the rays start at the chord's end nearer the axis.
void drawReflections(Surface &surface, const Mirror &mirror, int j, double rayLength)
{
    using namespace scene;
    const double u1 = Mirror::parameter(j);
    const double u2 = AP / 2 - j;
    const double x1 = mirror.depth(u1);
    const double x2 = mirror.depth(u2);
    const double du = 10 * (u2 - u1);
    const double dx = 10 * (x2 - x1);
    // The angle reaches the rays only through the text of nAlfa, as the number read back.
    surface.setText(Field::Alfa, numberToText(std::atan(du / dx)));

    const double startX = X0 + x2;
    for (const bool lower : {true, false}) {
        const double alpha = textToNumber(surface.text(Field::Alfa));
        const double c = std::cos(2 * alpha);
        const double s = std::sin(2 * alpha);
        const double y = lower ? Mirror::lowerY(j) : Mirror::upperY(j);
        const double endY = lower ? y + s * rayLength : y - s * rayLength;
        surface.drawLine({float(startX), float(y)}, {float(startX - c * rayLength), float(endY)},
                         Colour::rayColour());
    }
}

} // namespace

void MirrorStage::run(Surface &surface, const RunValues &values)
{
    using namespace scene;
    const Mirror mirror(values.k);
    for (int j = Mirror::firstSample; j <= Mirror::lastSample; ++j) {
        const float x = float(mirror.lowerX(j));
        surface.drawCircle({x, float(Mirror::lowerY(j))}, mirrorCircleRadius);
        surface.drawCircle({x, float(Mirror::upperY(j))}, mirrorCircleRadius);
        if (!Mirror::isRaySample(j))
            continue;
        surface.setPenWidth(incomingRayPen);
        surface.drawLine({float(XS), float(Mirror::lowerY(j))}, {x, float(Mirror::lowerY(j))},
                         Colour::rayColour());
        surface.drawLine({float(XS), float(Mirror::upperY(j))}, {x, float(Mirror::upperY(j))},
                         Colour::rayColour());
        surface.setPenWidth(1);
        drawReflections(surface, mirror, j, values.rayLength);
    }
}

} // namespace veltrin
