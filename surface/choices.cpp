// SPDX-License-Identifier: GPL-3.0-or-later
#include "choices.h"

#include "textform.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <array>

namespace veltrin {

namespace {

// clang-format off
const std::array<Choice, 10> table{{
    // field, button, caption, description, value, at load, bars, ray length
    {Field::OsKruh, "opOhniskoVzdálené", "0.00005",
     QT_TRANSLATE_NOOP("AccessibleTexts", "The flattest mirror, its focus the farthest."),
     0.00005, true, {}, 6000},
    {Field::OsKruh, "opOhniskoStřední", "0.00007",
     QT_TRANSLATE_NOOP("AccessibleTexts", "A flat mirror, its focus far."),
     0.00007, false, {}, 4500},
    {Field::OsKruh, "opOhniskoBlízké", "0.0001",
     QT_TRANSLATE_NOOP("AccessibleTexts", "A curved mirror, its focus near."),
     0.0001, false, {}, 3500},
    {Field::OsKruh, "opK0002", "0.0002",
     QT_TRANSLATE_NOOP("AccessibleTexts", "The most curved mirror, its focus the nearest."),
     0.0002, false, {}, 3100},

    {Field::Kmitocet, "opKmitVyš", QT_TRANSLATE_NOOP("Controls", "High"),
     QT_TRANSLATE_NOOP("AccessibleTexts", "Its probability bars are blue."),
     0.04, false, {0, Colour::rgb(0, 0, 255)}},
    {Field::Kmitocet, "opStřední", QT_TRANSLATE_NOOP("Controls", "Middle"),
     QT_TRANSLATE_NOOP("AccessibleTexts", "Its probability bars are green."),
     0.02, true, {20, Colour::rgb(0, 255, 0)}},
    {Field::Kmitocet, "opNízký", QT_TRANSLATE_NOOP("Controls", "Low"),
     QT_TRANSLATE_NOOP("AccessibleTexts", "Its probability bars are red."),
     0.01, false, {40, Colour::rgb(255, 0, 0)}},

    // The speed buttons lie in a frame that is never shown; the scroll bar sets the speed.
    {Field::Spomaleni, "opRychlá", "Rychlá", nullptr, 1, true, {}},
    {Field::Spomaleni, "opPomalejši", "Pomalejší", nullptr, 1000000, false, {}},
    {Field::Spomaleni, "opPomalá", "Pomalá", nullptr, 3000000, false, {}},
}};
// clang-format on

} // namespace

QString Choice::text() const
{
    return numberToText(value);
}

std::span<const Choice> choices()
{
    return table;
}

std::span<const Choice> choicesFor(Field field)
{
    const auto first = std::ranges::find(table, field, &Choice::field);
    const auto last = std::find_if(first, table.end(),
                                   [field](const Choice &choice) { return choice.field != field; });
    return {first, last};
}

const Choice &loadedChoice(Field field)
{
    const std::span<const Choice> group = choicesFor(field);
    return *std::ranges::find_if(group, &Choice::selectedAtLoad);
}

const Choice *choiceNamed(QStringView objectName)
{
    const auto found = std::ranges::find_if(table, [objectName](const Choice &choice) {
        return objectName == QString::fromUtf8(choice.objectName);
    });
    return found == table.end() ? nullptr : &*found;
}

const Choice *choiceCaptioned(Field field, QStringView caption)
{
    for (const Choice &choice : choicesFor(field)) {
        if (caption.compare(QString::fromUtf8(choice.caption), Qt::CaseInsensitive) == 0)
            return &choice;
    }
    return nullptr;
}

const Choice *choiceWithText(Field field, const QString &text)
{
    // The first button in order whose text is equal: the field holds texts, not numbers, and a
    // text written some other way ("0.020") is no choice at all.
    for (const Choice &choice : choicesFor(field)) {
        if (text == choice.text())
            return &choice;
    }
    return nullptr;
}

QString Choice::shownCaption() const
{
    // A mirror constant is a number: written with the decimal separator of the user's
    // language, like every other number the program shows.
    if (field == Field::OsKruh)
        return QString::fromUtf8(caption).replace(u'.', QLocale().decimalPoint());
    return QCoreApplication::translate("Controls", caption);
}

QString shownCaptionFor(Field field, const QString &text)
{
    const Choice *choice = choiceWithText(field, text);
    return choice ? choice->shownCaption() : text;
}

QString captionFor(Field field, const QString &text)
{
    const Choice *choice = choiceWithText(field, text);
    return choice ? QString::fromUtf8(choice->caption) : text;
}

QString loadedText(Field field)
{
    switch (field) {
    case Field::OsKruh:
    case Field::Kmitocet:
    case Field::Spomaleni:
        return loadedChoice(field).text();
    case Field::Prvni:
        return QStringLiteral("0"); // no run has been made
    case Field::Alfa:
        break;
    }
    return QStringLiteral("Alfa"); // until a run writes the angle of its last ray
}

} // namespace veltrin
