// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <vector>

namespace veltrin {

class CloseUp;

/// The figures of a close-up: as the window shows them, as they are copied, and as assistive
/// technology reads them. Every number is written with the user's decimal separator.
class CloseUpNumbers
{
    Q_DECLARE_TR_FUNCTIONS(veltrin::CloseUpNumbers)

public:
    struct Figure
    {
        QString key;   ///< short name, for the copied header
        QString label; ///< the name the window shows
        double value = 0;
        int decimals = 0;
        QString unit; ///< after the shown value; empty for none
        /// The values this figure can take in this run, for a column wide enough for all.
        double low = 0;
        double high = 0;
        QString name; ///< shown and copied instead of the value where not empty

        /// The value in the user's number format, with its unit.
        QString shown() const;
        /// The widest text shown() can give for a value from low to high.
        QString widestShown() const;
        /// The value as copied: the name, or the number without group separators.
        QString copied() const;
    };

    /// The detector position comes first. highestBar is the run's highest bar, for the
    /// probability's share of it; 0 leaves the share out.
    CloseUpNumbers(const CloseUp &closeUp, double highestBar);

    const std::vector<Figure> &figures() const { return m_figures; }
    /// The keys with their units, separated by tabs: the header of a copied table.
    QString header() const;
    /// The values separated by tabs, as copied: one row of a table.
    QString row() const;
    /// Every figure with its label, in the user's language and number format.
    QString description() const;

private:
    std::vector<Figure> m_figures;
};

} // namespace veltrin
