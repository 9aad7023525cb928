// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sharing.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QAction;
class QKeySequence;
class QWidget;

namespace veltrin {

class HelpDialog;
class VeltrinWindow;
class Figure;

/// What the drawing's context menu offers beyond the window's own controls: keep and share what
/// a run shows (save, copy and print the picture, save the probabilities), help, about, quit.
/// Each entry shows its shortcut, which works anywhere in the window.
class ShareActions : public QObject
{
    Q_OBJECT

public:
    /// Adds the entries to the window's drawing.
    explicit ShareActions(VeltrinWindow *window);

    /// Replaces the desktop's file dialog, for tests that choose the file themselves.
    void setAskFileName(SaveLocation::Ask ask) { m_sharing.setAsk(std::move(ask)); }

    /// The name a save proposes, with this suffix: what the runs on the drawing were made with,
    /// each K and frequency once, as in veltrin-K0.00005-middle+high+K0.0001-low.png.
    QString proposedName(const QString &suffix) const;
    /// The runs on the drawing as a figure.
    Figure figure() const;
    /// The help page, once it has been shown.
    HelpDialog *help() const;

signals:
    /// "Experiment bench…": the window that owns the bench opens it.
    void benchRequested();
    /// A save of the picture has ended: the reason it failed, or an empty string.
    void pictureSaved(const QString &path, const QString &reason);
    /// A save of the probabilities has ended: the reason it failed, or an empty string.
    void probabilitiesSaved(const QString &path, const QString &reason);

public slots:
    /// Saves a figure, PNG or SVG, or the window's picture, as the user chooses, off the GUI
    /// thread; pictureSaved tells when it is done.
    void savePicture();
    void copyPicture();
    void print();
    /// Saves the probabilities off the GUI thread; probabilitiesSaved tells when it is done.
    void saveProbabilities();
    void showHelp();
    void showAbout();

private:
    QAction *addEntry(const QString &text, const QList<QKeySequence> &shortcuts,
                      void (ShareActions::*slot)());

    VeltrinWindow *m_window;
    Sharing m_sharing;
    QString m_pictureFilter; // the kind of picture saved last, selected again next time
    QPointer<HelpDialog> m_help;
};

} // namespace veltrin
