// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturesaver.h"

#include "wholefile.h"

#include <QBuffer>
#include <QImageWriter>
#include <cmath>

namespace veltrin {

namespace {

// The scene is laid out at 96 pixels to the inch; a picture drawn at twice that for a dense
// screen says so, so that a word processor places either at the same size.
constexpr double designDotsPerMeter = 96 / 0.0254;

} // namespace

QString PictureSaver::save(const QImage &picture, const QString &path)
{
    QImage image = picture;
    const int dotsPerMeter = int(std::lround(designDotsPerMeter * picture.devicePixelRatio()));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);

    // Made in memory first: the file is written only once the picture is whole, and the PNG
    // library never meets a disk that fails it half way.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image))
        return writer.errorString();
    return WholeFile::write(path, png);
}

} // namespace veltrin
