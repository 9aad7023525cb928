// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "experiment.h"

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <variant>

class QCommandLineParser;

namespace veltrin {

/// The boundary's and the lens's options on the command line, which --save-map and --save-hits
/// read for --experiment boundary or lens: the glass's index, the boundary's source and the
/// stretch where its light enters, the lens's source and target. The light and the grid are read
/// as for the mirror. Every value given is checked, and the last counts.
class OpticsCommand
{
    Q_DECLARE_TR_FUNCTIONS(veltrin::OpticsCommand)

public:
    static constexpr double defaultBeamAngle = 30; ///< degrees from the normal
    static constexpr Vec2 defaultLensSource{1000, 0};

    /// Adds --experiment, --index, --window and --target.
    static void addOptions(QCommandLineParser &parser);

    /// The experiment the options describe for the element, or one line naming what is wrong and
    /// the values allowed.
    static std::variant<Experiment, QString> experimentFrom(const QCommandLineParser &parser,
                                                            Experiment::Element element);

    /// The glass's index --index gives (1.5 unless given), or one line naming what is wrong.
    static std::variant<double, QString> indexFrom(const QCommandLineParser &parser);

private:
    static std::optional<QString> readBoundarySource(const QCommandLineParser &parser,
                                                     Experiment &experiment);
    static std::optional<QString> readWindow(const QCommandLineParser &parser,
                                             Experiment &experiment);
    static std::optional<QString> readLensPoints(const QCommandLineParser &parser,
                                                 Experiment &experiment);
};

} // namespace veltrin
