// SPDX-License-Identifier: GPL-3.0-or-later
#include "percenttext.h"
#include "surfaceerror.h"
#include "textform.h"

#include <QTest>
#include <limits>

using namespace veltrin;

class TstTextForm : public QObject
{
    Q_OBJECT

private slots:
    void numberToText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::addRow("zero") << 0.0 << "0";
        QTest::addRow("negative zero") << -0.0 << "0";
        QTest::addRow("one") << 1.0 << "1";
        QTest::addRow("a million, no exponent") << 1e6 << "1000000";
        QTest::addRow("largest delay") << 983011.0 << "983011";
        QTest::addRow("smallest K, no exponent") << 0.00005 << "0.00005";
        QTest::addRow("K 0.00007") << 0.00007 << "0.00007";
        QTest::addRow("frequency 0.02") << 0.02 << "0.02";
        QTest::addRow("negative fraction") << -0.5 << "-0.5";
    }
    void numberToText()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(veltrin::numberToText(value), text);
    }

    void roundTripKeepsEveryDouble_data()
    {
        QTest::addColumn<double>("value");
        QTest::addRow("slope angle") << std::atan(500.0 / -595.0);
        QTest::addRow("one third") << 1.0 / 3.0;
        QTest::addRow("tiny") << 1e-300;
        QTest::addRow("huge") << 1e300;
        QTest::addRow("smallest subnormal") << std::numeric_limits<double>::denorm_min();
        QTest::addRow("largest") << std::numeric_limits<double>::max();
    }
    void roundTripKeepsEveryDouble()
    {
        QFETCH(double, value);
        const QString text = veltrin::numberToText(value);
        QVERIFY2(!text.contains(u'e'), qPrintable(text));
        QCOMPARE(textToNumber(text), value);
    }

    void textThatIsNotWhollyANumberIsAnError_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addRow("empty") << "";
        QTest::addRow("word") << "abc";
        QTest::addRow("trailing letters") << "12abc";
        QTest::addRow("leading blank") << " 1";
        QTest::addRow("decimal comma") << "0,5";
        QTest::addRow("placeholder") << "První";
        QTest::addRow("not a number") << "nan";
        QTest::addRow("infinity") << "inf";
        QTest::addRow("too large") << QString(400, u'9');
    }
    void textThatIsNotWhollyANumberIsAnError()
    {
        QFETCH(QString, text);
        QVERIFY_THROWS_EXCEPTION(SurfaceError, textToNumber(text));
    }

    void nonFiniteNumbersHaveNoTextForm()
    {
        QVERIFY_THROWS_EXCEPTION(SurfaceError,
                                 veltrin::numberToText(std::numeric_limits<double>::infinity()));
        QVERIFY_THROWS_EXCEPTION(SurfaceError,
                                 veltrin::numberToText(std::numeric_limits<double>::quiet_NaN()));
    }

    void aPercentageIsWrittenAsItsLanguageWritesIt_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addRow("English") << QLocale(QLocale::English) << "1,097.6%";
        QTest::addRow("German") << QLocale(QLocale::German) << "1.097,6\u00a0%";
        QTest::addRow("Czech") << QLocale(QLocale::Czech) << "1\u00a0097,6\u00a0%";
    }
    void aPercentageIsWrittenAsItsLanguageWritesIt()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QCOMPARE(percentText(1097.6, 1, locale), text);
    }
};

QTEST_GUILESS_MAIN(TstTextForm)
#include "tst_textform.moc"
