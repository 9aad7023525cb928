#include "inputhold.h"

#include <QCoreApplication>
#include <QEvent>

namespace veltrin {

namespace {

bool isUserInput(const QEvent &event)
{
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}

} // namespace

InputHold::InputHold(QWindow *window) : m_window(window)
{
    // The window, not its widgets: all of the desktop's input reaches the widgets through it,
    // and a question box in its own window is still answered.
    if (m_window)
        m_window->installEventFilter(this);
}

InputHold::~InputHold()
{
    if (!m_window)
        return;
    m_window->removeEventFilter(this);
    if (!m_window->isVisible())
        return;
    for (std::unique_ptr<QEvent> &event : m_held)
        QCoreApplication::postEvent(m_window, event.release());
}

bool InputHold::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window || !isUserInput(*event))
        return false;
    m_held.emplace_back(event->clone());
    return true;
}

} // namespace veltrin
