// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchrun.h"

#include "commandline.h"
#include "mapcsv.h"
#include "mapphotons.h"
#include "photonscommand.h"
#include "probabilitymap.h"
#include "setupcommand.h"
#include "translations.h"

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace veltrin {

int BenchRun::exec(int argc, char *argv[], const Request &request)
{
    QCoreApplication app(argc, argv);
    installTranslations(app);
    const auto fail = [](const QString &line) {
        std::fputs(qPrintable(line + u'\n'), stderr);
        return EXIT_FAILURE;
    };

    if (!request.scanPath.isEmpty()) {
        const QString reason = ScanCommand::save(request.scan, request.scanPath);
        return reason.isEmpty() ? EXIT_SUCCESS
                                : fail(CommandLine::cannotWrite(request.scanPath, reason));
    }

    if (!request.setupPath.isEmpty()) {
        const QString reason = SetupCommand::save(request.setup, request.setupPath);
        if (!reason.isEmpty())
            return fail(CommandLine::cannotWrite(request.setupPath, reason));
        if (request.mapPath.isEmpty() && request.hitsPath.isEmpty())
            return EXIT_SUCCESS;
    }

    const std::optional<ProbabilityMap> map = ProbabilityMap::compute(
        request.experiment, request.grid.over(request.experiment.mapExtent()));
    std::optional<MapPhotons> photons;
    if (!request.hitsPath.isEmpty()) {
        // Found before any file is written, so that a map is not left without its photons.
        photons.emplace(*map);
        if (!photons->canDraw())
            return fail(tr("veltrin: no light reaches the plane in this experiment: no photon can "
                           "land"));
    }
    if (!request.mapPath.isEmpty()) {
        const QString reason = MapCsv::save(*map, request.mapPath, WholeFile::Wait::ForReader);
        if (!reason.isEmpty())
            return fail(CommandLine::cannotWrite(request.mapPath, reason));
    }
    if (photons) {
        const QString reason =
            PhotonsCommand::save(*photons, request.photons, request.seed, request.hitsPath);
        if (!reason.isEmpty())
            return fail(CommandLine::cannotWrite(request.hitsPath, reason));
    }
    return EXIT_SUCCESS;
}

} // namespace veltrin
