// SPDX-License-Identifier: GPL-3.0-or-later
#include "platformstartguard.h"

#include "displaycheck.h"

#include <cstdio>
#include <cstdlib>

namespace veltrin {

PlatformStartGuard *PlatformStartGuard::s_active = nullptr;

PlatformStartGuard::PlatformStartGuard()
{
    s_active = this;
    m_previous = qInstallMessageHandler(&PlatformStartGuard::handle);
}

PlatformStartGuard::~PlatformStartGuard()
{
    qInstallMessageHandler(m_previous);
    s_active = nullptr;
    for (const Message &message : m_held) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        m_previous(message.type, context, message.text);
    }
}

void PlatformStartGuard::handle(QtMsgType type, const QMessageLogContext &context,
                                const QString &text)
{
    PlatformStartGuard &guard = *s_active;
    if (type != QtFatalMsg) {
        guard.m_held.push_back({type, QByteArray(context.category), text});
        return;
    }
    // The platform plugin says what went wrong before the toolkit gives up; its fatal message
    // only says that no plugin could start, and suggests reinstalling, which would not help.
    QString reason = text.section(u'\n', 0, 0);
    for (const Message &message : guard.m_held) {
        if (message.category.startsWith("qt.qpa")) {
            reason = message.text;
            break;
        }
    }
    std::fputs(qPrintable(unreachableDisplayMessage(reason) + u'\n'), stderr);
    std::_Exit(EXIT_FAILURE);
}

} // namespace veltrin
