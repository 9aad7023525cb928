// SPDX-License-Identifier: GPL-3.0-or-later
#include "textform.h"

#include "surfaceerror.h"

#include <QCoreApplication>
#include <array>
#include <charconv>
#include <cmath>

namespace veltrin {

QString numberToText(double value)
{
    if (!std::isfinite(value))
        throw SurfaceError(
            QCoreApplication::translate("TextForm", "%1 has no text form in a parameter field")
                .arg(value));
    if (value == 0.0)
        return QStringLiteral("0"); // also for -0, which reads back as the same number
    // Fixed notation of the largest double has 309 digits before the point.
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed);
    return QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
}

double textToNumber(const QString &text)
{
    const QByteArray latin = text.toLatin1();
    double value = 0.0;
    const char *begin = latin.constData();
    const char *end = begin + latin.size();
    const auto result = std::from_chars(begin, end, value, std::chars_format::fixed);
    // toLatin1 turns characters outside Latin-1 into '?', which no number contains.
    if (latin.isEmpty() || result.ec != std::errc() || result.ptr != end || !std::isfinite(value))
        throw SurfaceError(
            QCoreApplication::translate("TextForm", "\"%1\" is not a number").arg(text));
    return value;
}

} // namespace veltrin
