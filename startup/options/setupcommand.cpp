// SPDX-License-Identifier: GPL-3.0-or-later
#include "setupcommand.h"

#include "lessoncommand.h"
#include "setupfile.h"
#include "wholefile.h"

#include <QCommandLineParser>
#include <QFile>

namespace veltrin {

namespace {

const QString setupOption = QStringLiteral("setup");
const QString saveSetupOption = QStringLiteral("save-setup");

} // namespace

void SetupCommand::addOptions(QCommandLineParser &parser)
{
    parser.addOptions({
        {setupOption,
         tr("Take the experiment, its photons and its detector from a setup file in place of "
            "their options: for the bench's files, or for the window, where the experiment "
            "bench opens with it. A setup file given as the only argument does the same."),
         tr("FILE.veltrin")},
        {saveSetupOption,
         tr("Save the setup the other options describe, with no window, and exit; with "
            "--save-map or --save-hits, together with them."),
         tr("FILE.veltrin")},
    });
}

QString SetupCommand::pathFrom(const QCommandLineParser &parser)
{
    const QStringList given = parser.values(setupOption);
    if (!given.isEmpty())
        return given.last();
    const QStringList arguments = parser.positionalArguments();
    return arguments.size() == 1 && !LessonCommand::isLessonFile(arguments.first())
               ? arguments.first()
               : QString();
}

std::variant<Setup, QString> SetupCommand::read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return tr("cannot read %1: %2").arg(path, file.errorString());
    // One byte beyond the largest, so that a larger file is told as such, not cut short.
    const QByteArray json = file.read(SetupFile::largest + 1);
    const std::variant<Setup, QString> setup = SetupFile::fromJson(json);
    if (const QString *fault = std::get_if<QString>(&setup))
        return tr("%1: %2").arg(path, *fault);
    return setup;
}

OptionTable::Kind SetupCommand::kindOf(const Setup &setup)
{
    if (setup.glass)
        return OptionTable::Glass;
    switch (setup.experiment.element) {
    case Experiment::Element::Mirror:
        return OptionTable::Mirror;
    case Experiment::Element::Boundary:
        return OptionTable::Boundary;
    case Experiment::Element::Lens:
        return OptionTable::Lens;
    case Experiment::Element::Slits:
        return OptionTable::Slits;
    }
    return OptionTable::Mirror;
}

QString SetupCommand::save(const Setup &setup, const QString &path)
{
    return WholeFile::write(path, SetupFile::toJson(setup), WholeFile::Wait::ForReader);
}

} // namespace veltrin
