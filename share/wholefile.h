// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace veltrin {

/// Writes a file whole or not at all: into a temporary file beside it, renamed over the old one
/// only once every byte is out, so that a failed save never leaves half a file, nor loses the
/// one that was there.
class WholeFile
{
public:
    /// Returns why the file could not be written, or an empty string once it is.
    static QString write(const QString &path, const QByteArray &bytes);
};

} // namespace veltrin
