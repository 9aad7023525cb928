// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace veltrin {

/// The desktop's style with the option buttons' indicators, and the space beside them, grown or
/// shrunk with the window's scale, so that a scaled caption keeps its room beside its indicator.
/// At scale 1 it is the desktop's style as it is.
class IndicatorStyle : public QProxyStyle
{
    Q_OBJECT

public:
    IndicatorStyle();

    void setScale(double scale) { m_scale = scale; }

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;

private:
    double m_scale = 1;
};

} // namespace veltrin
