// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paintersurface.h"

#include <array>

namespace veltrin {

/// A run's surface without a window: draws on a picture through a ScenePainter and keeps the
/// parameter fields as plain texts, as a freshly loaded window holds them. For a picture made
/// anew from the runs on it, and for a run made without any display.
class ImageSurface : public PainterSurface
{
public:
    explicit ImageSurface(QImage &picture, SceneStyle style = {});
    ~ImageSurface() override;

    QString text(Field field) const override;
    void setText(Field field, const QString &text) override;
    /// No one is there to answer: No, which keeps what is drawn.
    bool askYesNo(const QString &prompt) override;
    /// Ends painting, so the picture may be used.
    void present() override;

private:
    std::array<QString, fieldCount> m_fields;
};

} // namespace veltrin
