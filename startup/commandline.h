// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "benchrun.h"
#include "field.h"
#include "optiontable.h"
#include "setup.h"
#include "startoptions.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>

class QCommandLineOption;
class QCommandLineParser;

namespace veltrin {

struct Choice;

/// The program's command line, read before anything looks for a display: the choices to open
/// the window with, or one run into files with no window, or the experiment bench's files with no
/// window, or a text to print and a status to exit with (help, version, or a call refused). A
/// call is refused whole before any work: anything wrong with what it asks for, and any file
/// that cannot be written. The toolkit's own options, such as -platform and -display, are let
/// through to it.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(veltrin::CommandLine)

public:
    enum class Outcome { OpenWindow, WriteFiles, WriteBenchFiles, Exit };

    /// Status for a call refused for what it asks: a value that is none of those allowed, an
    /// option unknown or that none of the outputs asked for uses, a file name refused.
    static constexpr int usageError = 2;

    /// Reads the arguments, the program's own name first.
    explicit CommandLine(const QStringList &arguments);

    Outcome outcome() const { return m_outcome; }
    const StartOptions &options() const { return m_options; }
    /// For WriteBenchFiles: the experiment and the files to write.
    const BenchRun::Request &bench() const { return m_bench; }

    /// For Exit: the status, and what to print on standard output or standard error.
    int exitStatus() const { return m_status; }
    const QString &output() const { return m_output; }
    const QString &error() const { return m_error; }

    /// One line saying that the file, or the standard output for "-", cannot be written, and why.
    static QString cannotWrite(const QString &path, const QString &reason);

private:
    struct Options;
    /// A file asked for, by the option that names it.
    struct Target
    {
        const OptionTable::File *file;
        QString path;
    };

    void read(const QStringList &arguments);
    /// Help, version, or what the parser could not read: true where the program exits here.
    bool answeredAtOnce(const QCommandLineParser &parser, const Options &options);
    /// Every occurrence of the option is checked; the last chooses.
    bool readChoice(const QCommandLineParser &parser, const QCommandLineOption &option, Field field,
                    const Choice *&choice);
    bool readSpeed(const QCommandLineParser &parser, const QCommandLineOption &option);
    /// The files to write: one name each, not empty, of the format written.
    bool readFiles(const QCommandLineParser &parser, QList<Target> &targets);
    /// No two files, nor two outputs on the standard output, in one place.
    bool apart(const QList<Target> &targets);
    /// The setup --setup names, or the one argument names, read and checked whole.
    bool readSetup(const QCommandLineParser &parser);
    bool readBench(const QCommandLineParser &parser, const QList<Target> &targets,
                   OptionTable::Kind kind);
    /// Each file's place may be written, found before any work and without creating anything.
    bool writable(const QList<Target> &targets);
    void exitWith(int status, const QString &output, const QString &error = {});
    void refuse(const QString &reason);

    Outcome m_outcome = Outcome::OpenWindow;
    std::optional<Setup> m_setup;
    StartOptions m_options;
    BenchRun::Request m_bench;
    int m_status = 0;
    QString m_output;
    QString m_error;
};

} // namespace veltrin
