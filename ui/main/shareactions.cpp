// SPDX-License-Identifier: GPL-3.0-or-later
#include "shareactions.h"

#include "canvas.h"
#include "choices.h"
#include "figure.h"
#include "figuresaver.h"
#include "helpdialog.h"
#include "picturesaver.h"
#include "probabilitycsv.h"
#include "scenecaptions.h"
#include "veltrinwindow.h"

#include <QAction>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QtGlobal>
#include <algorithm>
#include <utility>

namespace veltrin {

namespace {

/// The desktop's bindings for a standard key, or the usual one where the desktop has none.
QList<QKeySequence> shortcuts(QKeySequence::StandardKey key, const QKeySequence &usual)
{
    const QList<QKeySequence> bindings = QKeySequence::keyBindings(key);
    return bindings.isEmpty() ? QList<QKeySequence>{usual} : bindings;
}

} // namespace

ShareActions::ShareActions(VeltrinWindow *window)
    : QObject(window), m_window(window), m_sharing(*window, QCoreApplication::applicationName())
{
    setObjectName(QStringLiteral("shareActions"));
    if (!m_window->canvas()->actions().isEmpty()) // after the entries that change the view
        addEntry({}, {}, nullptr);
    addEntry(tr("&Save picture…"), shortcuts(QKeySequence::Save, Qt::CTRL | Qt::Key_S),
             &ShareActions::savePicture);
    addEntry(tr("&Copy picture"), shortcuts(QKeySequence::Copy, Qt::CTRL | Qt::Key_C),
             &ShareActions::copyPicture);
    addEntry(tr("&Print…"), shortcuts(QKeySequence::Print, Qt::CTRL | Qt::Key_P),
             &ShareActions::print);
    addEntry(tr("Save p&robabilities…"), {Qt::CTRL | Qt::SHIFT | Qt::Key_S},
             &ShareActions::saveProbabilities);
    addEntry({}, {}, nullptr);
    addEntry(tr("&Experiment bench…"), {Qt::CTRL | Qt::Key_E}, &ShareActions::benchRequested);
    addEntry({}, {}, nullptr);
    addEntry(tr("&Help"), shortcuts(QKeySequence::HelpContents, Qt::Key_F1),
             &ShareActions::showHelp);
    addEntry(tr("&About Veltrin"), {}, &ShareActions::showAbout);
    addEntry({}, {}, nullptr);
    QAction *quit =
        addEntry(tr("&Quit"), shortcuts(QKeySequence::Quit, Qt::CTRL | Qt::Key_Q), nullptr);
    connect(quit, &QAction::triggered, m_window, &QWidget::close);
}

QAction *ShareActions::addEntry(const QString &text, const QList<QKeySequence> &shortcuts,
                                void (ShareActions::*slot)())
{
    auto *action = new QAction(text, m_window->canvas());
    action->setSeparator(text.isEmpty());
    action->setShortcuts(shortcuts);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setShortcutVisibleInContextMenu(true);
    if (slot)
        connect(action, &QAction::triggered, this, slot);
    m_window->canvas()->addAction(action);
    return action;
}

QString ShareActions::proposedName(const QString &suffix) const
{
    // Each K and frequency once, in the order the runs came; a K that the run named before
    // had is not repeated: veltrin-K0.00005-middle+high+K0.0001-low.
    QStringList parts;
    QList<std::pair<QString, QString>> named;
    QString lastK;
    for (const RunHistory::Entry &entry : m_window->history().runs()) {
        const QString &k = entry.record.kText;
        const QString frequency = captionFor(Field::Kmitocet, entry.record.frequencyText).toLower();
        if (named.contains(std::pair{k, frequency}))
            continue;
        named.append({k, frequency});
        parts << (k == lastK ? frequency : QStringLiteral("K%1-%2").arg(k, frequency));
        lastK = k;
    }
    QString name = QStringLiteral("veltrin");
    if (!parts.isEmpty())
        name += u'-' + parts.join(u'+');
    // A file name on any desktop, whatever a field held.
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9.+_-]")), QStringLiteral("_"));
    return name + u'.' + suffix;
}

