// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenefonts.h"

#include <QGuiApplication>

namespace veltrin {

namespace {

QFont sansSerif(qreal points)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace

QFont SceneFonts::font(Face face)
{
    switch (face) {
    case Face::TimesBold: {
        QFont times(QStringLiteral("Times New Roman"));
        times.setPointSizeF(15.75);
        times.setWeight(QFont::Bold);
        return times;
    }
    case Face::Sans13_5:
        return sansSerif(13.5);
    case Face::Sans12:
        return sansSerif(12);
    case Face::Sans9_75:
        return sansSerif(9.75);
    case Face::Dialog:
        break;
    }
    return QGuiApplication::font();
}

void SceneFonts::installSubstitutes()
{
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

} // namespace veltrin
