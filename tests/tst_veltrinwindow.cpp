// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"
#include "modalbox.h"
#include "translations.h"
#include "twips.h"
#include "veltrinwindow.h"
#include "windowrun.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QTranslator>

using namespace veltrin;

namespace {

enum class Shown { Yes, No, InsideHiddenFrame };

/// One control as the window must lay it out, in twips.
struct Expected
{
    const char *name;
    const char *className;
    const char *container; // nullptr: the window
    QRect twips;
    const char *text;
    const char *fontFamily; // nullptr: the dialog font
    qreal fontPoints;
    bool bold;
    QColor background; // invalid: none set
    Shown shown;
};

const QColor silver(192, 192, 192);
const char *const times = "Times New Roman";
const char *const sans = "MS Sans Serif";

// The 25 child widgets; the prompt is painted on the drawing and is no widget. A push button
// keeps its standard colour, so neither command button shows a background of its own.
// clang-format off
const Expected expectedControls[] = {
    // name, class, container, twips, text after load, font (nullptr: dialog), background, shown
    {"HScroll1", "QScrollBar", nullptr, {3600, 480, 2295, 255}, "", nullptr, 0, false, {}, Shown::Yes},
    {"frmAnimace", "QGroupBox", nullptr, {600, 5280, 1455, 1215}, "Animace", sans, 12, false, silver, Shown::No},
    {"opPomalá", "QRadioButton", "frmAnimace", {120, 840, 855, 255}, "Pomalá", nullptr, 0, false, silver, Shown::InsideHiddenFrame},
    {"opPomalejši", "QRadioButton", "frmAnimace", {120, 600, 975, 195}, "Pomalejší", nullptr, 0, false, silver, Shown::InsideHiddenFrame},
    {"opRychlá", "QRadioButton", "frmAnimace", {120, 360, 855, 255}, "Rychlá", nullptr, 0, false, silver, Shown::InsideHiddenFrame},
    {"nSpomaleni", "QLineEdit", nullptr, {4560, 840, 975, 375}, "1", nullptr, 0, false, {}, Shown::No},
    {"nPravděpodobnost", "QLineEdit", nullptr, {9480, 2160, 2055, 375}, "Probability", sans, 12, false, silver, Shown::Yes},
    {"nCornu", "QLineEdit", nullptr, {9480, 5040, 2055, 375}, "Cornu spirals", sans, 12, false, silver, Shown::Yes},
    {"cmdKonec", "QPushButton", nullptr, {9240, 360, 1215, 375}, "Exit", times, 15.75, true, {}, Shown::Yes},
    {"nPrvní", "QLineEdit", nullptr, {360, 720, 1215, 375}, "0", nullptr, 0, false, {}, Shown::No},
    {"nKmitočet", "QLineEdit", nullptr, {1920, 3840, 735, 285}, "0.02", nullptr, 0, false, {}, Shown::No},
    {"frmKmitočet", "QGroupBox", nullptr, {600, 3720, 1455, 1335}, "Frequency", sans, 12, false, silver, Shown::Yes},
    {"opNízký", "QRadioButton", "frmKmitočet", {360, 1080, 975, 195}, "Low", sans, 9.75, false, {255, 0, 0}, Shown::Yes},
    {"opStřední", "QRadioButton", "frmKmitočet", {240, 720, 975, 255}, "Middle", sans, 9.75, false, {128, 255, 128}, Shown::Yes},
    {"opKmitVyš", "QRadioButton", "frmKmitočet", {120, 360, 975, 255}, "High", sans, 9.75, false, {192, 192, 255}, Shown::Yes},
    {"nAlfa", "QLineEdit", nullptr, {720, 0, 855, 375}, "Alfa", nullptr, 0, false, {}, Shown::No},
    {"nRovnice", "QLineEdit", nullptr, {720, 1800, 1335, 375}, " x = K.y.y", sans, 13.5, false, silver, Shown::Yes},
    {"frmOhnisko", "QGroupBox", nullptr, {600, 2160, 1695, 1335}, "Parabola  K", sans, 12, false, silver, Shown::Yes},
    {"opK0002", "QRadioButton", "frmOhnisko", {720, 1080, 855, 195}, "0.0002", nullptr, 0, false, silver, Shown::Yes},
    {"opOhniskoBlízké", "QRadioButton", "frmOhnisko", {480, 840, 855, 255}, "0.0001", nullptr, 0, false, silver, Shown::Yes},
    {"opOhniskoStřední", "QRadioButton", "frmOhnisko", {240, 600, 975, 195}, "0.00007", nullptr, 0, false, silver, Shown::Yes},
    {"opOhniskoVzdálené", "QRadioButton", "frmOhnisko", {120, 360, 1095, 255}, "0.00005", nullptr, 0, false, silver, Shown::Yes},
    {"nOsKruh", "QLineEdit", nullptr, {1680, 2760, 855, 285}, "0.00005", nullptr, 0, false, {}, Shown::No},
    {"nZáhlaví", "QLineEdit", nullptr, {3120, 0, 4095, 495}, "Veltrin (antenna)", times, 15.75, true, silver, Shown::Yes},
    {"cmdStart", "QPushButton", nullptr, {7800, 360, 1215, 375}, "Start", times, 15.75, true, {}, Shown::Yes},
};
// clang-format on

// The fixed-text fields show no border; the hidden parameter fields keep theirs.
const QStringList borderless{"nPravděpodobnost", "nCornu", "nRovnice", "nZáhlaví"};

/// The metric-compatible stand-ins the program installs for the layout's fonts.
QString standIn(const QString &family)
{
    return family == u"Times New Roman" ? QStringLiteral("Liberation Serif")
                                        : QStringLiteral("Liberation Sans");
}

template <typename T = QWidget> T *child(const QWidget &window, const QString &name)
{
    return window.findChild<T *>(name);
}

QString fieldText(const QWidget &window, const char *name)
{
    return child<QLineEdit>(window, QString::fromUtf8(name))->text();
}

/// The room a control gives its caption, as the style lays it out.
QRect captionRoom(const QWidget *widget)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool radio = qobject_cast<const QRadioButton *>(button);
        return button->style()->subElementRect(radio ? QStyle::SE_RadioButtonContents
                                                     : QStyle::SE_PushButtonContents,
                                               &option, button);
    }
    if (const auto *frame = qobject_cast<const QGroupBox *>(widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.textAlignment = frame->alignment();
        option.lineWidth = 1;
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        return frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                              QStyle::SC_GroupBoxLabel, frame);
    }
    const auto *field = qobject_cast<const QLineEdit *>(widget);
    constexpr int lineEditMargin = 2; // QLineEdit keeps this much free on each side
    return field->contentsRect()
        .marginsRemoved(field->textMargins())
        .adjusted(lineEditMargin, 0, -lineEditMargin, 0);
}

