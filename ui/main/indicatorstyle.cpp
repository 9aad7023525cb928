// SPDX-License-Identifier: GPL-3.0-or-later
#include "indicatorstyle.h"

#include <QApplication>
#include <QStyleFactory>

namespace veltrin {

// A style of the application's own kind: a proxy takes its base style over, and the
// application's is not its to take.
IndicatorStyle::IndicatorStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
{
}

int IndicatorStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                                const QWidget *widget) const
{
    const int pixels = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_RadioButtonLabelSpacing:
        return m_scale == 1 ? pixels : std::max(1, qRound(pixels * m_scale));
    default:
        return pixels;
    }
}

} // namespace veltrin
