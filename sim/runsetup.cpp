#include "runsetup.h"

#include "scene.h"
#include "surface.h"
#include "surfaceerror.h"
#include "textform.h"

namespace veltrin {

namespace {

double readNumber(const Surface &surface, Field field)
{
    const QString text = surface.text(field);
    try {
        return textToNumber(text);
    } catch (const SurfaceError &) {
        throw SurfaceError(QStringLiteral("The field %1 holds \"%2\", which is not a number.")
                               .arg(fieldName(field), text));
    }
}

void eraseBand(Surface &surface, int fromY)
{
    // Lines 3 twips apart with a pen 3 pixels wide paint the band without gaps.
    for (int y = fromY; y <= 10000; y += 3)
        surface.drawLine({2000, float(y)}, {12000, float(y)}, Colour::silver());
}

} // namespace

BarStyle decodeFrequency(const QString &text)
{
    if (text == numberToText(0.01))
        return {40, Colour::rgb(255, 0, 0)};
    if (text == numberToText(0.02))
        return {20, Colour::rgb(0, 255, 0)};
    if (text == numberToText(0.04))
        return {0, Colour::rgb(0, 0, 255)};
    return {};
}

double decodeRayLength(const QString &text)
{
    if (text == numberToText(0.00005))
        return 6000;
    if (text == numberToText(0.00007))
        return 4500;
    if (text == numberToText(0.0001))
        return 3500;
    if (text == numberToText(0.0002))
        return 3100;
    return 0;
}

RunValues RunSetup::run(Surface &surface)
{
    using namespace scene;

    // Every number the run needs is read before anything is drawn, so a field that holds no
    // number stops the run with the picture untouched.
    const bool firstRun = readNumber(surface, Field::Prvni) == 0;
    RunValues values;
    values.k = readNumber(surface, Field::OsKruh);
    values.frequency = readNumber(surface, Field::Kmitocet);
    values.delayCount = readNumber(surface, Field::Spomaleni);

    surface.setScaleTwips();
    surface.setPenWidth(50);
    if (firstRun) // a silver bar over the prompt, which the first run makes obsolete
        surface.drawLine({5000, 4000}, {8000, 4000}, Colour::silver());
    surface.setPenWidth(1);

    if (!firstRun) {
        const bool deleteAll = surface.askYesNo(QStringLiteral("Delete probability"));
        surface.setPenWidth(3);
        // No keeps everything above the axis, above all the bars of earlier runs.
        eraseBand(surface, deleteAll ? 1 : int(Y0));
        surface.setPenWidth(1);
    }
    surface.setText(Field::Prvni, numberToText(1));

    surface.drawLine({float(X0), float(Y0)}, {float(XS + 500), float(Y0)}); // optical axis
    surface.drawLine({float(X0), float(YTOP)}, {float(X0), float(YBOT)});   // vertex line

    values.bars = decodeFrequency(surface.text(Field::Kmitocet));
    values.rayLength = decodeRayLength(surface.text(Field::OsKruh));
    return values;
}

} // namespace veltrin
