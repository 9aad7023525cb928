// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "field.h"
#include "startoptions.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class QCommandLineOption;
class QCommandLineParser;

namespace veltrin {

struct Choice;

/// The program's command line, read before anything looks for a display: the choices to open
/// the window with, or one run into files with no window, or a text to print and a status to
/// exit with (help, version, a value that is none of the choices, or the experiment bench's map
/// written with no window). The toolkit's own options, such as -platform and -display, are let
/// through to it.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(veltrin::CommandLine)

public:
    enum class Outcome { OpenWindow, WriteFiles, Exit };

    /// Status for a value that is none of those allowed, or an option unknown.
    static constexpr int usageError = 2;

    /// Reads the arguments, the program's own name first.
    explicit CommandLine(const QStringList &arguments);

    Outcome outcome() const { return m_outcome; }
    const StartOptions &options() const { return m_options; }

    /// For Exit: the status, and what to print on standard output or standard error.
    int exitStatus() const { return m_status; }
    const QString &output() const { return m_output; }
    const QString &error() const { return m_error; }

private:
    struct Options;

    void read(const QStringList &arguments);
    /// Help, version, or what the parser could not read: true where the program exits here.
    bool answeredAtOnce(const QCommandLineParser &parser, const Options &options);
    /// Every occurrence of the option is checked; the last chooses.
    bool readChoice(const QCommandLineParser &parser, const QCommandLineOption &option, Field field,
                    const Choice *&choice);
    bool readSpeed(const QCommandLineParser &parser, const QCommandLineOption &option);
    /// The files to write: one name each, not empty, of the format written, no two the same.
    bool readFiles(const QCommandLineParser &parser, const Options &options);
    void exitWith(int status, const QString &output, const QString &error = {});
    void refuse(const QString &reason);

    Outcome m_outcome = Outcome::OpenWindow;
    StartOptions m_options;
    int m_status = 0;
    QString m_output;
    QString m_error;
};

} // namespace veltrin
