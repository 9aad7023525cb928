// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <vector>

namespace veltrin {

/// A layer of glass lit straight on, in the map's place: the layer, the front surface's arrow
/// (turned round), the back surface's (turned by the trip through the glass and back), their sum
/// or, with every echo, the spiral of ever shorter arrows and the transmitted arrows beside it;
/// below, the reflection against the thickness with the present thickness marked, a curve per
/// colour for white light and the layer's colour along it, as a soap film shows.
class GlassLayerView : public QWidget
{
    Q_OBJECT

public:
    /// The thickest layer offered, twips: several wavelengths of the middle light, where a soap
    /// film's colours still show.
    static constexpr double thickest = 1000;

    explicit GlassLayerView(QWidget *parent = nullptr);

    void setIndex(double index);
    void setThickness(double thickness);
    void setEchoes(bool echoes);
    /// One wavenumber, or white light's several.
    void setWavenumbers(std::vector<double> wavenumbers);

    double index() const { return m_index; }
    double thickness() const { return m_thickness; }
    bool echoes() const { return m_echoes; }
    /// The probability of reflection at the present thickness; for white light the colours' mean.
    double reflection() const;
    /// The probability of going through: with every echo the rest of the light; with only the
    /// two surfaces' arrows, 1 − reflection, as the two-arrow story leaves it.
    double transmission() const;
    /// The numbers in words, for the readout and a screen reader.
    QString numbersText() const;

    /// Paints the whole view into `area` of any device, for the window and a figure alike.
    void paintOn(QPainter &painter, const QRectF &area) const;

    QSize sizeHint() const override { return {680, 480}; }
    QSize minimumSizeHint() const override { return {340, 240}; }

signals:
    /// The layer or the light changed.
    void changed();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    /// The reflection curves against thickness, one per wavenumber, remade only when the index,
    /// the echoes or the light change: moving the thickness only moves the mark.
    void makeCurves();
    void paintLayer(QPainter &painter, const QRectF &area) const;
    void paintArrows(QPainter &painter, const QRectF &area) const;
    void paintCurves(QPainter &painter, const QRectF &area) const;

    static constexpr int curveSamples = 500;

    double m_index = 1.5;
    double m_thickness = 0;
    bool m_echoes = false;
    std::vector<double> m_wavenumbers{0.02};
    std::vector<std::vector<double>> m_curves; // per wavenumber, per sample of thickness
    double m_top = 0.2;                        // the curves' scale
};

} // namespace veltrin
