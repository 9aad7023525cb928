// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessonopener.h"

#include "benchopener.h"
#include "benchwindow.h"
#include "lessonwindow.h"
#include "veltrinwindow.h"

namespace veltrin {

LessonOpener::LessonOpener(VeltrinWindow &window, BenchOpener &benches)
    : QObject(&window), m_window(window), m_benches(benches)
{
}

LessonWindow *LessonOpener::lesson() const
{
    return m_lesson;
}

void LessonOpener::open(const Lesson &lesson)
{
    // The work of a lesson left goes with its window; the pupil saves it before (Ctrl+S).
    delete m_lesson;
    m_benches.open();
    m_lesson = new LessonWindow(lesson, *m_benches.bench(), LessonWindow::uiLanguage(), &m_window);
    m_lesson->placeBesideBench();
    m_lesson->show();
    m_lesson->raise();
    m_lesson->activateWindow();
}

} // namespace veltrin
