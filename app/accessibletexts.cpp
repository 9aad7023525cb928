#include "accessibletexts.h"

#include <QWidget>

namespace veltrin {

namespace {

struct AccessibleText
{
    const char *objectName;
    const char *name;        ///< nullptr where the control's own text names it
    const char *description; ///< nullptr where the name says enough
};

// The fixed texts are text fields, which a screen reader would otherwise announce as unnamed
// edits; option buttons, frames and command buttons are named by their own captions.
const AccessibleText texts[] = {
    {"canvas", "Drawing of the mirror and the probability",
     "The parabolic mirror x = K times y squared with the incoming rays and their reflections; "
     "the Cornu spiral of arrows added head to tail for the detector's current position on the "
     "axis; and, above the axis, the probability that the light arrives at each position, drawn "
     "as bars: red for Low, green for Middle and blue for High frequency. Before the first run "
     "it asks you to press Start."},
    {"HScroll1", "Animation delay",
     "Further to the right, the run waits longer at each detector position."},
    {"nZáhlaví", "Veltrin (antenna)", nullptr},
    {"nRovnice", "Mirror equation: x = K times y squared", nullptr},
    {"nPravděpodobnost", "Probability", "Title of the probability plot"},
    {"nCornu", "Cornu spirals", "Title of the spiral plot"},
    {"cmdStart", nullptr, "Runs the simulation with the chosen mirror, frequency and delay."},
    {"cmdKonec", nullptr, "Ends the program."},
    {"opNízký", nullptr, "Its probability bars are red."},
    {"opStřední", nullptr, "Its probability bars are green."},
    {"opKmitVyš", nullptr, "Its probability bars are blue."},
};

} // namespace

void setAccessibleTexts(QWidget &window)
{
    for (const AccessibleText &text : texts) {
        auto *widget = window.findChild<QWidget *>(QString::fromUtf8(text.objectName));
        if (!widget)
            continue;
        if (text.name)
            widget->setAccessibleName(QString::fromUtf8(text.name));
        if (text.description)
            widget->setAccessibleDescription(QString::fromUtf8(text.description));
    }
}

} // namespace veltrin
