// SPDX-License-Identifier: GPL-3.0-or-later
#include "stationpage.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

namespace veltrin {

namespace {

/// A lesson's text on a button, its ampersands shown rather than taken as mnemonics.
QString number(double value)
{
    return QLocale().toString(value, 'g', QLocale::FloatingPointShortest);
}

/// The number typed, in the desktop's number format; none where it is no number.
std::optional<double> typedNumber(const QLineEdit &field)
{
    bool ok = false;
    const double value = QLocale().toDouble(field.text().trimmed(), &ok);
    return ok && std::isfinite(value) ? std::optional(value) : std::nullopt;
}

} // namespace

StationPage::StationPage(const LessonStation &station, LessonWork::Station &work,
                         const QString &language, QWidget *parent)
    : QWidget(parent), m_station(station), m_work(work), m_language(language)
{
    setObjectName(QStringLiteral("stationPage"));
    auto *layout = new QVBoxLayout(this);
    auto *title = textLabel(text(station.title), this);
    title->setObjectName(QStringLiteral("stationTitle"));
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    title->setFont(bold);
    layout->addWidget(title);
    auto *question = textLabel(text(station.question), this);
    question->setObjectName(QStringLiteral("question"));
    layout->addWidget(question);
    layout->addWidget(createPrediction());
    layout->addWidget(createObservation());
    layout->addWidget(createExplanation());
    layout->addWidget(createCheck());
    if (station.confront)
        layout->addWidget(createConfront());

    m_notes = new QGroupBox(tr("For the teacher"), this);
    m_notes->setObjectName(QStringLiteral("teacherNotes"));
    auto *notesLayout = new QVBoxLayout(m_notes);
    notesLayout->addWidget(textLabel(station.notes.isEmpty()
                                         ? tr("This station has no notes for the teacher.")
                                         : text(station.notes),
                                     m_notes));
    m_notes->hide();
    layout->addWidget(m_notes);
    layout->addStretch(1);

    if (m_work.isCommitted())
        showCommitted();
    if (m_work.observed)
        showObserved();
    showCheckVerdict();
    showConfrontFeedback();
}

QLabel *StationPage::textLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QRadioButton *StationPage::addAnswer(QBoxLayout &layout, const QString &text)
{
    // A radio button's own text never wraps, and an answer a sentence long would widen the
    // whole station past the narrow window: the button's text stands in a label beside it.
    auto *row = new QHBoxLayout;
    auto *button = new QRadioButton(layout.parentWidget());
    button->setAccessibleName(text);
    QLabel *label = textLabel(text, layout.parentWidget());
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    label->installEventFilter(this);
    m_answerOf.insert(label, button);
    row->addWidget(button, 0, Qt::AlignTop);
    row->addWidget(label, 1);
    layout.addLayout(row);
    return button;
}

bool StationPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        if (QRadioButton *button = m_answerOf.value(watched); button && button->isEnabled()) {
            button->click();
            button->setFocus(Qt::MouseFocusReason);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QGroupBox *StationPage::createPrediction()
{
    auto *box = new QGroupBox(tr("Your prediction"), this);
    box->setObjectName(QStringLiteral("prediction"));
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(textLabel(text(m_station.prediction.prompt), box));
    switch (m_station.prediction.kind) {
    case LessonPrediction::Kind::Mark:
        m_markCount = textLabel({}, box);
        m_markCount->setObjectName(QStringLiteral("markCount"));
        layout->addWidget(m_markCount);
        setMarks({});
        break;
    case LessonPrediction::Kind::Value: {
        auto *row = new QHBoxLayout;
        m_value = new QLineEdit(box);
        m_value->setObjectName(QStringLiteral("predictedValue"));
        auto *label = new QLabel(tr("Your &value:"), box);
        label->setBuddy(m_value);
        m_value->setAccessibleName(tr("Your predicted value"));
        if (m_work.value)
            m_value->setText(number(*m_work.value));
        row->addWidget(label);
        row->addWidget(m_value, 1);
        if (!m_station.prediction.unit.isEmpty())
            row->addWidget(new QLabel(text(m_station.prediction.unit), box));
        layout->addLayout(row);
        connect(m_value, &QLineEdit::returnPressed, this, &StationPage::commit);
        break;
    }
    case LessonPrediction::Kind::Choice:
        m_choices = new QButtonGroup(box);
        for (std::size_t i = 0; i < m_station.prediction.choices.size(); ++i) {
            QRadioButton *choice = addAnswer(*layout, text(m_station.prediction.choices[i]));
            choice->setObjectName(QStringLiteral("choice%1").arg(i));
            m_choices->addButton(choice, int(i));
            if (m_work.choice == int(i))
                choice->setChecked(true);
        }
        break;
    }
    m_commit = new QPushButton(tr("&Commit"), box);
    m_commit->setObjectName(QStringLiteral("commit"));
    m_commit->setToolTip(tr("Keeps your prediction for good; then the bench shows the answer."));
    m_committedLabel = textLabel({}, box);
    m_committedLabel->setObjectName(QStringLiteral("committedPrediction"));
    m_committedLabel->hide();
    layout->addWidget(m_commit, 0, Qt::AlignLeft);
    layout->addWidget(m_committedLabel);
    connect(m_commit, &QPushButton::clicked, this, &StationPage::commit);
    return box;
}

QGroupBox *StationPage::createObservation()
{
    m_observation = new QGroupBox(tr("Observe"), this);
    m_observation->setObjectName(QStringLiteral("observation"));
    auto *layout = new QVBoxLayout(m_observation);
    m_observe = textLabel(tr("Commit your prediction first."), m_observation);
    m_observe->setObjectName(QStringLiteral("observe"));
    m_reveal = new QPushButton(tr("&Reveal on the bench"), m_observation);
    m_reveal->setObjectName(QStringLiteral("revealOnBench"));
    m_reveal->setToolTip(tr("Shows the bench's map, to compare it with your prediction."));
    layout->addWidget(m_observe);
    layout->addWidget(m_reveal, 0, Qt::AlignLeft);
    m_observation->setEnabled(false);
    connect(m_reveal, &QPushButton::clicked, this, &StationPage::revealRequested);
    return m_observation;
}

QGroupBox *StationPage::createExplanation()
{
    auto *box = new QGroupBox(tr("Explain"), this);
    auto *layout = new QVBoxLayout(box);
    auto *label = new QLabel(text(m_station.explain), box);
    label->setWordWrap(true);
    layout->addWidget(label);
    auto *prompt = new QLabel(tr("&Your explanation:"), box);
    m_explanation = new QPlainTextEdit(m_work.explanation, box);
    m_explanation->setObjectName(QStringLiteral("explanation"));
    m_explanation->setAccessibleName(tr("Your explanation"));
    m_explanation->setTabChangesFocus(true);
    m_explanation->setFixedHeight(m_explanation->fontMetrics().lineSpacing() * 5);
    prompt->setBuddy(m_explanation);
    layout->addWidget(prompt);
    layout->addWidget(m_explanation);
    connect(m_explanation, &QPlainTextEdit::textChanged, this, [this] {
        m_work.explanation = m_explanation->toPlainText();
        emit edited();
    });
    return box;
}

QGroupBox *StationPage::createCheck()
{
    auto *box = new QGroupBox(tr("Find out on the bench"), this);
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(textLabel(text(m_station.check.prompt), box));
    auto *row = new QHBoxLayout;
    m_checkValue = new QLineEdit(box);
    m_checkValue->setObjectName(QStringLiteral("checkValue"));
    m_checkValue->setAccessibleName(tr("Your answer"));
    if (m_work.checkAnswer)
        m_checkValue->setText(number(*m_work.checkAnswer));
    auto *label = new QLabel(tr("&Answer:"), box);
    label->setBuddy(m_checkValue);
    m_check = new QPushButton(tr("C&heck"), box);
    m_check->setObjectName(QStringLiteral("check"));
    row->addWidget(label);
    row->addWidget(m_checkValue, 1);
    if (!m_station.check.unit.isEmpty())
        row->addWidget(new QLabel(text(m_station.check.unit), box));
    row->addWidget(m_check);
    layout->addLayout(row);
    m_verdict = textLabel({}, box);
    m_verdict->setObjectName(QStringLiteral("verdict"));
    layout->addWidget(m_verdict);
    connect(m_check, &QPushButton::clicked, this, &StationPage::check);
    connect(m_checkValue, &QLineEdit::returnPressed, this, &StationPage::check);
    return box;
}

QGroupBox *StationPage::createConfront()
{
    const LessonConfront &confront = *m_station.confront;
    auto *box = new QGroupBox(tr("Think again"), this);
    box->setObjectName(QStringLiteral("confront"));
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(textLabel(text(confront.prompt), box));
    auto *choose = new QLabel(tr("Your ch&oice:"), box);
    layout->addWidget(choose);
    m_confront = new QButtonGroup(box);
    for (std::size_t i = 0; i < confront.answers.size(); ++i) {
        QRadioButton *answer = addAnswer(*layout, text(confront.answers[i].text));
        answer->setObjectName(QStringLiteral("answer%1").arg(i));
        m_confront->addButton(answer, int(i));
        if (m_work.confrontAnswer == int(i))
            answer->setChecked(true);
        if (i == 0)
            choose->setBuddy(answer);
    }
    m_feedback = textLabel({}, box);
    m_feedback->setObjectName(QStringLiteral("feedback"));
    layout->addWidget(m_feedback);
    connect(m_confront, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (!checked)
            return;
        m_work.confrontAnswer = id;
        showConfrontFeedback();
        emit edited();
    });
    return box;
}

void StationPage::setMarks(std::vector<Vec2> marks)
{
    if (!m_markCount || m_work.isCommitted())
        return;
    m_marks = std::move(marks);
    m_markCount->setText(
        m_marks.empty()
            ? tr("Mark on the bench's map where you expect the light: click, or move the "
                 "detector with the arrow keys and press Enter.")
            : tr("Marks on the map: %1.").arg(QLocale().toString(int(m_marks.size()))));
}

void StationPage::setNotesShown(bool shown)
{
    m_notes->setVisible(shown);
}

bool StationPage::commit()
{
    if (m_work.isCommitted())
        return false;
    switch (m_station.prediction.kind) {
    case LessonPrediction::Kind::Mark:
        if (m_marks.empty())
            return false;
        m_work.marks = m_marks;
        break;
    case LessonPrediction::Kind::Value: {
        const auto value = typedNumber(*m_value);
        if (!value) {
            m_committedLabel->setText(tr("Type a number, such as %1.").arg(number(2500.5)));
            m_committedLabel->show();
            return false;
        }
        m_work.value = value;
        break;
    }
    case LessonPrediction::Kind::Choice:
        if (m_choices->checkedId() < 0)
            return false;
        m_work.choice = m_choices->checkedId();
        break;
    }
    m_work.committed = QDateTime::currentDateTimeUtc();
    showCommitted();
    emit committed();
    emit edited();
    return true;
}

void StationPage::showCommitted()
{
    QString kept;
    switch (m_station.prediction.kind) {
    case LessonPrediction::Kind::Mark:
        kept = tr("Marks on the map: %1.").arg(QLocale().toString(int(m_work.marks.size())));
        m_markCount->hide();
        break;
    case LessonPrediction::Kind::Value:
        m_value->setReadOnly(true);
        kept = number(m_work.value.value_or(0));
        break;
    case LessonPrediction::Kind::Choice:
        for (QAbstractButton *choice : m_choices->buttons())
            choice->setEnabled(false);
        kept = text(m_station.prediction.choices.at(std::size_t(m_work.choice.value_or(0))));
        break;
    }
    m_committedLabel->setText(tr("Committed: %1").arg(kept));
    m_committedLabel->show();
    m_commit->setEnabled(false);
    m_observation->setEnabled(true);
    m_observe->setText(text(m_station.observe));
}

void StationPage::showObserved()
{
    m_reveal->setEnabled(false);
}

void StationPage::focusFirst()
{
    if (m_work.isCommitted())
        m_explanation->setFocus();
    else if (m_value)
        m_value->setFocus();
    else if (m_choices)
        m_choices->buttons().constFirst()->setFocus();
    else
        m_commit->setFocus();
}

QWidget *StationPage::lastInTabOrder() const
{
    // Tab leaves the confronting question's answers, one group, from any of them.
    return m_confront ? m_confront->buttons().constLast() : m_check;
}

bool StationPage::check()
{
    const auto value = typedNumber(*m_checkValue);
    if (!value) {
        m_verdict->setText(tr("Type a number, such as %1.").arg(number(2500.5)));
        return false;
    }
    m_work.checkAnswer = value;
    m_work.checkRight = m_station.check.accepts(*value);
    ++m_work.tries;
    showCheckVerdict();
    emit edited();
    return true;
}

void StationPage::showCheckVerdict()
{
    if (m_work.tries == 0)
        return;
    const QString within =
        number(m_station.check.tolerance) +
        (m_station.check.unit.isEmpty() ? QString() : u' ' + text(m_station.check.unit));
    const QString verdict =
        m_work.checkRight
            ? tr("Right: within %1 of the answer.").arg(within)
            : tr("Not right yet: more than %1 from the answer. Look again on the bench.")
                  .arg(within);
    m_verdict->setText(verdict + u' ' + tr("Tries: %1.").arg(QLocale().toString(m_work.tries)));
}

void StationPage::showConfrontFeedback()
{
    if (!m_feedback || !m_work.confrontAnswer)
        return;
    const auto &answers = m_station.confront->answers;
    const std::size_t chosen = std::size_t(*m_work.confrontAnswer);
    if (chosen < answers.size())
        m_feedback->setText(text(answers[chosen].feedback));
}

} // namespace veltrin
