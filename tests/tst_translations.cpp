// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"
#include "translations.h"
#include "windowrun.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTranslator>
#include <clocale>

using namespace veltrin;

namespace {

/// The picture of a default run, and the caption of Exit, with the program speaking the
/// language of the locale.
struct Shown
{
    QImage picture;
    QString exit;
    QString delay;
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
    return {window.canvas()->image(), window.findChild<QPushButton *>("cmdKonec")->text(),
            window.findChild<QLineEdit *>("nSpomaleni")->text()};
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
    }
};

QTEST_MAIN(TstTranslations)
#include "tst_translations.moc"
