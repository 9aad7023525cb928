// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapcommand.h"

#include "choices.h"
#include "mirrorpreset.h"
#include "optiontable.h"
#include "optionvalues.h"

#include <QCommandLineParser>
#include <cmath>

namespace veltrin {

namespace {

const QString saveMap = QStringLiteral("save-map");
const QString kOption = QStringLiteral("k");
const QString frequencyOption = QStringLiteral("frequency");
const QString wavenumberOption = QStringLiteral("wavenumber");
const QString shapeOption = QStringLiteral("shape");
const QString sourceOption = QStringLiteral("source");
const QString mirrorOption = QStringLiteral("mirror");
const QString stepOption = QStringLiteral("map-step");

constexpr int smallestStep = 10;
constexpr int largestStep = 1000;

using optionvalues::numberOf;
using optionvalues::numberText;
using optionvalues::readEach;

/// "X,Y": a point of the map's plane, x from the vertex line, y above the axis.
std::optional<Vec2> pointOf(const QString &text)
{
    return optionvalues::pointOf(text, MapCommand::pointExtent());
}

/// How --mirror writes each preset: its name, and what it takes after a colon.
QString mirrorValues()
{
    QStringList values;
    for (const MirrorPreset &preset : MirrorPreset::all()) {
        const QString name = QString::fromUtf8(preset.name.data(), qsizetype(preset.name.size()));
        switch (preset.takes) {
        case MirrorPreset::Takes::Nothing:
            values << name;
            break;
        case MirrorPreset::Takes::Period:
            values << name + QStringLiteral(":PERIOD");
            break;
        case MirrorPreset::Takes::Point:
            values << name + QStringLiteral(":X,Y");
            break;
        }
    }
    return values.join(u'|');
}

} // namespace

void MapCommand::addOptions(QCommandLineParser &parser)
{
    parser.addOptions({
        {saveMap,
         tr("Compute the experiment bench's probability map with no window, save it as "
            "comma-separated values and exit."),
         tr("FILE.csv")},
        {wavenumberOption,
         tr("For the map and the scan: the light's wavenumber, from %1 to %2 radians per twip, "
            "instead of --frequency.")
             .arg(numberText(Experiment::lowestWavenumber))
             .arg(numberText(Experiment::highestWavenumber)),
         tr("W")},
        {shapeOption, tr("For the map: the mirror's shape."), QStringLiteral("parabola|circle")},
        {sourceOption,
         tr("For the map: a parallel beam (the boundary's at ANGLE degrees from the normal), or "
            "a point source at X twips from the vertex line and Y above the axis (before the "
            "slits' screen, X is negative)."),
         QStringLiteral("beam|beam:ANGLE|point:X,Y")},
        {mirrorOption,
         tr("For the map: what is kept of the mirror: all of it, a strip around the vertex, the "
            "edges, a grating of a period in twips, or the zones for a point."),
         mirrorValues()},
        {stepOption,
         tr("For the map: its grid's step, twips (%1 unless given).").arg(MapGrid::full().step()),
         tr("TWIPS")},
    });
}

std::variant<Experiment, QString> MapCommand::experimentFrom(const QCommandLineParser &parser)
{
    Experiment experiment;
    experiment.wavenumber = loadedChoice(Field::Kmitocet).value;
    double k = loadedChoice(Field::OsKruh).value;
    if (std::optional<QString> error = readK(parser, k))
        return *error;
    if (std::optional<QString> error = readLight(parser, experiment))
        return *error;
    if (std::optional<QString> error = readShape(parser, k, experiment))
        return *error;
    if (std::optional<QString> error = readSource(parser, experiment))
        return *error;
    if (std::optional<QString> error = readMirror(parser, experiment))
        return *error;
    return experiment;
}

std::optional<QString> MapCommand::readK(const QCommandLineParser &parser, double &k)
{
    return readEach(parser, kOption, [&k](const QString &given) -> std::optional<QString> {
        const std::optional<double> value = numberOf(given);
        if (!value || *value < Experiment::lowestK || *value > Experiment::highestK)
            return tr("--k %1 is not a number from %2 to %3")
                .arg(given, numberText(Experiment::lowestK), numberText(Experiment::highestK));
        k = *value;
        return std::nullopt;
    });
}

std::optional<QString> MapCommand::readLight(const QCommandLineParser &parser,
                                             Experiment &experiment)
{
    if (parser.isSet(frequencyOption) && parser.isSet(wavenumberOption))
        return tr("--frequency and --wavenumber both name the light; give one of them");
    const auto frequency = [&experiment](const QString &given) -> std::optional<QString> {
        if (const Choice *found = choiceCaptioned(Field::Kmitocet, given)) {
            experiment.wavenumber = found->value;
            return std::nullopt;
        }
        QStringList names;
        for (const Choice &choice : choicesFor(Field::Kmitocet))
            names << QString::fromUtf8(choice.caption).toLower();
        return tr("--frequency %1 is none of the frequencies; choose one of %2")
            .arg(given, names.join(QStringLiteral(", ")));
    };
    const auto wavenumber = [&experiment](const QString &given) -> std::optional<QString> {
        const std::optional<double> value = numberOf(given);
        if (!value || *value < Experiment::lowestWavenumber ||
            *value > Experiment::highestWavenumber)
            return tr("--wavenumber %1 is not a number from %2 to %3")
                .arg(given, numberText(Experiment::lowestWavenumber),
                     numberText(Experiment::highestWavenumber));
        experiment.wavenumber = *value;
        return std::nullopt;
    };
    if (std::optional<QString> error = readEach(parser, frequencyOption, frequency))
        return error;
    return readEach(parser, wavenumberOption, wavenumber);
}

std::optional<QString> MapCommand::readShape(const QCommandLineParser &parser, double k,
                                             Experiment &experiment)
{
    experiment.shape = MirrorShape::parabola(k);
    return readEach(
        parser, shapeOption, [k, &experiment](const QString &given) -> std::optional<QString> {
            if (given == u"parabola")
                experiment.shape = MirrorShape::parabola(k);
            else if (given == u"circle")
                experiment.shape = MirrorShape::circle(k);
            else
                return tr("--shape %1 is none of the shapes; choose parabola or circle").arg(given);
            return std::nullopt;
        });
}

std::optional<QString> MapCommand::readSource(const QCommandLineParser &parser,
                                              Experiment &experiment)
{
    return readEach(parser, sourceOption,
                    [&experiment](const QString &given) -> std::optional<QString> {
                        std::optional<Vec2> at;
                        if (given.startsWith(u"point:"))
                            at = pointOf(given.mid(6));
                        if (given == u"beam")
                            experiment.source = Source::beam();
                        else if (at)
                            experiment.source = Source::point(MapGrid::sceneOf(*at));
                        else
                            return tr("--source %1 is none of the sources; choose beam or "
                                      "point:X,Y with X from "
                                      "0 to %2 and Y from %3 to %4")
                                .arg(given)
                                .arg(MapCommand::pointExtent().xEnd)
                                .arg(MapCommand::pointExtent().yLow())
                                .arg(MapCommand::pointExtent().yEnd());
                        return std::nullopt;
                    });
}

std::optional<QString> MapCommand::readMirror(const QCommandLineParser &parser,
                                              Experiment &experiment)
{
    return readEach(
        parser, mirrorOption, [&experiment](const QString &mirror) -> std::optional<QString> {
            // A preset's name, and after a colon what it takes.
            const qsizetype colon = mirror.indexOf(u':');
            const QString given = colon < 0 ? QString() : mirror.mid(colon + 1);
            const MirrorPreset *preset = MirrorPreset::named(mirror.left(colon).toStdString());
            std::optional<MirrorCut> cut;
            switch (preset ? preset->takes : MirrorPreset::Takes::Nothing) {
            case MirrorPreset::Takes::Nothing:
                if (preset && colon < 0)
                    cut = preset->cut(experiment, 0, {});
                break;
            case MirrorPreset::Takes::Period:
                if (const std::optional<double> period = numberOf(given);
                    period && *period >= MirrorPreset::shortestPeriod &&
                    *period <= MirrorPreset::longestPeriod)
                    cut = preset->cut(experiment, *period, {});
                break;
            case MirrorPreset::Takes::Point:
                if (const std::optional<Vec2> at = pointOf(given))
                    cut = preset->cut(experiment, 0, *at);
                break;
            }
            if (!cut)
                return tr("--mirror %1 is none of the mirrors; choose whole, vertex, edges, "
                          "grating:PERIOD with a period of %2 to %3 twips, or zones:X,Y "
                          "with X from 0 to %4 and Y from %5 to %6")
                    .arg(mirror)
                    .arg(MirrorPreset::shortestPeriod)
                    .arg(MirrorPreset::longestPeriod)
                    .arg(MapCommand::pointExtent().xEnd)
                    .arg(MapCommand::pointExtent().yLow())
                    .arg(MapCommand::pointExtent().yEnd());
            experiment.cut = *cut;
            return std::nullopt;
        });
}

MapExtent MapCommand::pointExtent()
{
    MapExtent extent;
    extent.xEnd = Experiment::farthestReach;
    return extent;
}

std::variant<MapGrid, QString> MapCommand::gridFrom(const QCommandLineParser &parser)
{
    MapGrid grid = MapGrid::full();
    const std::optional<QString> error =
        readEach(parser, stepOption, [&grid](const QString &given) -> std::optional<QString> {
            bool ok = false;
            const int step = given.toInt(&ok);
            if (!ok || step < smallestStep || step > largestStep)
                return tr("--map-step %1 is not a whole number from %2 to %3")
                    .arg(given)
                    .arg(smallestStep)
                    .arg(largestStep);
            grid = MapGrid(step);
            return std::nullopt;
        });
    if (error)
        return *error;
    return grid;
}

} // namespace veltrin
