// SPDX-License-Identifier: GPL-3.0-or-later
#include "veltrinwindow.h"

#include "accessibletexts.h"
#include "benchopener.h"
#include "canvas.h"
#include "captionfit.h"
#include "choices.h"
#include "controlinventory.h"
#include "handlerguard.h"
#include "imagesurface.h"
#include "lessonopener.h"
#include "lessonwindow.h"
#include "lookcloser.h"
#include "pacedrun.h"
#include "parameterhandlers.h"
#include "projectorview.h"
#include "questionbox.h"
#include "rundescription.h"
#include "scaledlayout.h"
#include "scenecaptions.h"
#include "shareactions.h"
#include "shownchildren.h"
#include "textform.h"
#include "twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace veltrin {

const QString VeltrinWindow::caption = QStringLiteral("Veltrin - https://veltrin.example.org");

namespace {

QWidget *createWidget(const ControlEntry &entry, QWidget *container)
{
    using Kind = ControlEntry::Kind;
    switch (entry.kind) {
    case Kind::ScrollBar: {
        auto *bar = new QScrollBar(Qt::Horizontal, container);
        bar->setRange(0, SpeedBar::slowestPosition);
        bar->setSingleStep(1);
        bar->setPageStep(1);
        // The delay changes only when the bar comes to rest, not while the thumb is dragged.
        bar->setTracking(false);
        bar->setFocusPolicy(Qt::StrongFocus); // a tab stop, moved by the arrow keys
        // It sets a value rather than scrolling a view, so the keys and the wheel move it as
        // they move a slider: Right, Up and Page Up towards the right end. A scroll bar's
        // inverted controls would turn the arrow keys round.
        bar->setInvertedControls(false);
        return bar;
    }
    case Kind::Frame:
        return new QGroupBox(shownText(entry), container);
    case Kind::OptionButton:
        return new QRadioButton(shownText(entry), container);
    case Kind::TextField:
        return new QLineEdit(shownText(entry), container);
    case Kind::FixedTextField: {
        auto *field = new QLineEdit(shownText(entry), container);
        field->setFrame(false);
        return field;
    }
    case Kind::CommandButton: {
        auto *button = new QPushButton(shownText(entry), container);
        button->setAutoDefault(false); // neither button is pressed by Enter
        return button;
    }
    case Kind::Label:
        break;
    }
    return nullptr;
}

/// Relative luminance of an sRGB colour, 0 for black to 1 for white.
double luminance(const QColor &colour)
{
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

void applyGround(QWidget *widget, const ControlEntry &entry, const SceneStyle &style)
{
    const std::optional<QColor> ground = groundIn(entry, style);
    // A push button keeps its standard look, as it does on the desktop the layout was made for.
    if (!ground || entry.kind == ControlEntry::Kind::CommandButton)
        return;
    // A control on a ground of its own takes all its colours from the program, not only the
    // ground: the style's standard colours, with dark text, set in every role and group so that
    // a dark desktop scheme reaches none of them, then or later.
    const QPalette standard = widget->style()->standardPalette();
    QPalette palette;
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            if (role == QPalette::NoRole)
                continue;
            const auto colourGroup = QPalette::ColorGroup(group);
            const auto colourRole = QPalette::ColorRole(role);
            palette.setBrush(colourGroup, colourRole, standard.brush(colourGroup, colourRole));
        }
    }
    // The role the widget fills its background with: Button for an option button, whose
    // indicator keeps its own colour; Base for a text field; Window for a frame.
    palette.setColor(QPalette::Window, *ground);
    palette.setColor(widget->backgroundRole(), *ground);
    if (*ground != entry.background) {
        // Black or white, whichever stands out more: they are equal at a luminance of 0.179.
        const QColor text = luminance(*ground) < 0.179 ? Qt::white : Qt::black;
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
                palette.setColor(group, role, text);
        }
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

VeltrinWindow::VeltrinWindow(QWidget *parent)
    : QWidget(parent), m_layout(std::make_unique<ScaledLayout>())
{
    SceneFonts::installSubstitutes();
    setObjectName(QStringLiteral("frmVeltrin"));
    setWindowTitle(caption);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(SceneStyle().background));
    setPalette(palette);
    setAutoFillBackground(true);

