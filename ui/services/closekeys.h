// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace veltrin {

/// The keys that close a window of the program other than the main one: Escape, where nothing in
/// the window takes it (an open list or menu closes first), and the desktop's Close (Ctrl+W),
/// anywhere in that window.
class CloseKeys
{
public:
    /// Gives the window both keys; they live as long as it does.
    static void install(QWidget &window);
};

} // namespace veltrin
