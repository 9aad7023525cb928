// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenecaptions.h"

#include "twips.h"

#include <QFontInfo>

namespace veltrin {

QString SceneCaptions::shownText(const Caption &caption)
{
    return QCoreApplication::translate("Controls", caption.text);
}

std::vector<FigureCaption> SceneCaptions::forFigure()
{
    std::vector<FigureCaption> captions;
    for (const Caption *caption : {&equation, &probability, &spirals}) {
        QFont font = SceneFonts::font(caption->face);
        // Sized in the figure's pixels, at the 96 to the inch the scene is laid out at.
        font.setPixelSize(qRound(font.pointSizeF() * 96 / 72));
        font.setFamily(QFontInfo(font).family());
        captions.push_back({shownText(*caption).trimmed(), twipsToPixels(caption->twips), font});
    }
    return captions;
}

Prompt SceneCaptions::drawingPrompt()
{
    return {twipsToPixels(prompt.twips), shownText(prompt), SceneFonts::font(prompt.face)};
}

} // namespace veltrin
