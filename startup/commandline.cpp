// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "choices.h"
#include "lessoncommand.h"
#include "mapcommand.h"
#include "opticscommand.h"
#include "photonscommand.h"
#include "scancommand.h"
#include "setupcommand.h"
#include "slitscommand.h"

#include "wholefile.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstdlib>

namespace veltrin {

namespace {

// The options QGuiApplication and QApplication read themselves; they reach the toolkit as given.
const char *const toolkitOptionsWithValue[] = {"platform",      "platformpluginpath",
                                               "platformtheme", "plugin",
                                               "display",       "qwindowgeometry",
                                               "geometry",      "qwindowtitle",
                                               "title",         "qwindowicon",
                                               "icon",          "session",
                                               "name",          "style",
                                               "stylesheet",    "qmljsdebugger"};
const char *const toolkitFlags[] = {"reverse", "widgetcount", "sync", "nograb", "dograb"};

/// How the command line writes a choice: a mirror constant as on its button, a frequency in
/// lower case.
QString optionText(const Choice &choice)
{
    const QString caption = QString::fromUtf8(choice.caption);
    return choice.field == Field::Kmitocet ? caption.toLower() : caption;
}

QStringList optionTexts(Field field)
{
    QStringList texts;
    for (const Choice &choice : choicesFor(field))
        texts << optionText(choice);
    return texts;
}

QString programName()
{
    return QStringLiteral("veltrin: ");
}

/// A file's name as a message shows it.
QString shown(const QString &path)
{
    return WholeFile::isStandardOutput(path) ? CommandLine::tr("the standard output")
                                             : QDir::toNativeSeparators(path);
}

} // namespace

/// The program's own options, as the help lists them.
struct CommandLine::Options
{
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
                            CommandLine::tr("Displays help on commandline options.")};
    QCommandLineOption helpAll{QStringLiteral("help-all"), QString()};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               CommandLine::tr("Displays version information.")};
    QCommandLineOption k{QStringLiteral("k"),
                         CommandLine::tr("Choose the mirror's K: %1.")
                             .arg(optionTexts(Field::OsKruh).join(QStringLiteral(", "))),
                         CommandLine::tr("VALUE")};
    QCommandLineOption frequency{QStringLiteral("frequency"),
                                 CommandLine::tr("Choose the light's frequency."),
                                 optionTexts(Field::Kmitocet).join(u'|')};
    QCommandLineOption speed{
        QStringLiteral("speed"),
        CommandLine::tr(
            "Set the animation's scroll bar to N, from 0 (as fast as the machine draws) to %1 "
            "(the slowest).")
            .arg(SpeedBar::slowestPosition),
        CommandLine::tr("N")};
    QCommandLineOption run{QStringLiteral("run"),
                           CommandLine::tr("Press Start once the window is shown.")};
    QCommandLineOption picture{
        QStringLiteral("save-picture"),
        CommandLine::tr("Make one run with no window, save its picture as a PNG file and exit."),
        CommandLine::tr("FILE.png")};
    QCommandLineOption figure{
        QStringLiteral("save-figure"),
        CommandLine::tr("Make one run with no window, save it as a figure for a worksheet (on "
                        "white, with a legend; SVG where the name ends in .svg, else PNG) and "
                        "exit."),
        CommandLine::tr("FILE.svg|FILE.png")};
    QCommandLineOption probabilities{
        QStringLiteral("save-probabilities"),
        CommandLine::tr(
            "Make one run with no window, save its probabilities as comma-separated values and "
            "exit. Together with --save-picture, the one run writes both files."),
        CommandLine::tr("FILE.csv")};

    /// Adds them, and the toolkit's options hidden, to the parser.
    void addTo(QCommandLineParser &parser)
    {
        // Not Qt's own help option: its --help-all would promise the toolkit's options, which
        // only a parser that ends the program itself can list. --help-all is still understood.
        helpAll.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOptions(
            {help, helpAll, version, k, frequency, speed, run, picture, figure, probabilities});
        for (const char *name : toolkitOptionsWithValue) {
            QCommandLineOption option(QString::fromLatin1(name), QString(),
                                      QStringLiteral("value"));
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
        for (const char *name : toolkitFlags) {
            QCommandLineOption option(QString::fromLatin1(name), QString());
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
    }
};

CommandLine::CommandLine(const QStringList &arguments)
{
    read(arguments);
}

void CommandLine::read(const QStringList &arguments)
{
    QCommandLineParser parser;
    // The toolkit's options begin with one dash and are whole words: -platform, -display.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        tr("How a parabolic mirror gathers light, told with QED arrows.\n\n"
           "With --save-picture, --save-figure or --save-probabilities Veltrin opens no window\n"
           "and needs no display: it makes one run with the options given and writes the files.\n"
           "With --save-map or --save-hits it computes the experiment bench's map instead, and\n"
           "with --experiment glass --save-scan the glass layer's reflection."));
    Options options;
    options.addTo(parser);
    MapCommand::addOptions(parser);
    OpticsCommand::addOptions(parser);
    PhotonsCommand::addOptions(parser);
    ScanCommand::addOptions(parser);
    SlitsCommand::addOptions(parser);
    SetupCommand::addOptions(parser);
    LessonCommand::addOptions(parser);
    parser.parse(arguments);
    if (answeredAtOnce(parser, options))
        return;
    QList<Target> targets;
    if (!readFiles(parser, targets))
        return;
    OptionTable::Outputs asked;
    for (const Target &target : targets)
        asked |= target.file->output;
    if (!asked)
        asked = OptionTable::Window;
    if (!readSetup(parser))
        return;
    const std::variant<OptionTable::Kind, QString> kind =
        m_setup ? SetupCommand::kindOf(*m_setup) : OptionTable::kindFrom(parser);
    if (const QString *error = std::get_if<QString>(&kind))
        return refuse(*error);
    if (const std::optional<QString> misfit = OptionTable::misfit(
            asked, std::get<OptionTable::Kind>(kind), parser, m_setup.has_value()))
        return refuse(*misfit);
    if (!apart(targets))
        return;
    const OptionTable::Work work = OptionTable::workOf(asked);
    if (work == OptionTable::Work::Bench) {
        if (!readBench(parser, targets, std::get<OptionTable::Kind>(kind)))
            return;
    } else {
        if (!readChoice(parser, options.k, Field::OsKruh, m_options.k) ||
            !readChoice(parser, options.frequency, Field::Kmitocet, m_options.frequency) ||
            !readSpeed(parser, options.speed))
            return;
        m_options.run = parser.isSet(options.run);
        m_options.setup = m_setup;
        if (LessonCommand::asked(parser)) {
            std::variant<Lesson, QString> lesson = LessonCommand::lessonFrom(parser);
            if (const QString *error = std::get_if<QString>(&lesson))
                return refuse(*error);
            m_options.lesson = std::move(std::get<Lesson>(lesson));
        }
        for (const Target &target : targets) {
            QString &path = target.file->output == OptionTable::Picture ? m_options.picturePath
                            : target.file->output == OptionTable::Figure
                                ? m_options.figurePath
                                : m_options.probabilitiesPath;
            path = target.path;
        }
    }
    if (!writable(targets))
        return;
    m_outcome = work == OptionTable::Work::Bench ? Outcome::WriteBenchFiles
                : work == OptionTable::Work::Run ? Outcome::WriteFiles
                                                 : Outcome::OpenWindow;
}

