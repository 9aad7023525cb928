// SPDX-License-Identifier: GPL-3.0-or-later
#include "closekeys.h"

#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace veltrin {

namespace {

/// Closes the window on an Escape that nothing in it took, as a dialog does: an open list or
/// menu takes its Escape first and closes itself, and the window stays open.
class EscapeCloses : public QObject
{
public:
    explicit EscapeCloses(QWidget &window) : QObject(&window), m_window(window) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &m_window && event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
                m_window.close();
                return true;
            }
        }
        return false;
    }

private:
    QWidget &m_window;
};

} // namespace

void CloseKeys::install(QWidget &window)
{
    // Escape is no shortcut: a shortcut of the window would take it from an open popup.
    window.installEventFilter(new EscapeCloses(window));
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Close);
    const QKeySequence ctrlW(Qt::CTRL | Qt::Key_W);
    if (!keys.contains(ctrlW))
        keys << ctrlW;
    keys.removeAll(QKeySequence(Qt::Key_Escape));
    for (const QKeySequence &key : keys) {
        auto *shortcut = new QShortcut(key, &window);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, &window, &QWidget::close);
    }
}

} // namespace veltrin
