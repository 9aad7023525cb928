// SPDX-License-Identifier: GPL-3.0-or-later
#include "photonscommand.h"

#include "commandline.h"
#include "mapphotons.h"
#include "photonrandom.h"
#include "probabilitymap.h"
#include "textform.h"
#include "wholefile.h"

#include <QCommandLineParser>
#include <QDir>
#include <cstdlib>
#include <limits>
#include <vector>

namespace veltrin {

namespace {

const QString saveHits = QStringLiteral("save-hits");
const QString photonsOption = QStringLiteral("photons");
const QString seedOption = QStringLiteral("seed");

constexpr long long defaultPhotons = 1000;
constexpr quint64 defaultSeed = 1;

QString prefix()
{
    return QStringLiteral("veltrin: ");
}

} // namespace

void PhotonsCommand::addOptions(QCommandLineParser &parser)
{
    parser.addOptions({
        {saveHits,
         tr("Send photons into the experiment the bench's options describe, with no window; save "
            "where they land as comma-separated values and exit."),
         tr("FILE.csv")},
        {photonsOption,
         tr("With --save-hits: how many photons, from 1 to %1 (%2 unless given).")
             .arg(mostPhotons)
             .arg(defaultPhotons),
         tr("N")},
        {seedOption,
         tr("With --save-hits: where the random numbers start, a whole number from 0 to %1 (%2 "
            "unless given); the same seed gives the same photons.")
             .arg(std::numeric_limits<quint64>::max())
             .arg(defaultSeed),
         tr("S")},
    });
}

bool PhotonsCommand::isAsked(const QCommandLineParser &parser)
{
    return parser.isSet(saveHits) || parser.isSet(photonsOption) || parser.isSet(seedOption);
}

QByteArray PhotonsCommand::text(std::span<const Vec2> hits)
{
    QByteArray out;
    out.reserve(qsizetype(hits.size()) * 40 + 16);
    out += "x_twips,y_twips\r\n";
    for (const Vec2 hit : hits) {
        out += numberToText(hit.x).toUtf8();
        out += ',';
        out += numberToText(hit.y).toUtf8();
        out += "\r\n";
    }
    return out;
}

MapCommand::Outcome PhotonsCommand::exec(const QCommandLineParser &parser)
{
    if (!parser.isSet(saveHits))
        return {CommandLine::usageError,
                prefix() + tr("--photons and --seed need --save-hits FILE.csv to write to")};
    long long count = defaultPhotons;
    if (parser.isSet(photonsOption)) {
        bool ok = false;
        count = parser.value(photonsOption).toLongLong(&ok);
        if (!ok || count < 1 || count > mostPhotons)
            return {CommandLine::usageError,
                    prefix() + tr("--photons %1 is not a whole number from 1 to %2")
                                   .arg(parser.value(photonsOption))
                                   .arg(mostPhotons)};
    }
    quint64 seed = defaultSeed;
    if (parser.isSet(seedOption)) {
        bool ok = false;
        seed = parser.value(seedOption).toULongLong(&ok);
        if (!ok || parser.value(seedOption).trimmed() != parser.value(seedOption))
            return {CommandLine::usageError,
                    prefix() + tr("--seed %1 is not a whole number from 0 to %2")
                                   .arg(parser.value(seedOption))
                                   .arg(std::numeric_limits<quint64>::max())};
    }
    const std::variant<Experiment, QString> read = MapCommand::experimentFrom(parser);
    if (const QString *error = std::get_if<QString>(&read))
        return {CommandLine::usageError, *error};
    const std::variant<MapGrid, QString> grid = MapCommand::gridFrom(parser);
    if (const QString *error = std::get_if<QString>(&grid))
        return {CommandLine::usageError, *error};

    const std::optional<ProbabilityMap> map = ProbabilityMap::compute(
        std::get<Experiment>(read),
        std::get<MapGrid>(grid).over(std::get<Experiment>(read).mapExtent()));
    const MapPhotons photons(*map);
    if (!photons.canDraw())
        return {EXIT_FAILURE, prefix() + tr("no light reaches the plane in this experiment: "
                                            "no photon can land")};
    PhotonRandom random(seed);
    std::vector<Vec2> hits;
    hits.reserve(std::size_t(count));
    for (long long n = 0; n < count; ++n)
        hits.push_back(photons.draw(random));

    const QString path = parser.value(saveHits);
    const QString reason = WholeFile::write(path, text(hits), WholeFile::Wait::ForReader);
    if (!reason.isEmpty())
        return {EXIT_FAILURE, prefix() + tr("%1: %2").arg(QDir::toNativeSeparators(path), reason)};
    return {};
}

} // namespace veltrin
