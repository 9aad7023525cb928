// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QScrollArea>

class QLabel;

namespace veltrin {

/// A text that changes length in a place of fixed height: wrapped to the width it is given, it
/// scrolls where it needs more lines than the place has, so that nothing around it moves.
class FixedTextArea : public QScrollArea
{
    Q_OBJECT

public:
    /// Takes `label` (wrapped, aligned at the top) into a place `lines` lines high.
    FixedTextArea(QLabel *label, int lines, QWidget *parent = nullptr);

    QLabel *label() const { return m_label; }

private:
    QLabel *m_label;
};

} // namespace veltrin
