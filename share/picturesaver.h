// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wholefile.h"

#include <QImage>
#include <QString>

namespace veltrin {

/// Writes the drawing to a PNG file pixel for pixel, at the resolution of the screen it was
/// drawn for, whole or not at all.
class PictureSaver
{
public:
    /// Returns why the file could not be written, or an empty string once it is.
    static QString save(const QImage &picture, const QString &path,
                        WholeFile::Wait wait = WholeFile::Wait::Briefly, std::stop_token stop = {});
    /// The picture with its resolution set from its device pixel ratio, as the file says it.
    static QImage withResolution(QImage picture);
};

} // namespace veltrin
