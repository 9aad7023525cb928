// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <vector>

namespace veltrin {

/// Watches the toolkit while it opens its platform. Where the display is named but cannot be
/// reached (a server that is gone, a platform plugin that is missing), the toolkit would end
/// with an abort and a core dump; the guard prints one line naming the cause instead and ends
/// the program with status 1. Messages that are not fatal reach the usual handler once the
/// guard goes, in their order.
class PlatformStartGuard
{
public:
    PlatformStartGuard();
    ~PlatformStartGuard();
    PlatformStartGuard(const PlatformStartGuard &) = delete;
    PlatformStartGuard &operator=(const PlatformStartGuard &) = delete;

private:
    struct Message
    {
        QtMsgType type;
        QByteArray category;
        QString text;
    };

    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &text);

    static PlatformStartGuard *s_active;
    QtMessageHandler m_previous = nullptr;
    std::vector<Message> m_held;
};

} // namespace veltrin
