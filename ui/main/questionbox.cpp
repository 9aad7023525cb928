// SPDX-License-Identifier: GPL-3.0-or-later
#include "questionbox.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMessageBox>

namespace veltrin {

bool QuestionBox::ask(QWidget *window, const QString &prompt)
{
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), prompt,
                    QMessageBox::Yes | QMessageBox::No, window);
    box.setDefaultButton(QMessageBox::Yes);
    // Not modal: a modal box would keep the desktop from closing the window while it is open.
    // The window itself starts nothing new while it asks.
    box.setWindowModality(Qt::NonModal);
    QEventLoop answered;
    int answer = QMessageBox::No;
    QObject::connect(&box, &QDialog::finished, &answered, [&answered, &answer](int result) {
        answer = result;
        answered.quit();
    });
    box.show();
    answered.exec();
    return answer == QMessageBox::Yes;
}

} // namespace veltrin
