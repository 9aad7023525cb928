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
    // The same lesson opened again, after its window was closed, goes on with the work in it.
    if (m_lesson && m_lesson->lesson() == lesson) {
        m_benches.open();
        m_lesson->show();
        m_lesson->raise();
        m_lesson->activateWindow();
        return;
    }
    // The work of another lesson goes with its window, once the pupil has saved or dropped it.
    if (m_lesson && !m_lesson->letGo([this, lesson] { open(lesson); }))
        return;
    m_benches.open();
    delete m_lesson;
    m_lesson = new LessonWindow(lesson, *m_benches.bench(), LessonWindow::uiLanguage(), &m_window);
    m_lesson->placeBesideBench();
    m_lesson->show();
    m_lesson->raise();
    m_lesson->activateWindow();
}

} // namespace veltrin
