// SPDX-License-Identifier: GPL-3.0-or-later
#include "scalechoice.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLocale>

namespace veltrin {

ScaleChoice::ScaleChoice(QWidget *parent)
    : QWidget(parent), m_kind(new QComboBox(this)), m_top(new QDoubleSpinBox(this))
{
    setObjectName(QStringLiteral("colourScale"));
    m_kind->setObjectName(QStringLiteral("colourScaleKind"));
    // The list shows its long names when open; closed, it takes the room the column has.
    m_kind->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_kind->setMinimumContentsLength(10);
    m_kind->addItem(tr("Each map's brightest point"), int(Kind::OwnPeak));
    m_kind->addItem(tr("The whole parabola's focus"), int(Kind::ParabolaFocus));
    m_kind->addItem(tr("A number"), int(Kind::Typed));
    m_kind->setToolTip(
        tr("What the brightest colour stands for: each map's own brightest point; the focus of "
           "the whole parabola of this K in this light, so that maps of a cut mirror or of the "
           "circle show how much less light they gather; or a number you type."));
    m_top->setObjectName(QStringLiteral("colourScaleTop"));
    m_top->setAccessibleName(tr("Top of the colour scale"));
    m_top->setToolTip(tr("The probability the brightest colour stands for, in twips of bar; "
                         "brighter points take the brightest colour too."));
    m_top->setRange(1, 100000);
    m_top->setDecimals(0);
    m_top->setSingleStep(100);
    m_top->setSuffix(tr(" twips"));
    m_top->setValue(2000);
    m_top->setEnabled(false);
    // Hidden, it keeps its room, so that the controls do not move.
    QSizePolicy policy = m_top->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    m_top->setSizePolicy(policy);

    connect(m_kind, &QComboBox::currentIndexChanged, this, [this] {
        m_top->setEnabled(kind() == Kind::Typed);
        showTopField();
        emit changed();
    });
    connect(m_top, &QDoubleSpinBox::valueChanged, this, [this] {
        if (kind() == Kind::Typed)
            emit changed();
    });

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_kind, 1);
    layout->addWidget(m_top);
    setFocusProxy(m_kind);
}

ScaleChoice::Kind ScaleChoice::kind() const
{
    return Kind(m_kind->currentData().toInt());
}

void ScaleChoice::setKind(Kind kind)
{
    m_kind->setCurrentIndex(m_kind->findData(int(kind)));
}

double ScaleChoice::typed() const
{
    return m_top->value();
}

void ScaleChoice::setTyped(double top)
{
    m_top->setValue(top);
}

void ScaleChoice::showTop(double top)
{
    if (kind() == Kind::Typed)
        return;
    // The number in use stands ready to be typed over, so that typing starts from it.
    const QSignalBlocker blocker(m_top);
    m_top->setValue(top);
}

void ScaleChoice::setTopShown(bool shown)
{
    m_topShown = shown;
    showTopField();
}

void ScaleChoice::showTopField()
{
    m_top->setVisible(m_topShown || kind() == Kind::Typed);
}

QString ScaleChoice::shortName(Kind kind)
{
    switch (kind) {
    case Kind::OwnPeak:
        return tr("own peak");
    case Kind::ParabolaFocus:
        return tr("parabola's focus");
    case Kind::Typed:
        return tr("typed");
    }
    return {};
}

QString ScaleChoice::sentence(Kind kind, double top)
{
    const QString value = QLocale().toString(top, 'f', top < 10 ? 2 : 0);
    switch (kind) {
    case Kind::OwnPeak:
        return tr("The colours go up to the map's own brightest point, %1 twips of bar.")
            .arg(value);
    case Kind::ParabolaFocus:
        return tr("The colours go up to the focus of the whole parabola of this K in this light, "
                  "%1 twips of bar.")
            .arg(value);
    case Kind::Typed:
        return tr("The colours go up to %1 twips of bar, as typed.").arg(value);
    }
    return {};
}

} // namespace veltrin
