// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapcsv.h"

#include "textform.h"
#include "wholefile.h"

namespace veltrin {

QByteArray MapCsv::text(const ProbabilityMap &map)
{
    const MapGrid &grid = map.grid();
    QByteArray out;
    out.reserve(grid.size() * 32);
    out += "x_twips,y_twips,probability_twips\r\n";
    for (int row = 0; row < grid.rows(); ++row) {
        const QByteArray y = numberToText(grid.y(row)).toUtf8();
        for (int column = 0; column < grid.columns(); ++column) {
            out += numberToText(grid.x(column)).toUtf8();
            out += ',';
            out += y;
            out += ',';
            out += numberToText(map.at(column, row)).toUtf8();
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
