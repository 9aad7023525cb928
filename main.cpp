#include "displaycheck.h"
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

} // namespace

int main(int argc, char *argv[])
{
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
    QApplication::setApplicationName(QStringLiteral("Veltrin"));
    QApplication::setApplicationVersion(QStringLiteral(VELTRIN_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(VELTRIN_APP_ID));
    QApplication::setWindowIcon(applicationIcon());
    veltrin::installTranslations(app);

    veltrin::VeltrinWindow window;
    window.showWithWholeScene();
    return QApplication::exec();
}
