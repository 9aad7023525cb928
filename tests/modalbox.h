// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>

/// The message box open, modal or not (the run's question is not), if any.
inline QMessageBox *openMessageBox()
{
    if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
        return box;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *box = qobject_cast<QMessageBox *>(widget); box && box->isVisible())
            return box;
    }
    return nullptr;
}

/// Waits, in the event loop of whatever runs next, for a message box to open and hands it
/// to the action, which must close it; so a box can never hang a test. The wait ends with the
/// context object at the latest.
inline void whenMessageBoxOpens(QObject *context, std::function<void(QMessageBox *)> action)
{
    auto *poll = new QTimer(context);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, action = std::move(action)] {
        QMessageBox *box = openMessageBox();
        if (!box || !box->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        action(box);
    });
    poll->start();
}
