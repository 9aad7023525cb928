// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace veltrin {

/// Where a window saves its files: the dialog opens in the folder last saved to, or the first
/// time in the desktop's pictures folder for a PNG and its documents folder for anything else.
class SaveLocation
{
public:
    /// Asks for a file: the dialog's parent and caption, the path proposed, the filters and,
    /// where not null, the one selected, which the user may change; returns the path chosen, or
    /// an empty string where the user cancelled.
    using Ask =
        std::function<QString(QWidget *parent, const QString &caption, const QString &proposed,
                              const QString &filter, QString *selectedFilter)>;

    SaveLocation();

    /// Replaces the desktop's file dialog, for tests that choose the file themselves.
    void setAsk(Ask ask) { m_ask = std::move(ask); }

    /// The file to write, proposed under this name; empty where the user cancelled.
    QString ask(QWidget *parent, const QString &caption, const QString &proposedName,
                const QString &filter, QString *selectedFilter = nullptr);

private:
    Ask m_ask;
    QString m_folder; // where the last file was saved
};

} // namespace veltrin
