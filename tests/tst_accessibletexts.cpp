// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchwindow.h"
#include "canvas.h"
#include "closeupwindow.h"
#include "veltrinwindow.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QRadioButton>
#include <QTest>

using namespace veltrin;

class TstAccessibleTexts : public QObject
{
    Q_OBJECT

private slots:
    void everyVisibleControlHasANameAndATooltip()
    {
        VeltrinWindow window;
        int visible = 0;
        for (QWidget *control : window.findChildren<QWidget *>()) {
            if (!control->isVisibleTo(&window))
                continue;
            ++visible;
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
            QVERIFY2(accessible, qPrintable(control->objectName()));
            QVERIFY2(!accessible->text(QAccessible::Name).trimmed().isEmpty(),
                     qPrintable(control->objectName()));
            // An option button's caption is a number or a word: what it means is said too.
            if (qobject_cast<QRadioButton *>(control))
                QVERIFY2(!accessible->text(QAccessible::Description).isEmpty(),
                         qPrintable(control->objectName()));
            // Its tooltip in the same words as assistive technology hears.
            const QString tip = control->toolTip();
            QVERIFY2(!tip.isEmpty() && (tip == accessible->text(QAccessible::Description) ||
                                        tip == accessible->text(QAccessible::Name)),
                     qPrintable(control->objectName()));
        }
        // The drawing, the scroll bar, four fixed texts, two frames with seven option buttons and
        // the two commands; the hidden ones need no name.
        QCOMPARE_GE(visible, 17);
    }

    void everyControlOfTheCloseUpAndTheBenchHasATooltip()
    {
        CloseUpWindow closeUp;
        BenchWindow bench;
        for (QWidget *window : std::initializer_list<QWidget *>{&closeUp, &bench}) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            int controls = 0;
            for (QWidget *control : window->findChildren<QWidget *>()) {
                // What Tab reaches, and every drawing named for assistive technology; a scroll
                // area holds controls, and a spin box's field shows the spin box's tooltip.
                const bool container = qobject_cast<QAbstractScrollArea *>(control) ||
                                       qobject_cast<QAbstractSpinBox *>(control->parentWidget());
                if (!control->isVisible() || container ||
                    (!(control->focusPolicy() & Qt::TabFocus) &&
                     control->accessibleName().isEmpty()))
                    continue;
                ++controls;
                const QString tip = control->toolTip();
                QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
                QVERIFY2(!tip.isEmpty() && tip == accessible->text(QAccessible::Description),
                         qPrintable(accessible->text(QAccessible::Name)));
            }
            QCOMPARE_GE(controls, 10);
        }
    }

    void hiddenControlsAreNotOffered()
    {
        VeltrinWindow window;
        window.showWithWholeScene();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&window);
        QStringList offered;
        for (int i = 0; i < accessible->childCount(); ++i) {
            QAccessibleInterface *child = accessible->child(i);
            QCOMPARE(accessible->indexOfChild(child), i);
            auto *control = qobject_cast<QWidget *>(child->object());
            QVERIFY2(control->isVisible(), qPrintable(control->objectName()));
            offered << control->objectName();
        }
        // The drawing and every control shown: none of them left out either.
        for (const char *name : {"canvas", "cmdStart", "HScroll1", "frmKmitočet", "nZáhlaví"})
            QVERIFY2(offered.contains(QString::fromUtf8(name)), name);
        QVERIFY(!offered.contains(QStringLiteral("frmAnimace")));
    }

    void drawingSaysWhatItShows()
    {
        VeltrinWindow window;
        QAccessibleInterface *drawing = QAccessible::queryAccessibleInterface(window.canvas());
        QVERIFY(drawing);
        QVERIFY(!drawing->text(QAccessible::Name).isEmpty());
        QVERIFY(!drawing->text(QAccessible::Description).isEmpty());
    }
};

QTEST_MAIN(TstAccessibleTexts)
#include "tst_accessibletexts.moc"
