// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagesurface.h"

#include "choices.h"

#include <utility>

namespace veltrin {

ImageSurface::ImageSurface(QImage &picture, SceneStyle style)
    : PainterSurface(picture, std::move(style))
{
    for (int i = 0; i < fieldCount; ++i)
        m_fields[i] = loadedText(Field(i));
}

ImageSurface::~ImageSurface()
{
    m_painter.finish();
}

QString ImageSurface::text(Field field) const
{
    return m_fields[static_cast<int>(field)];
}

void ImageSurface::setText(Field field, const QString &text)
{
    m_fields[static_cast<int>(field)] = text;
}

bool ImageSurface::askYesNo(const QString &)
{
    return false;
}

void ImageSurface::present()
{
    m_painter.finish();
}

} // namespace veltrin
