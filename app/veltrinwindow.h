#pragma once

#include "qtsurface.h"

#include <QWidget>
#include <memory>

class QAbstractButton;
class QScrollBar;

namespace veltrin {

class Canvas;
class ParameterHandlers;

/// frmVeltrin, the program's one window: the drawing with the 26 controls over it, the load
/// handler that puts the defaults in place, and the Start and Exit buttons.
class VeltrinWindow : public QWidget
{
    Q_OBJECT

public:
    static const QString caption;

    explicit VeltrinWindow(QWidget *parent = nullptr);
    ~VeltrinWindow() override;

    /// Shows the window with the whole scene in view, or maximized on a smaller screen.
    void showWithWholeScene();

    Canvas *canvas() const { return m_canvas; }
    QtSurface &surface() { return *m_surface; }
    bool isRunning() const { return m_running; }

public slots:
    void cmdStart_Click();
    void cmdKonec_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void wireHandlers();
    void Form_Load();
    void tabToSelectedButtons();
    template <typename T> T *control(const char *name) const;

    Canvas *m_canvas = nullptr;
    QtSurface::FieldEditors m_fields{};
    std::unique_ptr<QtSurface> m_surface;
    ParameterHandlers *m_handlers = nullptr;
    bool m_running = false;
};

} // namespace veltrin