bool CommandLine::answeredAtOnce(const QCommandLineParser &parser, const Options &options)
{
    if (!parser.errorText().isEmpty()) {
        refuse(parser.errorText());
        return true;
    }
    if (parser.isSet(options.help) || parser.isSet(options.helpAll)) {
        // Every option of the program's own is a long one, also the one-letter --k; the parser
        // would show that one with a single dash.
        QString text = parser.helpText();
        text.replace(QRegularExpression(QStringLiteral("^(\\s+)-k (<\\S+>) "),
                                        QRegularExpression::MultilineOption),
                     QStringLiteral("\\1--k \\2"));
        exitWith(0, text);
        return true;
    }
    if (parser.isSet(options.version)) {
        exitWith(0, QCoreApplication::applicationName() + u' ' +
                        QCoreApplication::applicationVersion() + u'\n');
        return true;
    }
    if (const std::optional<LessonCommand::Answer> answer = LessonCommand::answerFrom(parser)) {
        exitWith(answer->status, answer->output, answer->error);
        return true;
    }
    // One argument of its own is a setup or a lesson to open, as a desktop hands over a file.
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1 ||
        (positional.size() == 1 &&
         parser.isSet(LessonCommand::isLessonFile(positional.first()) ? QStringLiteral("lesson")
                                                                      : QStringLiteral("setup")))) {
        refuse(tr("unexpected argument \"%1\"").arg(positional.last()));
        return true;
    }
    return false;
}

