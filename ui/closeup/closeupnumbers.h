// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <vector>

namespace veltrin {

class CloseUp;

/// The figures of a close-up: as the window shows them, as they are copied, and as assistive
/// technology reads them.
class CloseUpNumbers
{
    Q_DECLARE_TR_FUNCTIONS(veltrin::CloseUpNumbers)

public:
    struct Figure
    {
        QString key;   ///< short name, for the copied line
        QString label; ///< the name the window shows
        double value = 0;
        int decimals = 0;
        QString unit; ///< after the shown value; empty for none

        /// The value in the user's number format, with its unit.
        QString shown() const;
    };

    /// The detector position comes first.
    explicit CloseUpNumbers(const CloseUp &closeUp);

    const std::vector<Figure> &figures() const { return m_figures; }
    /// Keys and values separated by tabs, with a dot as the decimal point whatever the
    /// user's language: for pasting into a spreadsheet or a script.
    QString line() const;
    /// Every figure with its label, in the user's language and number format.
    QString description() const;

private:
    std::vector<Figure> m_figures;
};

} // namespace veltrin
