// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "savelocation.h"

#include <QImage>
#include <QString>
#include <functional>
#include <memory>
#include <stop_token>

class QPrinter;
class QWidget;

namespace veltrin {

class PaperFigure;
class SaveWorkers;

/// Keeping and sharing what a window shows, alike in every window: a save asks for the file in
/// the folder last saved to, has it written whole off the window's thread and tells of a failure
/// in a message over the window; a copy puts a picture on the clipboard; a print asks for the
/// printer and prints a picture with its caption, or a figure. The words shown are the window's
/// own. No save makes the window wait, nor its closing: a save still waiting on a FIFO's reader
/// when the window goes gives up.
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
    /// Makes and writes the file, off the window's thread: it reads nothing the window may change
    /// meanwhile, and hands `stop` on to the file's writing. Returns why the file could not be
    /// written, or an empty string once it is.
    using Write = std::function<QString(const QString &path, std::stop_token stop)>;
    /// Told on the window's thread once a save has ended: the file, and why it could not be
    /// written or an empty string.
    using Ended = std::function<void(const QString &path, const QString &reason)>;
    /// A picture and the caption printed below it.
    struct Page
    {
        QImage picture;
        QString caption;
    };

    /// Its messages stand over the window with this title, or with the window's own title at the
    /// time where it is empty.
    explicit Sharing(QWidget &window, QString messageTitle = {});
    /// Saves under way give up waiting on a reader, and end.
    ~Sharing();
    Sharing(const Sharing &) = delete;
    Sharing &operator=(const Sharing &) = delete;

    /// Replaces the desktop's file dialog, for tests that choose the file themselves.
    void setAsk(SaveLocation::Ask ask) { m_location.setAsk(std::move(ask)); }

    /// The file to write, proposed under this name; empty where the user cancelled. The filter
    /// the user leaves selected comes back in selectedFilter.
    QString ask(const QString &caption, const QString &proposedName, const QString &filter,
                QString *selectedFilter = nullptr);
    /// Asks for the file and writes it off the window's thread; a failure is told in a message.
    void save(const SaveTexts &texts, const QString &proposedName, Write write, Ended ended = {});
    /// Writes the file off the window's thread; a failure is told in a message, in which %1 is
    /// the file and %2 the reason.
    void write(const QString &path, const QString &failure, Write write, Ended ended = {});
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
    void print(const PaperFigure &figure, const PrintTexts &texts, const QString &documentName);

private:
    void print(QPrinter &printer, const PrintTexts &texts,
               const std::function<bool(QPrinter &)> &paint);

    QWidget &m_window;
    QString m_messageTitle;
    SaveLocation m_location;
    std::unique_ptr<SaveWorkers> m_saves;
};

} // namespace veltrin
