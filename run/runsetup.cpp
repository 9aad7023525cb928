// SPDX-License-Identifier: GPL-3.0-or-later
#include "runsetup.h"

#include "scenemarks.h"
#include "surface.h"
#include "surfaceerror.h"
#include "textform.h"

#include <QCoreApplication>

namespace veltrin {

namespace {

double readNumber(const QString &text, Field field)
{
    try {
        return textToNumber(text);
    } catch (const SurfaceError &) {
        throw SurfaceError(QCoreApplication::translate(
                               "RunSetup", "The field %1 holds \"%2\", which is not a number.")
                               .arg(fieldName(field), text));
    }
}

void eraseBand(Surface &surface, int fromY)
{
    using namespace scene;
    surface.setPenWidth(erasePen);
    for (int y = fromY; y <= eraseBottom; y += eraseStep)
        surface.drawLine({float(eraseLeft), float(y)}, {float(eraseRight), float(y)},
                         Colour::silver());
    surface.setPenWidth(1);
}

/// Everything of the set-up after the question.
void drawSetUp(Surface &surface, const RunRecord &record)
{
    using namespace scene;
    surface.setPenWidth(promptBarPen);
    if (record.firstRun) // a silver bar over the prompt, which the first run makes obsolete
        surface.drawLine({float(promptBarLeft), float(promptBarY)},
                         {float(promptBarRight), float(promptBarY)}, Colour::silver());
    surface.setPenWidth(1);
    if (!record.firstRun) // No keeps everything above the axis, above all the earlier bars
        eraseBand(surface, record.erasedAll ? eraseTopAll : int(Y0));
    surface.setText(Field::Prvni, numberToText(1));

    surface.drawLine({float(X0), float(Y0)}, {float(lineEnd), float(Y0)}); // optical axis
    surface.drawLine({float(X0), float(YTOP)}, {float(X0), float(YBOT)});  // vertex line
}

} // namespace

BarStyle decodeFrequency(const QString &text)
{
    const Choice *choice = choiceWithText(Field::Kmitocet, text);
    return choice ? choice->bars : BarStyle{};
}

double decodeRayLength(const QString &text)
{
    const Choice *choice = choiceWithText(Field::OsKruh, text);
    return choice ? choice->rayLength : 0;
}

RunRecord RunSetup::run(Surface &surface)
{
    // Every number the run needs is read before anything is drawn, so a field that holds no
    // number stops the run with the picture untouched; and the run keeps what it read, whatever
    // the user chooses while it goes on.
    RunRecord record;
    const QString flag = surface.text(Field::Prvni);
    record.firstRun = readNumber(flag, Field::Prvni) == 0;
    record.kText = surface.text(Field::OsKruh);
    record.frequencyText = surface.text(Field::Kmitocet);
    record.values.k = readNumber(record.kText, Field::OsKruh);
    record.values.frequency = readNumber(record.frequencyText, Field::Kmitocet);
    record.values.delayCount = readNumber(surface.text(Field::Spomaleni), Field::Spomaleni);
    record.values.bars = decodeFrequency(record.frequencyText);
    record.values.rayLength = decodeRayLength(record.kText);

    if (!record.firstRun)
        record.erasedAll =
            surface.askYesNo(QCoreApplication::translate("RunSetup", "Delete probability"));
    drawSetUp(surface, record);
    return record;
}

void RunSetup::drawAgain(Surface &surface, const RunRecord &record)
{
    drawSetUp(surface, record);
}

void RunSetup::drawAgainBeforeLaterRun(Surface &surface, const RunRecord &record)
{
    using namespace scene;
    if (record.firstRun) {
        surface.setPenWidth(promptBarPen);
        surface.drawLine({float(promptBarLeft), float(promptBarY)},
                         {float(promptBarRight), float(promptBarY)}, Colour::silver());
        surface.setPenWidth(1);
    } else if (record.erasedAll) {
        eraseBand(surface, eraseTopAll);
    }
    surface.setText(Field::Prvni, numberToText(1));
}

} // namespace veltrin