Figure ShareActions::figure() const
{
    return Figure(m_window->history(), SceneCaptions::forFigure());
}

void ShareActions::savePicture()
{
    const QString pngFigure = tr("PNG figure (*.png)");
    const QString svgFigure = tr("SVG figure (*.svg)");
    const QString windowPicture = tr("Window picture, PNG (*.png)");
    QString selected = m_pictureFilter.isEmpty() ? pngFigure : m_pictureFilter;
    QString path = m_sharing.ask(
        tr("Save picture"),
        proposedName(selected == svgFigure ? QStringLiteral("svg") : QStringLiteral("png")),
        QStringList{pngFigure, svgFigure, windowPicture}.join(u";;"), &selected);
    if (path.isEmpty())
        return;
    m_pictureFilter = selected;
    // The name's extension says the format; a new name without one takes the filter's.
    if (QFileInfo(path).suffix().isEmpty() && !QFileInfo::exists(path))
        path += selected == svgFigure ? QStringLiteral(".svg") : QStringLiteral(".png");
    // Written off the GUI thread, from a picture or a figure of its own.
    Sharing::Write write;
    if (selected == windowPicture && !FigureSaver::isSvg(path)) {
        // A copy of its own: the canvas draws on in its pixels.
        write = [picture = m_window->canvas()->image().copy()](const QString &to,
                                                               std::stop_token stop) {
            return PictureSaver::save(picture, to, WholeFile::Wait::Briefly, std::move(stop));
        };
    } else {
        write = [figure = figure()](const QString &to, std::stop_token stop) {
            return FigureSaver::save(figure, to, WholeFile::Wait::Briefly, std::move(stop));
        };
    }
    m_sharing.write(
        path, tr("The picture could not be saved as %1:\n%2"), std::move(write),
        [this](const QString &to, const QString &reason) { emit pictureSaved(to, reason); });
}

void ShareActions::copyPicture()
{
    Sharing::copy(m_window->canvas()->image());
}

void ShareActions::print()
{
    m_sharing.print(figure(), {tr("Print picture"), tr("The picture could not be printed on %1.")},
                    proposedName(QStringLiteral("pdf")));
}

void ShareActions::saveProbabilities()
{
    const std::span<const RunHistory::Entry> shown = m_window->history().runs();
    m_sharing.save(
        {tr("Save probabilities"), tr("Comma-separated values (*.csv)"),
         tr("The probabilities could not be saved as %1:\n%2")},
        proposedName(QStringLiteral("csv")),
        [runs = std::vector(shown.begin(), shown.end())](const QString &path,
                                                         std::stop_token stop) {
            return ProbabilityCsv::save(runs, path, WholeFile::Wait::Briefly, std::move(stop));
        },
        [this](const QString &path, const QString &reason) {
            emit probabilitiesSaved(path, reason);
        });
}

HelpDialog *ShareActions::help() const
{
    return m_help;
}

void ShareActions::showHelp()
{
    if (!m_help)
        m_help = new HelpDialog(m_window);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void ShareActions::showAbout()
{
    QMessageBox::about(
        m_window, tr("About Veltrin"),
        tr("<h3>Veltrin %1</h3>"
           "<p>How a parabolic mirror gathers light, told with the arrows of quantum "
           "electrodynamics.</p>"
           "<p>Veltrin is free software: you may share and change it under the terms of the GNU "
           "General Public License, version 3 or (at your option) any later version "
           "(GPL-3.0-or-later). It comes with no warranty.</p>"
           "<p>Made with Qt %2, running on Qt %3.</p>")
            .arg(QCoreApplication::applicationVersion(), QStringLiteral(QT_VERSION_STR),
                 QString::fromLatin1(qVersion())));
}

} // namespace veltrin
