// SPDX-License-Identifier: GPL-3.0-or-later
#include "closeup.h"
#include "closeupwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QSignalSpy>
#include <QTest>
#include <cmath>

using namespace veltrin;

class TstCloseUpWindow : public QObject
{
    Q_OBJECT

private slots:
    void keysStepThePositionCtrlCCopiesItsFiguresAndTheChoiceSetsTheArrows()
    {
        // The window writes decimal commas here; the copied line keeps its dots.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        CloseUpWindow window;
        window.showRun(0.00007, 0.04, QColor(0, 0, 255));
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy moved(&window, &CloseUpWindow::positionChanged);

        QTest::keyClick(&window, Qt::Key_Right);
        QCOMPARE(window.position(), 1);
        QVERIFY2(window.windowTitle().contains(QLatin1String(" 60 ")),
                 qPrintable(window.windowTitle()));
        const QString nearDescription = window.accessibleDescription();
        QVERIFY(nearDescription.contains(QLatin1String(" 60 ")));

        QTest::keyClick(&window, Qt::Key_End);
        QCOMPARE(window.position(), 141);
        QVERIFY(window.windowTitle().contains(QLatin1String("8.460")));
        QVERIFY(window.accessibleDescription().contains(QLatin1String("8.460")));
        QTest::keyClick(&window, Qt::Key_Right); // already at the far end
        QCOMPARE(window.position(), 141);
        QTest::keyClick(&window, Qt::Key_Left);
        QCOMPARE(window.position(), 140);
        QTest::keyClick(&window, Qt::Key_Home);
        QCOMPARE(window.position(), 0);
        QCOMPARE(moved.size(), 4);
        QCOMPARE(window.accessibleDescription().contains(QLatin1String(" 60 ")), false);

        QTest::keyClick(&window, Qt::Key_End);
        QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier);
        const QStringList fields = QApplication::clipboard()->text().split(u'\t');
        QVERIFY(fields.size() >= 10 && fields.size() % 2 == 0);
        QCOMPARE(fields[0], QStringLiteral("position"));
        QCOMPARE(fields[1], QStringLiteral("8460"));
        for (qsizetype i = 1; i < fields.size(); i += 2) {
            bool isNumber = false;
            QLocale::c().toDouble(fields[i], &isNumber);
            QVERIFY2(isNumber && !fields[i].contains(u','), qPrintable(fields[i]));
        }
        const qsizetype probability = fields.indexOf(QStringLiteral("probability"));
        QVERIFY(probability > 0);
        QVERIFY(std::abs(fields[probability + 1].toDouble() - window.closeUp().probability()) <=
                0.0005);
        // The focus of x = 0.00007·y², 1/(4K) from the vertex line, and the last detector
        // position's distance beyond it.
        QCOMPARE(fields[fields.indexOf(QStringLiteral("focus")) + 1], QStringLiteral("3571.4"));
        QCOMPARE(fields[fields.indexOf(QStringLiteral("from focus")) + 1],
                 QStringLiteral("4888.6"));

        // All arrows unless the choice says fewer.
        QCOMPARE(window.closeUp().arrows().size(), std::size_t(3000));
        auto *arrows = window.findChild<QComboBox *>();
        QVERIFY(arrows);
        arrows->setCurrentIndex(arrows->findText(QStringLiteral("30")));
        QCOMPARE(window.closeUp().arrows().size(), std::size_t(30));
        QVERIFY(window.numbersLine().contains(QLatin1String("arrows\t30\t")));
    }
};

QTEST_MAIN(TstCloseUpWindow)
#include "tst_closeupwindow.moc"
