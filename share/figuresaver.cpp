// SPDX-License-Identifier: GPL-3.0-or-later
#include "figuresaver.h"

#include "paperfigure.h"
#include "picturesaver.h"
#include "wholefile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QSvgGenerator>

namespace veltrin {

bool FigureSaver::isSvg(const QString &path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0;
}

QByteArray FigureSaver::svg(const PaperFigure &figure)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setResolution(96);
    generator.setSize(figure.size().toSize());
    generator.setViewBox(QRectF(QPointF(0, 0), figure.size()));
    generator.setTitle(tr("Veltrin figure"));
    generator.setDescription(figure.description());
    QPainter painter(&generator);
    figure.paint(painter);
    painter.end();
    return bytes;
}

QImage FigureSaver::png(const PaperFigure &figure)
{
    return PictureSaver::withResolution(figure.image(pngRatio));
}

QString FigureSaver::save(const PaperFigure &figure, const QString &path, WholeFile::Wait wait,
                          std::stop_token stop)
{
    if (isSvg(path))
        return WholeFile::write(path, svg(figure), wait, std::move(stop));
    return PictureSaver::save(figure.image(pngRatio), path, wait, std::move(stop));
}

} // namespace veltrin
