// SPDX-License-Identifier: GPL-3.0-or-later
#include "opticscommand.h"

#include "choices.h"
#include "glasslayer.h"
#include "mapcommand.h"
#include "optionvalues.h"

#include <QCommandLineParser>

namespace veltrin {

namespace {

using optionvalues::numberOf;
using optionvalues::numberText;
using optionvalues::pointOf;
using optionvalues::readEach;

const QString experimentOption = QStringLiteral("experiment");
const QString indexOption = QStringLiteral("index");
const QString windowOption = QStringLiteral("window");
const QString targetOption = QStringLiteral("target");
const QString sourceOption = QStringLiteral("source");

constexpr double defaultIndex = 1.5;

/// The map's extent, where the boundary's and the lens's points may stand.
const MapExtent plane;

} // namespace

void OpticsCommand::addOptions(QCommandLineParser &parser)
{
    parser.addOptions({
        {experimentOption,
         tr("The bench's experiment: the mirror's map (the default), the glass layer's "
            "reflection against its thickness, light crossing the boundary of glass, a lens's "
            "map, or the map behind a screen with slits."),
         QStringLiteral("mirror|glass|boundary|lens|slits")},
        {indexOption,
         tr("For the glass layer, the boundary and the lens: the glass's refractive index, from "
            "%1 to %2 (%3 unless given).")
             .arg(numberText(GlassLayer::lowestIndex))
             .arg(numberText(GlassLayer::highestIndex))
             .arg(defaultIndex),
         tr("N")},
        {windowOption,
         tr("For the boundary: where the light enters it, from FROM to TO twips from the map's "
            "left edge (%1:%2 unless given).")
             .arg(Boundary::defaultFrom)
             .arg(Boundary::defaultTo),
         tr("FROM:TO")},
        {targetOption,
         tr("For the lens: where it gathers the light, X twips from the map's left edge and Y "
            "above the axis, beyond the lens at X = %1.")
             .arg(Lens::x),
         tr("X,Y")},
    });
}

std::variant<double, QString> OpticsCommand::indexFrom(const QCommandLineParser &parser)
{
    double index = defaultIndex;
    const std::optional<QString> error =
        readEach(parser, indexOption, [&index](const QString &given) -> std::optional<QString> {
            const std::optional<double> value = numberOf(given);
            if (!value || *value < GlassLayer::lowestIndex || *value > GlassLayer::highestIndex)
                return tr("--index %1 is not a number from %2 to %3")
                    .arg(given, numberText(GlassLayer::lowestIndex),
                         numberText(GlassLayer::highestIndex));
            index = *value;
            return std::nullopt;
        });
    if (error)
        return *error;
    return index;
}

std::variant<Experiment, QString> OpticsCommand::experimentFrom(const QCommandLineParser &parser,
                                                                Experiment::Element element)
{
    Experiment experiment;
    experiment.element = element;
    experiment.wavenumber = loadedChoice(Field::Kmitocet).value;
    if (std::optional<QString> error = MapCommand::readLight(parser, experiment))
        return *error;
    const std::variant<double, QString> index = indexFrom(parser);
    if (const QString *error = std::get_if<QString>(&index))
        return *error;
    experiment.index = std::get<double>(index);
    std::optional<QString> error;
    if (element == Experiment::Element::Boundary) {
        error = readBoundarySource(parser, experiment);
        if (!error)
            error = readWindow(parser, experiment);
    } else {
        error = readLensPoints(parser, experiment);
    }
    if (error)
        return *error;
    return experiment;
}

std::optional<QString> OpticsCommand::readBoundarySource(const QCommandLineParser &parser,
                                                         Experiment &experiment)
{
    experiment.source = Source::beam();
    experiment.beamAngle = defaultBeamAngle;
    return readEach(parser, sourceOption,
                    [&experiment](const QString &given) -> std::optional<QString> {
                        std::optional<double> angle;
                        std::optional<Vec2> at;
                        if (given == u"beam")
                            angle = 0;
                        else if (given.startsWith(u"beam:"))
                            angle = numberOf(given.mid(5));
                        else if (given.startsWith(u"point:"))
                            at = pointOf(given.mid(6), plane);
                        if (angle && *angle >= 0 && *angle <= Boundary::steepestAngle) {
                            experiment.source = Source::beam();
                            experiment.beamAngle = *angle;
                        } else if (at && at->y > 0) {
                            experiment.source = Source::point(MapGrid::sceneOf(*at));
                        } else {
                            return tr("--source %1 is none of the boundary's sources; choose "
                                      "beam:ANGLE with ANGLE from 0 to %2 degrees, or point:X,Y "
                                      "with X from 0 to %3 and Y above the boundary, up to %4")
                                .arg(given)
                                .arg(Boundary::steepestAngle)
                                .arg(plane.xEnd)
                                .arg(plane.yEnd());
                        }
                        return std::nullopt;
                    });
}

std::optional<QString> OpticsCommand::readWindow(const QCommandLineParser &parser,
                                                 Experiment &experiment)
{
    return readEach(
        parser, windowOption, [&experiment](const QString &given) -> std::optional<QString> {
            const QStringList parts = given.split(u':');
            const std::optional<double> from =
                parts.size() == 2 ? numberOf(parts[0]) : std::nullopt;
            const std::optional<double> to = parts.size() == 2 ? numberOf(parts[1]) : std::nullopt;
            if (!from || !to || *from < 0 || *from >= *to || *to > plane.xEnd)
                return tr("--window %1 is not FROM:TO with 0 ≤ FROM < TO ≤ %2")
                    .arg(given)
                    .arg(plane.xEnd);
            experiment.windowFrom = *from;
            experiment.windowTo = *to;
            return std::nullopt;
        });
}

std::optional<QString> OpticsCommand::readLensPoints(const QCommandLineParser &parser,
                                                     Experiment &experiment)
{
    experiment.source = Source::point(MapGrid::sceneOf(defaultLensSource));
    std::optional<QString> error = readEach(
        parser, sourceOption, [&experiment](const QString &given) -> std::optional<QString> {
            const std::optional<Vec2> at =
                given.startsWith(u"point:") ? pointOf(given.mid(6), plane) : std::nullopt;
            if (!at || at->x >= Lens::x)
                return tr("--source %1 is none of the lens's sources; choose point:X,Y with X "
                          "from 0 to less than %2, before the lens, and Y from %3 to %4")
                    .arg(given)
                    .arg(Lens::x)
                    .arg(plane.yLow())
                    .arg(plane.yEnd());
            experiment.source = Source::point(MapGrid::sceneOf(*at));
            return std::nullopt;
        });
    if (error)
        return error;
    return readEach(parser, targetOption,
                    [&experiment](const QString &given) -> std::optional<QString> {
                        const std::optional<Vec2> at = pointOf(given, plane);
                        if (!at || at->x <= Lens::x)
                            return tr("--target %1 is not X,Y beyond the lens, with X above %2 "
                                      "up to %3 and Y from %4 to %5")
                                .arg(given)
                                .arg(Lens::x)
                                .arg(plane.xEnd)
                                .arg(plane.yLow())
                                .arg(plane.yEnd());
                        experiment.target = *at;
                        return std::nullopt;
                    });
}

} // namespace veltrin
