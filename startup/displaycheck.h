// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace veltrin {

/// Before the toolkit starts: the one line to print when the window has no display to open on,
/// or an empty string when the chosen platform finds one or needs none. Reads the toolkit's
/// -platform and -display arguments, QT_QPA_PLATFORM, DISPLAY and the Wayland variables.
QString missingDisplayMessage(const QStringList &arguments, const QProcessEnvironment &environment);

/// The one line to print when the toolkit could not open the display it was given; reason is
/// what the toolkit said of it.
QString unreachableDisplayMessage(const QString &reason);

} // namespace veltrin
