// SPDX-License-Identifier: GPL-3.0-or-later
#include "savelocation.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace veltrin {

SaveLocation::SaveLocation()
    : m_ask([](QWidget *parent, const QString &caption, const QString &proposed,
               const QString &filter, QString *selectedFilter) {
          return QFileDialog::getSaveFileName(parent, caption, proposed, filter, selectedFilter);
      })
{
}

QString SaveLocation::ask(QWidget *parent, const QString &caption, const QString &proposedName,
                          const QString &filter, QString *selectedFilter)
{
    if (m_folder.isEmpty()) {
        const auto location = proposedName.endsWith(u".png", Qt::CaseInsensitive)
                                  ? QStandardPaths::PicturesLocation
                                  : QStandardPaths::DocumentsLocation;
        const QString standard = QStandardPaths::writableLocation(location);
        m_folder = QFileInfo(standard).isDir() ? standard : QDir::homePath();
    }
    const QString path =
        m_ask(parent, caption, QDir(m_folder).filePath(proposedName), filter, selectedFilter);
    if (!path.isEmpty())
        m_folder = QFileInfo(path).absolutePath();
    return path;
}

} // namespace veltrin
