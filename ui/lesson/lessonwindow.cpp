// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessonwindow.h"

#include "benchwindow.h"
#include "closekeys.h"
#include "lessonreport.h"
#include "photonoverlay.h"
#include "photonpanel.h"
#include "stationpage.h"
#include "wholefile.h"

#include <QAction>
#include <QDir>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>

namespace veltrin {

namespace {

/// The lesson window's width beside the bench, pixels: room for a question's lines and the
/// buttons, the rest of the screen left to the bench.
constexpr int narrowest = 360;
constexpr int widest = 420;

QString askPupilByDialog(QWidget *parent)
{
    return QInputDialog::getText(parent, LessonWindow::tr("Your name"),
                                 LessonWindow::tr("Your &name, for the teacher:"))
        .trimmed();
}

} // namespace

LessonWindow::LessonWindow(Lesson lesson, BenchWindow &bench, const QString &language,
                           QWidget *parent)
    : QWidget(parent, Qt::Window), m_lesson(std::move(lesson)), m_bench(&bench),
      m_askPupil(askPupilByDialog), m_count(new QLabel(this)), m_scroll(new QScrollArea(this)),
      m_previous(new QPushButton(tr("&Previous"), this)),
      m_next(new QPushButton(tr("&Next"), this)),
      m_notes(new QPushButton(tr("&Teacher notes"), this)),
      m_save(new QPushButton(tr("&Save work"), this)),
      m_print(new QPushButton(tr("Pr&int report…"), this)),
      m_pdf(new QPushButton(tr("Report as P&DF…"), this))
{
    setObjectName(QStringLiteral("lessonWindow"));
    m_work.lesson = m_lesson.name;
    m_work.title = m_lesson.title.in(language);
    m_work.language = language;
    m_work.started = QDateTime::currentDateTimeUtc();
    m_work.stations.resize(m_lesson.stations.size());
    // A title's own "[*]" is shown as it is, not taken for the mark of unsaved work.
    setWindowTitle(
        tr("Lesson: %1")
            .arg(QString(m_work.title).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"))) +
        QStringLiteral("[*]"));
    CloseKeys::install(*this);

    m_count->setObjectName(QStringLiteral("stationCount"));
    m_scroll->setObjectName(QStringLiteral("stationScroll"));
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_previous->setObjectName(QStringLiteral("previousStation"));
    m_next->setObjectName(QStringLiteral("nextStation"));
    m_notes->setObjectName(QStringLiteral("teacherNotesShown"));
    m_notes->setCheckable(true);
    m_notes->setToolTip(tr("Shows the notes for the teacher under each station."));
    m_save->setObjectName(QStringLiteral("saveWork"));
    m_save->setToolTip(tr("Saves what you entered, to hand in (Ctrl+S)."));
    m_print->setObjectName(QStringLiteral("printReport"));
    m_pdf->setObjectName(QStringLiteral("saveReportAsPdf"));
    m_pdf->setToolTip(tr("Saves the report for the teacher as a PDF file."));

    auto *layout = new QVBoxLayout(this);
    auto *navigation = new QHBoxLayout;
    navigation->addWidget(m_previous);
    navigation->addWidget(m_count, 1, Qt::AlignCenter);
    navigation->addWidget(m_next);
    layout->addLayout(navigation);
    layout->addWidget(m_scroll, 1);
    auto *keeping = new QGridLayout;
    keeping->addWidget(m_save, 0, 0);
    keeping->addWidget(m_notes, 0, 1);
    keeping->addWidget(m_print, 1, 0);
    keeping->addWidget(m_pdf, 1, 1);
    layout->addLayout(keeping);

    connect(m_previous, &QPushButton::clicked, this, &LessonWindow::previous);
    connect(m_next, &QPushButton::clicked, this, &LessonWindow::next);
    connect(m_notes, &QPushButton::toggled, this, &LessonWindow::setNotesShown);
    connect(m_save, &QPushButton::clicked, this, &LessonWindow::saveWork);
    connect(m_print, &QPushButton::clicked, this, &LessonWindow::printReport);
    connect(m_pdf, &QPushButton::clicked, this, &LessonWindow::saveReportAsPdf);
    createActions();

    PhotonPanel *photons = bench.photons();
    connect(&photons->overlay(), &PhotonOverlay::marked, this, &LessonWindow::benchMarked);
    connect(photons, &PhotonPanel::predictingChanged, this, &LessonWindow::benchPredictingChanged);
    // Another experiment, or Predict first again, clears the marks.
    connect(&bench, &BenchWindow::experimentChanged, this, &LessonWindow::benchMarked);
    if (!m_lesson.stations.empty())
        showStation(0);
}

LessonWindow::~LessonWindow()
{
    if (m_bench)
        m_bench->photons()->setRevealLocked(false);
}

QString LessonWindow::uiLanguage()
{
    return QLocale::languageToCode(QLocale().language(), QLocale::ISO639Part1);
}

void LessonWindow::createActions()
{
    const auto add = [this](const QList<QKeySequence> &keys, auto slot) {
        auto *action = new QAction(this);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
    };
    add({QKeySequence(Qt::ALT | Qt::Key_Right), QKeySequence(Qt::CTRL | Qt::Key_PageDown)},
        &LessonWindow::next);
    add({QKeySequence(Qt::ALT | Qt::Key_Left), QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
        &LessonWindow::previous);
    add({QKeySequence::Save}, &LessonWindow::saveWork);
}

void LessonWindow::showStation(int index)
{
    if (index < 0 || index >= int(m_lesson.stations.size()))
        return;
    readClock();
    m_station = index;
    const LessonStation &station = m_lesson.stations[std::size_t(index)];
    LessonWork::Station &work = m_work.stations[std::size_t(index)];
    m_page = new StationPage(station, work, m_work.language);
    m_page->setNotesShown(m_notesShown);
    m_scroll->setWidget(m_page); // deletes the page shown before
    // The station first, as the pupil works it; then the way on, then keeping the work.
    QWidget *before = m_page->lastInTabOrder();
    for (QWidget *after :
         std::initializer_list<QWidget *>{m_previous, m_next, m_save, m_print, m_pdf, m_notes}) {
        setTabOrder(before, after);
        before = after;
    }
    connect(m_page, &StationPage::committed, this, &LessonWindow::lockBench);
    connect(m_page, &StationPage::edited, this, &LessonWindow::edited);
    connect(m_page, &StationPage::revealRequested, this, [this] {
        if (m_bench)
            m_bench->photons()->reveal();
    });
    m_count->setText(
        tr("Station %1 of %2")
            .arg(QLocale().toString(index + 1), QLocale().toString(int(m_lesson.stations.size()))));
    m_previous->setEnabled(index > 0);
    m_next->setEnabled(index + 1 < int(m_lesson.stations.size()));

    // The bench shows the station's set-up with the map hidden until the prediction is
    // committed and revealed; a station come back to shows the marks committed.
    if (m_bench) {
        Setup setup = station.setup;
        setup.predictions = work.marks;
        setup.predictFirst = !work.observed;
        setup.mapShown = true;
        m_bench->photons()->setRevealLocked(false);
        m_bench->applySetup(setup);
        lockBench();
    }
    m_page->focusFirst();
}

void LessonWindow::next()
{
    showStation(m_station + 1);
}

void LessonWindow::previous()
{
    showStation(m_station - 1);
}

void LessonWindow::lockBench()
{
    if (m_bench && m_station >= 0)
        m_bench->photons()->setRevealLocked(isVisible() &&
                                            !m_work.stations[std::size_t(m_station)].isCommitted());
}

void LessonWindow::benchMarked()
{
    if (m_page && m_bench) {
        const auto marks = m_bench->photons()->prediction().marks();
        m_page->setMarks({marks.begin(), marks.end()});
    }
}

void LessonWindow::benchPredictingChanged(bool predicting)
{
    benchMarked();
    if (predicting || m_station < 0)
        return;
    LessonWork::Station &work = m_work.stations[std::size_t(m_station)];
    if (work.isCommitted() && !work.observed) {
        work.observed = true;
        m_page->showObserved();
        edited();
    }
}

void LessonWindow::setNotesShown(bool shown)
{
    m_notesShown = shown;
    m_notes->setChecked(shown);
    if (m_page)
        m_page->setNotesShown(shown);
}

void LessonWindow::readClock()
{
    if (!m_clock.isValid() || m_station < 0)
        return;
    // The part of a second left over is counted at the next reading, whoever's it is then.
    const qint64 milliseconds = m_clock.restart() + m_leftOver;
    m_work.stations[std::size_t(m_station)].seconds += milliseconds / 1000;
    m_leftOver = milliseconds % 1000;
}

void LessonWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_clock.start();
    // While the lesson was closed the bench was the pupil's own: a prediction not committed
    // starts again with the map hidden.
    if (m_bench && m_station >= 0 && !m_work.stations[std::size_t(m_station)].isCommitted() &&
        !m_bench->hidesAnswer())
        showStation(m_station);
    lockBench();
}

void LessonWindow::hideEvent(QHideEvent *event)
{
    // The lesson ends with its window: the clock stops, and the bench is the pupil's own again.
    readClock();
    m_clock.invalidate();
    if (m_bench)
        m_bench->photons()->setRevealLocked(false);
    QWidget::hideEvent(event);
}

void LessonWindow::askPupilOnce()
{
    if (m_pupilAsked)
        return;
    m_pupilAsked = true;
    m_work.pupil = m_askPupil(this);
}

QString LessonWindow::proposedName(const QString &suffix) const
{
    QString name = m_lesson.name.isEmpty() ? QStringLiteral("lesson") : m_lesson.name;
    if (!m_work.pupil.isEmpty())
        name += u'-' + m_work.pupil;
    name.replace(QRegularExpression(QStringLiteral(R"([\\/:*?"<>|\s]+)")), QStringLiteral("-"));
    return name + u'.' + suffix;
}

void LessonWindow::edited()
{
    ++m_edits;
    setWindowModified(true);
}

void LessonWindow::saveWork()
{
    startSave();
}

bool LessonWindow::startSave(std::function<void()> after)
{
    askPupilOnce();
    if (m_workPath.isEmpty()) {
        m_workPath = m_sharing.ask(tr("Save your work"), proposedName(LessonWork::suffix),
                                   tr("Pupil's work (*.%1)").arg(LessonWork::suffix));
        if (m_workPath.isEmpty())
            return false;
    }
    readClock();
    const QByteArray bytes = LessonWork::toJson(m_work);
    m_sharing.write(
        m_workPath, tr("Your work could not be saved to %1: %2"),
        [bytes](const QString &path, std::stop_token stop) {
            return WholeFile::write(path, bytes, WholeFile::Wait::Briefly, std::move(stop));
        },
        [this, edits = m_edits, after = std::move(after)](const QString &path,
                                                          const QString &reason) {
            // What was entered while the file was written is still to be saved.
            const bool saved = reason.isEmpty() && edits == m_edits;
            if (saved)
                setWindowModified(false);
            emit workSaved(path, reason);
            if (saved && after)
                after();
        });
    return true;
}

bool LessonWindow::letGo(std::function<void()> afterSave)
{
    if (!isWindowModified())
        return true;
    QMessageBox box(QMessageBox::Warning, windowTitle(),
                    tr("Your work in this lesson has changed since it was last saved."),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                    isVisible() ? this : parentWidget());
    box.setInformativeText(tr("Do you want to save it before it is lost?"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Discard:
        setWindowModified(false);
        return true;
    case QMessageBox::Save:
        startSave(std::move(afterSave));
        return false;
    default:
        return false;
    }
}

void LessonWindow::printReport()
{
    askPupilOnce();
    readClock();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(proposedName(QStringLiteral("report")));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print the report"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    QTextDocument document;
    document.setHtml(LessonReport(m_lesson, m_work, m_work.language).html());
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error)
        m_sharing.reportFailure(tr("The report could not be printed."));
}

void LessonWindow::saveReportAsPdf()
{
    askPupilOnce();
    const QString path = m_sharing.ask(tr("Save the report as PDF"),
                                       proposedName(QStringLiteral("pdf")), tr("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    readClock();
    // A page or two: made here in a moment, written off the window's thread.
    const QByteArray bytes = LessonReport(m_lesson, m_work, m_work.language).pdf();
    m_sharing.write(path, tr("The report could not be saved to %1: %2"),
                    [bytes](const QString &to, std::stop_token stop) {
                        return WholeFile::write(to, bytes, WholeFile::Wait::Briefly,
                                                std::move(stop));
                    });
}

void LessonWindow::placeBesideBench()
{
    const QScreen *screen = m_bench ? m_bench->screen() : this->screen();
    const QRect room = screen->availableGeometry();
    // Room for the window frames between and around the two.
    constexpr int frame = 12;
    const int width = std::clamp(room.width() / 4, narrowest, widest);
    setGeometry(room.left() + frame / 2, room.top() + frame * 2, width, room.height() - frame * 3);
    if (m_bench) {
        const int left = room.left() + width + frame * 2;
        m_bench->setGeometry(left, room.top() + frame * 2, room.right() - left - frame / 2,
                             room.height() - frame * 3);
    }
}

} // namespace veltrin
