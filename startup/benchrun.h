// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "experiment.h"
#include "mapgrid.h"
#include "scancommand.h"
#include "setup.h"

#include <QCoreApplication>
#include <QString>

namespace veltrin {

/// The experiment bench's files made with no window and no display: the map of the experiment,
/// computed once on every core, written as the bench's Save map writes it, and photons drawn
/// from it written as they land; or the glass layer's scan.
class BenchRun
{
    Q_DECLARE_TR_FUNCTIONS(veltrin::BenchRun)

public:
    /// What the command line asks for; an empty path is a file not asked for.
    struct Request
    {
        Experiment experiment;
        MapGrid grid = MapGrid::full();
        QString mapPath;
        QString hitsPath;
        long long photons = 0;
        quint64 seed = 0;
        ScanCommand::Request scan; ///< the glass layer's, in place of a map
        QString scanPath;
        Setup setup; ///< the experiment as a setup, its photons and detector too
        QString setupPath;
    };

    /// The whole program for it: computes the map and writes the files, each in the order asked
    /// until one cannot be written, which one line names. Returns the exit status.
    static int exec(int argc, char *argv[], const Request &request);
};

} // namespace veltrin
