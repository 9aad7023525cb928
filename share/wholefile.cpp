// SPDX-License-Identifier: GPL-3.0-or-later
#include "wholefile.h"

#include <QSaveFile>
#include <cerrno>

namespace veltrin {

QString WholeFile::write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    errno = 0;
    // The last bytes wait in the file's buffer, and commit() would rename the file even where
    // they could not be written: they go out here, where a failure can still be seen.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        // The file knows only that a write failed; the system says why, as for a full disk.
        const QString reason = errno != 0 ? qt_error_string(errno) : file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace veltrin
