// SPDX-License-Identifier: GPL-3.0-or-later
#include "projectorview.h"

#include "canvas.h"
#include "scenestyle.h"
#include "settingsstore.h"
#include "veltrinwindow.h"

#include <QAction>

namespace veltrin {

namespace {

const QString settingKey = QStringLiteral("view/projector");

} // namespace

ProjectorView::ProjectorView(VeltrinWindow &window)
    : QObject(&window), m_window(window), m_action(new QAction(tr("Projector view"), this))
{
    m_action->setCheckable(true);
    m_action->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    m_action->setShortcutContext(Qt::WindowShortcut);
    m_action->setShortcutVisibleInContextMenu(true);
    m_action->setChecked(SettingsStore().flag(settingKey, false));
    window.canvas()->addAction(m_action);
    if (m_action->isChecked())
        show(true);
    connect(m_action, &QAction::toggled, this, [this](bool projector) {
        show(projector);
        SettingsStore().setFlag(settingKey, projector);
    });
}

void ProjectorView::show(bool projector)
{
    m_window.setSceneStyle(projector ? SceneStyle::projector() : SceneStyle());
}

} // namespace veltrin
