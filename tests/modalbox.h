// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>

/// Waits, in the event loop of whatever runs next, for a modal message box to open and hands it
/// to the action, which must close it; so a box can never hang a test. The wait ends with the
/// context object at the latest.
inline void whenMessageBoxOpens(QObject *context, std::function<void(QMessageBox *)> action)
{
    auto *poll = new QTimer(context);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, action = std::move(action)] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        action(box);
    });
    poll->start();
}
