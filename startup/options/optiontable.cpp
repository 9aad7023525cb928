// SPDX-License-Identifier: GPL-3.0-or-later
#include "optiontable.h"

#include <QCommandLineParser>
#include <algorithm>

namespace veltrin {

namespace {

using Output = OptionTable::Output;
using Outputs = OptionTable::Outputs;
using Work = OptionTable::Work;

using Kind = OptionTable::Kind;
using Kinds = OptionTable::Kinds;

constexpr Outputs run = Output::Picture | Output::Figure | Output::Probabilities;
constexpr Outputs bench = Output::Map | Output::Hits | Output::SavedSetup;
constexpr Kinds everyKind = Kind::Mirror | Kind::Glass | Kind::Boundary | Kind::Lens | Kind::Slits;
constexpr Kinds withMaps = Kind::Mirror | Kind::Boundary | Kind::Lens | Kind::Slits;
constexpr Kinds withGlass = Kind::Glass | Kind::Boundary | Kind::Lens;

const OptionTable::ExperimentRow experimentRows[] = {
    {Kind::Mirror, "mirror", bench},     {Kind::Glass, "glass", Output::Scan},
    {Kind::Boundary, "boundary", bench}, {Kind::Lens, "lens", bench},
    {Kind::Slits, "slits", bench},
};

const OptionTable::File fileRows[] = {
    {Output::Picture, "save-picture", {"png", nullptr}, Work::Run},
    {Output::Figure, "save-figure", {"png", "svg"}, Work::Run},
    {Output::Probabilities, "save-probabilities", {"csv", nullptr}, Work::Run},
    {Output::Map, "save-map", {"csv", nullptr}, Work::Bench},
    {Output::Hits, "save-hits", {"csv", nullptr}, Work::Bench},
    {Output::Scan, "save-scan", {"csv", nullptr}, Work::Bench},
    {Output::SavedSetup, "save-setup", {"veltrin", nullptr}, Work::Bench},
};

/// An option of the program's own, other than help, version and the files: the outputs that use
/// it and, for the bench's, the experiments. --k and --frequency choose a button for the window
/// and its run, and any K and the light for the bench.
struct Use
{
    const char *option;
    Outputs outputs;
    Kinds kinds = everyKind;
};
const Use useRows[] = {
    {"k", Output::Window | run | bench, Kind::Mirror},
    {"frequency", Output::Window | run | bench | Output::Scan},
    {"speed", Output::Window},
    {"run", Output::Window},
    {"experiment", bench | Output::Scan},
    {"wavenumber", bench | Output::Scan},
    {"shape", bench, Kind::Mirror},
    {"source", bench, withMaps},
    {"mirror", bench, Kind::Mirror},
    {"index", bench | Output::Scan, withGlass},
    {"window", bench, Kind::Boundary},
    {"target", bench, Kind::Lens},
    {"map-step", Output::Map | Output::Hits, withMaps},
    {"photons", Output::Hits | Output::SavedSetup},
    {"seed", Output::Hits | Output::SavedSetup},
    {"setup", Output::Window | bench, withMaps},
    {"echoes", Output::Scan, Kind::Glass},
    {"white", bench | Output::Scan, Kind::Glass | Kind::Slits},
    {"scan", Output::Scan, Kind::Glass},
    {"slits", bench, Kind::Slits},
    {"width", bench, Kind::Slits},
    {"separation", bench, Kind::Slits},
    {"which-path", bench, Kind::Slits},
    {"eraser", bench, Kind::Slits},
    {"lesson", Output::Window},
};

/// The options whose values a setup holds: with --setup the bench's files take them from it.
constexpr const char *heldBySetup[] = {
    "k",      "frequency", "experiment", "wavenumber", "shape",      "source",
    "mirror", "index",     "window",     "target",     "photons",    "seed",
    "white",  "slits",     "width",      "separation", "which-path", "eraser",
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

QString nameOf(Kind kind)
{
    for (const OptionTable::ExperimentRow &row : experimentRows) {
        if (row.kind == kind)
            return QString::fromLatin1(row.name);
    }
    return {};
}

/// The experiments by name: "mirror or lens".
QString namesOf(Kinds kinds)
{
    QStringList names;
    for (const OptionTable::ExperimentRow &row : experimentRows) {
        if (kinds & row.kind)
            names << QString::fromLatin1(row.name);
    }
    return names.join(OptionTable::tr(" or "));
}

} // namespace

std::span<const OptionTable::ExperimentRow> OptionTable::experiments()
{
    return experimentRows;
}

std::variant<OptionTable::Kind, QString> OptionTable::kindFrom(const QCommandLineParser &parser)
{
    Kind kind = Kind::Mirror;
    for (const QString &given : values(parser, QStringLiteral("experiment"))) {
        const auto row = std::ranges::find_if(experimentRows, [&given](const ExperimentRow &r) {
            return given == QLatin1String(r.name);
        });
        if (row == std::end(experimentRows)) {
            QStringList names;
            for (const ExperimentRow &each : experimentRows)
                names << QString::fromLatin1(each.name);
            return tr("--experiment %1 is none of the experiments; choose one of %2")
                .arg(given, names.join(QStringLiteral(", ")));
        }
        kind = row->kind;
    }
    return kind;
}

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

std::optional<QString> OptionTable::misfit(Outputs asked, Kind kind,
                                           const QCommandLineParser &parser, bool fromSetup)
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
    const bool forBench = workOf(asked) == Work::Bench;
    if (forBench) {
        const Outputs made = std::ranges::find(experimentRows, kind, &ExperimentRow::kind)->outputs;
        if (const Outputs other = asked & ~made) {
            Kinds makers;
            for (const ExperimentRow &row : experimentRows) {
                if (row.outputs & other)
                    makers |= row.kind;
            }
            return tr("the %1 experiment makes no %2, which is for --experiment %3; it makes %4")
                .arg(nameOf(kind), namesOf(other), namesOf(makers), namesOf(made));
        }
    }
    if (fromSetup && forBench) {
        for (const char *held : heldBySetup) {
            if (parser.isSet(QString::fromLatin1(held)))
                return tr("%1 cannot go with --setup, which holds the experiment whole")
                    .arg(dashed(held));
        }
    }
    for (const Use &use : useRows) {
        if (!parser.isSet(QString::fromLatin1(use.option)))
            continue;
        if (!(use.outputs & asked))
            return tr("%1 is not used by %2; it is for %3")
                .arg(dashed(use.option), namesOf(asked), namesOf(use.outputs));
        if (forBench && !(use.kinds & kind))
            return tr("%1 is not used by the %2 experiment; it is for --experiment %3")
                .arg(dashed(use.option), nameOf(kind), namesOf(use.kinds));
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
