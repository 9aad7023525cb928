// SPDX-License-Identifier: GPL-3.0-or-later
#include "headlessrun.h"

#include "choices.h"
#include "commandline.h"
#include "figure.h"
#include "figuresaver.h"
#include "imagesurface.h"
#include "picture.h"
#include "picturesaver.h"
#include "platformstartguard.h"
#include "probabilitycsv.h"
#include "run.h"
#include "scenecaptions.h"
#include "translations.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <optional>
#include <vector>

namespace veltrin {

namespace {

/// Every platform, the offscreen one too, looks in the session's runtime folder as it starts
/// (for a sandbox's marks), and where XDG_RUNTIME_DIR names none, it warns that it makes one in
/// the temporary folder. A run from a job or a console has no session: it gets a private folder
/// of its own there, made for the run and gone with it, and the warning has no cause.
std::unique_ptr<QTemporaryDir> privateRuntimeFolder()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return nullptr;
    auto folder = std::make_unique<QTemporaryDir>(); // its owner's alone, as the folder must be
    if (!folder->isValid())
        return nullptr; // the toolkit says what it makes of it
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder->path()));
    return folder;
}

} // namespace

int HeadlessRun::exec(int argc, char *argv[], const StartOptions &options)
{
    // Only a figure draws text. Without one the run needs no platform at all: a plain
    // application spares the platform's start and its font database, which the platform reads
    // in full even as it is torn down.
    std::vector<char *> arguments(argv, argv + argc); // the application keeps them
    int count = argc;
    std::unique_ptr<QCoreApplication> app;
    std::unique_ptr<QTemporaryDir> runtimeFolder; // outlives the application
    if (options.figurePath.isEmpty()) {
        app = std::make_unique<QCoreApplication>(count, arguments.data());
        // PNG is the toolkit's own format: looking through the image plugins finds nothing more.
        QCoreApplication::setLibraryPaths({});
    } else {
        // The last -platform counts, so this one wins over any given; a platform theme named in
        // the environment might want a display of its own.
        static char platformOption[] = "-platform";
        static char offscreen[] = "offscreen";
        arguments.insert(arguments.end(), {platformOption, offscreen, nullptr});
        count += 2;
        qunsetenv("QT_QPA_PLATFORMTHEME");
        runtimeFolder = privateRuntimeFolder();
        std::optional<PlatformStartGuard> guard(std::in_place);
        app = std::make_unique<QGuiApplication>(count, arguments.data());
        guard.reset();
        SceneFonts::installSubstitutes();
    }
    installTranslations(*app);

    QStringList failures;
    try {
        failures = HeadlessRun(options).writeFiles(options);
    } catch (const std::exception &error) {
        failures << QStringLiteral("veltrin: %1").arg(QString::fromLocal8Bit(error.what()));
    }
    for (const QString &line : failures)
        std::fputs(qPrintable(line + u'\n'), stderr);
    return failures.isEmpty() ? EXIT_SUCCESS : EXIT_FAILURE;
}

// No prompt: the run's first bar covers it, and a picture without text needs no fonts.
HeadlessRun::HeadlessRun(const StartOptions &options) : m_picture(blankPicture(1, Prompt{}))
{
    ImageSurface surface(m_picture);
    for (const Choice *choice : {options.k, options.frequency}) {
        if (choice)
            surface.setText(choice->field, choice->text());
    }
    Run run(surface);
    m_history.begin(run.record());
    run.drawToEnd();
    m_history.update(run.record());
    surface.present();
}

QStringList HeadlessRun::writeFiles(const StartOptions &options) const
{
    QStringList failures;
    const auto check = [&failures](const QString &path, const QString &reason) {
        if (!reason.isEmpty())
            failures << CommandLine::cannotWrite(path, reason);
    };
    if (!options.picturePath.isEmpty())
        check(options.picturePath,
              PictureSaver::save(m_picture, options.picturePath, WholeFile::Wait::ForReader));
    if (!options.figurePath.isEmpty()) {
        check(options.figurePath,
              FigureSaver::save(Figure(m_history, SceneCaptions::forFigure()), options.figurePath,
                                WholeFile::Wait::ForReader));
    }
    if (!options.probabilitiesPath.isEmpty()) {
        check(options.probabilitiesPath,
              ProbabilityCsv::save(m_history.runs(), options.probabilitiesPath,
                                   WholeFile::Wait::ForReader));
    }
    return failures;
}

} // namespace veltrin
