// SPDX-License-Identifier: GPL-3.0-or-later
#include "axisphotons.h"
#include "chainview.h"
#include "closeup.h"
#include "closeupwindow.h"
#include "photonstream.h"
#include "plotpanel.h"
#include "scene.h"
#include "translations.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>
#include <cmath>

using namespace veltrin;

namespace {

void speak(const QLocale &locale)
{
    for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QLocale::setDefault(locale);
    installTranslations(*qApp, locale);
}

/// The rows of a copied table, each split into its cells.
QList<QStringList> cells(const QString &copied)
{
    QList<QStringList> rows;
    for (const QString &line : copied.split(u'\n', Qt::SkipEmptyParts))
        rows << line.split(u'\t');
    return rows;
}

/// Every window of the program but the main one fits its texts: the labels, the combo boxes'
/// items and the panels' titles.
void checkTextsFit(const QWidget &window)
{
    for (const QLabel *label : window.findChildren<QLabel *>()) {
        if (!label->isVisible())
            continue;
        const QString text = QString(label->text()).remove(u'&');
        QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(text), qPrintable(text));
    }
    for (const QComboBox *box : window.findChildren<QComboBox *>()) {
        for (int i = 0; i < box->count(); ++i)
            QVERIFY2(box->width() > box->fontMetrics().horizontalAdvance(box->itemText(i)) + 16,
                     qPrintable(box->itemText(i)));
    }
    for (const QPushButton *button : window.findChildren<QPushButton *>())
        QVERIFY2(button->width() >= button->minimumSizeHint().width(), qPrintable(button->text()));
    for (const PlotPanel *panel : window.findChildren<PlotPanel *>()) {
        QVERIFY2(panel->width() >= panel->titleWidth() + 2 * PlotPanel::margin,
                 qPrintable(panel->title()));
        // Its ticks, axis titles and labels are laid out within its least size.
        QVERIFY2(panel->width() >= panel->minimumSizeHint().width() &&
                     panel->height() >= panel->minimumSizeHint().height(),
                 qPrintable(panel->title()));
    }
}

} // namespace

class TstCloseUpWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_font = QApplication::font(); }
    void cleanup()
    {
        speak(QLocale(QLocale::English, QLocale::UnitedStates));
        QApplication::setFont(m_font);
    }

    void keysStepThePositionAndTheChoiceSetsTheArrows()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        CloseUpWindow window;
        window.showRun(0.00007, 0.04, QColor(0, 0, 255));
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy moved(&window, &CloseUpWindow::positionChanged);

        QTest::keyClick(&window, Qt::Key_Right);
        QCOMPARE(window.position(), 1);
        QVERIFY2(window.windowTitle().contains(QLatin1String(" 60 ")),
                 qPrintable(window.windowTitle()));
        QVERIFY(window.accessibleDescription().contains(QLatin1String(" 60 ")));

        QTest::keyClick(&window, Qt::Key_End);
        QCOMPARE(window.position(), 141);
        QVERIFY(window.windowTitle().contains(QLatin1String("8.460")));
        QTest::keyClick(&window, Qt::Key_Right); // already at the far end
        QCOMPARE(window.position(), 141);
        QTest::keyClick(&window, Qt::Key_Left);
        QCOMPARE(window.position(), 140);
        QTest::keyClick(&window, Qt::Key_Home);
        QCOMPARE(window.position(), 0);
        QCOMPARE(moved.size(), 4);

        // All arrows unless the choice says fewer.
        QCOMPARE(window.closeUp().arrows().size(), std::size_t(3000));
        auto *arrows = window.findChild<QComboBox *>(QStringLiteral("arrowCount"));
        arrows->setCurrentIndex(arrows->findText(QStringLiteral("30")));
        QCOMPARE(window.closeUp().arrows().size(), std::size_t(30));
    }

    void bothCopiesParseBackAsATableOfTheNumbersShown()
    {
        // Decimal commas in German, in the window and in what a spreadsheet here reads.
        const QLocale german(QLocale::German, QLocale::Germany);
        QLocale::setDefault(german);
        CloseUpWindow window;
        window.showRun(0.00007, 0.04, QColor(0, 0, 255));
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.setPosition(80);
        QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier);
        const QList<QStringList> one = cells(QApplication::clipboard()->text());
        QCOMPARE(one.size(), 2);
        QCOMPARE(one[0].size(), one[1].size());
        QCOMPARE(one[0][0], QStringLiteral("position (twips)"));
        QCOMPARE(one[1][0], QStringLiteral("4800"));
        QVERIFY(one[0].contains(QStringLiteral("frequency")));
        QCOMPARE(one[1][one[0].indexOf(QStringLiteral("frequency"))], QStringLiteral("High"));
        const qsizetype probability = one[0].indexOf(QStringLiteral("probability (twips)"));
        QVERIFY(probability > 0);
        bool isNumber = false;
        QVERIFY(std::abs(german.toDouble(one[1][probability], &isNumber) -
                         window.closeUp().probability()) <= 0.0005);
        QVERIFY(isNumber);
        // The focus of x = 0.00007·y², 1/(4K) from the vertex line, and the detector beyond it.
        QCOMPARE(one[1][one[0].indexOf(QStringLiteral("focus (twips)"))], QStringLiteral("3571,4"));
        QCOMPARE(one[1][one[0].indexOf(QStringLiteral("from focus (twips)"))],
                 QStringLiteral("1228,6"));
        // Every value the window shows, as it shows it.
        const QStringList shown = window.accessibleDescription().split(QStringLiteral("; "));
        QVERIFY(shown.size() >= one[1].size());

        window.copyAllPositions();
        const QList<QStringList> all = cells(QApplication::clipboard()->text());
        QCOMPARE(all.size(), 1 + scene::detectorPositions);
        QCOMPARE(all[0], one[0]);
        QCOMPARE(all[81], one[1]);
        double highest = 0;
        const qsizetype share = one[0].indexOf(QStringLiteral("share of highest (%)"));
        for (int row = 1; row < all.size(); ++row) {
            QCOMPARE(all[row].size(), all[0].size());
            QCOMPARE(german.toDouble(all[row][0]), scene::detectorX(row - 1) - scene::X0);
            highest = std::max(highest, german.toDouble(all[row][share]));
        }
        QCOMPARE(highest, 100.0);
    }

    void escapeCtrlWAndCloseCloseIt()
    {
        CloseUpWindow window;
        QSignalSpy shown(&window, &CloseUpWindow::shownChanged);
        for (const auto &close : std::initializer_list<std::function<void()>>{
                 [&] { QTest::keyClick(&window, Qt::Key_Escape); },
                 [&] { QTest::keyClick(&window, Qt::Key_W, Qt::ControlModifier); },
                 [&] {
                     QTest::mouseClick(window.findChild<QPushButton *>("closeButton"),
                                       Qt::LeftButton);
                 }}) {
            window.showRun(0.00005, 0.02, Qt::green);
            QVERIFY(QTest::qWaitForWindowActive(&window));
            close();
            QVERIFY(!window.isVisible());
        }
        QCOMPARE(shown.size(), 6);
        QCOMPARE(shown.last().first().toBool(), false);
    }

    void closedItSendsNoPhotonsUntilShownAgain()
    {
        CloseUpWindow window;
        window.showRun(0.00005, 0.02, Qt::green);
        PhotonStream &stream = window.photons().stream();
        stream.start();
        window.close();
        QVERIFY(!stream.isRunning());
        window.showRun(0.00005, 0.02, Qt::green);
        QVERIFY(stream.isRunning());
    }

    void oneScaleForAllPositionsDrawsLengthsAlike()
    {
        CloseUpWindow window;
        window.showRun(0.00005, 0.02, Qt::green);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // The picture of a short resultant next to a long one: fitted, both fill the view.
        const auto chainPicture = [&](int position) {
            window.setPosition(position);
            return window.picture();
        };
        window.setScale(CloseUpWindow::Scale::AllPositions);
        const QImage nearFocusCommon = chainPicture(scene::detectorPositions / 3);
        const QImage farCommon = chainPicture(scene::detectorPositions - 1);
        window.setScale(CloseUpWindow::Scale::EachPosition);
        QVERIFY(chainPicture(scene::detectorPositions - 1) != farCommon);
        QVERIFY(!nearFocusCommon.isNull());
    }

    void changingTheScaleUnderThePointerReadsOnlyTheCloseUpShown()
    {
        // One scale for all positions and the pointer over the chain: a new arrow count or run
        // changes the scale, and the chain looks again for the arrow under the pointer.
        CloseUpWindow window;
        window.showRun(0.00005, 0.02, Qt::green);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.setScale(CloseUpWindow::Scale::AllPositions);
        auto *chain = window.findChild<ChainView *>();
        QTest::mouseMove(chain, chain->rect().center());
        window.setArrowCount(30);
        window.setRun(0.0002, 0.04, Qt::blue);
        QVERIFY(chain->hoveredArrow() < int(window.closeUp().arrows().size()));
    }

    void everyTextFitsInEveryLanguageAtALargerFont_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<double>("fontScale");
        for (const double scale : {1.0, 1.5}) {
            QTest::addRow("English x%g", scale) << QLocale(QLocale::English) << scale;
            QTest::addRow("Czech x%g", scale)
                << QLocale(QLocale::Czech, QLocale::CzechRepublic) << scale;
            QTest::addRow("German x%g", scale)
                << QLocale(QLocale::German, QLocale::Germany) << scale;
        }
    }
    void everyTextFitsInEveryLanguageAtALargerFont()
    {
        QFETCH(QLocale, locale);
        QFETCH(double, fontScale);
        speak(locale);
        QFont font = m_font;
        font.setPointSizeF(m_font.pointSizeF() * fontScale);
        QApplication::setFont(font);
        CloseUpWindow window;
        window.showRun(0.00005, 0.01, Qt::red);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.screen()->availableGeometry().contains(window.geometry()));
        for (const int position : {0, 30, scene::detectorPositions - 1}) {
            window.setPosition(position);
            checkTextsFit(window);
            if (QTest::currentTestFailed())
                return;
        }
    }

    void numbersKeepTheirPlaceWhileStepping()
    {
        CloseUpWindow window;
        window.showRun(0.0002, 0.04, Qt::blue);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QList<QRect> first;
        for (const int position : {0, 7, 60, scene::detectorPositions - 1}) {
            window.setPosition(position);
            QList<QRect> places;
            for (const QLabel *label : window.findChildren<QLabel *>())
                places << label->geometry();
            if (first.isEmpty())
                first = places;
            QCOMPARE(places, first);
        }
    }

private:
    QFont m_font;
};

QTEST_MAIN(TstCloseUpWindow)
#include "tst_closeupwindow.moc"
