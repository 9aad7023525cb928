// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace veltrin {

/// The key to the map's colours: the scale from nothing at the bottom to the brightest point at
/// the top, with the probability (twips of bar) at its ticks. For white light, from black to
/// white.
class ColourBar : public QWidget
{
    Q_OBJECT

public:
    explicit ColourBar(QWidget *parent = nullptr);

    /// The brightest value of the map; 0 for no map.
    void setRange(double brightest, bool whiteLight);

    QSize sizeHint() const override { return {90, 480}; }
    QSize minimumSizeHint() const override { return {80, 160}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double m_brightest = 0;
    bool m_whiteLight = false;
};

} // namespace veltrin
