// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wholefile.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QString>

namespace veltrin {

class PaperFigure;

/// Writes a figure to a file, whole or not at all: as SVG, strokes and text a drawing program
/// or a word processor scales freely, where the name ends in .svg; else as a PNG picture at
/// twice the design scale, which prints sharp.
class FigureSaver
{
    Q_DECLARE_TR_FUNCTIONS(veltrin::FigureSaver)

public:
    /// How many pixels of a PNG figure make a pixel of the design scale.
    static constexpr qreal pngRatio = 2;

    /// Whether a file of this name is written as SVG.
    static bool isSvg(const QString &path);
    /// The figure as an SVG document, in pixels of the design scale at 96 to the inch.
    static QByteArray svg(const PaperFigure &figure);
    /// The figure as the PNG file has it, with its resolution: for the clipboard.
    static QImage png(const PaperFigure &figure);
    /// Returns why the file could not be written, or an empty string once it is.
    static QString save(const PaperFigure &figure, const QString &path,
                        WholeFile::Wait wait = WholeFile::Wait::Briefly, std::stop_token stop = {});
};

} // namespace veltrin
