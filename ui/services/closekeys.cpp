// SPDX-License-Identifier: GPL-3.0-or-later
#include "closekeys.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace veltrin {

void CloseKeys::install(QWidget &window)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Close);
    const QKeySequence ctrlW(Qt::CTRL | Qt::Key_W);
    if (!keys.contains(ctrlW))
        keys << ctrlW;
    keys.prepend(QKeySequence(Qt::Key_Escape));
    for (const QKeySequence &key : keys) {
        auto *shortcut = new QShortcut(key, &window);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, &window, &QWidget::close);
    }
}

} // namespace veltrin
