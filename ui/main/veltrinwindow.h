// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runhistory.h"
#include "scaledlayout.h"
#include "windowsurface.h"

#include <QWidget>
#include <memory>

class QScrollBar;

namespace veltrin {

class Canvas;
class PacedRun;
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

    /// Shows the window at the scene's design size, or maximized on a smaller screen, where the
    /// whole scene scales down to fit.
    void showWithWholeScene();

    Canvas *canvas() const { return m_canvas; }
    WindowSurface &surface() { return *m_surface; }
    /// The runs whose bars are on the drawing, the one going on included.
    const RunHistory &history() const { return m_history; }
    bool isRunning() const { return m_run != nullptr; }

    /// Lets Tab enter each frame at its selected button, also after a choice made in code.
    void tabToSelectedButtons();

    /// Shows the scene in this style from now on: the runs on the drawing are drawn again in
    /// it, a run going on goes on in it, and the captions take its size.
    void setSceneStyle(const SceneStyle &style);

public slots:
    void cmdStart_Click();
    void cmdKonec_Click();

signals:
    /// A run has been set up and its positions are about to come.
    void runStarted();
    /// A run has drawn its last position, failed, or stopped with the window.
    void runEnded();

protected:
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void createControls();
    void wireHandlers();
    void Form_Load();
    /// Scales the scene to fit the window, proportions kept: drawing, controls and fonts.
    void layOut();
    void endRun();
    /// Draws the runs on the drawing again, on a picture made anew.
    void drawRunsAgain();
    template <typename T> T *control(const char *name) const;

    Canvas *m_canvas = nullptr;
    WindowSurface::FieldEditors m_fields{};
    std::unique_ptr<WindowSurface> m_surface;
    ParameterHandlers *m_handlers = nullptr;
    PacedRun *m_run = nullptr; // the run going on; it goes when it ends
    bool m_settingUp = false;  // a run is being set up, its question perhaps open
    RunHistory m_history;
    ScaledLayout m_layout;
};

} // namespace veltrin
