// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "figure.h"
#include "picture.h"
#include "scenefonts.h"

#include <QCoreApplication>
#include <QRect>
#include <QString>
#include <vector>

namespace veltrin {

/// The scene's own words where the window shows them: the captions of its parts (the mirror's
/// equation, the probability and the spirals), which a figure of the scene shows there too, and
/// the prompt the drawing shows until the first run. The window's control table places its
/// caption fields by them.
class SceneCaptions
{
public:
    struct Caption
    {
        QRect twips;      ///< where the window shows it
        const char *text; ///< shown translated in the context "Controls" where it is marked so
        SceneFonts::Face face;
    };

    static constexpr Caption equation{
        {720, 1800, 1335, 375}, " x = K.y.y", SceneFonts::Face::Sans13_5};
    static constexpr Caption probability{{9480, 2160, 2055, 375},
                                         QT_TRANSLATE_NOOP("Controls", "Probability"),
                                         SceneFonts::Face::Sans12};
    static constexpr Caption spirals{{9480, 5040, 2055, 375},
                                     QT_TRANSLATE_NOOP("Controls", "Cornu spirals"),
                                     SceneFonts::Face::Sans12};
    static constexpr Caption prompt{{4800, 3840, 3495, 495},
                                    QT_TRANSLATE_NOOP("Controls", "Please press button Start"),
                                    SceneFonts::Face::TimesBold};

    /// The caption's text in the desktop's language.
    static QString shownText(const Caption &caption);
    /// The captions of the scene's parts, for a figure of it, each where the window shows it.
    static std::vector<FigureCaption> forFigure();
    /// The words the drawing shows before any run, where the window shows them.
    static Prompt drawingPrompt();
};

} // namespace veltrin
