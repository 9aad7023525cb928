// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace veltrin {

/// The key to the close-up's colours: which colour belongs to which point of the mirror.
class ColourLegend : public QWidget
{
    Q_OBJECT

public:
    explicit ColourLegend(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    static constexpr int barWidth = 160; // pixels
    QString m_caption;
    QString m_nearEnd;
    QString m_farEnd;
};

} // namespace veltrin
