// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "optiontable.h"
#include "setup.h"

#include <QCoreApplication>
#include <QString>
#include <variant>

class QCommandLineParser;

namespace veltrin {

/// The command line's setups: --setup reads one in place of the experiment's options, for the
/// bench's files and for the window; --save-setup writes the one the options describe.
class SetupCommand
{
    Q_DECLARE_TR_FUNCTIONS(veltrin::SetupCommand)

public:
    static void addOptions(QCommandLineParser &parser);

    /// The file --setup names (or a setup given as the only argument), or an empty string.
    static QString pathFrom(const QCommandLineParser &parser);
    /// The setup in the file, or one line naming the file and what is wrong with it.
    static std::variant<Setup, QString> read(const QString &path);
    /// The experiment kind the setup holds, as --experiment would name it.
    static OptionTable::Kind kindOf(const Setup &setup);
    /// Writes the setup; returns why it could not be written, or an empty string.
    static QString save(const Setup &setup, const QString &path);
};

} // namespace veltrin
