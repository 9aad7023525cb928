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
    m_grid->setColumnStretch(2, 1);
}

void NumbersPanel::setNumbers(const CloseUpNumbers &numbers)
{
    const std::vector<CloseUpNumbers::Figure> &figures = numbers.figures();
    for (std::size_t i = m_values.size(); i < figures.size(); ++i) {
        // One column, so that long names in any language leave room for the views beside.
        const int row = int(i);
        const int column = 0;
        auto *label = new QLabel(this);
        auto *value = new QLabel(this);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        m_grid->addWidget(label, row, column);
        m_grid->addWidget(value, row, column + 1);
        m_labels.push_back(label);
        m_values.push_back(value);
    }
    for (std::size_t i = figures.size(); i < m_values.size(); ++i) {
        m_labels[i]->clear();
        m_values[i]->clear();
    }
    for (std::size_t i = 0; i < figures.size(); ++i) {
        m_labels[i]->setText(figures[i].label);
        m_values[i]->setText(figures[i].shown());
        // Wide enough for every value the figure takes in this run, so that none moves.
        m_values[i]->setMinimumWidth(
            m_values[i]->fontMetrics().horizontalAdvance(figures[i].widestShown()));
    }
}

} // namespace veltrin
