// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lesson.h"

#include <QStringList>
#include <optional>

namespace veltrin {

/// The lessons that come inside the program, in the order a class would take them.
class ShippedLessons
{
public:
    static QStringList names();
    /// The shipped lesson of that name; none where there is no such lesson.
    static std::optional<Lesson> find(const QString &name);
};

} // namespace veltrin
