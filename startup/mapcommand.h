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

/// The experiment bench from the command line, with no window and no display: --save-map writes
/// the probability map of the experiment the options describe as comma-separated values. --k and
/// --frequency are the run's own options; here --k takes any value of the bench's range.
class MapCommand
{
    Q_DECLARE_TR_FUNCTIONS(veltrin::MapCommand)

public:
    /// Adds the bench's options that the run does not have.
    static void addOptions(QCommandLineParser &parser);
    /// Whether the command line asks for a map.
    static bool isAsked(const QCommandLineParser &parser);

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

    struct Outcome
    {
        int status = 0;
        QString error; ///< one line, where the map could not be made or written
    };
    /// Reads the options, computes the map on every core and writes it.
    static Outcome exec(const QCommandLineParser &parser);

private:
    // The steps of experimentFrom, in order: each reads its options into the experiment, or
    // returns one line naming what is wrong. The mirror comes last: its zones depend on the rest.
    static std::optional<QString> readK(const QCommandLineParser &parser, double &k);
    static std::optional<QString> readLight(const QCommandLineParser &parser,
                                            Experiment &experiment);
    static std::optional<QString> readShape(const QCommandLineParser &parser, double k,
                                            Experiment &experiment);
    static std::optional<QString> readSource(const QCommandLineParser &parser,
                                             Experiment &experiment);
    static std::optional<QString> readMirror(const QCommandLineParser &parser,
                                             Experiment &experiment);
};

} // namespace veltrin