bool CommandLine::readChoice(const QCommandLineParser &parser, const QCommandLineOption &option,
                             Field field, const Choice *&choice)
{
    for (const QString &given : OptionTable::values(parser, option.names().first())) {
        choice = choiceCaptioned(field, given);
        if (choice)
            continue;
        const QString valid = optionTexts(field).join(QStringLiteral(", "));
        refuse(
            field == Field::OsKruh
                ? tr("--k %1 is none of the mirror constants; choose one of %2").arg(given, valid)
                : tr("--frequency %1 is none of the frequencies; choose one of %2")
                      .arg(given, valid));
        return false;
    }
    return true;
}

bool CommandLine::readSpeed(const QCommandLineParser &parser, const QCommandLineOption &option)
{
    for (const QString &given : OptionTable::values(parser, option.names().first())) {
        bool ok = false;
        const int position = given.toInt(&ok);
        if (!ok || position < 0 || position > SpeedBar::slowestPosition) {
            refuse(tr("--speed %1 is not a whole number from 0 to %2")
                       .arg(given)
                       .arg(SpeedBar::slowestPosition));
            return false;
        }
        m_options.speed = position;
    }
    return true;
}

bool CommandLine::readFiles(const QCommandLineParser &parser, QList<Target> &targets)
{
    for (const OptionTable::File &file : OptionTable::files()) {
        const QStringList given = parser.values(QString::fromLatin1(file.option));
        if (given.isEmpty())
            continue;
        const QString name = file.dashed();
        if (given.size() > 1) {
            refuse(tr("%1 is given more than once; it names one file").arg(name));
            return false;
        }
        // A name is taken as given, spaces and all: a file may have them.
        const QString &path = given.first();
        if (path.isEmpty()) {
            refuse(tr("%1 needs a file name, or - for the standard output").arg(name));
            return false;
        }
        const QString suffix =
            WholeFile::isStandardOutput(path) ? QString() : QFileInfo(path).suffix();
        const QStringList suffixes = file.suffixList();
        if (!suffix.isEmpty() && !suffixes.contains(suffix, Qt::CaseInsensitive)) {
            refuse(tr("%1 %2: the file is written as .%3; name it so")
                       .arg(name, path, suffixes.join(QStringLiteral(" or ."))));
            return false;
        }
        targets.append({&file, path});
    }
    return true;
}

bool CommandLine::apart(const QList<Target> &targets)
{
    for (qsizetype i = 0; i < targets.size(); ++i) {
        for (qsizetype j = i + 1; j < targets.size(); ++j) {
            if (!WholeFile::sameTarget(targets[i].path, targets[j].path))
                continue;
            refuse(tr("%1 and %2 both name %3; each needs a file of its own")
                       .arg(targets[i].file->dashed(), targets[j].file->dashed(),
                            shown(targets[i].path)));
            return false;
        }
    }
    return true;
}

