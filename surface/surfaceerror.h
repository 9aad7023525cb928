// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <stdexcept>

namespace veltrin {

/// A window operation that failed, or a parameter text that is not a number where one is
/// needed. The handler that called the operation is abandoned and the user is told why.
class SurfaceError : public std::runtime_error
{
public:
    explicit SurfaceError(const QString &message) : std::runtime_error(message.toStdString()) {}
};

} // namespace veltrin
