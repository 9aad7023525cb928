// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace veltrin {

/// A window's help: one page of HTML to scroll and a Close button. It stays open beside its
/// window, which goes on working.
class HelpPage : public QDialog
{
    Q_OBJECT

public:
    HelpPage(const QString &objectName, const QString &title, const QString &html,
             QWidget *parent = nullptr);
};

} // namespace veltrin
