// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>
#include <stop_token>

namespace veltrin {

/// Writes a file whole or not at all. A regular file, or a link to one, is written into a
/// temporary file beside it, renamed over the old one only once every byte is out, so that a
/// failed save never leaves half a file, nor loses the one that was there; the new file keeps
/// the old one's mode. Anything else that is there, a device, a FIFO or a terminal, is written
/// straight into and stays what it is; "-" is the standard output.
class WholeFile
{
public:
    /// How long a write into a FIFO, a terminal or a device waits for what takes the bytes.
    enum class Wait {
        /// A window's: where no one reads, or where the reader takes nothing for `patience`,
        /// the write fails, and the window goes on; so does it once its stop is requested.
        Briefly,
        /// The command line's: as long as it takes, as a command in a pipeline waits for the
        /// next one.
        ForReader,
    };
    static constexpr std::chrono::seconds patience{2};

    /// Returns why the file could not be written, or an empty string once it is. A request to
    /// stop ends a brief wait on a reader at once; a file on disk is written whole all the same.
    static QString write(const QString &path, const QByteArray &bytes, Wait wait = Wait::Briefly,
                         std::stop_token stop = {});

    /// As write(), but only where the path is a regular file, a link to one, or nothing yet:
    /// what is there else is left untouched, and the reason returned.
    static QString replace(const QString &path, const QByteArray &bytes);

    /// Whether the path names the standard output.
    static bool isStandardOutput(const QString &path) { return path == QLatin1String("-"); }

    /// Why a write to the path would fail before a byte is written, found without creating or
    /// opening anything: a folder that is not there or may not be written, a folder named, a
    /// device or FIFO that may not be written, the standard output closed. Empty where the write
    /// can be tried.
    static QString writeObstacle(const QString &path);

    /// Whether two paths would write to the same place: the same name, the same file reached
    /// by two names or links (also one not there yet), or the standard output and the file or
    /// device it goes to.
    static bool sameTarget(const QString &first, const QString &second);
};

} // namespace veltrin
