// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"
#include "pictureprinter.h"
#include "translations.h"
#include "windowrun.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTranslator>
#include <clocale>

using namespace veltrin;

namespace {

/// The picture of a default run, the caption of Exit and what the run is called, with the
/// program speaking the language of the locale.
struct Shown
{
    QImage picture;
    QString exit;
    QString delay;
    QString middle;      ///< the Middle frequency's button
    QString description; ///< what assistive technology reads of the drawing
    QString printed;     ///< the caption printed under the picture
};

Shown defaultRunIn(const QLocale &locale)
{
    for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QLocale::setDefault(locale);
    installTranslations(*qApp, locale);
    VeltrinWindow window;
    window.showWithWholeScene();
    if (!QTest::qWaitForWindowExposed(&window) || !pressStartAndWait(window))
        return {};
    return {window.canvas()->image(),
            window.findChild<QPushButton *>("cmdKonec")->text(),
            window.findChild<QLineEdit *>("nSpomaleni")->text(),
            window.findChild<QRadioButton *>(QStringLiteral("opStřední"))->text(),
            window.canvas()->accessibleDescription(),
            PicturePrinter::caption(window.history().runs())};
}

} // namespace

class TstTranslations : public QObject
{
    Q_OBJECT

private slots:
    void aRunDrawsTheSamePictureInEveryLanguage_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("exit");
        QTest::addRow("Czech") << QLocale(QLocale::Czech, QLocale::CzechRepublic) << "Konec";
        QTest::addRow("German") << QLocale(QLocale::German, QLocale::Germany) << "Beenden";
    }
    void aRunDrawsTheSamePictureInEveryLanguage()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, exit);
        const Shown english = defaultRunIn(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(english.exit, "Exit");
        // Where the C library would write numbers with a comma, the fields keep their dot.
        std::setlocale(LC_NUMERIC, locale.name().toUtf8() + ".UTF-8");
        const Shown translated = defaultRunIn(locale);
        std::setlocale(LC_NUMERIC, "C");
        QCOMPARE(translated.exit, exit);
        QCOMPARE(translated.delay, english.delay);
        QVERIFY(!translated.picture.isNull());
        QCOMPARE(translated.picture, english.picture);
        // The run is named in the language it was made in, as its button reads.
        QVERIFY(english.description.contains(u"Middle") && english.printed.contains(u"Middle"));
        for (const QString &text : {translated.description, translated.printed}) {
            QVERIFY2(text.contains(translated.middle) && !text.contains(u"Middle"),
                     qPrintable(text));
        }
    }
};

QTEST_MAIN(TstTranslations)
#include "tst_translations.moc"
