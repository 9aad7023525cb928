// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchrun.h"
#include "commandline.h"
#include "displaycheck.h"
#include "headlessrun.h"
#include "platformstartguard.h"
#include "translations.h"
#include "veltrinwindow.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

namespace {

// The window's icon, in the small sizes built into the program.
QIcon applicationIcon()
{
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icons"), {QStringLiteral("*.png")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (sizes.hasNext())
        icon.addFile(sizes.next());
    return icon;
}

/// A reader that goes away fails the write, which the program then names, rather than ending
/// the program without a word. A standard output closed before the start is held by a file
/// that cannot be written, so that no file the program opens takes its place and "-" is refused.
void guardStandardOutput()
{
    std::signal(SIGPIPE, SIG_IGN);
    if (::fcntl(STDOUT_FILENO, F_GETFD) < 0)
        ::open("/dev/null", O_RDONLY); // takes the lowest number free, the standard output's
}

/// Prints the text; false where the standard output did not take it.
bool print(const QString &text)
{
    return std::fputs(qPrintable(text), stdout) >= 0 && std::fflush(stdout) == 0;
}

/// Reads the command line with a core application, which opens no display.
veltrin::CommandLine readCommandLine(int argc, char *argv[])
{
    QCoreApplication core(argc, argv);
    veltrin::installTranslations(core);
    return veltrin::CommandLine(QCoreApplication::arguments());
}

} // namespace

int main(int argc, char *argv[])
{
    guardStandardOutput();
    QCoreApplication::setApplicationName(QStringLiteral("Veltrin"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELTRIN_VERSION));
    const veltrin::CommandLine commandLine = readCommandLine(argc, argv);
    switch (commandLine.outcome()) {
    case veltrin::CommandLine::Outcome::Exit:
        if (!commandLine.output().isEmpty() && !print(commandLine.output())) {
            const QString reason = qt_error_string(errno);
            std::fputs(
                qPrintable(veltrin::CommandLine::cannotWrite(QStringLiteral("-"), reason) + u'\n'),
                stderr);
            return EXIT_FAILURE;
        }
        if (!commandLine.error().isEmpty())
            std::fputs(qPrintable(commandLine.error() + u'\n'), stderr);
        return commandLine.exitStatus();
    case veltrin::CommandLine::Outcome::WriteFiles:
        return veltrin::HeadlessRun::exec(argc, argv, commandLine.options());
    case veltrin::CommandLine::Outcome::WriteBenchFiles:
        return veltrin::BenchRun::exec(argc, argv, commandLine.bench());
    case veltrin::CommandLine::Outcome::OpenWindow:
        break;
    }

    // Without a display the toolkit would abort with a core dump; say what is missing instead.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const QString noDisplay =
        veltrin::missingDisplayMessage(arguments, QProcessEnvironment::systemEnvironment());
    if (!noDisplay.isEmpty()) {
        std::fputs(qPrintable(noDisplay + u'\n'), stderr);
        return EXIT_FAILURE;
    }

    // A display that is named but cannot be reached is found only as the toolkit opens it.
    std::optional<veltrin::PlatformStartGuard> guard(std::in_place);
    QApplication app(argc, argv);
    guard.reset();
    QGuiApplication::setDesktopFileName(QStringLiteral(VELTRIN_APP_ID));
    QApplication::setWindowIcon(applicationIcon());
    veltrin::installTranslations(app);

    veltrin::VeltrinWindow window;
    commandLine.options().applyTo(window);
    window.showWithWholeScene();
    return QApplication::exec();
}
