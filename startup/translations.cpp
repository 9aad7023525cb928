// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace veltrin {

namespace {

void install(QCoreApplication &app, const QLocale &locale, const QString &name,
             const QString &folder)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(locale, name, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void installTranslations(QCoreApplication &app, const QLocale &locale)
{
    install(app, locale, QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // Installed last, so asked first.
    install(app, locale, QStringLiteral("veltrin"), QStringLiteral(":/i18n"));
}

} // namespace veltrin
