// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsstore.h"

#include "wholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace veltrin {

namespace {

const QString generalGroup = QStringLiteral("General");

/// The group and name of a key, as QSettings splits them.
std::pair<QString, QString> split(const QString &key)
{
    const qsizetype slash = key.lastIndexOf(u'/');
    if (slash < 0)
        return {generalGroup, key};
    return {key.left(slash), key.mid(slash + 1)};
}

/// Where a key=value line of the key is, in the lines of the file; the line after its group's
/// last where it has none; -1 where there is not even the group.
struct Place
{
    qsizetype line = -1;
    bool found = false;
};

Place placeOf(const QList<QByteArray> &lines, const QString &key)
{
    const auto [group, name] = split(key);
    const QByteArray header = '[' + group.toUtf8() + ']';
    Place place;
    bool inGroup = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (line.startsWith('[')) {
            inGroup = line == header;
            continue;
        }
        if (!inGroup)
            continue;
        place.line = i + 1;
        const qsizetype equals = line.indexOf('=');
        if (equals > 0 && line.left(equals).trimmed() == name.toUtf8()) {
            place.line = i;
            place.found = true;
            return place;
        }
    }
    return place;
}

std::atomic_bool complained{false};

} // namespace

SettingsStore::SettingsStore()
    : SettingsStore(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                    QStringLiteral("/Veltrin/Veltrin.conf"))
{
}

SettingsStore::SettingsStore(QString path) : m_path(std::move(path)) {}

void SettingsStore::complain(const QString &reason) const
{
    if (complained.exchange(true))
        return;
    std::fputs(qPrintable(tr("veltrin: settings not kept, the defaults apply: %1: %2")
                              .arg(QDir::toNativeSeparators(m_path), reason) +
                          u'\n'),
               stderr);
}

std::optional<QByteArray> SettingsStore::contents() const
{
    const QByteArray name = QFile::encodeName(m_path);
    struct stat status
    {
    };
    if (::stat(name.constData(), &status) != 0) {
        if (errno == ENOENT)
            return QByteArray();
        complain(qt_error_string(errno));
        return std::nullopt;
    }
    if (!S_ISREG(status.st_mode)) {
        complain(tr("not a regular file"));
        return std::nullopt;
    }
    // Opened so as never to wait: should a FIFO take the file's place meanwhile, it is refused.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        complain(qt_error_string(errno));
        return std::nullopt;
    }
    QFile file;
    struct stat opened
    {
    };
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_size > largestFile ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        complain(tr("not a settings file"));
        return std::nullopt;
    }
    return file.read(largestFile);
}

std::optional<QString> SettingsStore::text(const QString &key) const
{
    const std::optional<QByteArray> bytes = contents();
    if (!bytes)
        return std::nullopt;
    const QList<QByteArray> lines = bytes->split('\n');
    const Place place = placeOf(lines, key);
    if (!place.found)
        return std::nullopt;
    const QByteArray &line = lines[place.line];
    return QString::fromUtf8(line.mid(line.indexOf('=') + 1).trimmed());
}

bool SettingsStore::flag(const QString &key, bool fallback) const
{
    const std::optional<QString> value = text(key);
    if (value == u"true")
        return true;
    if (value == u"false")
        return false;
    return fallback;
}

int SettingsStore::number(const QString &key, int fallback, int lowest, int highest) const
{
    bool ok = false;
    const int value = text(key).value_or(QString()).toInt(&ok);
    return ok && value >= lowest && value <= highest ? value : fallback;
}

bool SettingsStore::setText(const QString &key, const QString &value)
{
    const std::optional<QByteArray> bytes = contents();
    if (!bytes)
        return false;
    QList<QByteArray> lines = bytes->split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    const auto [group, name] = split(key);
    const QByteArray line = name.toUtf8() + '=' + value.toUtf8();
    const Place place = placeOf(lines, key);
    if (place.found) {
        lines[place.line] = line;
    } else if (place.line >= 0) {
        lines.insert(place.line, line);
    } else {
        if (!lines.isEmpty())
            lines << QByteArray();
        lines << '[' + group.toUtf8() + ']' << line;
    }
    const QByteArray written = lines.join('\n') + '\n';
    // Written larger than it may be read, the file would be refused from then on.
    if (written.size() > largestFile) {
        complain(tr("the file would grow beyond %1 bytes").arg(largestFile));
        return false;
    }
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    const QString failure = WholeFile::replace(m_path, written);
    if (failure.isEmpty())
        return true;
    complain(failure);
    return false;
}

bool SettingsStore::setFlag(const QString &key, bool value)
{
    return setText(key, value ? QStringLiteral("true") : QStringLiteral("false"));
}

bool SettingsStore::setNumber(const QString &key, int value)
{
    return setText(key, QString::number(value));
}

} // namespace veltrin
