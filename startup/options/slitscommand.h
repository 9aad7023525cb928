// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "experiment.h"

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <variant>

class QCommandLineParser;

namespace veltrin {

/// The slits' options on the command line, which --save-map and --save-hits read for
/// --experiment slits: how many slits, their width and separation, the source before the screen,
/// white light, and whether the slits mark the light's way and the marks are erased. The light's
/// wavenumber and the grid are read as for the mirror. Every value given is checked, and the
/// last counts.
class SlitsCommand
{
    Q_DECLARE_TR_FUNCTIONS(veltrin::SlitsCommand)

public:
    /// Adds --slits, --width, --separation, --which-path and --eraser.
    static void addOptions(QCommandLineParser &parser);

    /// The slits the options describe, or one line naming what is wrong and the values allowed.
    static std::variant<Experiment, QString> experimentFrom(const QCommandLineParser &parser);

private:
    static std::optional<QString> readMeasures(const QCommandLineParser &parser,
                                               Experiment &experiment);
    static std::optional<QString> readSource(const QCommandLineParser &parser,
                                             Experiment &experiment);
    static std::optional<QString> readLight(const QCommandLineParser &parser,
                                            Experiment &experiment);
};

} // namespace veltrin
