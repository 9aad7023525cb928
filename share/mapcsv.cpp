// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapcsv.h"

#include "mapgrid.h"
#include "mirrorpreset.h"
#include "textform.h"
#include "wholefile.h"

#include <QStringList>

namespace veltrin {

namespace {

/// The experiment's fields, the same on every row, as the command line's options write them:
/// shape, K, wavenumber (or white), source (beam, or point:X,Y quoted for its comma), mirror
/// (a preset's name, or cut) and the strips kept.
QByteArray experimentFields(const Experiment &experiment)
{
    const QString shape = experiment.shape.kind() == MirrorShape::Kind::Circle
                              ? QStringLiteral("circle")
                              : QStringLiteral("parabola");
    const QString light =
        experiment.whiteLight ? QStringLiteral("white") : numberToText(experiment.wavenumber);
    QString source = QStringLiteral("beam");
    if (experiment.source.isPoint()) {
        const Vec2 at = MapGrid::mapOf(experiment.source.at());
        source = QStringLiteral("\"point:%1,%2\"").arg(numberToText(at.x), numberToText(at.y));
    }
    const std::string preset = MirrorPreset::nameOf(experiment.cut);
    const QString mirror = preset.empty() ? QStringLiteral("cut") : QString::fromStdString(preset);
    const QStringList fields{shape,  numberToText(experiment.shape.k()),         light, source,
                             mirror, QString::number(experiment.cut.keptCount())};
    return (u',' + fields.join(u',')).toUtf8();
}

QString lightOf(const Experiment &experiment)
{
    return experiment.whiteLight ? QStringLiteral("white") : numberToText(experiment.wavenumber);
}

QString quotedPoint(Vec2 at)
{
    return QStringLiteral("\"point:%1,%2\"").arg(numberToText(at.x), numberToText(at.y));
}

/// The boundary's fields: the experiment, the medium's index, the light, the source (beam:ANGLE,
/// or a point quoted) and the stretch where the light enters, FROM:TO.
QByteArray boundaryFields(const Experiment &experiment)
{
    const QString source = experiment.source.isPoint()
                               ? quotedPoint(MapGrid::mapOf(experiment.source.at()))
                               : QStringLiteral("beam:") + numberToText(experiment.beamAngle);
    const QStringList fields{
        QStringLiteral("boundary"), numberToText(experiment.index), lightOf(experiment), source,
        numberToText(experiment.windowFrom) + u':' + numberToText(experiment.windowTo)};
    return (u',' + fields.join(u',')).toUtf8();
}

/// The lens's fields: the experiment, the glass's index, the light, the source and the target
/// (quoted for their commas) and the strips kept.
QByteArray lensFields(const Experiment &experiment)
{
    const QStringList fields{
        QStringLiteral("lens"),
        numberToText(experiment.index),
        lightOf(experiment),
        quotedPoint(MapGrid::mapOf(experiment.source.at())),
        QStringLiteral("\"%1,%2\"")
            .arg(numberToText(experiment.target.x), numberToText(experiment.target.y)),
        QString::number(experiment.cut.keptCount())};
    return (u',' + fields.join(u',')).toUtf8();
}

/// The slits' fields: the experiment, how many, their width and separation (empty for one
/// slit), the light, the source (beam, or a point quoted) and whether the paths are marked:
/// none, marked, or erased.
QByteArray slitsFields(const Experiment &experiment)
{
    const QString source = experiment.source.isPoint()
                               ? quotedPoint(MapGrid::mapOf(experiment.source.at()))
                               : QStringLiteral("beam");
    const QString marks = !experiment.whichPath ? QStringLiteral("none")
                          : experiment.eraser   ? QStringLiteral("erased")
                                                : QStringLiteral("marked");
    const QStringList fields{QStringLiteral("slits"),
                             QString::number(experiment.slitCount),
                             numberToText(experiment.slitWidth),
                             experiment.slitCount > 1 ? numberToText(experiment.slitSeparation)
                                                      : QString(),
                             lightOf(experiment),
                             source,
                             marks};
    return (u',' + fields.join(u',')).toUtf8();
}

} // namespace

QByteArray MapCsv::text(const ProbabilityMap &map)
{
    const MapGrid &grid = map.grid();
    QByteArray experiment;
    QByteArray out;
    switch (map.experiment().element) {
    case Experiment::Element::Mirror:
        experiment = experimentFields(map.experiment());
        out += "x_twips,y_twips,probability_twips,shape,K,wavenumber,source,mirror,kept_strips\r\n";
        break;
    case Experiment::Element::Boundary:
        experiment = boundaryFields(map.experiment());
        out += "x_twips,y_twips,probability_twips,experiment,index,wavenumber,source,window\r\n";
        break;
    case Experiment::Element::Lens:
        experiment = lensFields(map.experiment());
        out += "x_twips,y_twips,probability_twips,experiment,index,wavenumber,source,target,"
               "kept_strips\r\n";
        break;
    case Experiment::Element::Slits:
        experiment = slitsFields(map.experiment());
        out += "x_twips,y_twips,probability_twips,experiment,slits,width,separation,wavenumber,"
               "source,which_path\r\n";
        break;
    }
    out.reserve(out.size() + grid.size() * (32 + experiment.size()));
    for (int row = 0; row < grid.rows(); ++row) {
        const QByteArray y = numberToText(grid.y(row)).toUtf8();
        for (int column = 0; column < grid.columns(); ++column) {
            out += numberToText(grid.x(column)).toUtf8();
            out += ',';
            out += y;
            out += ',';
            out += numberToText(map.at(column, row)).toUtf8();
            out += experiment;
            out += "\r\n";
        }
    }
    return out;
}

QString MapCsv::save(const ProbabilityMap &map, const QString &path, WholeFile::Wait wait,
                     std::stop_token stop)
{
    return WholeFile::write(path, text(map), wait, std::move(stop));
}

} // namespace veltrin
