// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"
#include "modalbox.h"
#include "scene.h"
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

const QColor silver(192, 192, 192);

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

/// The controls a person sees, with captions, by caption.
QMap<QString, QWidget *> visibleCaptions(const QWidget &window)
{
    QMap<QString, QWidget *> shown;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (widget->isVisible() &&
            (qobject_cast<const QAbstractButton *>(widget) ||
             qobject_cast<const QGroupBox *>(widget) || qobject_cast<const QLineEdit *>(widget)))
            shown.insert(captionOf(widget), widget);
    }
    return shown;
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

    void whatAPersonSeesAfterLoad()
    {
        VeltrinWindow window;
        window.showWithWholeScene();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QMap<QString, QWidget *> shown = visibleCaptions(window);
        QCOMPARE(shown.keys(),
                 QStringList({" x = K.y.y", "0.00005", "0.00007", "0.0001", "0.0002",
                              "Cornu spirals", "Exit", "Frequency", "High", "Low", "Middle",
                              "Parabola  K", "Probability", "Start", "Veltrin (antenna)"}));
        QVERIFY(child(window, "HScroll1")->isVisible());

        // Each frame's buttons stand inside it, top to bottom as their values go.
        const auto below = [&shown](const char *upper, const char *lower) {
            return shown[upper]->parentWidget() == shown[lower]->parentWidget() &&
                   shown[upper]->geometry().top() < shown[lower]->geometry().top();
        };
        QVERIFY(below("0.00005", "0.00007") && below("0.00007", "0.0001") &&
                below("0.0001", "0.0002"));
        QVERIFY(below("High", "Middle") && below("Middle", "Low"));
        QCOMPARE(shown["0.0002"]->parentWidget(), shown["Parabola  K"]);
        QCOMPARE(shown["Low"]->parentWidget(), shown["Frequency"]);

        // The controls leave the mirror free: left of its vertex line or above its top. The
        // words on the drawing stand above the axis, where the bars rise, and below it, where
        // the spirals wind.
        const int axis = twipsToPixels(QRect(0, int(scene::Y0), 0, 0)).y();
        const QRect mirror = twipsToPixels(
            QRect(int(scene::X0), int(scene::YTOP), int(scene::XS - scene::X0), scene::AP));
        for (const QWidget *widget : window.findChildren<QWidget *>()) {
            if (!widget->isVisible() || widget->parentWidget() != &window ||
                widget == window.canvas() || widget == shown["Probability"] ||
                widget == shown["Cornu spirals"])
                continue;
            QVERIFY2(!widget->geometry().intersects(mirror), qPrintable(widget->objectName()));
        }
        QVERIFY(shown["Probability"]->geometry().bottom() < axis);
        QVERIFY(shown["Cornu spirals"]->geometry().top() > axis);

        // The frequencies' buttons are tinted as their bars are coloured; every other caption
        // stands on the window's silver, the fixed texts without a field's border, and the
        // title and the commands in bold serif type.
        const auto tint = [&shown](const char *caption) {
            const QImage look = shown[caption]->grab().toImage();
            return look.pixelColor(look.width() - 1, 0);
        };
        QVERIFY(tint("Low").red() > tint("Low").green() && tint("Low").red() > tint("Low").blue());
        QVERIFY(tint("Middle").green() > tint("Middle").red() &&
                tint("Middle").green() > tint("Middle").blue());
        QVERIFY(tint("High").blue() > tint("High").red() &&
                tint("High").blue() > tint("High").green());
        for (const auto &[caption, widget] : shown.asKeyValueRange()) {
            if (const auto *field = qobject_cast<const QLineEdit *>(widget))
                QVERIFY2(!field->hasFrame(), qPrintable(caption));
            if (!qobject_cast<const QPushButton *>(widget) && caption != u"Low" &&
                caption != u"Middle" && caption != u"High")
                QCOMPARE(tint(qPrintable(caption)), silver);
            const bool standsOut =
                caption == u"Veltrin (antenna)" || caption == u"Start" || caption == u"Exit";
            QCOMPARE(QFontInfo(widget->font()).family() == u"Liberation Serif", standsOut);
            QCOMPARE(widget->font().bold(), standsOut);
            QVERIFY(widget->isEnabled());
        }
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
        QHash<QString, QRect> english; // where each control stands with its English caption
        {
            VeltrinWindow window;
            window.showWithWholeScene();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            for (const QWidget *widget : window.findChildren<QWidget *>())
                english.insert(widget->objectName(), widget->geometry());
        }
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
        // A control grown for a longer caption than its English one covers no other.
        for (const QWidget *grown : window.findChildren<QWidget *>()) {
            const QRect design = english.value(grown->objectName());
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
