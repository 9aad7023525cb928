// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mapgrid.h"
#include "optiontable.h"
#include "vec2.h"

#include <QLocale>
#include <QString>
#include <optional>

class QCommandLineParser;

namespace veltrin::optionvalues {

/// A number of the C locale, whole and finite; nothing for any other text, also one with spaces
/// within (the value around it is trimmed already).
std::optional<double> numberOf(const QString &text);

/// A number as an option takes it: "0.00002", never "2e-05".
inline QString numberText(double value)
{
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

/// "X,Y": any point of the plane.
std::optional<Vec2> pointOf(const QString &text);
/// "X,Y": a point of the map's plane within `extent`, x from the vertex line, y above the axis.
std::optional<Vec2> pointOf(const QString &text, const MapExtent &extent);

/// Reads every value given for the option in order with read, which returns one line naming
/// what is wrong with a value: the first such line, or none once the last value is read.
template <typename Read>
std::optional<QString> readEach(const QCommandLineParser &parser, const QString &option, Read read)
{
    for (const QString &value : OptionTable::values(parser, option)) {
        if (std::optional<QString> error = read(value))
            return error;
    }
    return std::nullopt;
}

} // namespace veltrin::optionvalues
