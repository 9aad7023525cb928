// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QFlags>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <span>
#include <variant>

class QCommandLineParser;

namespace veltrin {

/// Which of the command line's options each of its outputs and each of the bench's experiments
/// uses, and which outputs one call makes together: the one place that decides it. A call opens
/// the window, or makes one run of it into files, or computes one of the bench's experiments into
/// files; an option that none of the outputs asked for uses, or that the experiment does not, is
/// refused, never ignored.
class OptionTable
{
    Q_DECLARE_TR_FUNCTIONS(veltrin::OptionTable)

public:
    enum Output : unsigned {
        Window = 1u << 0, ///< no file asked for: the window opens
        Picture = 1u << 1,
        Figure = 1u << 2,
        Probabilities = 1u << 3,
        Map = 1u << 4,
        Hits = 1u << 5,
        Scan = 1u << 6,
        SavedSetup = 1u << 7,
    };
    Q_DECLARE_FLAGS(Outputs, Output)

    /// The experiments of the bench that --experiment names, as bits, so that an option can say
    /// which of them it serves.
    enum Kind : unsigned {
        Mirror = 1u << 0,
        Glass = 1u << 1,
        Boundary = 1u << 2,
        Lens = 1u << 3,
        Slits = 1u << 4,
    };
    Q_DECLARE_FLAGS(Kinds, Kind)

    /// An experiment: its name on the command line and the files it makes.
    struct ExperimentRow
    {
        Kind kind;
        const char *name;
        Outputs outputs;
    };
    static std::span<const ExperimentRow> experiments();
    /// The experiment --experiment names (the last given; the mirror where none is), or one line
    /// naming a value that is none of them.
    static std::variant<Kind, QString> kindFrom(const QCommandLineParser &parser);

    /// The work that makes an output; outputs of one work go together, of two never.
    enum class Work { Window, Run, Bench };

    /// A file the command line writes: the option that names it, the extensions of the formats
    /// written (the first also where the name has none) and the work that makes it.
    struct File
    {
        Output output;
        const char *option;
        std::array<const char *, 2> suffixes; ///< the second may be null
        Work work;

        /// The option as typed, with its dashes.
        QString dashed() const;
        QStringList suffixList() const;
    };
    static std::span<const File> files();

    /// Where the outputs asked for cannot go together, or the experiment makes none of them, or
    /// an option given is used by none of them or not by the experiment: one line naming it. None
    /// where the call is sound.
    /// With `fromSetup` the experiment comes from --setup, and an option the setup holds is
    /// refused for the bench's files.
    static std::optional<QString> misfit(Outputs asked, Kind kind, const QCommandLineParser &parser,
                                         bool fromSetup = false);

    /// The work that makes the outputs, which misfit() found to go together.
    static Work workOf(Outputs asked);

    /// Every value given for a value option, spaces around it removed, in the order given: each
    /// is checked, and the last counts. A file's name is taken as given instead.
    static QStringList values(const QCommandLineParser &parser, const QString &option);
};

Q_DECLARE_OPERATORS_FOR_FLAGS(OptionTable::Outputs)
Q_DECLARE_OPERATORS_FOR_FLAGS(OptionTable::Kinds)

} // namespace veltrin
