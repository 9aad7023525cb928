// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace veltrin {

/// The key to the map's colours: the scale from nothing at the bottom to its top, as tall as the
/// map, with the probability (twips of bar) at its ticks and its unit and what the top stands for
/// along it. For white light, from black to white: the colour where every wavenumber is equally
/// bright.
class ColourBar : public QWidget
{
    Q_OBJECT

public:
    explicit ColourBar(QWidget *parent = nullptr);

    /// The top of the scale, 0 for no map, and what it stands for in a word or two.
    void setRange(double top, bool whiteLight, const QString &scaleName = {});
    /// The scale's vertical extent, to line up with the map's.
    void setBarArea(double top, double height);
    /// Hidden while the pupil predicts where the light goes: the brightest value would tell.
    void setNumbersShown(bool shown);

    QSize sizeHint() const override { return {96, 480}; }
    QSize minimumSizeHint() const override { return {86, 160}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void describe();

    double m_scaleTop = 0;
    bool m_whiteLight = false;
    QString m_scaleName;
    bool m_numbersShown = true;
    double m_top = -1; ///< the scale's extent; below 0 until the map is laid out
    double m_height = 0;
};

} // namespace veltrin
