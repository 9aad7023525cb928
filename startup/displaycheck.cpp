// SPDX-License-Identifier: GPL-3.0-or-later
#include "displaycheck.h"

#include <QFileInfo>

namespace veltrin {

namespace {

// The platforms the toolkit may try when none is chosen: the X server, and Wayland in a Wayland
// session. Elsewhere the native platform needs no display server.
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
const QString defaultPlatforms = QStringLiteral("xcb;wayland");
#else
const QString defaultPlatforms;
#endif

// The value of a toolkit option given as "-name value" or "--name value"; the last one counts.
QString optionValue(const QStringList &arguments, QStringView name)
{
    QString value;
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        QStringView argument = arguments[i];
        if (argument.startsWith(u"--"))
            argument = argument.mid(1);
        if (argument.startsWith(u'-') && argument.mid(1) == name)
            value = arguments[++i];
    }
    return value;
}

const QString advice = QStringLiteral(
    "start Veltrin in a desktop session, or give it a display with ssh -X or xvfb-run");

bool isSet(const QProcessEnvironment &environment, const QString &name)
{
    return !environment.value(name).isEmpty();
}

bool waylandReachable(const QProcessEnvironment &environment)
{
    if (isSet(environment, QStringLiteral("WAYLAND_DISPLAY")) ||
        isSet(environment, QStringLiteral("WAYLAND_SOCKET")))
        return true;
    // Without WAYLAND_DISPLAY the client library connects to the compositor's default socket.
    const QString runtimeDir = environment.value(QStringLiteral("XDG_RUNTIME_DIR"));
    return !runtimeDir.isEmpty() && QFileInfo::exists(runtimeDir + QStringLiteral("/wayland-0"));
}

} // namespace

QString missingDisplayMessage(const QStringList &arguments, const QProcessEnvironment &environment)
{
    QString platforms = optionValue(arguments, u"platform");
    if (platforms.isEmpty())
        platforms = environment.value(QStringLiteral("QT_QPA_PLATFORM"));
    if (platforms.isEmpty())
        platforms = defaultPlatforms;

    // The toolkit tries each platform of the list in turn; one that finds its display, or needs
    // none (offscreen, minimal, vnc, eglfs and the native ones), is enough.
    QStringList missing;
    for (const QString &entry : platforms.split(u';', Qt::SkipEmptyParts)) {
        const QString plugin = entry.section(u':', 0, 0);
        if (plugin == u"xcb") {
            if (isSet(environment, QStringLiteral("DISPLAY")) ||
                !optionValue(arguments, u"display").isEmpty())
                return {};
            missing.append(QStringLiteral("DISPLAY"));
        } else if (plugin.startsWith(u"wayland")) {
            if (waylandReachable(environment))
                return {};
            missing.append(QStringLiteral("WAYLAND_DISPLAY"));
        } else {
            return {};
        }
    }
    if (missing.isEmpty())
        return {};

    missing.removeDuplicates();
    const QString unset =
        missing.size() == 1
            ? missing.first() + QStringLiteral(" is not set")
            : QStringLiteral("neither %1 nor %2 is set").arg(missing[0], missing[1]);
    return QStringLiteral("veltrin: no display to open the window on (%1); ").arg(unset) + advice;
}

QString unreachableDisplayMessage(const QString &reason)
{
    return QStringLiteral("veltrin: cannot open the window (%1); ").arg(reason) + advice;
}

} // namespace veltrin
