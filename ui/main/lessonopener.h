// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

namespace veltrin {

class BenchOpener;
class LessonWindow;
class VeltrinWindow;
struct Lesson;

/// Opens a lesson beside the experiment bench, both the main window's: one lesson at a time, a
/// new one in place of the one before.
class LessonOpener : public QObject
{
    Q_OBJECT

public:
    LessonOpener(VeltrinWindow &window, BenchOpener &benches);

    /// The lesson's window, once a lesson has been opened.
    LessonWindow *lesson() const;

    /// Opens the bench and the lesson beside it, at its first station; the lesson open already
    /// shows again as it was left. Another lesson's unsaved work is saved or dropped first, as
    /// the pupil answers, or that lesson stays.
    void open(const Lesson &lesson);

private:
    VeltrinWindow &m_window;
    BenchOpener &m_benches;
    QPointer<LessonWindow> m_lesson;
};

} // namespace veltrin
