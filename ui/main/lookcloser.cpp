// SPDX-License-Identifier: GPL-3.0-or-later
#include "lookcloser.h"

#include "canvas.h"
#include "closeupwindow.h"
#include "detectorpositions.h"
#include "scene.h"
#include "veltrinwindow.h"

#include <QAction>
#include <QColor>
#include <algorithm>

namespace veltrin {

LookCloser::LookCloser(VeltrinWindow &window)
    : QObject(&window), m_window(window), m_action(new QAction(tr("Look closer…"), this))
{
    m_action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    m_action->setShortcutContext(Qt::WindowShortcut);
    m_action->setShortcutVisibleInContextMenu(true);
    window.canvas()->addAction(m_action);
    connect(m_action, &QAction::triggered, this, &LookCloser::open);
    connect(window.canvas(), &Canvas::pressedAt, this, &LookCloser::openAt);
    connect(&window, &VeltrinWindow::runStarted, this, &LookCloser::updateAction);
    connect(&window, &VeltrinWindow::runStarted, this, &LookCloser::updateMark);
    connect(&window, &VeltrinWindow::runEnded, this, &LookCloser::runEnded);
    updateAction();
}

CloseUpWindow *LookCloser::closeUp() const
{
    return m_closeUp;
}

void LookCloser::updateAction()
{
    m_action->setEnabled(!m_window.isRunning() && !m_window.history().isEmpty());
}

void LookCloser::openAt(PointF twips)
{
    if (m_window.isRunning() || m_window.history().isEmpty())
        return;
    const RunRecord &last = m_window.history().runs().back().record;
    if (const std::optional<int> position =
            DetectorPositions::at({twips.x, twips.y}, last.values.bars.offset))
        show(*position);
}

void LookCloser::open()
{
    if (!m_action->isEnabled())
        return;
    if (m_closeUp && m_closeUp->isVisible()) {
        show(m_closeUp->position());
        return;
    }
    const std::vector<double> &bars = m_window.history().runs().back().record.probabilities;
    show(int(std::max_element(bars.begin(), bars.end()) - bars.begin()));
}

void LookCloser::show(int position)
{
    if (!m_closeUp) { // a window of its own, which goes with the main window
        m_closeUp = new CloseUpWindow(&m_window);
        connect(m_closeUp, &CloseUpWindow::positionChanged, this, &LookCloser::updateMark);
        connect(m_closeUp, &CloseUpWindow::shownChanged, this, &LookCloser::updateMark);
        connect(m_closeUp, &CloseUpWindow::benchRequested, this, &LookCloser::benchRequested);
    }
    const RunValues &values = m_window.history().runs().back().record.values;
    m_closeUp->showRun(values.k, values.frequency, barColour(values));
    m_closeUp->setPosition(position);
}

QColor LookCloser::barColour(const RunValues &values) const
{
    // As the drawing shows the run's bars, in the projector view too.
    return QColor::fromRgb(m_window.canvas()->sceneStyle().shown(values.bars.colour));
}

void LookCloser::updateMark()
{
    if (!m_closeUp || !m_closeUp->isVisible() || m_window.isRunning() ||
        m_window.history().isEmpty()) {
        m_window.canvas()->setMark(std::nullopt);
        return;
    }
    // Above the bar of the position, where the last run drew it.
    const RunValues &values = m_window.history().runs().back().record.values;
    const double x = scene::detectorX(m_closeUp->position()) + values.bars.offset;
    m_window.canvas()->setMark(PointF{float(x), float(scene::Y0)});
}

void LookCloser::runEnded()
{
    updateAction();
    if (m_closeUp && m_closeUp->isVisible() && !m_window.history().isEmpty()) {
        const RunValues &values = m_window.history().runs().back().record.values;
        m_closeUp->setRun(values.k, values.frequency, barColour(values));
    }
    updateMark();
}

} // namespace veltrin
