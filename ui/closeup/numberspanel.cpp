// SPDX-License-Identifier: GPL-3.0-or-later
#include "numberspanel.h"

#include "closeupnumbers.h"

#include <QGridLayout>
#include <QLabel>

namespace veltrin {

NumbersPanel::NumbersPanel(QWidget *parent) : QWidget(parent), m_grid(new QGridLayout(this))
{
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->setHorizontalSpacing(10);
    m_grid->setVerticalSpacing(3);
    m_grid->setColumnMinimumWidth(2, 16);
    m_grid->setColumnStretch(5, 1);
}

void NumbersPanel::setNumbers(const CloseUpNumbers &numbers)
{
    const std::vector<CloseUpNumbers::Figure> &figures = numbers.figures();
    const int rows = int(figures.size() + 1) / 2;
    for (std::size_t i = m_values.size(); i < figures.size(); ++i) {
        // Down the first column, then down the second; a gap column between them.
        const int row = int(i) % rows;
        const int column = int(i) / rows * 3;
        auto *label = new QLabel(this);
        auto *value = new QLabel(this);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        m_grid->addWidget(label, row, column);
        m_grid->addWidget(value, row, column + 1);
        m_labels.push_back(label);
        m_values.push_back(value);
    }
    for (std::size_t i = 0; i < figures.size(); ++i) {
        m_labels[i]->setText(figures[i].label);
        m_values[i]->setText(figures[i].shown());
    }
}

} // namespace veltrin
