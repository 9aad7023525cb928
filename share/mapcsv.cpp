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

} // namespace

QByteArray MapCsv::text(const ProbabilityMap &map)
{
    const MapGrid &grid = map.grid();
    const QByteArray experiment = experimentFields(map.experiment());
    QByteArray out;
    out.reserve(grid.size() * (32 + experiment.size()));
    out += "x_twips,y_twips,probability_twips,shape,K,wavenumber,source,mirror,kept_strips\r\n";
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
