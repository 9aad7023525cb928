// SPDX-License-Identifier: GPL-3.0-or-later
#include "handlerguard.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace veltrin {

void reportHandlerFailure(QWidget *window, const QString &handler, const QString &reason)
{
    QMessageBox::critical(
        window, QCoreApplication::applicationName(),
        QCoreApplication::translate("HandlerGuard", "%1 was stopped.\n\n%2").arg(handler, reason));
}

} // namespace veltrin
