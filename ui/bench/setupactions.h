// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QAction;
class QMenu;
class QWidget;

namespace veltrin {

class BenchWindow;
class Sharing;
struct Lesson;

/// The bench's setups: open one from a file (Ctrl+O) or from the recent ones, save the bench's
/// (Ctrl+Alt+S), copy it as a share code and open one pasted; and a lesson to take beside the
/// bench, a shipped one or one from a file. A setup or lesson that cannot be read is told in a
/// message and changes nothing.
class SetupActions : public QObject
{
    Q_OBJECT

public:
    static constexpr int recentCount = 5;

    SetupActions(BenchWindow &bench, Sharing &sharing);

    /// The menu with every action and the recent setups.
    QMenu *menu() const { return m_menu; }

    /// Opens the setup in the file; false, told in a message, where it cannot be read.
    bool open(const QString &path);
    /// Opens the setup a share code holds; false, told in a message, where it holds none.
    bool openCode(const QString &code);
    /// The setups opened or saved lately, the latest first.
    static QStringList recent();

signals:
    /// The pupil chose a lesson to work beside the bench.
    void lessonRequested(const Lesson &lesson);

private:
    void askToOpen();
    void save();
    void copyCode();
    void askForCode();
    void remember(const QString &path);
    void showRecent();
    /// The shipped lessons by their titles, and a lesson from a file.
    void showLessons();
    void askForLesson();

    BenchWindow &m_bench;
    Sharing &m_sharing;
    QMenu *m_menu;
    QMenu *m_recentMenu;
    QMenu *m_lessonMenu;
};

} // namespace veltrin
