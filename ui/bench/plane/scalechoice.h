// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QComboBox;
class QDoubleSpinBox;

namespace veltrin {

/// What the map's brightest colour stands for: each map's own brightest point, the focus of the
/// whole parabola of the same K in the same light (so that a cut mirror's map, or the circle's,
/// shows how much less light it gathers), or a number typed, in twips of bar.
class ScaleChoice : public QWidget
{
    Q_OBJECT

public:
    enum class Kind { OwnPeak, ParabolaFocus, Typed };

    explicit ScaleChoice(QWidget *parent = nullptr);

    Kind kind() const;
    void setKind(Kind kind);
    /// The number typed, twips of bar.
    double typed() const;
    void setTyped(double top);
    /// Shows the top of the scale in use, where it is not typed.
    void showTop(double top);
    /// Hides the top while the pupil predicts, unless typed: the map's brightest value would
    /// tell.
    void setTopShown(bool shown);

    /// The scale in a word or two, for the colour bar.
    static QString shortName(Kind kind);
    /// The scale in a sentence, for a screen reader.
    static QString sentence(Kind kind, double top);

signals:
    void changed();

private:
    void showTopField();

    QComboBox *m_kind;
    QDoubleSpinBox *m_top;
    bool m_topShown = true;
};

} // namespace veltrin