/// The window after a default run, with the controls that follow the desktop's colours painted
/// over: the scroll bar and the push buttons.
QImage windowAfterARun()
{
    VeltrinWindow window;
    window.showWithWholeScene();
    if (!QTest::qWaitForWindowExposed(&window) || !pressStartAndWait(window))
        return {};
    QImage look = window.grab().toImage();
    QPainter painter(&look);
    for (const char *name : {"HScroll1", "cmdStart", "cmdKonec"})
        painter.fillRect(child(window, name)->geometry(), Qt::magenta);
    return look;
}

QString captionOf(const QWidget *widget)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (const auto *frame = qobject_cast<const QGroupBox *>(widget))
        return frame->title();
    return qobject_cast<const QLineEdit *>(widget)->text();
}

/// The program speaks the language while this lives.
class SpokenIn
{
public:
    explicit SpokenIn(const QLocale &language) { installTranslations(*qApp, language); }
    ~SpokenIn()
    {
        for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
};

} // namespace

Q_DECLARE_METATYPE(const Expected *)

class TstVeltrinWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setApplicationName(QStringLiteral("Veltrin")); }

    void stateAfterLoad()
    {
        VeltrinWindow window;
        QCOMPARE(fieldText(window, "nOsKruh"), "0.00005");
        QCOMPARE(fieldText(window, "nKmitočet"), "0.02");
        QCOMPARE(fieldText(window, "nPrvní"), "0");
        QCOMPARE(fieldText(window, "nSpomaleni"), "1");
        QCOMPARE(fieldText(window, "nAlfa"), "Alfa");

        QStringList selected;
        for (const QRadioButton *button : window.findChildren<QRadioButton *>()) {
            if (button->isChecked())
                selected << button->objectName();
        }
        selected.sort();
        QCOMPARE(selected, QStringList({"opOhniskoVzdálené", "opRychlá", "opStřední"}));

        const auto *bar = child<QScrollBar>(window, "HScroll1");
        QCOMPARE(bar->orientation(), Qt::Horizontal);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), 32767);
        QCOMPARE(bar->singleStep(), 1);
        QCOMPARE(bar->pageStep(), 1);

        for (const char *name : {"cmdStart", "cmdKonec"}) {
            const auto *button = child<QPushButton>(window, name);
            QVERIFY2(!button->isDefault() && !button->autoDefault(), name);
        }
        QCOMPARE(window.objectName(), "frmVeltrin");
        QVERIFY(window.windowTitle().startsWith(u"Veltrin - "));
    }

    void childWidgetsAreExactlyTheControls()
    {
        VeltrinWindow window;
        QStringList expected;
        for (const Expected &control : expectedControls)
            expected << QString::fromUtf8(control.name);
        expected << window.canvas()->objectName();
        QStringList actual;
        for (const QWidget *child : window.findChildren<QWidget *>())
            actual << child->objectName();
        expected.sort();
        actual.sort();
        QCOMPARE(actual, expected);
    }

    void controlMatchesTheLayout_data()
    {
        QTest::addColumn<const Expected *>("expected");
        for (const Expected &control : expectedControls)
            QTest::addRow("%s", control.name) << &control;
    }
    void controlMatchesTheLayout()
    {
        QFETCH(const Expected *, expected);
        VeltrinWindow window;
        window.showWithWholeScene();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWidget *widget = child(window, QString::fromUtf8(expected->name));
        QVERIFY(widget);

        QCOMPARE(widget->metaObject()->className(), expected->className);
        const QWidget *container =
            expected->container ? child(window, QString::fromUtf8(expected->container)) : &window;
        QCOMPARE(widget->parentWidget(), container);
        const QRect twips = expected->twips;
        QCOMPARE(widget->geometry(),
                 QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
        if (!qobject_cast<const QScrollBar *>(widget))
            QCOMPARE(captionOf(widget), QString::fromUtf8(expected->text));
        if (const auto *field = qobject_cast<const QLineEdit *>(widget))
            QCOMPARE(field->hasFrame(), !borderless.contains(field->objectName()));

        const QFont font = widget->font();
        QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
        if (expected->fontFamily) {
            QCOMPARE(font.family(), expected->fontFamily);
            QCOMPARE(font.pointSizeF(), expected->fontPoints);
            QCOMPARE(font.weight(), expected->bold ? QFont::Bold : QFont::Normal);
            QCOMPARE(QFontInfo(font).family(), standIn(font.family()));
        } else if (!qobject_cast<const QScrollBar *>(widget)) {
            // The dialog font, at most as large as the desktop has it.
            const QFont dialog = QApplication::font();
            QCOMPARE(font.family(), dialog.family());
            QCOMPARE(font.weight(), QFont::Normal);
            QVERIFY(QFontInfo(font).pixelSize() <= QFontInfo(dialog).pixelSize());
        }

        if (expected->background.isValid()) {
            QVERIFY(widget->autoFillBackground());
            QCOMPARE(widget->palette().color(widget->backgroundRole()), expected->background);
            if (expected->shown == Shown::Yes) {
                // What the user sees: the top right corner is free of text and indicator.
                const QImage look = widget->grab().toImage();
                QCOMPARE(look.pixelColor(look.width() - 1, 0), expected->background);
            }
        } else {
            QVERIFY(!widget->autoFillBackground());
        }

        switch (expected->shown) {
        case Shown::Yes:
            QVERIFY(widget->isVisible());
            break;
        case Shown::No:
            QVERIFY(widget->isHidden());
            break;
        case Shown::InsideHiddenFrame:
            QVERIFY(!widget->isHidden() && !widget->isVisible());
            break;
        }
        QVERIFY(widget->isEnabled());
    }

    void darkColourSchemeLeavesTheWindowAsItIs()
    {
        const QImage light = windowAfterARun();
        const QPalette desktop = QApplication::palette();
        // A dark scheme: from a dark grey, Qt makes the text white and the fields black.
        QApplication::setPalette(QPalette(QColor(53, 53, 53), QColor(53, 53, 53)));
        const QImage dark = windowAfterARun();
        QApplication::setPalette(desktop);
        QVERIFY(!light.isNull() && !dark.isNull());
        QCOMPARE(dark.size(), light.size());
        QVERIFY(dark == light);
    }

    void everyVisibleCaptionFits_data()
    {
        QTest::addColumn<QLocale>("language");
        QTest::addColumn<double>("scale");
        QTest::addColumn<bool>("projectorView");
        const QLocale english(QLocale::English);
        const QLocale german(QLocale::German);
        const double small = 480.0 / 676;
        QTest::addRow("as laid out") << english << 1.0 << false;
        QTest::addRow("in Czech") << QLocale(QLocale::Czech) << 1.0 << false;
        QTest::addRow("in German") << german << 1.0 << false;
        QTest::addRow("on a screen of 640 x 480") << english << small << false;
        QTest::addRow("in German on a screen of 640 x 480") << german << small << false;
        QTest::addRow("in the projector view") << english << 1.0 << true;
        QTest::addRow("in the projector view on 1920 x 1080") << english << 1080.0 / 676 << true;
    }
    void everyVisibleCaptionFits()
    {
        QFETCH(QLocale, language);
        QFETCH(double, scale);
        QFETCH(bool, projectorView);
        const SpokenIn spoken(language);
        VeltrinWindow window;
        window.showWithWholeScene();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.resize(window.size() * scale);
        if (projectorView)
            window.setSceneStyle(SceneStyle::projector());
        int checked = 0;
        for (const QWidget *widget : window.findChildren<QWidget *>()) {
            if (!widget->isVisible() || widget == window.canvas() ||
                qobject_cast<const QScrollBar *>(widget))
                continue;
            const QString caption = captionOf(widget);
            const QFontMetrics metrics(widget->font());
            const QRect room = captionRoom(widget);
            // The style centres the line in the room; the ink must lie within the control.
            const int baseline =
                room.y() + (room.height() - metrics.height()) / 2 + metrics.ascent();
            const QRect ink = metrics.tightBoundingRect(caption).translated(0, baseline);
            const QString what = QStringLiteral("%1: \"%2\" needs %3 x %4 px, has %5 x %6")
                                     .arg(widget->objectName(), caption)
                                     .arg(metrics.horizontalAdvance(caption))
                                     .arg(ink.height())
                                     .arg(room.width())
                                     .arg(widget->height());
            QVERIFY2(widget->rect().contains(room), qPrintable(what));
            QVERIFY2(metrics.horizontalAdvance(caption) <= room.width(), qPrintable(what));
            QVERIFY2(ink.top() >= 0 && ink.bottom() < widget->height(), qPrintable(what));
            ++checked;
        }
        QCOMPARE(checked, 15);
        if (scale != 1 || projectorView)
            return;
        // A control grown for a longer caption covers no other.
        for (const Expected &control : expectedControls) {
            const QWidget *grown = child(window, QString::fromUtf8(control.name));
            const QRect design = twipsToPixels(control.twips);
            if (grown->geometry() == design)
                continue;
            QCOMPARE(grown->pos(), design.topLeft());
            for (const QWidget *other :
                 grown->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                QVERIFY2(other == grown || other == window.canvas() || !other->isVisible() ||
                             !other->geometry().intersects(grown->geometry()),
                         qPrintable(grown->objectName() + " covers " + other->objectName()));
            }
        }
    }

    void tabVisitsTheVisibleControlsInTabIndexOrder_data()
    {
        // Tab enters each frame at its selected button and passes over the hidden controls.
        QTest::addColumn<QStringList>("choose");
        QTest::addColumn<QStringList>("stops");
        QTest::addRow("after load")
            << QStringList()
            << QStringList({"cmdStart", "nZáhlaví", "opOhniskoVzdálené", "nRovnice", "opStřední",
                            "cmdKonec", "nCornu", "nPravděpodobnost", "HScroll1"});
        QTest::addRow("after choosing 0.0002 and Low")
            << QStringList({"opK0002", "opNízký"})
            << QStringList({"cmdStart", "nZáhlaví", "opK0002", "nRovnice", "opNízký", "cmdKonec",
                            "nCornu", "nPravděpodobnost", "HScroll1"});
    }
    void tabVisitsTheVisibleControlsInTabIndexOrder()
    {
        QFETCH(QStringList, choose);
        QFETCH(QStringList, stops);
        VeltrinWindow window;
        window.showWithWholeScene();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        for (const QString &name : choose)
            QTest::mouseClick(child(window, name), Qt::LeftButton);
        child(window, "cmdStart")->setFocus(Qt::TabFocusReason);

        QStringList visited{"cmdStart"};
        for (int step = 0; step < 30; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            const QString name = QApplication::focusWidget()->objectName();
            if (name == u"cmdStart")
                break;
            visited << name;
        }
        QCOMPARE(visited, stops);
    }

    void focusStartsOnStartAndSpaceStartsARun()
    {
        VeltrinWindow window;
        window.surface().setQuestion([](QWidget *, const QString &prompt) {
            QTest::qFail(qPrintable(QStringLiteral("the first run asked ") + prompt), __FILE__,
                         __LINE__);
            return false;
        });
        window.showWithWholeScene();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget(), child(window, "cmdStart"));
        const QImage before = window.canvas()->image();

        QSignalSpy ended(&window, &VeltrinWindow::runEnded);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(fieldText(window, "nPrvní"), "1");
        QVERIFY(ended.wait());
        QVERIFY(window.canvas()->image() != before);
    }

    void fieldWithoutNumberIsReportedAndTheProgramGoesOn()
    {
        VeltrinWindow window;
        window.showWithWholeScene();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        child<QLineEdit>(window, "nPrvní")->setText(QStringLiteral("abc"));
        const QImage before = window.canvas()->image();

        QString message;
        whenMessageBoxOpens(&window, [&message](QMessageBox *box) {
            message = box->text();
            box->close();
        });
        QTest::mouseClick(child(window, "cmdStart"), Qt::LeftButton);
        QVERIFY2(message.contains(u"nPrvní") && message.contains(u"\"abc\""), qPrintable(message));
        QVERIFY(!window.isRunning());
        QCOMPARE(window.canvas()->image(), before); // abandoned before it drew anything

        // The window still works.
        child<QLineEdit>(window, "nPrvní")->setText(QStringLiteral("0"));
        QVERIFY(pressStartAndWait(window));
        QCOMPARE(fieldText(window, "nPrvní"), "1");
    }

    void closingTheWindowEndsARunAtOnce()
    {
        VeltrinWindow window;
        window.showWithWholeScene();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        child<QLineEdit>(window, "nSpomaleni")->setText(QStringLiteral("1000000")); // 0.1 s
        QTest::mouseClick(child(window, "cmdStart"), Qt::LeftButton);
        QTRY_VERIFY(!window.history().runs().back().record.probabilities.empty());
        window.close();
        QVERIFY(!window.isRunning());
        const QImage closedOn = window.canvas()->image();
        QTest::qWait(300);
        QCOMPARE(window.canvas()->image(), closedOn);
    }

    void answerDragAndStartTogetherMakeOneWholeRunEach()
    {
        VeltrinWindow window;
        window.showWithWholeScene();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(pressStartAndWait(window)); // the first run asks nothing
        auto *bar = child<QScrollBar>(window, "HScroll1");
        auto *start = child<QPushButton>(window, "cmdStart");
        int mostBoxes = 0;
        constexpr int cycles = 12;
        for (int cycle = 0; cycle < cycles; ++cycle) {
            whenMessageBoxOpens(&window, [&, cycle](QMessageBox *box) {
                int open = 0;
                for (QWidget *widget : QApplication::topLevelWidgets())
                    open += qobject_cast<QMessageBox *>(widget) && widget->isVisible();
                mostBoxes = std::max(mostBoxes, open);
                // All three wait in the queue before the event loop takes any of them.
                QMetaObject::invokeMethod(box->button(QMessageBox::No), &QPushButton::click,
                                          Qt::QueuedConnection);
                QMetaObject::invokeMethod(
                    bar,
                    [bar, cycle] {
                        bar->setSliderDown(true);
                        bar->setSliderPosition(cycle % 3);
                        bar->setSliderDown(false);
                    },
                    Qt::QueuedConnection);
                QMetaObject::invokeMethod(start, &QPushButton::click, Qt::QueuedConnection);
            });
            QVERIFY(pressStartAndWait(window));
        }
        QTRY_VERIFY(!window.isRunning());
        QCOMPARE(mostBoxes, 1);
        const auto &runs = window.history().runs();
        QCOMPARE(runs.size(), std::size_t(cycles + 1));
        for (const RunHistory::Entry &run : runs)
            QCOMPARE(run.record.probabilities.size(), runs.front().record.probabilities.size());
        QCOMPARE(window.canvas()->image(), drawnAgain(window));
    }

    void choicesDuringARunAreForTheNextRun()
    {
        VeltrinWindow window;
        QStringList questions;
        window.surface().setQuestion([&questions](QWidget *, const QString &prompt) {
            questions << prompt;
            return false;
        });
        window.showWithWholeScene();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        child<QLineEdit>(window, "nSpomaleni")->setText(QStringLiteral("50000")); // 5 ms
        QTest::mouseClick(child(window, "cmdStart"), Qt::LeftButton);
        QVERIFY(window.isRunning());

        // The click goes the way of the desktop's input, through the window; it acts at once.
        auto *low = child<QRadioButton>(window, "opNízký");
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                          low->mapTo(&window, QPoint(7, low->height() / 2)));
        QVERIFY(low->isChecked());
        QCOMPARE(fieldText(window, "nKmitočet"), "0.01");
        // Start again during the run queues nothing.
        QTest::keyClick(child(window, "cmdStart"), Qt::Key_Space);
        QVERIFY(window.isRunning());

        QSignalSpy ended(&window, &VeltrinWindow::runEnded);
        QVERIFY(ended.wait());
        QTest::qWait(50);
        QCOMPARE(window.history().runs().size(), size_t(1));
        QCOMPARE(window.history().runs().back().record.frequencyText, "0.02");
        QVERIFY(questions.isEmpty());

        child<QLineEdit>(window, "nSpomaleni")->setText(QStringLiteral("0"));
        QVERIFY(pressStartAndWait(window));
        QCOMPARE(window.history().runs().back().record.frequencyText, "0.01");
    }
};

QTEST_MAIN(TstVeltrinWindow)
#include "tst_veltrinwindow.moc"
