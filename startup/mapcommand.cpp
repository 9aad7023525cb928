// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapcommand.h"

#include "choices.h"
#include "commandline.h"
#include "mapcsv.h"
#include "mirrorpreset.h"
#include "probabilitymap.h"

#include <QCommandLineParser>
#include <QDir>
#include <QRegularExpression>
#include <cmath>

namespace veltrin {

namespace {

const QString saveMap = QStringLiteral("save-map");
const QString wavenumberOption = QStringLiteral("wavenumber");
const QString shapeOption = QStringLiteral("shape");
const QString sourceOption = QStringLiteral("source");
const QString mirrorOption = QStringLiteral("mirror");
const QString stepOption = QStringLiteral("map-step");

constexpr int smallestStep = 10;
constexpr int largestStep = 1000;

/// A number of the C locale, whole and finite; nothing for any other text.
std::optional<double> numberOf(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || text.trimmed() != text)
        return std::nullopt;
    return value;
}

/// "X,Y": a point of the map's plane, x from the vertex line, y above the axis.
std::optional<Vec2> pointOf(const QString &text)
{
    const QStringList parts = text.split(u',');
    if (parts.size() != 2)
        return std::nullopt;
    const std::optional<double> x = numberOf(parts[0]);
    const std::optional<double> y = numberOf(parts[1]);
    if (!x || !y || !MapCommand::pointExtent().contains({*x, *y}))
        return std::nullopt;
    return Vec2{*x, *y};
}

QString prefix()
{
    return QStringLiteral("veltrin: ");
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
         tr("For the map: the light's wavenumber, from %1 to %2 radians per twip, instead of "
            "--frequency.")
             .arg(Experiment::lowestWavenumber)
             .arg(Experiment::highestWavenumber),
         tr("W")},
        {shapeOption, tr("For the map: the mirror's shape."), QStringLiteral("parabola|circle")},
        {sourceOption,
         tr("For the map: a parallel beam, or a point source at X twips from the "
            "vertex line and Y above the axis."),
         QStringLiteral("beam|point:X,Y")},
        {mirrorOption,
         tr("For the map: what is kept of the mirror: all of it, a strip around the vertex, the "
            "edges, a grating of a period in twips, or the zones for a point."),
         mirrorValues()},
        {stepOption,
         tr("For the map: its grid's step, twips (%1 unless given).").arg(MapGrid::full().step()),
         tr("TWIPS")},
    });
}

bool MapCommand::isAsked(const QCommandLineParser &parser)
{
    return parser.isSet(saveMap);
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
    if (!parser.isSet(QStringLiteral("k")))
        return std::nullopt;
    const std::optional<double> value = numberOf(parser.value(QStringLiteral("k")));
    if (!value || *value < Experiment::lowestK || *value > Experiment::highestK)
        return prefix() + tr("--k %1 is not a number from %2 to %3")
                              .arg(parser.value(QStringLiteral("k")))
                              .arg(Experiment::lowestK)
                              .arg(Experiment::highestK);
    k = *value;
    return std::nullopt;
}

std::optional<QString> MapCommand::readLight(const QCommandLineParser &parser,
                                             Experiment &experiment)
{
    const bool frequencyGiven = parser.isSet(QStringLiteral("frequency"));
    if (frequencyGiven && parser.isSet(wavenumberOption))
        return prefix() + tr("--frequency and --wavenumber both name the light; give one of them");
    if (frequencyGiven) {
        const QString name = parser.value(QStringLiteral("frequency"));
        const Choice *found = choiceCaptioned(Field::Kmitocet, name);
        if (!found) {
            QStringList names;
            for (const Choice &choice : choicesFor(Field::Kmitocet))
                names << QString::fromUtf8(choice.caption).toLower();
            return prefix() + tr("--frequency %1 is none of the frequencies; choose one of %2")
                                  .arg(name, names.join(QStringLiteral(", ")));
        }
        experiment.wavenumber = found->value;
    }
    if (parser.isSet(wavenumberOption)) {
        const std::optional<double> value = numberOf(parser.value(wavenumberOption));
        if (!value || *value < Experiment::lowestWavenumber ||
            *value > Experiment::highestWavenumber)
            return prefix() + tr("--wavenumber %1 is not a number from %2 to %3")
                                  .arg(parser.value(wavenumberOption))
                                  .arg(Experiment::lowestWavenumber)
                                  .arg(Experiment::highestWavenumber);
        experiment.wavenumber = *value;
    }
    return std::nullopt;
}

