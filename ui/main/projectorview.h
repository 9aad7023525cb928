// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QAction;

namespace veltrin {

class VeltrinWindow;

/// The projector view: a checkable entry of the drawing's context menu that shows the scene in
/// the style for a projector (see SceneStyle::projector), or back in the normal one. The window
/// opens in the view it was last left in.
class ProjectorView : public QObject
{
    Q_OBJECT

public:
    explicit ProjectorView(VeltrinWindow &window);

    QAction *action() const { return m_action; }

private:
    void show(bool projector);

    VeltrinWindow &m_window;
    QAction *m_action;
};

} // namespace veltrin
