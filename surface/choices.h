// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "colour.h"
#include "field.h"

#include <QString>
#include <span>

namespace veltrin {

/// How a run's probability bars look: their colour, and how far right of the detector
/// position they stand, so that runs at different frequencies stand side by side.
struct BarStyle
{
    double offset = 0; ///< twips
    Colour colour = Colour::rgb(0, 0, 0);
};

/// One choice the window offers with an option button: the field its click writes, the number it
/// writes there, and what a run makes of that number. Every place that knows the choices reads
/// them here, so a new mirror constant or frequency is one more row (and the button's place in
/// the window's layout).
struct Choice
{
    Field field;            ///< OsKruh (K), Kmitocet (frequency) or Spomaleni (speed)
    const char *objectName; ///< the option button
    const char *caption;    ///< shown on the button, translated in the context "Controls"
    /// What the choice means, for assistive technology and as the button's tooltip, translated in
    /// the context "AccessibleTexts"; nullptr for a button never shown
    const char *description;
    double value; ///< written into the field as its text form
    bool selectedAtLoad;
    BarStyle bars;        ///< for a frequency: its bars
    double rayLength = 0; ///< for a mirror constant: reflected rays long enough to pass the focus

    /// The text the button writes, which the run compares the field with.
    QString text() const;
    /// The caption as the window shows it, in the desktop's language.
    QString shownCaption() const;
};

/// The animation's scroll bar, which sets the speed: its positions run from 0, as fast as the
/// machine draws, to slowestPosition, and each writes a delay count into the speed field.
struct SpeedBar
{
    static constexpr int slowestPosition = 32767;

    /// The delay count a position writes: 30 per step, plus 1; from 1 at the left end to 983011.
    static constexpr double delayCount(double position) { return position * 30 + 1; }
};

/// Every option button, grouped by field and, within a group, top to bottom as they stand.
std::span<const Choice> choices();

/// The buttons that write the field, top to bottom.
std::span<const Choice> choicesFor(Field field);

/// The button of the field selected when the window loads.
const Choice &loadedChoice(Field field);

/// The button with this object name, or nullptr.
const Choice *choiceNamed(QStringView objectName);

/// The button of the field with this caption as the table writes it, in any case (0.0001, low);
/// nullptr where none has it.
const Choice *choiceCaptioned(Field field, QStringView caption);

/// The button whose text the field holds, or nullptr where it holds no choice's text.
const Choice *choiceWithText(Field field, const QString &text);

/// How a run's choice is named where its numbers are kept or printed: the caption of the button
/// whose text the field held, or the text itself where it held no choice's text.
QString captionFor(Field field, const QString &text);
/// The same as the window shows it, in the desktop's language: for what a person reads.
QString shownCaptionFor(Field field, const QString &text);

/// The text a field holds once the window has loaded.
QString loadedText(Field field);

} // namespace veltrin
