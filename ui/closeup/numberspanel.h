// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <vector>

class QGridLayout;
class QLabel;

namespace veltrin {

class CloseUpNumbers;

/// The figures of a close-up as labelled values, one to a row, each value in a column wide
/// enough for all it can take; the values can be selected with the mouse.
class NumbersPanel : public QWidget
{
    Q_OBJECT

public:
    explicit NumbersPanel(QWidget *parent = nullptr);

    void setNumbers(const CloseUpNumbers &numbers);

private:
    QGridLayout *m_grid;
    std::vector<QLabel *> m_labels;
    std::vector<QLabel *> m_values;
};

} // namespace veltrin
