// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "field.h"
#include "runhistory.h"
#include "windowsurface.h"

#include <QWidget>
#include <memory>

class QScrollBar;

namespace veltrin {

class BenchOpener;
class BenchWindow;
class LessonOpener;
class LessonWindow;
struct Lesson;
struct Setup;
class Canvas;
struct Choice;
class CloseUpWindow;
class LookCloser;
class PacedRun;
class ParameterHandlers;
class ScaledLayout;
class ShareActions;

/// frmVeltrin, the program's main window: the drawing with the 26 controls over it, the load
/// handler that puts the defaults in place, and the Start and Exit buttons. It owns the windows
/// its drawing's menu opens, the close-up and the experiment bench. The command line and the
/// tests work it through the functions below, as the user does through its controls.
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

    /// Selects the choice's option button, as a click on it does: its handler writes the
    /// choice into the field, and Tab enters the frame there.
    void choose(const Choice &choice);
    /// The choice whose option button is selected for the field.
    const Choice &chosen(Field field) const;
    /// Moves the animation's scroll bar, 0 … SpeedBar::slowestPosition, as the user does; its
    /// handler writes the delay.
    void setSpeed(int position);
    int speed() const;
    /// Presses Start: a run begins unless one is going on or being set up.
    void start() { cmdStart_Click(); }

    Canvas *canvas() const { return m_canvas; }
    WindowSurface &surface() { return *m_surface; }
    /// The runs whose bars are on the drawing, the one going on included.
    const RunHistory &history() const { return m_history; }
    bool isRunning() const { return m_run != nullptr; }

    /// The drawing's menu entries that keep and share what the runs show.
    ShareActions &shareActions() const { return *m_share; }
    /// The close-up, once it has been opened.
    CloseUpWindow *closeUp() const;
    /// The experiment bench, once it has been opened.
    BenchWindow *bench() const;
    /// Opens the experiment bench with the setup.
    void openBench(const Setup &setup);
    /// Opens the lesson beside the experiment bench.
    void openLesson(const Lesson &lesson);
    /// The lesson's window, once a lesson has been opened.
    LessonWindow *lessonWindow() const;

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
    /// Lets Tab enter each frame at its selected button, also after a choice made in code.
    void tabToSelectedButtons();
    template <typename T> T *control(const char *name) const;

    Canvas *m_canvas = nullptr;
    WindowSurface::FieldEditors m_fields{};
    std::unique_ptr<WindowSurface> m_surface;
    QScrollBar *m_speedBar = nullptr;
    ParameterHandlers *m_handlers = nullptr;
    LookCloser *m_lookCloser = nullptr;
    ShareActions *m_share = nullptr;
    BenchOpener *m_benchOpener = nullptr;
    LessonOpener *m_lessonOpener = nullptr;
    PacedRun *m_run = nullptr; // the run going on; it goes when it ends
    bool m_settingUp = false;  // a run is being set up, its question perhaps open
    RunHistory m_history;
    std::unique_ptr<ScaledLayout> m_layout;
};

} // namespace veltrin
