// SPDX-License-Identifier: GPL-3.0-or-later
#include "figuresaver.h"

#include "figure.h"
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

QByteArray FigureSaver::svg(const Figure &figure)
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
    QStringList entries;
    for (const FigureLegend::Entry &entry : figure.legend().entries())
        entries << entry.text;
    generator.setDescription(entries.join(QStringLiteral("; ")));
    QPainter painter(&generator);
    figure.paint(painter);
    painter.end();
    return bytes;
}

QString FigureSaver::save(const Figure &figure, const QString &path, WholeFile::Wait wait)
{
    if (isSvg(path))
        return WholeFile::write(path, svg(figure), wait);
    return PictureSaver::save(figure.image(pngRatio), path, wait);
}

} // namespace veltrin
