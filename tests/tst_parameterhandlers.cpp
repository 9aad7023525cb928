// SPDX-License-Identifier: GPL-3.0-or-later
#include "runsetup.h"
#include "textform.h"
#include "veltrinwindow.h"
#include "windowrun.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <functional>
#include <optional>

using namespace veltrin;

namespace {

using BarMove = std::function<void(QScrollBar *)>;

QString text(const QWidget &window, const QString &field)
{
    return window.findChild<QLineEdit *>(field)->text();
}

/// A click as the user makes it; the hidden speed buttons can only be selected in code.
void choose(const QWidget &window, const QString &name)
{
    auto *button = window.findChild<QRadioButton *>(name);
    QVERIFY2(button, qPrintable(name));
    if (button->isVisible())
        QTest::mouseClick(button, Qt::LeftButton);
    else
        button->click();
}

void pressKeys(QScrollBar *bar, Qt::Key key, int times)
{
    for (int i = 0; i < times; ++i)
        QTest::keyClick(bar, key);
}

} // namespace

Q_DECLARE_METATYPE(BarMove)

class TstParameterHandlers : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_window.emplace();
        m_window->showWithWholeScene();
        QVERIFY(QTest::qWaitForWindowActive(&*m_window));
        m_bar = m_window->findChild<QScrollBar *>(QStringLiteral("HScroll1"));
    }
    void cleanup() { m_window.reset(); }

    void buttonWritesTheTextStartRecognises_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("other"); // another button of the frame, selected first
        QTest::addColumn<QString>("field");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("rayLength");
        QTest::addColumn<QColor>("barColour");
        const QColor none;
        // clang-format off
        QTest::addRow("0.00005") << "opOhniskoVzdálené" << "opK0002" << "nOsKruh" << 0.00005 << "0.00005" << 6000.0 << none;
        QTest::addRow("0.00007") << "opOhniskoStřední" << "opK0002" << "nOsKruh" << 0.00007 << "0.00007" << 4500.0 << none;
        QTest::addRow("0.0001") << "opOhniskoBlízké" << "opK0002" << "nOsKruh" << 0.0001 << "0.0001" << 3500.0 << none;
        QTest::addRow("0.0002") << "opK0002" << "opOhniskoBlízké" << "nOsKruh" << 0.0002 << "0.0002" << 3100.0 << none;
        QTest::addRow("High") << "opKmitVyš" << "opNízký" << "nKmitočet" << 0.04 << "0.04" << 0.0 << QColor(0, 0, 255);
        QTest::addRow("Middle") << "opStřední" << "opNízký" << "nKmitočet" << 0.02 << "0.02" << 0.0 << QColor(0, 255, 0);
        QTest::addRow("Low") << "opNízký" << "opKmitVyš" << "nKmitočet" << 0.01 << "0.01" << 0.0 << QColor(255, 0, 0);
        QTest::addRow("Rychlá") << "opRychlá" << "opPomalá" << "nSpomaleni" << 1.0 << "1" << 0.0 << none;
        QTest::addRow("Pomalejší") << "opPomalejši" << "opPomalá" << "nSpomaleni" << 1e6 << "1000000" << 0.0 << none;
        QTest::addRow("Pomalá") << "opPomalá" << "opRychlá" << "nSpomaleni" << 3e6 << "3000000" << 0.0 << none;
        // clang-format on
    }
    void buttonWritesTheTextStartRecognises()
    {
        QFETCH(QString, button);
        QFETCH(QString, other);
        QFETCH(QString, field);
        QFETCH(double, value);
        QFETCH(QString, text);
        QFETCH(double, rayLength);
        QFETCH(QColor, barColour);
        choose(*m_window, other);
        m_window->findChild<QLineEdit *>(field)->setText(QStringLiteral("unchanged"));

        choose(*m_window, button);
        const QString written = ::text(*m_window, field);
        QCOMPARE(written, text);
        QCOMPARE(written, numberToText(value));
        QCOMPARE(decodeRayLength(written), rayLength);
        const Colour colour = decodeFrequency(written).colour;
        if (barColour.isValid())
            QCOMPARE(QColor(colour.red(), colour.green(), colour.blue()), barColour);
        if (field == u"nSpomaleni")
            QCOMPARE(textToNumber(written), value);
    }

    void scrollBarSetsTheDelay_data()
    {
        QTest::addColumn<BarMove>("move");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("delay");
        QTest::addRow("ten steps right")
            << BarMove([](QScrollBar *bar) { pressKeys(bar, Qt::Key_Right, 10); }) << 10 << "301";
        QTest::addRow("three steps back") << BarMove([](QScrollBar *bar) {
            pressKeys(bar, Qt::Key_Right, 10);
            pressKeys(bar, Qt::Key_Left, 3);
        }) << 7 << "211";
        QTest::addRow("back to the left end") << BarMove([](QScrollBar *bar) {
            pressKeys(bar, Qt::Key_Right, 10);
            QTest::keyClick(bar, Qt::Key_Home);
        }) << 0 << "1";
        QTest::addRow("right end")
            << BarMove([](QScrollBar *bar) { QTest::keyClick(bar, Qt::Key_End); }) << 32767
            << "983011";
        QTest::addRow("click on the right arrow") << BarMove([](QScrollBar *bar) {
            QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 3, bar->height() / 2));
        }) << 1 << "31";
        QTest::addRow("click in the track") << BarMove([](QScrollBar *bar) {
            QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() / 2));
        }) << 1 << "31";
        QTest::addRow("page step") << BarMove([](QScrollBar *bar) {
            bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        }) << 1 << "31";
    }
    void scrollBarSetsTheDelay()
    {
        QFETCH(BarMove, move);
        QFETCH(int, position);
        QFETCH(QString, delay);
        m_bar->setFocus();
        move(m_bar);
        QCOMPARE(m_bar->value(), position);
        QCOMPARE(text(*m_window, "nSpomaleni"), delay);
    }

    void delayIsWrittenWhenTheThumbComesToRest()
    {
        m_bar->setSliderDown(true);
        m_bar->setSliderPosition(100);
        QCOMPARE(text(*m_window, "nSpomaleni"), "1");
        m_bar->setSliderDown(false);
        QCOMPARE(text(*m_window, "nSpomaleni"), "3001");
    }

    void speedButtonsAndScrollBarWriteTheSameDelay()
    {
        auto *slow = m_window->findChild<QRadioButton *>(QStringLiteral("opPomalá"));
        choose(*m_window, "opPomalá");
        QCOMPARE(text(*m_window, "nSpomaleni"), "3000000");

        pressKeys(m_bar, Qt::Key_Right, 10);
        QCOMPARE(text(*m_window, "nSpomaleni"), "301");
        QVERIFY(slow->isChecked());

        choose(*m_window, "opPomalejši");
        QCOMPARE(text(*m_window, "nSpomaleni"), "1000000");
        QCOMPARE(m_bar->value(), 10);
    }

    void changedParametersNeverBringTheFirstRunBack()
    {
        QStringList questions;
        m_window->surface().setQuestion([&questions](QWidget *, const QString &prompt) {
            questions << prompt;
            return false;
        });
        QVERIFY(pressStartAndWait(*m_window));
        QCOMPARE(questions, QStringList());
        QCOMPARE(text(*m_window, "nPrvní"), "1");

        choose(*m_window, "opK0002");
        choose(*m_window, "opNízký");
        pressKeys(m_bar, Qt::Key_Right, 2);
        QCOMPARE(text(*m_window, "nPrvní"), "1");
        QVERIFY(pressStartAndWait(*m_window));
        QCOMPARE(questions, QStringList({"Delete probability"}));
        QCOMPARE(text(*m_window, "nPrvní"), "1");
    }

    void exactlyOneButtonIsSelectedInEachFrame()
    {
        const QStringList frames{"frmOhnisko", "frmKmitočet", "frmAnimace"};
        const auto selected = [this](const QString &frame) {
            QStringList names;
            for (const auto *button :
                 m_window->findChild<QGroupBox *>(frame)->findChildren<QRadioButton *>()) {
                if (button->isChecked())
                    names << button->objectName();
            }
            return names;
        };
        QStringList state{"opOhniskoVzdálené", "opStřední", "opRychlá"};
        // Every button in turn, each twice: a second click leaves it selected.
        for (int i = 0; i < frames.size(); ++i) {
            for (const auto *button :
                 m_window->findChild<QGroupBox *>(frames[i])->findChildren<QRadioButton *>()) {
                for (int click = 0; click < 2; ++click) {
                    choose(*m_window, button->objectName());
                    state[i] = button->objectName();
                    for (int j = 0; j < frames.size(); ++j)
                        QCOMPARE(selected(frames[j]), QStringList{state[j]});
                }
            }
        }
    }

    void exitEndsTheProgram()
    {
        QTimer::singleShot(0, &*m_window, [this] {
            QTest::mouseClick(m_window->findChild<QPushButton *>(QStringLiteral("cmdKonec")),
                              Qt::LeftButton);
        });
        QTimer exitDidNothing;
        exitDidNothing.callOnTimeout(qApp, [] { QApplication::exit(1); });
        exitDidNothing.start(10'000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!m_window->isVisible());
    }

private:
    std::optional<VeltrinWindow> m_window;
    QScrollBar *m_bar = nullptr;
};

QTEST_MAIN(TstParameterHandlers)
#include "tst_parameterhandlers.moc"
