#include "veltrinwindow.h"

#include "accessibletexts.h"
#include "canvas.h"
#include "controlinventory.h"
#include "handlerguard.h"
#include "inputhold.h"
#include "parameterhandlers.h"
#include "startcommand.h"
#include "textform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <algorithm>
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
        bar->setRange(0, 32767);
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
        return new QGroupBox(QString::fromUtf8(entry.text), container);
    case Kind::OptionButton:
        return new QRadioButton(QString::fromUtf8(entry.text), container);
    case Kind::TextField:
        return new QLineEdit(QString::fromUtf8(entry.text), container);
    case Kind::FixedTextField: {
        auto *field = new QLineEdit(QString::fromUtf8(entry.text), container);
        field->setFrame(false);
        return field;
    }
    case Kind::CommandButton: {
        auto *button = new QPushButton(QString::fromUtf8(entry.text), container);
        button->setAutoDefault(false); // neither button is pressed by Enter
        return button;
    }
    case Kind::Label:
        break;
    }
    return nullptr;
}

bool captionFits(const QRadioButton *button, const QFont &font)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect room =
        button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(button->text()) <= room.width() &&
           metrics.height() <= room.height();
}

/// The dialog font at the largest pixel size, not above its own, at which every caption of the
/// buttons fits beside its indicator: the layout was made for a narrower font than Linux's.
QFont fittingDialogFont(const std::vector<QRadioButton *> &buttons)
{
    constexpr int smallestReadable = 8; // pixels
    QFont font = QApplication::font();
    for (int pixels = QFontInfo(font).pixelSize();; --pixels) {
        font.setPixelSize(pixels);
        const bool fits = std::ranges::all_of(
            buttons, [&font](const QRadioButton *button) { return captionFits(button, font); });
        if (fits || pixels <= smallestReadable)
            return font;
    }
}

void applyBackground(QWidget *widget, const ControlEntry &entry)
{
    // A push button keeps its standard look, as it does on the desktop the layout was made for.
    if (!entry.background || entry.kind == ControlEntry::Kind::CommandButton)
        return;
    // The role the widget fills its background with: Button for an option button, whose
    // indicator keeps its own colour; Base for a text field; Window for a frame.
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, *entry.background);
    palette.setColor(widget->backgroundRole(), *entry.background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

VeltrinWindow::VeltrinWindow(QWidget *parent) : QWidget(parent)
{
    installFontSubstitutes();
    setObjectName(QStringLiteral("frmVeltrin"));
    setWindowTitle(caption);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Canvas::background());
    setPalette(palette);
    setAutoFillBackground(true);

    createControls();
    setAccessibleTexts(*this);
    wireHandlers();
    Form_Load();
    tabToSelectedButtons();
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

    std::map<int, QWidget *> byTabIndex;
    // Option buttons that set no font would take their frame's; they take the dialog font.
    std::map<QWidget *, std::vector<QRadioButton *>> dialogFontButtons;
    for (const ControlEntry &entry : controlInventory()) {
        if (entry.kind == ControlEntry::Kind::Label) {
            m_canvas->paintPrompt(twipsToPixels(entry.twips), QString::fromUtf8(entry.text),
                                  controlFont(entry.font));
            continue;
        }
        QWidget *container = entry.container ? control<QWidget>(entry.container) : this;
        QWidget *widget = createWidget(entry, container);
        widget->setObjectName(QString::fromUtf8(entry.name));
        widget->setGeometry(twipsToPixels(entry.twips));
        if (entry.font != ControlEntry::Font::None && entry.font != ControlEntry::Font::Default)
            widget->setFont(controlFont(entry.font));
        if (entry.font == ControlEntry::Font::Default &&
            entry.kind == ControlEntry::Kind::OptionButton)
            dialogFontButtons[container].push_back(static_cast<QRadioButton *>(widget));
        applyBackground(widget, entry);
        widget->setVisible(entry.visible);
        byTabIndex[entry.tabIndex] = widget;
    }
    // One size for a whole frame, so its buttons look alike.
    for (const auto &[frame, buttons] : dialogFontButtons) {
        const QFont font = fittingDialogFont(buttons);
        for (QRadioButton *button : buttons)
            button->setFont(font);
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
    m_surface = std::make_unique<QtSurface>(this, m_canvas, m_fields);
    m_handlers = new ParameterHandlers(m_fields, control<QScrollBar>("HScroll1"), this);
}

void VeltrinWindow::wireHandlers()
{
    using Handler = void (ParameterHandlers::*)();
    const std::pair<const char *, Handler> options[] = {
        {"opOhniskoVzdálené", &ParameterHandlers::opOhniskoVzdalene_Click},
        {"opOhniskoStřední", &ParameterHandlers::opOhniskoStredni_Click},
        {"opOhniskoBlízké", &ParameterHandlers::opOhniskoBlizke_Click},
        {"opK0002", &ParameterHandlers::opK0002_Click},
        {"opKmitVyš", &ParameterHandlers::opKmitVys_Click},
        {"opStřední", &ParameterHandlers::opStredni_Click},
        {"opNízký", &ParameterHandlers::opNizky_Click},
        {"opRychlá", &ParameterHandlers::opRychla_Click},
        {"opPomalejši", &ParameterHandlers::opPomalejsi_Click},
        {"opPomalá", &ParameterHandlers::opPomala_Click},
    };
    for (const auto &option : options) {
        const Handler handler = option.second;
        const QString name = QString::fromUtf8(option.first);
        // A button's handler runs whenever it becomes selected, by the user or in code.
        connect(control<QRadioButton>(option.first), &QRadioButton::toggled, m_handlers,
                [this, name, handler](bool selected) {
                    ParameterHandlers *handlers = m_handlers;
                    if (selected)
                        runGuarded(this, name, [handlers, handler] { (handlers->*handler)(); });
                });
    }
    connect(control<QScrollBar>("HScroll1"), &QScrollBar::valueChanged, m_handlers, [this] {
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
    write(Field::OsKruh, numberToText(0.00005));
    control<QRadioButton>("opOhniskoVzdálené")->setChecked(true);
    write(Field::Kmitocet, numberToText(0.02));
    control<QRadioButton>("opStřední")->setChecked(true);
    write(Field::Prvni, QStringLiteral("0"));
    control<QRadioButton>("opRychlá")->setChecked(true);
    write(Field::Spomaleni, QStringLiteral("1"));
    control<QPushButton>("cmdStart")->setFocus();
}

void VeltrinWindow::tabToSelectedButtons()
{
    // Tab enters a frame at its selected button. Qt would pick the button that last had the
    // focus, at first the frame's first; from here on that is always the selected one, since
    // clicking a button or moving it with the arrow keys both focuses and selects it.
    for (QRadioButton *button : findChildren<QRadioButton *>()) {
        if (!button->isChecked())
            button->setFocusPolicy(Qt::FocusPolicy(button->focusPolicy() & ~Qt::TabFocus));
    }
}

void VeltrinWindow::showWithWholeScene()
{
    const QSize scene = m_canvas->size();
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
    if (m_running) // input is held during a run; this guards against any that slips through
        return;
    m_running = true;
    runGuarded(this, QStringLiteral("Start"), [this] {
        const InputHold hold(windowHandle());
        StartCommand::run(*m_surface);
    });
    m_running = false;
}

void VeltrinWindow::cmdKonec_Click()
{
    close();
}

void VeltrinWindow::closeEvent(QCloseEvent *event)
{
    // A run in progress stops at its next detector position; the program then ends.
    if (m_running)
        m_surface->requestStop();
    event->accept();
}

} // namespace veltrin
