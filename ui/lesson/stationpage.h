// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lesson.h"
#include "lessonwork.h"

#include <QHash>
#include <QWidget>
#include <vector>

class QBoxLayout;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace veltrin {

/// One station of a lesson as the pupil works it: the driving question, the prediction to
/// commit, what to observe once it is committed, the explanation, the bench-only question, the
/// confronting question and the teacher's notes. Everything the pupil enters goes straight into
/// the station's work; a committed prediction is shown and cannot be changed.
class StationPage : public QWidget
{
    Q_OBJECT

public:
    StationPage(const LessonStation &station, LessonWork::Station &work, const QString &language,
                QWidget *parent = nullptr);

    /// The marks the pupil has made on the bench's map so far, to commit.
    void setMarks(std::vector<Vec2> marks);
    void setNotesShown(bool shown);
    /// The bench showed the answer after the prediction.
    void showObserved();
    /// Puts the keyboard focus where the pupil starts: the prediction, or once it is committed,
    /// the explanation.
    void focusFirst();
    /// The last of the page's controls that Tab reaches, for the window's own to follow.
    QWidget *lastInTabOrder() const;

    /// Commits the prediction entered; false where there is none yet, or it is committed.
    bool commit();
    /// Checks the number typed for the bench-only question, counting a try; false where it is
    /// no number.
    bool check();

protected:
    /// A click on an answer's text chooses it, as on its button.
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    /// The prediction was committed: the observation may begin.
    void committed();
    /// The pupil asks the bench to show the answer.
    void revealRequested();
    /// Something the pupil entered changed the work.
    void edited();

private:
    QGroupBox *createPrediction();
    QGroupBox *createObservation();
    QGroupBox *createExplanation();
    QGroupBox *createCheck();
    QGroupBox *createConfront();
    /// The prediction's controls locked once committed, and the observation unlocked.
    void showCommitted();
    void showCheckVerdict();
    void showConfrontFeedback();
    /// A choice's button, its text wrapped beside it, added to `layout`.
    QRadioButton *addAnswer(QBoxLayout &layout, const QString &text);
    /// A label of wrapped text the pupil may select.
    QLabel *textLabel(const QString &text, QWidget *parent);
    QString text(const LessonText &text) const { return text.in(m_language); }

    const LessonStation &m_station;
    LessonWork::Station &m_work;
    QString m_language;
    std::vector<Vec2> m_marks; ///< marks made but not yet committed

    QLabel *m_markCount = nullptr;
    QLineEdit *m_value = nullptr;
    QButtonGroup *m_choices = nullptr;
    QPushButton *m_commit = nullptr;
    QLabel *m_committedLabel = nullptr;
    QGroupBox *m_observation = nullptr;
    QLabel *m_observe = nullptr;
    QPushButton *m_reveal = nullptr;
    QPlainTextEdit *m_explanation = nullptr;
    QLineEdit *m_checkValue = nullptr;
    QPushButton *m_check = nullptr;
    QLabel *m_verdict = nullptr;
    QButtonGroup *m_confront = nullptr;
    QLabel *m_feedback = nullptr;
    QHash<QObject *, QRadioButton *> m_answerOf; ///< each answer's text, and its button
    QGroupBox *m_notes = nullptr;
};

} // namespace veltrin
