// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scenefonts.h"
#include "scenestyle.h"

#include <QColor>
#include <QRect>
#include <QString>
#include <optional>
#include <span>

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

    const char *name;
    Kind kind;
    const char *container; ///< the frame it lies in, or nullptr for the window
    QRect twips;           ///< relative to the container
    const char *text;      ///< shown translated in the context "Controls" where it is marked so
    SceneFonts::Face font;
    std::optional<QColor> background;
    bool visible;
    int tabIndex;
};

/// The window's 26 controls in the order the window creates them, its option buttons made from
/// the choices.
std::span<const ControlEntry> controlInventory();

/// The text a control shows: its caption in the desktop's language where the program has one.
QString shownText(const ControlEntry &entry);

/// The ground a control with a ground of its own has in a style: the scene's ground where it
/// stands on it, a frequency's bar colour where the style shows the bars in other colours, else
/// the ground the layout gives it.
std::optional<QColor> groundIn(const ControlEntry &entry, const SceneStyle &style);

} // namespace veltrin
