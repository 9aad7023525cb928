// SPDX-License-Identifier: GPL-3.0-or-later
#include "setupactions.h"

#include "benchwindow.h"
#include "lessonfile.h"
#include "settingsstore.h"
#include "setupfile.h"
#include "sharing.h"
#include "shippedlessons.h"
#include "wholefile.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMenu>

namespace veltrin {

namespace {

/// One key a setup, the settings file being one value a line.
QString recentKey(int i)
{
    return QStringLiteral("bench/recentSetup%1").arg(i + 1);
}

QString filter()
{
    return SetupActions::tr("Veltrin setups (*.veltrin)");
}

} // namespace

SetupActions::SetupActions(BenchWindow &bench, Sharing &sharing)
    : QObject(&bench), m_bench(bench), m_sharing(sharing), m_menu(new QMenu(tr("Set&up"), &bench))
{
    const auto add = [this](const QString &text, const QKeySequence &keys, const char *name,
                            void (SetupActions::*slot)()) {
        auto *action = m_menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setShortcutVisibleInContextMenu(true);
        m_bench.addAction(action);
        connect(action, &QAction::triggered, this, slot);
    };
    add(tr("&Open setup…"), QKeySequence::Open, "openSetup", &SetupActions::askToOpen);
    m_recentMenu = m_menu->addMenu(tr("Open &recent"));
    connect(m_recentMenu, &QMenu::aboutToShow, this, &SetupActions::showRecent);
    add(tr("&Save setup…"), Qt::CTRL | Qt::ALT | Qt::Key_S, "saveSetup", &SetupActions::save);
    m_menu->addSeparator();
    add(tr("&Copy share code"), {}, "copyShareCode", &SetupActions::copyCode);
    add(tr("Open share co&de…"), {}, "openShareCode", &SetupActions::askForCode);
    m_menu->addSeparator();
    m_lessonMenu = m_menu->addMenu(tr("&Lesson"));
    m_lessonMenu->setObjectName(QStringLiteral("lessons"));
    connect(m_lessonMenu, &QMenu::aboutToShow, this, &SetupActions::showLessons);
}

bool SetupActions::open(const QString &path)
{
    const auto refuse = [this, &path](const QString &reason) {
        m_sharing.reportFailure(
            tr("The setup %1 could not be opened: %2.").arg(QFileInfo(path).fileName(), reason));
        return false;
    };
    // Read only where nothing can make the window wait: a FIFO or a device could.
    if (!QFileInfo(path).isFile())
        return refuse(tr("it is not a file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(file.errorString());
    const std::variant<Setup, QString> setup =
        SetupFile::fromJson(file.read(SetupFile::largest + 1));
    if (const QString *fault = std::get_if<QString>(&setup))
        return refuse(*fault);
    m_bench.applySetup(std::get<Setup>(setup));
    remember(path);
    return true;
}

bool SetupActions::openCode(const QString &code)
{
    const std::variant<Setup, QString> setup = SetupFile::fromShareCode(code);
    QString fault;
    if (const QString *error = std::get_if<QString>(&setup))
        fault = *error;
    if (!fault.isEmpty()) {
        m_sharing.reportFailure(tr("The share code could not be opened: %1.").arg(fault));
        return false;
    }
    m_bench.applySetup(std::get<Setup>(setup));
    return true;
}

QStringList SetupActions::recent()
{
    const SettingsStore settings;
    QStringList paths;
    for (int i = 0; i < recentCount; ++i) {
        if (const std::optional<QString> path = settings.text(recentKey(i));
            path && !path->isEmpty())
            paths << *path;
    }
    return paths;
}

void SetupActions::askToOpen()
{
    const QString path = QFileDialog::getOpenFileName(&m_bench, tr("Open setup"), {}, filter());
    if (!path.isEmpty())
        open(path);
}

void SetupActions::save()
{
    const QByteArray json = SetupFile::toJson(m_bench.setup());
    m_sharing.save(
        {tr("Save setup"), filter(), tr("The setup could not be saved in %1: %2.")},
        QStringLiteral("veltrin-setup.veltrin"),
        [json](const QString &path, std::stop_token stop) {
            return WholeFile::write(path, json, WholeFile::Wait::Briefly, std::move(stop));
        },
        [this](const QString &path, const QString &reason) {
            if (reason.isEmpty())
                remember(path);
        });
}

void SetupActions::copyCode()
{
    QGuiApplication::clipboard()->setText(SetupFile::shareCode(m_bench.setup()));
}

void SetupActions::askForCode()
{
    auto *dialog = new QInputDialog(&m_bench);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(tr("Open share code"));
    dialog->setLabelText(tr("Paste the share code:"));
    dialog->setTextValue(QGuiApplication::clipboard()->text().trimmed());
    connect(dialog, &QInputDialog::textValueSelected, this, &SetupActions::openCode);
    dialog->open();
}

void SetupActions::remember(const QString &path)
{
    QStringList paths = recent();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    paths.removeAll(absolute);
    paths.prepend(absolute);
    SettingsStore settings;
    for (int i = 0; i < recentCount; ++i)
        settings.setText(recentKey(i), paths.value(i));
}

void SetupActions::showRecent()
{
    m_recentMenu->clear();
    const QStringList paths = recent();
    for (const QString &path : paths)
        connect(m_recentMenu->addAction(QFileInfo(path).fileName()), &QAction::triggered, this,
                [this, path] { open(path); });
    m_recentMenu->setEnabled(true);
    if (paths.isEmpty())
        m_recentMenu->addAction(tr("No setups yet"))->setEnabled(false);
}

void SetupActions::showLessons()
{
    m_lessonMenu->clear();
    for (const QString &name : ShippedLessons::names()) {
        if (const std::optional<Lesson> lesson = ShippedLessons::find(name)) {
            const QString title = lesson->title.in(QLocale().name());
            connect(m_lessonMenu->addAction(QString(title).replace(u'&', QStringLiteral("&&"))),
                    &QAction::triggered, this, [this, name] {
                        if (const std::optional<Lesson> chosen = ShippedLessons::find(name))
                            emit lessonRequested(*chosen);
                    });
        }
    }
    m_lessonMenu->addSeparator();
    connect(m_lessonMenu->addAction(tr("Open &lesson…")), &QAction::triggered, this,
            &SetupActions::askForLesson);
}

void SetupActions::askForLesson()
{
    const QString path = QFileDialog::getOpenFileName(
        &m_bench, tr("Open lesson"), {},
        tr("Veltrin lessons (*.%1)").arg(QLatin1String(LessonFile::suffix)));
    if (path.isEmpty())
        return;
    // Read only where nothing can make the window wait: a FIFO or a device could.
    const auto lesson =
        QFileInfo(path).isFile()
            ? LessonFile::read(path)
            : std::variant<Lesson, QStringList>(QStringList{tr("it is not a file")});
    if (const QStringList *problems = std::get_if<QStringList>(&lesson)) {
        m_sharing.reportFailure(tr("The lesson %1 could not be opened:\n%2")
                                    .arg(QFileInfo(path).fileName(), problems->join(u'\n')));
        return;
    }
    emit lessonRequested(std::get<Lesson>(lesson));
}

} // namespace veltrin
