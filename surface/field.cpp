// SPDX-License-Identifier: GPL-3.0-or-later
#include "field.h"

namespace veltrin {

QString fieldName(Field field)
{
    switch (field) {
    case Field::OsKruh:
        return QStringLiteral("nOsKruh");
    case Field::Kmitocet:
        return QStringLiteral("nKmitočet");
    case Field::Spomaleni:
        return QStringLiteral("nSpomaleni");
    case Field::Prvni:
        return QStringLiteral("nPrvní");
    case Field::Alfa:
        return QStringLiteral("nAlfa");
    }
    return {};
}

} // namespace veltrin
