// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturesaver.h"

#include "wholefile.h"

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

    return WholeFile::write(path, [&image](QIODevice &file) {
        QImageWriter writer(&file, "png");
        return writer.write(image) ? QString() : writer.errorString();
    });
}

} // namespace veltrin
