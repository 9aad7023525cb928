// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"
#include "displaycheck.h"
#include "headlessrun.h"
#include "platformstartguard.h"
#include "translations.h"
#include "veltrinwindow.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <cstdio>
#include <cstdlib>
#include <optional>

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
    QCoreApplication::setApplicationName(QStringLiteral("Veltrin"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELTRIN_VERSION));
    const veltrin::CommandLine commandLine = readCommandLine(argc, argv);
    switch (commandLine.outcome()) {
    case veltrin::CommandLine::Outcome::Exit:
        std::fputs(qPrintable(commandLine.output()), stdout);
        if (!commandLine.error().isEmpty())
            std::fputs(qPrintable(commandLine.error() + u'\n'), stderr);
        return commandLine.exitStatus();
    case veltrin::CommandLine::Outcome::WriteFiles:
        return veltrin::HeadlessRun::exec(argc, argv, commandLine.options());
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
