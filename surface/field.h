// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace veltrin {

/// The hidden text fields of the window that carry a run's parameters as text.
enum class Field { OsKruh, Kmitocet, Spomaleni, Prvni, Alfa };

inline constexpr int fieldCount = 5;

/// The field's object name in the window, as the user-facing name of the parameter.
QString fieldName(Field field);

} // namespace veltrin
