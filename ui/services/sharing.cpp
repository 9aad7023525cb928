// SPDX-License-Identifier: GPL-3.0-or-later
#include "sharing.h"

#include "paperfigure.h"
#include "pictureprinter.h"
#include "saveworkers.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <utility>

namespace veltrin {

Sharing::Sharing(QWidget &window, QString messageTitle)
    : m_window(window), m_messageTitle(std::move(messageTitle)),
      m_saves(std::make_unique<SaveWorkers>())
{
}

Sharing::~Sharing() = default;

QString Sharing::ask(const QString &caption, const QString &proposedName, const QString &filter,
                     QString *selectedFilter)
{
    return m_location.ask(&m_window, caption, proposedName, filter, selectedFilter);
}

void Sharing::save(const SaveTexts &texts, const QString &proposedName, Write write, Ended ended)
{
    const QString path = ask(texts.caption, proposedName, texts.filter);
    if (!path.isEmpty())
        this->write(path, texts.failure, std::move(write), std::move(ended));
}

void Sharing::write(const QString &path, const QString &failure, Write write, Ended ended)
{
    // Making a file takes up to a few hundred milliseconds, and a FIFO's reader may take its
    // time: the window goes on meanwhile. The saves go with the window, and tell nothing to a
    // window that has gone.
    m_saves->start(
        path, std::move(write),
        [this, failure, ended = std::move(ended)](const QString &to, const QString &reason) {
            reportUnwritten(failure, to, reason);
            if (ended)
                ended(to, reason);
        });
}

void Sharing::reportUnwritten(const QString &failure, const QString &path, const QString &reason)
{
    if (!reason.isEmpty())
        reportFailure(failure.arg(QDir::toNativeSeparators(path), reason));
}

void Sharing::reportFailure(const QString &message)
{
    QMessageBox::warning(
        &m_window, m_messageTitle.isEmpty() ? m_window.windowTitle() : m_messageTitle, message);
}

void Sharing::copy(const QImage &picture)
{
    QGuiApplication::clipboard()->setImage(picture);
}

void Sharing::print(const std::function<Page()> &page, const PrintTexts &texts,
                    const QString &documentName)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!documentName.isEmpty())
        printer.setDocName(documentName);
    print(printer, texts, [&](QPrinter &chosen) {
        const Page made = page();
        return PicturePrinter::print(chosen, made.picture, made.caption).has_value();
    });
}

void Sharing::print(const PaperFigure &figure, const PrintTexts &texts, const QString &documentName)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    printer.setPageOrientation(PicturePrinter::orientationFor(figure.size()));
    print(printer, texts,
          [&](QPrinter &chosen) { return PicturePrinter::print(chosen, figure).has_value(); });
}

void Sharing::print(QPrinter &printer, const PrintTexts &texts,
                    const std::function<bool(QPrinter &)> &paint)
{
    QPrintDialog dialog(&printer, &m_window);
    dialog.setWindowTitle(texts.title);
    if (dialog.exec() != QDialog::Accepted || paint(printer))
        return;
    const QString where = printer.outputFileName().isEmpty()
                              ? printer.printerName()
                              : QDir::toNativeSeparators(printer.outputFileName());
    reportFailure(texts.failure.contains(u"%1") ? texts.failure.arg(where) : texts.failure);
}

} // namespace veltrin
