// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibletexts.h"

#include "choices.h"

#include <QCoreApplication>
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
// edits; option buttons, frames and command buttons are named by their own captions. What an
// option button means is its choice's description.
const AccessibleText texts[] = {
    {"canvas", QT_TRANSLATE_NOOP("AccessibleTexts", "Drawing of the mirror and the probability"),
     QT_TRANSLATE_NOOP(
         "AccessibleTexts",
         "The parabolic mirror x = K times y squared with the incoming rays and their "
         "reflections; the Cornu spiral of arrows added head to tail for the detector's current "
         "position on the axis; and, above the axis, the probability that the light arrives at "
         "each position, drawn as bars: red for Low, green for Middle and blue for High "
         "frequency. Before the first run it asks you to press Start.")},
    {"HScroll1", QT_TRANSLATE_NOOP("AccessibleTexts", "Animation delay"),
     QT_TRANSLATE_NOOP("AccessibleTexts",
                       "Further to the right, the run waits longer at each detector position.")},
    {"nZáhlaví", QT_TRANSLATE_NOOP("AccessibleTexts", "Veltrin (antenna)"), nullptr},
    {"nRovnice", QT_TRANSLATE_NOOP("AccessibleTexts", "Mirror equation: x = K times y squared"),
     nullptr},
    {"nPravděpodobnost", QT_TRANSLATE_NOOP("AccessibleTexts", "Probability"),
     QT_TRANSLATE_NOOP("AccessibleTexts", "Title of the probability plot")},
    {"nCornu", QT_TRANSLATE_NOOP("AccessibleTexts", "Cornu spirals"),
     QT_TRANSLATE_NOOP("AccessibleTexts", "Title of the spiral plot")},
    {"cmdStart", nullptr,
     QT_TRANSLATE_NOOP("AccessibleTexts",
                       "Runs the simulation with the chosen mirror, frequency and delay.")},
    {"cmdKonec", nullptr, QT_TRANSLATE_NOOP("AccessibleTexts", "Ends the program.")},
    {"frmOhnisko", nullptr,
     QT_TRANSLATE_NOOP("AccessibleTexts",
                       "The mirror's constant K: the larger K, the more curved the mirror and "
                       "the nearer its focus.")},
    {"frmKmitočet", nullptr,
     QT_TRANSLATE_NOOP("AccessibleTexts",
                       "The light's frequency: the higher, the shorter its wavelength.")},
};

} // namespace

void setAccessibleTexts(QWidget &window)
{
    for (const AccessibleText &text : texts) {
        auto *widget = window.findChild<QWidget *>(QString::fromUtf8(text.objectName));
        if (!widget)
            continue;
        if (text.name)
            widget->setAccessibleName(QCoreApplication::translate("AccessibleTexts", text.name));
        if (text.description)
            widget->setAccessibleDescription(
                QCoreApplication::translate("AccessibleTexts", text.description));
    }
    for (const Choice &choice : choices()) {
        auto *button = window.findChild<QWidget *>(QString::fromUtf8(choice.objectName));
        if (button && choice.description)
            button->setAccessibleDescription(
                QCoreApplication::translate("AccessibleTexts", choice.description));
    }
    // The same words as a tooltip for every control shown: the description where there is
    // one, else the name of a control that shows no text of its own.
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (widget->objectName().isEmpty() || !widget->isVisibleTo(&window))
            continue;
        const QString tip = widget->accessibleDescription().isEmpty()
                                ? widget->accessibleName()
                                : widget->accessibleDescription();
        if (!tip.isEmpty())
            widget->setToolTip(tip);
    }
}

} // namespace veltrin
