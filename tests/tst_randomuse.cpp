// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"
#include "pacedrun.h"
#include "veltrinwindow.h"
#include "windowrun.h"

#include <QGroupBox>
#include <QHash>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <map>
#include <numeric>

using namespace veltrin;

// Drives the window with random user actions and checks after each one that every run is the one
// the controls chose and that the picture the runs drew is never lost: what reaches the screen is
// the picture, and a picture made anew at a size the window had before is the one drawn then.
class TstRandomUse : public QObject
{
    Q_OBJECT

private slots:
    void randomActionsKeepTheInvariants();

private:
    QString field(const char *name) const
    {
        return m_window->findChild<QLineEdit *>(QString::fromUtf8(name))->text();
    }
    QList<QRadioButton *> buttonsOf(const char *frame) const
    {
        return m_window->findChild<QGroupBox *>(QString::fromUtf8(frame))
            ->findChildren<QRadioButton *>();
    }
    void act(int action);
    void checkRun(int position);
    void checkInvariants(const QString &step) const;
    /// What the window's last screen update put on the screen of the drawing, the controls
    /// over it left out.
    QImage onScreen() const;
    /// The picture with the places of the controls over it blanked.
    QImage withoutControls(QImage picture) const;

    QRandomGenerator m_random;
    VeltrinWindow *m_window = nullptr;
    QImage m_picture;                // what the canvas must still show
    QList<QSize> m_sizes;            // the window sizes a person switches between
    QHash<qint64, QImage> m_drawnAt; // the picture at each picture width since the last run
    std::map<int, std::chrono::nanoseconds> m_pauses; // of the runs, by the bar's position
    bool m_ranOnce = false;
};

void TstRandomUse::act(int action)
{
    QScrollBar *bar = m_window->findChild<QScrollBar *>(QStringLiteral("HScroll1"));
    switch (action) {
    case 0: { // a K or frequency button
        const auto buttons = buttonsOf(m_random.bounded(2) ? "frmOhnisko" : "frmKmitočet");
        QTest::mouseClick(buttons[m_random.bounded(int(buttons.size()))], Qt::LeftButton);
        break;
    }
    case 1: { // arrow or track clicks on the scroll bar
        static const QAbstractSlider::SliderAction steps[] = {
            QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
            QAbstractSlider::SliderPageStepAdd, QAbstractSlider::SliderPageStepSub};
        bar->triggerAction(steps[m_random.bounded(4)]);
        break;
    }
    case 2: // a drag of the thumb: the delay changes only when it is let go
        bar->setSliderDown(true);
        for (int i = 0; i < 3; ++i)
            bar->setSliderPosition(m_random.bounded(32768));
        bar->setSliderDown(false);
        break;
    case 3: // back to the fastest speed, as a teacher does before a demonstration
        bar->triggerAction(QAbstractSlider::SliderToMinimum);
        break;
    case 4:
        m_window->hide();
        m_window->show();
        break;
    case 5: { // the scene scales with the window: the runs on it are drawn afresh at the new size
        m_window->resize(m_sizes[m_random.bounded(int(m_sizes.size()))]);
        QTest::qWait(0);
        const QImage &picture = m_window->canvas()->image();
        m_picture = m_drawnAt.value(picture.width(), picture);
        m_drawnAt.insert(picture.width(), m_picture);
        break;
    }
    case 6: { // Start, answering Yes or No; slow runs are left to the pacing benchmark
        if (bar->value() > 10)
            bar->triggerAction(QAbstractSlider::SliderToMinimum);
        const bool yes = m_random.bounded(2);
        m_window->surface().setQuestion([yes](QWidget *, const QString &) { return yes; });
        QVERIFY(pressStartAndWait(*m_window));
        checkRun(bar->value());
        m_ranOnce = true;
        m_picture = m_window->canvas()->image();
        m_drawnAt = {{m_picture.width(), m_picture}};
        break;
    }
    }
}

