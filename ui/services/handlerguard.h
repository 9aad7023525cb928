// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

#include <exception>
#include <utility>

class QWidget;

namespace veltrin {

/// Tells the user that a handler failed and was abandoned; the program goes on.
void reportHandlerFailure(QWidget *window, const QString &handler, const QString &reason);

/// Runs a handler so that no exception of it reaches the event loop: a failure is shown in a
/// message box naming the error, and the handler is abandoned.
template <typename Handler> void runGuarded(QWidget *window, const QString &handler, Handler &&body)
{
    try {
        std::forward<Handler>(body)();
    } catch (const std::exception &error) {
        reportHandlerFailure(window, handler, QString::fromStdString(error.what()));
    } catch (...) {
        reportHandlerFailure(
            window, handler,
            QCoreApplication::translate("HandlerGuard", "An unknown error occurred."));
    }
}

} // namespace veltrin
