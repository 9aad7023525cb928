// SPDX-License-Identifier: GPL-3.0-or-later
#include "controlinventory.h"

#include "choices.h"
#include "scenecaptions.h"
#include "twips.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <vector>

namespace veltrin {

namespace {

using Kind = ControlEntry::Kind;
using Font = SceneFonts::Face;

const QColor silver = QColor::fromRgb(Colour::silver().argb());

/// A caption of the scene, where and as the scene shows it: a borderless text field, or the
/// prompt painted on the drawing.
ControlEntry captionEntry(const char *name, Kind kind, const SceneCaptions::Caption &caption,
                          int tabIndex)
{
    return {name, kind, nullptr, caption.twips, caption.text, caption.face, silver, true, tabIndex};
}

// Names keep the Czech spelling of the program's controls.
// The controls that are no option button, in the order the window creates them; each frame
// is followed by its buttons (see withChoices).
const std::array<ControlEntry, 16> fixedControls{{
    {"HScroll1", Kind::ScrollBar, nullptr, {3600, 480, 2295, 255}, "", Font::Dialog, {}, true, 25},
    {"frmAnimace",
     Kind::Frame,
     nullptr,
     {600, 5280, 1455, 1215},
     "Animace",
     Font::Sans12,
     silver,
     false,
     21},
    {"nSpomaleni",
     Kind::TextField,
     nullptr,
     {4560, 840, 975, 375},
     "Spomalení",
     Font::Dialog,
     {},
     false,
     20},
    captionEntry("nPravděpodobnost", Kind::FixedTextField, SceneCaptions::probability, 19),
    captionEntry("nCornu", Kind::FixedTextField, SceneCaptions::spirals, 18),
    {"cmdKonec",
     Kind::CommandButton,
     nullptr,
     {9240, 360, 1215, 375},
     QT_TRANSLATE_NOOP("Controls", "Exit"),
     Font::TimesBold,
     silver,
     true,
     17},
    {"nPrvní",
     Kind::TextField,
     nullptr,
     {360, 720, 1215, 375},
     "První",
     Font::Dialog,
     {},
     false,
     15},
    {"nKmitočet",
     Kind::TextField,
     nullptr,
     {1920, 3840, 735, 285},
     "Kmitočet",
     Font::Dialog,
     {},
     false,
     11},
    {"frmKmitočet",
     Kind::Frame,
     nullptr,
     {600, 3720, 1455, 1335},
     QT_TRANSLATE_NOOP("Controls", "Frequency"),
     Font::Sans12,
     silver,
     true,
     10},
    {"nAlfa", Kind::TextField, nullptr, {720, 0, 855, 375}, "Alfa", Font::Dialog, {}, false, 9},
    captionEntry("nRovnice", Kind::FixedTextField, SceneCaptions::equation, 8),
    {"frmOhnisko",
     Kind::Frame,
     nullptr,
     {600, 2160, 1695, 1335},
     QT_TRANSLATE_NOOP("Controls", "Parabola  K"),
     Font::Sans12,
     silver,
     true,
     3},
    {"nOsKruh",
     Kind::TextField,
     nullptr,
     {1680, 2760, 855, 285},
     "OsKruh",
     Font::Dialog,
     {},
     false,
     2},
    {"nZáhlaví",
     Kind::FixedTextField,
     nullptr,
     {3120, 0, 4095, 495},
     QT_TRANSLATE_NOOP("Controls", "Veltrin (antenna)"),
     Font::TimesBold,
     silver,
     true,
     1},
    {"cmdStart",
     Kind::CommandButton,
     nullptr,
     {7800, 360, 1215, 375},
     QT_TRANSLATE_NOOP("Controls", "Start"),
     Font::TimesBold,
     silver,
     true,
     0},
    captionEntry("labKlepnete", Kind::Label, SceneCaptions::prompt, 16),
}};

/// Where an option button stands in its frame, its place in the tab order and its ground.
struct ButtonPlace
{
    const char *name;
    QRect twips;
    int tabIndex;
    QColor background;
};

// clang-format off
const ButtonPlace buttonPlaces[] = {
    {"opOhniskoVzdálené", {120, 360, 1095, 255}, 4, silver},
    {"opOhniskoStřední", {240, 600, 975, 195}, 5, silver},
    {"opOhniskoBlízké", {480, 840, 855, 255}, 6, silver},
    {"opK0002", {720, 1080, 855, 195}, 7, silver},
    {"opKmitVyš", {120, 360, 975, 255}, 12, QColor(192, 192, 255)},
    {"opStřední", {240, 720, 975, 255}, 13, QColor(128, 255, 128)},
    {"opNízký", {360, 1080, 975, 195}, 14, QColor(255, 0, 0)},
    {"opRychlá", {120, 360, 855, 255}, 22, silver},
    {"opPomalejši", {120, 600, 975, 195}, 23, silver},
    {"opPomalá", {120, 840, 855, 255}, 24, silver},
};
// clang-format on

const ButtonPlace &placeOf(const Choice &choice)
{
    const auto place = std::ranges::find_if(buttonPlaces, [&](const ButtonPlace &place) {
        return qstrcmp(place.name, choice.objectName) == 0;
    });
    Q_ASSERT(place != std::end(buttonPlaces));
    return *place;
}

/// The frame that holds the option buttons of a field, and the font its buttons ask for.
struct ChoiceFrame
{
    const char *frame;
    Field field;
    Font buttonFont;
};

const ChoiceFrame choiceFrames[] = {
    {"frmAnimace", Field::Spomaleni, Font::Dialog},
    {"frmKmitočet", Field::Kmitocet, Font::Sans9_75},
    {"frmOhnisko", Field::OsKruh, Font::Dialog},
};

/// The fixed controls with each frame's option buttons after it, made from the choices. They
/// are created from the bottom of the frame up, so that an upper button lies over the one below
/// where the two touch.
std::vector<ControlEntry> withChoices()
{
    std::vector<ControlEntry> controls;
    for (const ControlEntry &entry : fixedControls) {
        controls.push_back(entry);
        for (const ChoiceFrame &frame : choiceFrames) {
            if (qstrcmp(frame.frame, entry.name) != 0)
                continue;
            const std::span<const Choice> buttons = choicesFor(frame.field);
            for (auto choice = buttons.rbegin(); choice != buttons.rend(); ++choice) {
                const ButtonPlace &place = placeOf(*choice);
                controls.push_back({choice->objectName, Kind::OptionButton, frame.frame,
                                    place.twips, choice->caption, frame.buttonFont,
                                    place.background, true, place.tabIndex});
            }
        }
    }
    return controls;
}

} // namespace

std::span<const ControlEntry> controlInventory()
{
    static const std::vector<ControlEntry> controls = withChoices();
    return controls;
}

QString shownText(const ControlEntry &entry)
{
    if (const Choice *choice = choiceNamed(QString::fromUtf8(entry.name)))
        return choice->shownCaption();
    return QCoreApplication::translate("Controls", entry.text);
}

std::optional<QColor> groundIn(const ControlEntry &entry, const SceneStyle &style)
{
    if (!entry.background)
        return {};
    if (*entry.background == silver)
        return QColor::fromRgb(style.shown(Colour::silver()));
    const Choice *choice = choiceNamed(QString::fromUtf8(entry.name));
    if (choice && style.isBar(style.shown(choice->bars.colour)))
        return QColor::fromRgb(style.shown(choice->bars.colour));
    return entry.background;
}

} // namespace veltrin
