// SPDX-License-Identifier: GPL-3.0-or-later
#include "slitscommand.h"

#include "choices.h"
#include "mapcommand.h"
#include "optionvalues.h"

#include <QCommandLineParser>
#include <cmath>

namespace veltrin {

namespace {

using optionvalues::numberOf;
using optionvalues::readEach;

const QString slitsOption = QStringLiteral("slits");
const QString widthOption = QStringLiteral("width");
const QString separationOption = QStringLiteral("separation");
const QString whichPathOption = QStringLiteral("which-path");
const QString eraserOption = QStringLiteral("eraser");
const QString sourceOption = QStringLiteral("source");
const QString whiteOption = QStringLiteral("white");

/// "X,Y" before the screen: X from the map's length before it to less than 0, Y within the
/// screen's height.
std::optional<Vec2> pointBefore(const QString &text)
{
    const std::optional<Vec2> at = optionvalues::pointOf(text);
    if (!at || at->x >= 0 || at->x < -Slits::mapEnd || std::abs(at->y) > MapExtent().halfHeight)
        return std::nullopt;
    return at;
}

} // namespace

void SlitsCommand::addOptions(QCommandLineParser &parser)
{
    parser.addOptions({
        {slitsOption,
         tr("For the slits: how many, from 1 to %1, in a screen along the map's left edge, "
            "centred on the axis.")
             .arg(Slits::mostSlits),
         tr("N")},
        {widthOption,
         tr("For the slits: each slit's width, from %1 to %2 twips.")
             .arg(Slits::narrowest)
             .arg(Slits::widest),
         tr("W")},
        {separationOption,
         tr("For two slits or more: from one slit's middle to the next one's, twips, more than "
            "the width; all of them within the screen's %1 twips.")
             .arg(Slits::screenHeight),
         tr("D")},
        {whichPathOption, tr("For the slits: mark which slit the light passes, so that the "
                             "arrows of different slits no longer add.")},
        {eraserOption, tr("For the slits with --which-path: erase the marks before the light is "
                          "detected.")},
    });
}

std::variant<Experiment, QString> SlitsCommand::experimentFrom(const QCommandLineParser &parser)
{
    Experiment experiment;
    experiment.element = Experiment::Element::Slits;
    experiment.source = Source::beam();
    if (std::optional<QString> error = readMeasures(parser, experiment))
        return *error;
    if (std::optional<QString> error = readSource(parser, experiment))
        return *error;
    if (std::optional<QString> error = readLight(parser, experiment))
        return *error;
    experiment.whichPath = parser.isSet(whichPathOption);
    experiment.eraser = parser.isSet(eraserOption);
    if (experiment.eraser && !experiment.whichPath)
        return tr("--eraser erases the marks that --which-path puts on the light; give both");
    return experiment;
}

std::optional<QString> SlitsCommand::readMeasures(const QCommandLineParser &parser,
                                                  Experiment &experiment)
{
    if (!parser.isSet(slitsOption) || !parser.isSet(widthOption))
        return tr("the slits experiment needs --slits N and --width W");
    std::optional<QString> error = readEach(
        parser, slitsOption, [&experiment](const QString &given) -> std::optional<QString> {
            bool ok = false;
            const int count = given.toInt(&ok);
            if (!ok || count < 1 || count > Slits::mostSlits)
                return tr("--slits %1 is not a whole number from 1 to %2")
                    .arg(given)
                    .arg(Slits::mostSlits);
            experiment.slitCount = count;
            return std::nullopt;
        });
    if (!error)
        error = readEach(parser, widthOption,
                         [&experiment](const QString &given) -> std::optional<QString> {
                             const std::optional<double> width = numberOf(given);
                             if (!width || *width < Slits::narrowest || *width > Slits::widest)
                                 return tr("--width %1 is not a number from %2 to %3 twips")
                                     .arg(given)
                                     .arg(Slits::narrowest)
                                     .arg(Slits::widest);
                             experiment.slitWidth = *width;
                             return std::nullopt;
                         });
    if (!error)
        error = readEach(parser, separationOption,
                         [&experiment](const QString &given) -> std::optional<QString> {
                             const std::optional<double> separation = numberOf(given);
                             if (!separation)
                                 return tr("--separation %1 is not a number of twips").arg(given);
                             experiment.slitSeparation = *separation;
                             return std::nullopt;
                         });
    if (error)
        return error;

    const int count = experiment.slitCount;
    const double width = experiment.slitWidth;
    const double separation = experiment.slitSeparation;
    if (count == 1) {
        if (parser.isSet(separationOption))
            return tr("--separation is for two slits or more; one slit has none");
        return std::nullopt;
    }
    if (!parser.isSet(separationOption))
        return tr("--slits %1 needs --separation D, from one slit's middle to the next one's")
            .arg(count);
    if (separation <= width)
        return tr("--separation %1 is not more than --width %2: the slits would overlap")
            .arg(OptionTable::values(parser, separationOption).last(),
                 OptionTable::values(parser, widthOption).last());
    if (!Slits::fit(count, width, separation))
        return tr("%1 slits %2 twips apart span %3 twips; the screen is %4 high")
            .arg(count)
            .arg(separation)
            .arg((count - 1) * separation + width)
            .arg(Slits::screenHeight);
    return std::nullopt;
}

std::optional<QString> SlitsCommand::readSource(const QCommandLineParser &parser,
                                                Experiment &experiment)
{
    return readEach(
        parser, sourceOption, [&experiment](const QString &given) -> std::optional<QString> {
            const std::optional<Vec2> at =
                given.startsWith(u"point:") ? pointBefore(given.mid(6)) : std::nullopt;
            if (given == u"beam")
                experiment.source = Source::beam();
            else if (at)
                experiment.source = Source::point(MapGrid::sceneOf(*at));
            else
                return tr("--source %1 is none of the slits' sources; choose beam or point:X,Y "
                          "with X from %2 to less than 0, before the screen, and Y from %3 to %4")
                    .arg(given)
                    .arg(-Slits::mapEnd)
                    .arg(MapExtent().yLow())
                    .arg(MapExtent().yEnd());
            return std::nullopt;
        });
}

std::optional<QString> SlitsCommand::readLight(const QCommandLineParser &parser,
                                               Experiment &experiment)
{
    experiment.wavenumber = loadedChoice(Field::Kmitocet).value;
    if (std::optional<QString> error = MapCommand::readLight(parser, experiment))
        return error;
    if (parser.isSet(whiteOption) &&
        (parser.isSet(QStringLiteral("frequency")) || parser.isSet(QStringLiteral("wavenumber"))))
        return tr("--white and --frequency or --wavenumber all name the light; give one of them");
    experiment.whiteLight = parser.isSet(whiteOption);
    return std::nullopt;
}

} // namespace veltrin