// The run just made is the one the controls chose: its description names the frequency and the
// K the selected buttons show, and the further right the bar, the longer its pause.
void TstRandomUse::checkRun(int position)
{
    QString chosen = QStringLiteral("%1 frequency, mirror K = %2.");
    for (const char *frame : {"frmKmitočet", "frmOhnisko"}) {
        for (const QRadioButton *button : buttonsOf(frame))
            chosen = button->isChecked() ? chosen.arg(button->text()) : chosen;
    }
    QVERIFY2(m_window->canvas()->accessibleDescription().contains(chosen), qPrintable(chosen));
    const auto pause =
        PacedRun::pauseFor(m_window->history().runs().back().record.values.delayCount);
    const auto at = m_pauses.try_emplace(position, pause).first;
    QVERIFY2(at->second == pause && (at == m_pauses.begin() || std::prev(at)->second < pause) &&
                 (std::next(at) == m_pauses.end() || pause < std::next(at)->second),
             qPrintable(QStringLiteral("bar at %1").arg(position)));
}

void TstRandomUse::checkInvariants(const QString &step) const
{
    QCOMPARE(field("nPrvní"), m_ranOnce ? QStringLiteral("1") : QStringLiteral("0"));
    for (const char *frame : {"frmOhnisko", "frmKmitočet", "frmAnimace"}) {
        const auto buttons = buttonsOf(frame);
        QVERIFY2(std::count_if(buttons.begin(), buttons.end(),
                               [](QRadioButton *b) { return b->isChecked(); }) == 1,
                 qPrintable(step + QStringLiteral(" in ") + QString::fromUtf8(frame)));
    }
    QVERIFY2(m_window->canvas()->image() == m_picture, qPrintable(step));
}

QImage TstRandomUse::onScreen() const
{
    const Canvas *canvas = m_window->canvas();
    const QRect shown(canvas->mapTo(m_window, QPoint()), canvas->size());
    return withoutControls(m_window->screen()->grabWindow(m_window->winId()).toImage().copy(shown));
}

QImage TstRandomUse::withoutControls(QImage picture) const
{
    picture = picture.convertToFormat(QImage::Format_RGB32);
    picture.setDevicePixelRatio(1);
    QPainter painter(&picture);
    for (const QWidget *control : m_window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (control != m_window->canvas() && control->isVisible())
            painter.fillRect(control->geometry(), Qt::magenta);
    }
    return picture;
}

void TstRandomUse::randomActionsKeepTheInvariants()
{
    // A fixed seed, so that a failure in CI can be replayed; the variable tries others.
    const quint32 seed = qEnvironmentVariableIsSet("VELTRIN_TEST_SEED")
                             ? qEnvironmentVariableIntValue("VELTRIN_TEST_SEED")
                             : 20261209;
    qInfo("Random seed %u (replay with VELTRIN_TEST_SEED=%u)", seed, seed);
    m_random.seed(seed);

    VeltrinWindow window;
    m_window = &window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    m_picture = window.canvas()->image();
    m_sizes = {window.size(), window.size() * 3 / 4, window.size() * 5 / 4};

    // Weights: mostly choices, sometimes a run, since a run costs far more than a click.
    const int weights[] = {40, 25, 10, 5, 8, 8, 4};
    const int total = std::accumulate(std::begin(weights), std::end(weights), 0);
    constexpr int actions = 500;
    for (int i = 0; i < actions; ++i) {
        int pick = m_random.bounded(total);
        int action = 0;
        while (pick >= weights[action])
            pick -= weights[action++];
        act(action);
        const QString step =
            QStringLiteral("action %1 (kind %2), seed %3").arg(i).arg(action).arg(seed);
        checkInvariants(step);
        if (action >= 4) // what reaches the screen is the picture
            QVERIFY2(onScreen() == withoutControls(m_picture), qPrintable(step));
        if (QTest::currentTestFailed())
            return;
    }
}

QTEST_MAIN(TstRandomUse)
#include "tst_randomuse.moc"
