#pragma once

#include <QObject>
#include <QPointer>
#include <QWindow>
#include <memory>
#include <vector>

class QEvent;

namespace veltrin {

/// Holds the user's clicks and keys for one window while it lives, and hands them to the
/// window when it goes, in their order: a run keeps the window repainting and closable, but
/// its parameters stay those in force when Start was pressed. Input held for a window that
/// has been closed in the meantime is dropped.
class InputHold : public QObject
{
    Q_OBJECT

public:
    explicit InputHold(QWindow *window);
    ~InputHold() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWindow> m_window;
    std::vector<std::unique_ptr<QEvent>> m_held;
};

} // namespace veltrin