std::optional<QString> MapCommand::readShape(const QCommandLineParser &parser, double k,
                                             Experiment &experiment)
{
    const QString shape =
        parser.isSet(shapeOption) ? parser.value(shapeOption) : QStringLiteral("parabola");
    if (shape == u"parabola")
        experiment.shape = MirrorShape::parabola(k);
    else if (shape == u"circle")
        experiment.shape = MirrorShape::circle(k);
    else
        return prefix() +
               tr("--shape %1 is none of the shapes; choose parabola or circle").arg(shape);
    return std::nullopt;
}

std::optional<QString> MapCommand::readSource(const QCommandLineParser &parser,
                                              Experiment &experiment)
{
    if (!parser.isSet(sourceOption))
        return std::nullopt;
    const QString source = parser.value(sourceOption);
    std::optional<Vec2> at;
    if (source.startsWith(u"point:"))
        at = pointOf(source.mid(6));
    if (source == u"beam")
        experiment.source = Source::beam();
    else if (at)
        experiment.source = Source::point(MapGrid::sceneOf(*at));
    else
        return prefix() +
               tr("--source %1 is none of the sources; choose beam or point:X,Y with X from "
                  "0 to %2 and Y from %3 to %4")
                   .arg(source)
                   .arg(MapCommand::pointExtent().xEnd)
                   .arg(MapCommand::pointExtent().yLow())
                   .arg(MapCommand::pointExtent().yEnd());
    return std::nullopt;
}

std::optional<QString> MapCommand::readMirror(const QCommandLineParser &parser,
                                              Experiment &experiment)
{
    if (!parser.isSet(mirrorOption))
        return std::nullopt;
    // A preset's name, and after a colon what it takes.
    const QString mirror = parser.value(mirrorOption);
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
        return prefix() + tr("--mirror %1 is none of the mirrors; choose whole, vertex, edges, "
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
}

MapExtent MapCommand::pointExtent()
{
    MapExtent extent;
    extent.xEnd = Experiment::farthestReach;
    return extent;
}

std::variant<MapGrid, QString> MapCommand::gridFrom(const QCommandLineParser &parser)
{
    if (!parser.isSet(stepOption))
        return MapGrid::full();
    bool ok = false;
    const int step = parser.value(stepOption).toInt(&ok);
    if (!ok || step < smallestStep || step > largestStep)
        return prefix() + tr("--map-step %1 is not a whole number from %2 to %3")
                              .arg(parser.value(stepOption))
                              .arg(smallestStep)
                              .arg(largestStep);
    return MapGrid(step);
}

MapCommand::Outcome MapCommand::exec(const QCommandLineParser &parser)
{
    std::variant<Experiment, QString> read = experimentFrom(parser);
    if (const QString *error = std::get_if<QString>(&read))
        return {CommandLine::usageError, *error};
    const std::variant<MapGrid, QString> grid = gridFrom(parser);
    if (const QString *error = std::get_if<QString>(&grid))
        return {CommandLine::usageError, *error};
    const std::optional<ProbabilityMap> map = ProbabilityMap::compute(
        std::get<Experiment>(read),
        std::get<MapGrid>(grid).over(std::get<Experiment>(read).mapExtent()));
    const QString path = parser.value(saveMap);
    const QString reason = MapCsv::save(*map, path, WholeFile::Wait::ForReader);
    if (!reason.isEmpty())
        return {EXIT_FAILURE,
                prefix() + QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason};
    return {};
}

} // namespace veltrin