    ShownChildren::install(metaObject()->className());
    createControls();
    setAccessibleTexts(*this);
    wireHandlers();
    Form_Load();
    tabToSelectedButtons();
    m_lookCloser = new LookCloser(*this);
    new ProjectorView(*this);
    m_share = new ShareActions(this);
    m_benchOpener = new BenchOpener(*this);
    m_lessonOpener = new LessonOpener(*this, *m_benchOpener);
    connect(m_share, &ShareActions::benchRequested, m_benchOpener, &BenchOpener::open);
    connect(m_lookCloser, &LookCloser::benchRequested, m_benchOpener, &BenchOpener::open);
}

VeltrinWindow::~VeltrinWindow() = default;

template <typename T> T *VeltrinWindow::control(const char *name) const
{
    return findChild<T *>(QString::fromUtf8(name));
}

void VeltrinWindow::createControls()
{
    // The drawing lies beneath every control, which is created after it.
    m_canvas = new Canvas(this);
    m_canvas->setObjectName(QStringLiteral("canvas"));
    m_canvas->move(0, 0);
    connect(m_canvas, &Canvas::pictureRenewed, this, &VeltrinWindow::drawRunsAgain);
    // What goes beyond the window's own controls is reached from the drawing's context menu
    // and the shortcuts of its entries: each feature adds its actions to the canvas.
    m_canvas->setContextMenuPolicy(Qt::ActionsContextMenu);

    std::map<int, QWidget *> byTabIndex;
    std::vector<QWidget *> captioned; // shown with a caption of their own
    // Option buttons that set no font would take their frame's; they take the dialog font.
    std::map<QWidget *, std::vector<QRadioButton *>> dialogFontButtons;
    for (const ControlEntry &entry : controlInventory()) {
        if (entry.kind == ControlEntry::Kind::Label) {
            m_canvas->setPrompt(SceneCaptions::drawingPrompt());
            continue;
        }
        QWidget *container = entry.container ? control<QWidget>(entry.container) : this;
        QWidget *widget = createWidget(entry, container);
        widget->setObjectName(QString::fromUtf8(entry.name));
        widget->setGeometry(twipsToPixels(entry.twips));
        if (entry.font != SceneFonts::Face::Dialog)
            widget->setFont(SceneFonts::font(entry.font));
        else if (entry.kind == ControlEntry::Kind::OptionButton)
            dialogFontButtons[container].push_back(static_cast<QRadioButton *>(widget));
        applyGround(widget, entry, SceneStyle());
        widget->setVisible(entry.visible);
        byTabIndex[entry.tabIndex] = widget;
        if (entry.visible && entry.kind != ControlEntry::Kind::TextField && !container->isHidden())
            captioned.push_back(widget);
    }
    // One size for a whole frame, so its buttons look alike: the dialog font at the largest
    // pixel size, not above its own, at which every caption fits beside its indicator, for the
    // layout was made for a narrower font than Linux's.
    for (const auto &[frame, buttons] : dialogFontButtons) {
        const QFont font = ScaledLayout::fittingFont(buttons, QApplication::font());
        for (QRadioButton *button : buttons)
            button->setFont(font);
    }
    for (QWidget *widget : captioned)
        growToFitCaption(widget);
    // The layout as made is the design the window scales.
    for (const ControlEntry &entry : controlInventory()) {
        if (entry.kind != ControlEntry::Kind::Label)
            m_layout->add(control<QWidget>(entry.name),
                          entry.kind == ControlEntry::Kind::FixedTextField);
    }
    // Only controls that take the focus go into the chain: Qt moves a frame there together
    // with its buttons, which would undo the order given to the buttons themselves.
    QWidget *previous = nullptr;
    for (const auto &[index, widget] : byTabIndex) {
        if (widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }

    const auto field = [this](const char *name) { return control<QLineEdit>(name); };
    m_fields = {field("nOsKruh"), field("nKmitočet"), field("nSpomaleni"), field("nPrvní"),
                field("nAlfa")};
    m_surface = std::make_unique<WindowSurface>(this, m_canvas, m_fields, QuestionBox::ask);
    m_speedBar = control<QScrollBar>("HScroll1");
    m_handlers = new ParameterHandlers(m_fields, m_speedBar, this);
}

void VeltrinWindow::wireHandlers()
{
    for (const Choice &choice : choices()) {
        const QString name = QString::fromUtf8(choice.objectName);
        // A button's handler runs whenever it becomes selected, by the user or in code.
        connect(control<QRadioButton>(choice.objectName), &QRadioButton::toggled, m_handlers,
                [this, name, &choice](bool selected) {
                    ParameterHandlers *handlers = m_handlers;
                    if (selected)
                        runGuarded(this, name, [handlers, &choice] { handlers->choose(choice); });
                });
    }
    connect(m_speedBar, &QScrollBar::valueChanged, m_handlers, [this] {
        ParameterHandlers *handlers = m_handlers;
        runGuarded(this, QStringLiteral("HScroll1"), [handlers] { handlers->HScroll1_Change(); });
    });
    connect(control<QPushButton>("cmdStart"), &QPushButton::clicked, this,
            &VeltrinWindow::cmdStart_Click);
    connect(control<QPushButton>("cmdKonec"), &QPushButton::clicked, this,
            &VeltrinWindow::cmdKonec_Click);
}

void VeltrinWindow::Form_Load()
{
    const auto write = [this](Field field, const QString &text) {
        m_fields[static_cast<int>(field)]->setText(text);
    };
    const auto select = [this](Field field) {
        control<QRadioButton>(loadedChoice(field).objectName)->setChecked(true);
    };
    // Each field is written directly and again by the selected button's handler: the state after
    // load does not hang on the handlers.
    write(Field::OsKruh, loadedText(Field::OsKruh));
    select(Field::OsKruh);
    write(Field::Kmitocet, loadedText(Field::Kmitocet));
    select(Field::Kmitocet);
    write(Field::Prvni, loadedText(Field::Prvni));
    select(Field::Spomaleni);
    write(Field::Spomaleni, loadedText(Field::Spomaleni));
    control<QPushButton>("cmdStart")->setFocus();
}

void VeltrinWindow::choose(const Choice &choice)
{
    control<QRadioButton>(choice.objectName)->setChecked(true);
    tabToSelectedButtons();
}

const Choice &VeltrinWindow::chosen(Field field) const
{
    for (const Choice &choice : choicesFor(field)) {
        if (control<QRadioButton>(choice.objectName)->isChecked())
            return choice;
    }
    return loadedChoice(field); // not reached: a frame always has its button selected
}

void VeltrinWindow::setSpeed(int position)
{
    m_speedBar->setValue(position);
}

int VeltrinWindow::speed() const
{
    return m_speedBar->value();
}

CloseUpWindow *VeltrinWindow::closeUp() const
{
    return m_lookCloser->closeUp();
}

void VeltrinWindow::openBench(const Setup &setup)
{
    m_benchOpener->openWith(setup);
}

void VeltrinWindow::openLesson(const Lesson &lesson)
{
    m_lessonOpener->open(lesson);
}

LessonWindow *VeltrinWindow::lessonWindow() const
{
    return m_lessonOpener->lesson();
}

BenchWindow *VeltrinWindow::bench() const
{
    return m_benchOpener->bench();
}

void VeltrinWindow::tabToSelectedButtons()
{
    // Tab enters a frame at its selected button. Qt would pick the button that last had the
    // focus, at first the frame's first; from here on that is always the selected one, since
    // clicking a button or moving it with the arrow keys both focuses and selects it. A button
    // selected in code, as the command line does, is not focused, so it is given the tab stop.
    for (QRadioButton *button : findChildren<QRadioButton *>()) {
        const Qt::FocusPolicy policy = button->focusPolicy();
        button->setFocusPolicy(button->isChecked() ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                                   : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}

void VeltrinWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layOut();
}

void VeltrinWindow::layOut()
{
    // Below an eighth of its size nothing can be read; the drawing keeps pixels to draw on.
    constexpr double smallestScale = 0.125;
    const double scale = std::max(smallestScale, ScaledLayout::scaleToFit(size()));
    const QSize scene = scaledRect(QRect(QPoint(0, 0), picturePixels), scale).size();
    // Where the window's proportions differ from the drawing's, the scene stands in the middle.
    const QPoint origin(std::max(0, (width() - scene.width()) / 2),
                        std::max(0, (height() - scene.height()) / 2));
    m_canvas->move(origin);
    m_canvas->setScale(scale);
    m_layout->apply(scale, origin, m_canvas->sceneStyle().labelScale);
}

void VeltrinWindow::setSceneStyle(const SceneStyle &style)
{
    // From the event loop, between two positions of a run, when nothing is being drawn.
    m_surface->setSceneStyle(style);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(style.background));
    setPalette(palette);
    m_canvas->setSceneStyle(style);
    for (const ControlEntry &entry : controlInventory()) {
        if (entry.kind != ControlEntry::Kind::Label)
            applyGround(control<QWidget>(entry.name), entry, style);
    }
    // The captions take the style's size at the scale the window has; a window not yet shown
    // keeps the design scale until it is.
    m_layout->apply(m_canvas->scale(), m_canvas->pos(), style.labelScale);
}

void VeltrinWindow::showWithWholeScene()
{
    const QSize scene = picturePixels;
    const QScreen *screen = this->screen();
    const QSize available = screen ? screen->availableSize() : scene;
    resize(scene);
    if (scene.width() > available.width() || scene.height() > available.height())
        showMaximized();
    else
        show();
}

void VeltrinWindow::cmdStart_Click()
{
    // A press during a run, or while one is being set up and asked about, queues nothing.
    if (m_run || m_settingUp)
        return;
    runGuarded(this, QStringLiteral("Start"), [this] {
        // The set-up, the mirror and its rays at once; the positions follow on the event loop.
        // The question may be open meanwhile, with the event loop taking the user's input.
        m_settingUp = true;
        std::unique_ptr<PacedRun> run;
        try {
            run = std::make_unique<PacedRun>(*m_surface);
        } catch (...) {
            m_settingUp = false;
            throw;
        }
        m_settingUp = false;
        if (!isVisible()) // closed while the question was open: the program is ending
            return;
        // The set-up on the screen now, and the picture free to be made anew, at another scale
        // or in another style, before the first position is drawn.
        m_surface->present();
        m_history.begin(run->run().record());
        m_canvas->setPromptCovered(true); // by the first run's bar, or by the erase band
        m_run = run.release();
        m_run->setParent(this);
        PacedRun *const paced = m_run;
        connect(paced, &PacedRun::positionDrawn, this,
                [this, paced] { m_history.update(paced->run().record()); });
        connect(paced, &PacedRun::finished, this, &VeltrinWindow::endRun);
        connect(paced, &PacedRun::failed, this, [this](const QString &reason) {
            endRun();
            reportHandlerFailure(this, QStringLiteral("Start"), reason);
        });
        m_run->start();
        emit runStarted();
    });
}

void VeltrinWindow::endRun()
{
    if (!m_run)
        return;
    // Not deleted at once: the run may be what called.
    m_run->stop();
    m_run->deleteLater();
    m_run = nullptr;
    // What the run showed, in words; the widget tells assistive technology of the change.
    m_canvas->setAccessibleDescription(RunDescription::of(m_history));
    m_canvas->setToolTip(m_canvas->accessibleDescription());
    emit runEnded();
}

void VeltrinWindow::drawRunsAgain()
{
    // The picture may be made anew as a run puts a position on the screen, before the run has
    // told the history of it.
    if (m_run)
        m_history.update(m_run->run().record());
    ImageSurface again(m_canvas->image(), m_canvas->sceneStyle());
    m_history.drawAgain(again);
}

void VeltrinWindow::cmdKonec_Click()
{
    close();
}

void VeltrinWindow::contextMenuEvent(QContextMenuEvent *event)
{
    // The menu key, wherever the focus is, opens the drawing's menu: the keyboard's way to it.
    if (event->reason() == QContextMenuEvent::Keyboard && !m_canvas->actions().isEmpty())
        QMenu::exec(m_canvas->actions(), m_canvas->mapToGlobal(m_canvas->rect().center()), nullptr,
                    this);
}

void VeltrinWindow::closeEvent(QCloseEvent *event)
{
    // The program ends with this window: the lesson's unsaved work is saved or dropped first,
    // as the pupil answers, or the program goes on.
    if (LessonWindow *lesson = lessonWindow(); lesson && !lesson->letGo([this] { close(); })) {
        event->ignore();
        return;
    }
    // A run in progress ends here, between two of its positions; the program then ends. A
    // question still open is answered No, and the run it belongs to is not begun.
    endRun();
    for (QMessageBox *box : findChildren<QMessageBox *>(Qt::FindDirectChildrenOnly))
        box->done(QMessageBox::No);
    event->accept();
}

} // namespace veltrin
