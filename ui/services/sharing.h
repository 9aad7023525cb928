// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "savelocation.h"

#include <QImage>
#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace veltrin {

class Figure;

/// Keeping and sharing what a window shows, alike in every window: a save asks for the file in
/// the folder last saved to, has it written whole and tells of a failure in a message over the
/// window; a copy puts a picture on the clipboard; a print asks for the printer and prints a
/// picture with its caption, or a figure. The words shown are the window's own.
class Sharing
{
public:
    /// A save's words: the file dialog's caption and filter, and the failure, in which %1 is the
    /// file and %2 the reason.
    struct SaveTexts
    {
        QString caption;
        QString filter;
        QString failure;
    };
    /// A print's words: the print dialog's title, and the failure, in which %1, where it has
    /// one, is the printer or the file printed to.
    struct PrintTexts
    {
        QString title;
        QString failure;
    };
    /// Writes the file; returns why it could not, or an empty string once it is written.
    using Write = std::function<QString(const QString &path)>;
    /// A picture and the caption printed below it.
    struct Page
    {
        QImage picture;
        QString caption;
    };

    /// Its messages stand over the window with this title, or with the window's own title at the
    /// time where it is empty.
    explicit Sharing(QWidget &window, QString messageTitle = {});

    /// Replaces the desktop's file dialog, for tests that choose the file themselves.
    void setAsk(SaveLocation::Ask ask) { m_location.setAsk(std::move(ask)); }

    /// The file to write, proposed under this name; empty where the user cancelled. The filter
    /// the user leaves selected comes back in selectedFilter.
    QString ask(const QString &caption, const QString &proposedName, const QString &filter,
                QString *selectedFilter = nullptr);
    /// Asks for the file and writes it; a failure is told in a message.
    void save(const SaveTexts &texts, const QString &proposedName, const Write &write);
    /// Tells in a message that the file could not be written, where there is a reason.
    void reportUnwritten(const QString &failure, const QString &path, const QString &reason);
    void reportFailure(const QString &message);

    /// Puts the picture on the clipboard.
    static void copy(const QImage &picture);

    /// Asks for a printer and prints the page, made as the printer is chosen, as a document of
    /// this name where one is given.
    void print(const std::function<Page()> &page, const PrintTexts &texts,
               const QString &documentName = {});
    /// Asks for a printer, the page across where the figure is wider than tall, and prints it.
    void print(const Figure &figure, const PrintTexts &texts, const QString &documentName);

private:
    void print(QPrinter &printer, const PrintTexts &texts,
               const std::function<bool(QPrinter &)> &paint);

    QWidget &m_window;
    QString m_messageTitle;
    SaveLocation m_location;
};

} // namespace veltrin
