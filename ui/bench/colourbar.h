// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace veltrin {

/// The key to the map's colours: the scale from nothing at the bottom to its top, with the
/// probability (twips of bar) at its ticks and the scale's name beneath. For white light, from
/// black to white: the colour where every wavenumber is equally bright.
class ColourBar : public QWidget
{
    Q_OBJECT

public:
    explicit ColourBar(QWidget *parent = nullptr);

    /// The top of the scale, 0 for no map, and what it stands for in a word or two.
    void setRange(double top, bool whiteLight, const QString &scaleName = {});

    QSize sizeHint() const override { return {90, 480}; }
    QSize minimumSizeHint() const override { return {80, 160}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double m_top = 0;
    bool m_whiteLight = false;
    QString m_scaleName;
};

} // namespace veltrin
