// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

namespace veltrin {

/// The window as assistive technology sees it: only the controls it shows are its children.
/// The window keeps controls that are never shown, fields that hold a run's parameters and a
/// frame of buttons the user never sees; a screen reader is not offered them.
class ShownChildren : public QAccessibleWidget
{
public:
    explicit ShownChildren(QWidget *window);

    /// Makes every window of this class show itself to assistive technology so.
    static void install(const char *className);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

private:
    QList<QWidget *> shown() const;
};

} // namespace veltrin
