// SPDX-License-Identifier: GPL-3.0-or-later
#include "optiontable.h"

#include <QCommandLineParser>

namespace veltrin {

namespace {

using Output = OptionTable::Output;
using Outputs = OptionTable::Outputs;
using Work = OptionTable::Work;

constexpr Outputs run = Output::Picture | Output::Figure | Output::Probabilities;
constexpr Outputs bench = Output::Map | Output::Hits;

const OptionTable::File fileRows[] = {
    {Output::Picture, "save-picture", {"png", nullptr}, Work::Run},
    {Output::Figure, "save-figure", {"png", "svg"}, Work::Run},
    {Output::Probabilities, "save-probabilities", {"csv", nullptr}, Work::Run},
    {Output::Map, "save-map", {"csv", nullptr}, Work::Bench},
    {Output::Hits, "save-hits", {"csv", nullptr}, Work::Bench},
};

/// An option of the program's own, other than help, version and the files, and the outputs
/// that use it. --k and --frequency choose a button for the window and its run, and any K and
/// the light for the bench.
struct Use
{
    const char *option;
    Outputs outputs;
};
const Use useRows[] = {
    {"k", Output::Window | run | bench},
    {"frequency", Output::Window | run | bench},
    {"speed", Output::Window},
    {"run", Output::Window},
    {"wavenumber", bench},
    {"shape", bench},
    {"source", bench},
    {"mirror", bench},
    {"map-step", bench},
    {"photons", Output::Hits},
    {"seed", Output::Hits},
};

QString dashed(const char *option)
{
    return QStringLiteral("--") + QString::fromLatin1(option);
}

/// The outputs by the options that ask for them, or the window.
QString namesOf(Outputs outputs)
{
    QStringList names;
    if (outputs & Output::Window)
        names << OptionTable::tr("the window");
    for (const OptionTable::File &file : fileRows) {
        if (outputs & file.output)
            names << file.dashed();
    }
    return names.join(OptionTable::tr(" or "));
}

} // namespace

QString OptionTable::File::dashed() const
{
    return veltrin::dashed(option);
}

QStringList OptionTable::File::suffixList() const
{
    QStringList list;
    for (const char *suffix : suffixes) {
        if (suffix)
            list << QString::fromLatin1(suffix);
    }
    return list;
}

std::span<const OptionTable::File> OptionTable::files()
{
    return fileRows;
}

std::optional<QString> OptionTable::misfit(Outputs asked, const QCommandLineParser &parser)
{
    const File *first = nullptr;
    for (const File &file : fileRows) {
        if (!(asked & file.output))
            continue;
        if (first && first->work != file.work)
            return tr("%1 and %2 cannot go together: one is the window's run, the other the "
                      "experiment bench's; make them in two calls")
                .arg(first->dashed(), file.dashed());
        if (!first)
            first = &file;
    }
    for (const Use &use : useRows) {
        if (parser.isSet(QString::fromLatin1(use.option)) && !(use.outputs & asked))
            return tr("%1 is not used by %2; it is for %3")
                .arg(dashed(use.option), namesOf(asked), namesOf(use.outputs));
    }
    return std::nullopt;
}

OptionTable::Work OptionTable::workOf(Outputs asked)
{
    for (const File &file : fileRows) {
        if (asked & file.output)
            return file.work;
    }
    return Work::Window;
}

QStringList OptionTable::values(const QCommandLineParser &parser, const QString &option)
{
    QStringList values = parser.values(option);
    for (QString &value : values)
        value = value.trimmed();
    return values;
}

} // namespace veltrin
