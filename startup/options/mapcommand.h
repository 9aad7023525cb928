// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "experiment.h"
#include "mapgrid.h"

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <variant>

class QCommandLineParser;

namespace veltrin {

/// The experiment bench's options on the command line, which --save-map and --save-hits read: the
/// experiment and the map's grid. --k and --frequency are the run's own options; here --k takes
/// any value of the bench's range. Every value given is checked, spaces around it removed, and
/// the last counts.
class MapCommand
{
    Q_DECLARE_TR_FUNCTIONS(veltrin::MapCommand)

public:
    /// Adds the bench's options that the run does not have.
    static void addOptions(QCommandLineParser &parser);

    /// The experiment the options describe (the bench's starting one where they say nothing),
    /// or one line naming what is wrong and the values allowed.
    static std::variant<Experiment, QString> experimentFrom(const QCommandLineParser &parser);

    /// Where a point the options name may stand (a point source, the zones' point): as far as
    /// any map reaches.
    static MapExtent pointExtent();

    /// The grid --map-step asks for (the full map's unless given), over the mirror's extent
    /// until the experiment's is put on it; or one line naming what is wrong and the values
    /// allowed.
    static std::variant<MapGrid, QString> gridFrom(const QCommandLineParser &parser);

    /// Reads --frequency or --wavenumber into the experiment's wavenumber, or returns one line
    /// naming what is wrong.
    static std::optional<QString> readLight(const QCommandLineParser &parser,
                                            Experiment &experiment);

private:
    // The steps of experimentFrom, in order: each reads its options into the experiment, or
    // returns one line naming what is wrong. The mirror comes last: its zones depend on the rest.
    static std::optional<QString> readK(const QCommandLineParser &parser, double &k);
    static std::optional<QString> readShape(const QCommandLineParser &parser, double k,
                                            Experiment &experiment);
    static std::optional<QString> readSource(const QCommandLineParser &parser,
                                             Experiment &experiment);
    static std::optional<QString> readMirror(const QCommandLineParser &parser,
                                             Experiment &experiment);
};

} // namespace veltrin
