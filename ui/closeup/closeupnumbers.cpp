// SPDX-License-Identifier: GPL-3.0-or-later
#include "closeupnumbers.h"

#include "closeup.h"

#include <QLocale>
#include <QStringList>

namespace veltrin {

QString CloseUpNumbers::Figure::shown() const
{
    const QString number = QLocale().toString(value, 'f', decimals);
    return unit.isEmpty() ? number : tr("%1 %2", "value and unit").arg(number, unit);
}

CloseUpNumbers::CloseUpNumbers(const CloseUp &closeUp)
{
    const QString twips = tr("twips");
    m_figures = {
        {tr("position"), tr("Detector from the vertex line"), closeUp.detectorDistance(), 0, twips},
        {tr("arrows"), tr("Arrows"), double(closeUp.arrows().size()), 0, {}},
        {tr("K"), tr("Mirror constant K"), closeUp.k(), 5, {}},
        {tr("frequency"), tr("Frequency"), closeUp.frequency(), 2, tr("rad/twip")},
        {tr("focus"), tr("Focus 1/(4K) from the vertex line"), closeUp.focalLength(), 1, twips},
        {tr("from focus"), tr("Detector from the focus"),
         closeUp.detectorDistance() - closeUp.focalLength(), 1, twips},
        {tr("resultant"), tr("Length of the resultant"), closeUp.resultantLength(), 2, twips},
        {tr("probability"), tr("Probability (bar height)"), closeUp.probability(), 3, twips},
    };
}

QString CloseUpNumbers::line() const
{
    QStringList fields;
    for (const Figure &figure : m_figures)
        fields << figure.key << QString::number(figure.value, 'f', figure.decimals);
    return fields.join(u'\t');
}

QString CloseUpNumbers::description() const
{
    QStringList parts;
    for (const Figure &figure : m_figures)
        parts << tr("%1: %2", "label and value").arg(figure.label, figure.shown());
    return parts.join(tr("; ", "between figures"));
}

} // namespace veltrin
