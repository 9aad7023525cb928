// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenfit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace veltrin {

void ScreenFit::place(QWidget &window, QSize wanted)
{
    const QWidget *opener = window.parentWidget();
    const QScreen *screen = opener ? opener->screen() : QGuiApplication::primaryScreen();
    // The window manager's frame around it: a title bar and thin borders. Its real size is
    // known only once the window is shown, so a window that needs more room than this leaves
    // is maximized instead, as the window manager sees fit.
    const QRect room = screen->availableGeometry().adjusted(8, 32, -8, -8);
    const QSize size = wanted.boundedTo(room.size()).expandedTo(window.minimumSizeHint());
    window.resize(size);
    QPoint at = opener ? opener->geometry().center() - QPoint(size.width() / 2, size.height() / 2)
                       : room.topLeft();
    at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() - size.width())));
    at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() - size.height())));
    window.move(at);
    if (wanted.width() > room.width() || wanted.height() > room.height())
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
}

} // namespace veltrin
