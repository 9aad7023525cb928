// SPDX-License-Identifier: GPL-3.0-or-later
#include "helppage.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace veltrin {

HelpPage::HelpPage(const QString &objectName, const QString &title, const QString &html,
                   QWidget *parent)
    : QDialog(parent)
{
    setObjectName(objectName);
    setWindowTitle(title);
    auto *browser = new QTextBrowser(this);
    browser->setHtml(html);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(browser);
    layout->addWidget(buttons);
    resize(620, 640);
}

} // namespace veltrin
