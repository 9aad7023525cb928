// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>
#include <memory>

class QFileDevice;

namespace veltrin {

/// A file written as its bytes are made, whole or not at all as WholeFile writes one, so that a
/// large file never has to be held in memory. A regular file, a link to one, or a name with
/// nothing there yet is written into a temporary file beside it, which commit() renames over the
/// old one with the old one's mode; a file never committed leaves the old one as it was. A
/// device, a FIFO or a terminal is written straight into as the bytes come, and "-" is the
/// standard output; a write into them waits for their reader as long as it takes.
class StreamedFile
{
public:
    /// What may be written: anything, or only a regular file (a link to one, or nothing yet),
    /// what is there else left untouched.
    enum class Takes { Anything, RegularFileOnly };

    /// Opens the file; a failure is kept, and commit() returns it.
    explicit StreamedFile(const QString &path, Takes takes = Takes::Anything);
    ~StreamedFile();
    StreamedFile(const StreamedFile &) = delete;
    StreamedFile &operator=(const StreamedFile &) = delete;

    /// Adds the bytes; false once any write has failed, so that the maker can stop.
    bool write(QByteArrayView bytes);

    /// Puts the file in place. Returns why it could not be written, or an empty string.
    QString commit();

private:
    std::unique_ptr<QFileDevice> m_file;
    QString m_failure;
};

} // namespace veltrin
