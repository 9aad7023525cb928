// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>

class QCoreApplication;

namespace veltrin {

/// Speaks the desktop's language where Veltrin has a translation: its own texts and Qt's (the
/// question box's buttons, the file and print dialogs). English is the fallback. The numbers the
/// run reads and writes keep their one form whatever the language.
void installTranslations(QCoreApplication &app, const QLocale &locale = QLocale::system());

} // namespace veltrin
