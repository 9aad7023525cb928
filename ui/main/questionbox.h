// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace veltrin {

/// The window's "Delete probability" question: a box with Yes and No, Yes the default, no icon,
/// the program's name as its caption.
class QuestionBox
{
public:
    /// Asks over the window and waits for the answer, the event loop going on; true for Yes.
    static bool ask(QWidget *window, const QString &prompt);
};

} // namespace veltrin
