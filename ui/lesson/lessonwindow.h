// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lesson.h"
#include "lessonwork.h"
#include "sharing.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;
class QScrollArea;

namespace veltrin {

class BenchWindow;
class StationPage;

/// A guided lesson beside the experiment bench: station after station, it sets the bench up,
/// asks the driving question, has the pupil commit a prediction before the bench shows the
/// answer, and keeps what the pupil enters as work to save and to report to the teacher. The
/// pupil goes back and forth freely; nothing waits for a right answer.
class LessonWindow : public QWidget
{
    Q_OBJECT

public:
    /// Asks the pupil's name; empty where the pupil gives none.
    using AskPupil = std::function<QString(QWidget *parent)>;

    /// The lesson on `bench`, in `language` (a code such as "de"), at its first station.
    LessonWindow(Lesson lesson, BenchWindow &bench, const QString &language,
                 QWidget *parent = nullptr);
    ~LessonWindow() override;

    /// The language the program's own texts are shown in, for the lesson's.
    static QString uiLanguage();

    const Lesson &lesson() const { return m_lesson; }
    const LessonWork &work() const { return m_work; }
    int station() const { return m_station; }
    StationPage *page() const { return m_page; }
    /// The file the work is saved to, once the pupil has chosen it.
    const QString &workPath() const { return m_workPath; }

    /// Shows the station and sets the bench up for it.
    void showStation(int index);
    /// Sizes and places this window and the bench side by side on the bench's screen.
    void placeBesideBench();

    /// Asks, where the work has changed since it was last saved, whether to save it before it
    /// is lost. True where it may go at once: nothing is unsaved, or the pupil discards it.
    /// Otherwise false, and `afterSave` runs once the save the pupil chose has succeeded.
    bool letGo(std::function<void()> afterSave);

    /// Replace the desktop's dialogs, for tests.
    void setAskFileName(SaveLocation::Ask ask) { m_sharing.setAsk(std::move(ask)); }
    void setAskPupil(AskPupil ask) { m_askPupil = std::move(ask); }

public slots:
    void next();
    void previous();
    /// Saves the work where it was saved last, asking where the first time.
    void saveWork();
    void printReport();
    void saveReportAsPdf();
    void setNotesShown(bool shown);

signals:
    /// A save of the work has ended: the reason it failed, or an empty string.
    void workSaved(const QString &path, const QString &reason);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void createActions();
    /// The bench's Reveal locked until the station's prediction is committed.
    void lockBench();
    void benchMarked();
    void benchPredictingChanged(bool predicting);
    /// Adds the time spent at the station since the clock was last read.
    void readClock();
    /// The work changed: it is to be saved again.
    void edited();
    /// Starts saving the work, `after` to run once it has succeeded; false where the pupil
    /// chose no file.
    bool startSave(std::function<void()> after = {});
    /// Asks the pupil's name the first time it is needed.
    void askPupilOnce();
    QString proposedName(const QString &suffix) const;

    Lesson m_lesson;
    LessonWork m_work;
    QPointer<BenchWindow> m_bench;
    int m_station = -1;
    QElapsedTimer m_clock;
    qint64 m_leftOver = 0; ///< milliseconds read but not yet counted as a whole second
    QString m_workPath;
    bool m_pupilAsked = false;
    bool m_notesShown = false;
    quint64 m_edits = 0; ///< changes to the work so far
    Sharing m_sharing{*this};
    AskPupil m_askPupil;

    QLabel *m_count;
    QScrollArea *m_scroll;
    StationPage *m_page = nullptr;
    QPushButton *m_previous;
    QPushButton *m_next;
    QPushButton *m_notes;
    QPushButton *m_save;
    QPushButton *m_print;
    QPushButton *m_pdf;
};

} // namespace veltrin
