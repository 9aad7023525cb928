#include "veltrinwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veltrin"));
    QApplication::setApplicationVersion(QStringLiteral(VELTRIN_VERSION));
    // Metric-compatible stand-ins for the fonts the layout was made with.
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));

    veltrin::VeltrinWindow window;
    window.showWithWholeScene();
    return QApplication::exec();
}