bool CommandLine::readSetup(const QCommandLineParser &parser)
{
    if (parser.values(QStringLiteral("setup")).size() > 1) {
        refuse(tr("--setup is given more than once; it names one file"));
        return false;
    }
    const QString path = SetupCommand::pathFrom(parser);
    if (path.isEmpty())
        return true;
    std::variant<Setup, QString> setup = SetupCommand::read(path);
    if (const QString *error = std::get_if<QString>(&setup)) {
        refuse(*error);
        return false;
    }
    m_setup = std::move(std::get<Setup>(setup));
    return true;
}

bool CommandLine::readBench(const QCommandLineParser &parser, const QList<Target> &targets,
                            OptionTable::Kind kind)
{
    if (kind == OptionTable::Glass) {
        const std::variant<ScanCommand::Request, QString> scan = ScanCommand::requestFrom(parser);
        if (const QString *error = std::get_if<QString>(&scan)) {
            refuse(*error);
            return false;
        }
        m_bench.scan = std::get<ScanCommand::Request>(scan);
        m_bench.scanPath = targets.first().path;
        return true;
    }
    const std::variant<Experiment, QString> experiment =
        m_setup                       ? m_setup->experiment
        : kind == OptionTable::Mirror ? MapCommand::experimentFrom(parser)
        : kind == OptionTable::Slits
            ? SlitsCommand::experimentFrom(parser)
            : OpticsCommand::experimentFrom(parser, kind == OptionTable::Boundary
                                                        ? Experiment::Element::Boundary
                                                        : Experiment::Element::Lens);
    const std::variant<MapGrid, QString> grid = MapCommand::gridFrom(parser);
    const std::variant<long long, QString> photons = PhotonsCommand::countFrom(parser);
    const std::variant<quint64, QString> seed = PhotonsCommand::seedFrom(parser);
    for (const QString *error : {std::get_if<QString>(&experiment), std::get_if<QString>(&grid),
                                 std::get_if<QString>(&photons), std::get_if<QString>(&seed)}) {
        if (error) {
            refuse(*error);
            return false;
        }
    }
    m_bench.experiment = std::get<Experiment>(experiment);
    m_bench.grid = std::get<MapGrid>(grid);
    m_bench.photons = std::get<long long>(photons);
    m_bench.seed = std::get<quint64>(seed);
    if (m_setup) {
        m_bench.photons = m_setup->photonCount;
        m_bench.seed = m_setup->photonSeed;
    }
    // What the options describe, or the setup read, whole: its detector and predictions too.
    m_bench.setup = m_setup.value_or(Setup{});
    m_bench.setup.experiment = m_bench.experiment;
    m_bench.setup.photonCount = int(m_bench.photons);
    m_bench.setup.photonSeed = m_bench.seed;
    for (const Target &target : targets) {
        switch (target.file->output) {
        case OptionTable::Map:
            m_bench.mapPath = target.path;
            break;
        case OptionTable::Hits:
            m_bench.hitsPath = target.path;
            break;
        default:
            m_bench.setupPath = target.path;
            break;
        }
    }
    return true;
}

bool CommandLine::writable(const QList<Target> &targets)
{
    for (const Target &target : targets) {
        const QString reason = WholeFile::writeObstacle(target.path);
        if (!reason.isEmpty()) {
            exitWith(EXIT_FAILURE, {}, cannotWrite(target.path, reason));
            return false;
        }
    }
    return true;
}

QString CommandLine::cannotWrite(const QString &path, const QString &reason)
{
    return tr("veltrin: cannot write %1: %2").arg(shown(path), reason);
}

void CommandLine::refuse(const QString &reason)
{
    exitWith(usageError, {}, programName() + reason + u' ' + tr("(see veltrin --help)"));
}

void CommandLine::exitWith(int status, const QString &output, const QString &error)
{
    m_outcome = Outcome::Exit;
    m_status = status;
    m_output = output;
    m_error = error;
}

} // namespace veltrin
