// SPDX-License-Identifier: GPL-3.0-or-later
#include "shownchildren.h"

#include <QSet>
#include <QWidget>

namespace veltrin {

namespace {

QSet<QString> &classNames()
{
    static QSet<QString> names;
    return names;
}

QAccessibleInterface *create(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    return widget && classNames().contains(className) ? new ShownChildren(widget) : nullptr;
}

} // namespace

ShownChildren::ShownChildren(QWidget *window) : QAccessibleWidget(window, QAccessible::Window) {}

void ShownChildren::install(const char *className)
{
    if (classNames().isEmpty())
        QAccessible::installFactory(create);
    classNames().insert(QString::fromLatin1(className));
}

QList<QWidget *> ShownChildren::shown() const
{
    QList<QWidget *> children;
    for (QObject *object : widget()->children()) {
        auto *child = qobject_cast<QWidget *>(object);
        // Hidden in its own right, not merely in a window not shown yet.
        if (child && !child->isWindow() && !child->isHidden())
            children.append(child);
    }
    return children;
}

int ShownChildren::childCount() const
{
    return int(shown().size());
}

QAccessibleInterface *ShownChildren::child(int index) const
{
    const QList<QWidget *> children = shown();
    return index >= 0 && index < children.size()
               ? QAccessible::queryAccessibleInterface(children[index])
               : nullptr;
}

int ShownChildren::indexOfChild(const QAccessibleInterface *child) const
{
    return child ? int(shown().indexOf(qobject_cast<QWidget *>(child->object()))) : -1;
}

} // namespace veltrin
