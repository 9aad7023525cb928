// SPDX-License-Identifier: GPL-3.0-or-later
#include "closeupnumbers.h"

#include "choices.h"
#include "closeup.h"
#include "mirror.h"
#include "pathsum.h"
#include "scene.h"
#include "textform.h"

#include <QLocale>
#include <QStringList>
#include <numbers>

namespace veltrin {

namespace {

QString withUnit(const QString &number, const QString &unit)
{
    return unit.isEmpty() ? number
                          : CloseUpNumbers::tr("%1 %2", "value and unit").arg(number, unit);
}

} // namespace

QString CloseUpNumbers::Figure::shown() const
{
    const QString number = withUnit(QLocale().toString(value, 'f', decimals), unit);
    return name.isEmpty() ? number : tr("%1 (%2)", "name and value").arg(name, number);
}

QString CloseUpNumbers::Figure::widestShown() const
{
    QString widest = shown();
    for (const double end : {low, high}) {
        Figure other = *this;
        other.value = end;
        if (other.shown().size() > widest.size())
            widest = other.shown();
    }
    return widest;
}

QString CloseUpNumbers::Figure::copied() const
{
    if (!name.isEmpty())
        return name;
    // The user's decimal separator, so that a spreadsheet in the same language reads numbers.
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', decimals);
}

CloseUpNumbers::CloseUpNumbers(const CloseUp &closeUp, double highestBar)
{
    const QString twips = tr("twips");
    const double farthest = scene::detectorX(scene::detectorPositions - 1) - scene::X0;
    const double focus = closeUp.focalLength();
    // Every arrow pointing the same way: the longest resultant and the tallest bar there are.
    const double longest = Mirror::sampleCount * PathSum::arrowLength;
    const double tallest = longest * longest * PathSum::probabilityScale;
    const double arrows = double(closeUp.arrows().size());
    const double wavelength = 2 * std::numbers::pi / closeUp.frequency();
    const QString frequencyName =
        shownCaptionFor(Field::Kmitocet, numberToText(closeUp.frequency()));
    const auto fixed = [](double value) { return std::pair{value, value}; };
    struct Row
    {
        QString key, label;
        double value;
        int decimals;
        QString unit;
        std::pair<double, double> range;
    };
    const Row rows[] = {
        {tr("position"),
         tr("Detector from the vertex line"),
         closeUp.detectorDistance(),
         0,
         twips,
         {0, farthest}},
        {tr("arrows"), tr("Arrows"), arrows, 0, {}, {CloseUp::arrowCounts.front(), 3000}},
        {tr("K"), tr("Mirror constant K"), closeUp.k(), 5, {}, fixed(closeUp.k())},
        {tr("frequency"), tr("Frequency"), closeUp.frequency(), 2, tr("rad/twip"),
         fixed(closeUp.frequency())},
        {tr("wavelength"), tr("Wavelength"), wavelength, 1, twips, fixed(wavelength)},
        {tr("focus"), tr("Focus 1/(4K) from the vertex line"), focus, 1, twips, fixed(focus)},
        {tr("from focus"),
         tr("Detector from the focus"),
         closeUp.detectorDistance() - focus,
         1,
         twips,
         {-focus, farthest - focus}},
        {tr("resultant"),
         tr("Length of the resultant"),
         closeUp.resultantLength(),
         2,
         twips,
         {0, longest}},
        {tr("probability"),
         tr("Probability (bar height)"),
         closeUp.probability(),
         3,
         twips,
         {0, tallest}},
    };
    for (const Row &row : rows)
        m_figures.push_back({row.key,
                             row.label,
                             row.value,
                             row.decimals,
                             row.unit,
                             row.range.first,
                             row.range.second,
                             {}});
    // The frequency by its name, as the option buttons give it.
    if (frequencyName != numberToText(closeUp.frequency()))
        m_figures[3].name = frequencyName;
    if (highestBar > 0)
        m_figures.push_back({tr("share of highest"),
                             tr("Share of the run's highest bar"),
                             100 * closeUp.probability() / highestBar,
                             1,
                             tr("%"),
                             0,
                             100 * tallest / highestBar,
                             {}});
}

QString CloseUpNumbers::header() const
{
    QStringList fields;
    for (const Figure &figure : m_figures)
        fields << (figure.unit.isEmpty() || !figure.name.isEmpty()
                       ? figure.key
                       : tr("%1 (%2)", "key and unit").arg(figure.key, figure.unit));
    return fields.join(u'\t');
}

QString CloseUpNumbers::row() const
{
    QStringList fields;
    for (const Figure &figure : m_figures)
        fields << figure.copied();
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
