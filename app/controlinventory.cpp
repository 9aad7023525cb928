#include "controlinventory.h"

#include <QApplication>
#include <array>

namespace veltrin {

namespace {

using Kind = ControlEntry::Kind;
using Font = ControlEntry::Font;

const QColor silver(192, 192, 192);

// Names keep the Czech spelling of the program's controls.
const std::array<ControlEntry, 26> inventory{{
    {"HScroll1", Kind::ScrollBar, nullptr, {3600, 480, 2295, 255}, "", Font::None, {}, true, 25},
    {"frmAnimace",
     Kind::Frame,
     nullptr,
     {600, 5280, 1455, 1215},
     "Animace",
     Font::Sans12,
     silver,
     false,
     21},
    {"opPomalá",
     Kind::OptionButton,
     "frmAnimace",
     {120, 840, 855, 255},
     "Pomalá",
     Font::Default,
     silver,
     true,
     24},
    {"opPomalejši",
     Kind::OptionButton,
     "frmAnimace",
     {120, 600, 975, 195},
     "Pomalejší",
     Font::Default,
     silver,
     true,
     23},
    {"opRychlá",
     Kind::OptionButton,
     "frmAnimace",
     {120, 360, 855, 255},
     "Rychlá",
     Font::Default,
     silver,
     true,
     22},
    {"nSpomaleni",
     Kind::TextField,
     nullptr,
     {4560, 840, 975, 375},
     "Spomalení",
     Font::Default,
     {},
     false,
     20},
    {"nPravděpodobnost",
     Kind::FixedTextField,
     nullptr,
     {9480, 2160, 2055, 375},
     "Probability",
     Font::Sans12,
     silver,
     true,
     19},
    {"nCornu",
     Kind::FixedTextField,
     nullptr,
     {9480, 5040, 2055, 375},
     "Cornu spirals",
     Font::Sans12,
     silver,
     true,
     18},
    {"cmdKonec",
     Kind::CommandButton,
     nullptr,
     {9240, 360, 1215, 375},
     "Exit",
     Font::TimesBold,
     silver,
     true,
     17},
    {"nPrvní",
     Kind::TextField,
     nullptr,
     {360, 720, 1215, 375},
     "První",
     Font::Default,
     {},
     false,
     15},
    {"nKmitočet",
     Kind::TextField,
     nullptr,
     {1920, 3840, 735, 285},
     "Kmitočet",
     Font::Default,
     {},
     false,
     11},
    {"frmKmitočet",
     Kind::Frame,
     nullptr,
     {600, 3720, 1455, 1335},
     "Frequency",
     Font::Sans12,
     silver,
     true,
     10},
    {"opNízký",
     Kind::OptionButton,
     "frmKmitočet",
     {360, 1080, 975, 195},
     "Low",
     Font::Sans9_75,
     QColor(255, 0, 0),
     true,
     14},
    {"opStřední",
     Kind::OptionButton,
     "frmKmitočet",
     {240, 720, 975, 255},
     "Middle",
     Font::Sans9_75,
     QColor(128, 255, 128),
     true,
     13},
    {"opKmitVyš",
     Kind::OptionButton,
     "frmKmitočet",
     {120, 360, 975, 255},
     "High",
     Font::Sans9_75,
     QColor(192, 192, 255),
     true,
     12},
    {"nAlfa", Kind::TextField, nullptr, {720, 0, 855, 375}, "Alfa", Font::Default, {}, false, 9},
    {"nRovnice",
     Kind::FixedTextField,
     nullptr,
     {720, 1800, 1335, 375},
     " x = K.y.y",
     Font::Sans13_5,
     silver,
     true,
     8},
    {"frmOhnisko",
     Kind::Frame,
     nullptr,
     {600, 2160, 1695, 1335},
     "Parabola  K",
     Font::Sans12,
     silver,
     true,
     3},
    {"opK0002",
     Kind::OptionButton,
     "frmOhnisko",
     {720, 1080, 855, 195},
     "0.0002",
     Font::Default,
     silver,
     true,
     7},
    {"opOhniskoBlízké",
     Kind::OptionButton,
     "frmOhnisko",
     {480, 840, 855, 255},
     "0.0001",
     Font::Default,
     silver,
     true,
     6},
    {"opOhniskoStřední",
     Kind::OptionButton,
     "frmOhnisko",
     {240, 600, 975, 195},
     "0.00007",
     Font::Default,
     silver,
     true,
     5},
    {"opOhniskoVzdálené",
     Kind::OptionButton,
     "frmOhnisko",
     {120, 360, 1095, 255},
     "0.00005",
     Font::Default,
     silver,
     true,
     4},
    {"nOsKruh",
     Kind::TextField,
     nullptr,
     {1680, 2760, 855, 285},
     "OsKruh",
     Font::Default,
     {},
     false,
     2},
    {"nZáhlaví",
     Kind::FixedTextField,
     nullptr,
     {3120, 0, 4095, 495},
     "Veltrin (antenna)",
     Font::TimesBold,
     silver,
     true,
     1},
    {"cmdStart",
     Kind::CommandButton,
     nullptr,
     {7800, 360, 1215, 375},
     "Start",
     Font::TimesBold,
     silver,
     true,
     0},
    {"labKlepnete",
     Kind::Label,
     nullptr,
     {4800, 3840, 3495, 495},
     "Please press button Start",
     Font::TimesBold,
     silver,
     true,
     16},
}};

QFont sansSerif(qreal points)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace

std::span<const ControlEntry> controlInventory()
{
    return inventory;
}

QFont controlFont(ControlEntry::Font font)
{
    switch (font) {
    case Font::TimesBold: {
        QFont times(QStringLiteral("Times New Roman"));
        times.setPointSizeF(15.75);
        times.setWeight(QFont::Bold);
        return times;
    }
    case Font::Sans13_5:
        return sansSerif(13.5);
    case Font::Sans12:
        return sansSerif(12);
    case Font::Sans9_75:
        return sansSerif(9.75);
    case Font::Default:
    case Font::None:
        break;
    }
    return QApplication::font();
}

void installFontSubstitutes()
{
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

QRect twipsToPixels(const QRect &twips)
{
    return {twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15};
}

} // namespace veltrin
