// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lesson.h"
#include "setup.h"

#include <QString>
#include <optional>

namespace veltrin {

struct Choice;
class VeltrinWindow;

/// The choices the program starts with, as the command line gives them; what it does not give
/// stays as the window loads it.
struct StartOptions
{
    const Choice *k = nullptr;         ///< the mirror constant's button
    const Choice *frequency = nullptr; ///< the frequency's button
    std::optional<int> speed;          ///< the scroll bar's position
    bool run = false;                  ///< press Start once the window is shown
    QString picturePath;               ///< with no window: save the picture of one run here
    QString figurePath;                ///< with no window: save its figure here, PNG or SVG
    QString probabilitiesPath;         ///< with no window: save its probabilities here
    std::optional<Setup> setup;        ///< the experiment bench opens with it
    /// The lesson --lesson asked for, read and checked whole: the lesson window opens with it
    /// beside the experiment bench.
    std::optional<Lesson> lesson;

    /// Chooses K and frequency and moves the scroll bar, whose handlers write the fields as the
    /// user's clicks would; with run, presses Start as soon as the event loop takes over.
    void applyTo(VeltrinWindow &window) const;
};

} // namespace veltrin
