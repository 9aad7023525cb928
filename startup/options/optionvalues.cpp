// SPDX-License-Identifier: GPL-3.0-or-later
#include "optionvalues.h"

#include <QStringList>
#include <cmath>

namespace veltrin::optionvalues {

std::optional<double> numberOf(const QString &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value) || text.trimmed() != text)
        return std::nullopt;
    return value;
}

std::optional<Vec2> pointOf(const QString &text)
{
    const QStringList parts = text.split(u',');
    if (parts.size() != 2)
        return std::nullopt;
    const std::optional<double> x = numberOf(parts[0]);
    const std::optional<double> y = numberOf(parts[1]);
    if (!x || !y)
        return std::nullopt;
    return Vec2{*x, *y};
}

std::optional<Vec2> pointOf(const QString &text, const MapExtent &extent)
{
    const std::optional<Vec2> at = pointOf(text);
    return at && extent.contains(*at) ? at : std::nullopt;
}

} // namespace veltrin::optionvalues
