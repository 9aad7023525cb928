// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPointer>
#include <QRect>
#include <memory>
#include <optional>
#include <vector>

class QRadioButton;
class QWidget;

namespace veltrin {

class IndicatorStyle;

/// The window's controls at a scale: each where the layout puts it times the scale, its font
/// and an option button's indicator scaled likewise, so that the whole window grows and shrinks
/// with its drawing. At scale 1 every control is exactly where and as the layout made it.
class ScaledLayout
{
public:
    ScaledLayout();
    ~ScaledLayout();
    ScaledLayout(const ScaledLayout &) = delete;
    ScaledLayout &operator=(const ScaledLayout &) = delete;

    /// The largest scale at which the drawing's design size fits into the size, proportions kept.
    static double scaleToFit(QSize size);

    /// The font at the largest pixel size, not above its own, at which every caption of the
    /// buttons fits beside its indicator: in width, and where lineHeight says so, in height.
    static QFont fittingFont(const std::vector<QRadioButton *> &buttons, QFont font,
                             bool lineHeight = true);

    /// Takes the control's place and its font, where it sets one, as they are now as its design.
    /// A caption's font may also grow with the label scale. An option button takes a style whose
    /// indicator scales.
    void add(QWidget *control, bool caption = false);

    /// Places every control at the scale, those of the window from origin on, and lets the
    /// captions grow by up to the label scale on top, as far as their fields have room. The
    /// option buttons of a frame share the largest font at which all their captions fit.
    void apply(double scale, QPoint origin, double labelScale);

private:
    struct Entry
    {
        QPointer<QWidget> control;
        QRect design;
        std::optional<QFont> font;
        bool caption;
    };

    std::vector<Entry> m_entries;
    std::unique_ptr<IndicatorStyle> m_indicators; // the option buttons' style
};

} // namespace veltrin
