// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "figure.h"
#include "picture.h"
#include "scenestyle.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <optional>
#include <span>
#include <vector>

namespace veltrin {

/// One control of the window as it is laid out, in the window's own unit, twips.
struct ControlEntry
{
    enum class Kind {
        ScrollBar,
        Frame,
        OptionButton,
        TextField,      ///< a hidden parameter field
        FixedTextField, ///< a borderless text field that serves as a caption
        CommandButton,
        Label, ///< painted on the drawing, not a child widget
    };
    enum class Font { Default, None, TimesBold, Sans13_5, Sans12, Sans9_75 };

    const char *name;
    Kind kind;
    const char *container; ///< the frame it lies in, or nullptr for the window
    QRect twips;           ///< relative to the container
    const char *text;      ///< shown translated in the context "Controls" where it is marked so
    Font font;
    std::optional<QColor> background;
    bool visible;
    int tabIndex;
};

/// The window's 26 controls in the order the window creates them, its option buttons made from
/// the choices.
std::span<const ControlEntry> controlInventory();

/// The text a control shows: its caption in the desktop's language where the program has one.
QString shownText(const ControlEntry &entry);

/// The words a Label entry paints on the drawing until the first run.
Prompt promptOf(const ControlEntry &label);

/// The words the drawing shows before any run, where the window shows them.
Prompt drawingPrompt();

/// The captions of the scene's parts, for a figure of it: the mirror's equation, the
/// probability and the spirals, each where the window shows it.
std::vector<FigureCaption> sceneCaptions();

/// The ground a control with a ground of its own has in a style: the scene's ground where it
/// stands on it, a frequency's bar colour where the style shows the bars in other colours, else
/// the ground the layout gives it.
std::optional<QColor> groundIn(const ControlEntry &entry, const SceneStyle &style);

/// The font a control asks for; the dialog font where it sets none.
QFont controlFont(ControlEntry::Font font);

/// Maps the fonts the layout was made with to metric-compatible fonts of the desktop.
void installFontSubstitutes();

} // namespace veltrin
