// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "choices.h"
#include "mapcommand.h"
#include "parameterhandlers.h"

#include <QCommandLineParser>

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

const Choice *choiceFor(Field field, const QString &value)
{
    for (const Choice &choice : choicesFor(field)) {
        if (value.compare(optionText(choice), Qt::CaseInsensitive) == 0)
            return &choice;
    }
    return nullptr;
}

QString programName()
{
    return QStringLiteral("veltrin: ");
}

} // namespace

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
           "With --save-picture or --save-probabilities Veltrin opens no window and needs no\n"
           "display: it makes one run with the options given and writes the files."));
    // Not Qt's own help option: its --help-all would promise the toolkit's options, which only a
    // parser that ends the program itself can list. --help-all is still understood.
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
        tr("Displays help on commandline options."));
    QCommandLineOption helpAll(QStringLiteral("help-all"), QString());
    helpAll.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({help, helpAll});
    const QCommandLineOption version = parser.addVersionOption();
    const QString kValues = optionTexts(Field::OsKruh).join(QStringLiteral(", "));
    const QString frequencyValues = optionTexts(Field::Kmitocet).join(u'|');
    const QCommandLineOption k(QStringLiteral("k"), tr("Choose the mirror's K: %1.").arg(kValues),
                               tr("VALUE"));
    const QCommandLineOption frequency(QStringLiteral("frequency"),
                                       tr("Choose the light's frequency."), frequencyValues);
    const QCommandLineOption speed(
        QStringLiteral("speed"),
        tr("Set the animation's scroll bar to N, from 0 (as fast as the machine draws) to %1 "
           "(the slowest).")
            .arg(ParameterHandlers::slowestPosition),
        tr("N"));
    const QCommandLineOption run(QStringLiteral("run"),
                                 tr("Press Start once the window is shown."));
    const QCommandLineOption picture(
        QStringLiteral("save-picture"),
        tr("Make one run with no window, save its picture as a PNG file and exit."),
        tr("FILE.png"));
    const QCommandLineOption probabilities(
        QStringLiteral("save-probabilities"),
        tr("Make one run with no window, save its probabilities as comma-separated values and "
           "exit. Together with --save-picture, the one run writes both files."),
        tr("FILE.csv"));
    parser.addOptions({k, frequency, speed, run, picture, probabilities});
    MapCommand::addOptions(parser);
    for (const char *name : toolkitOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : toolkitFlags) {
        QCommandLineOption option(QString::fromLatin1(name), QString());
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    const QString tryHelp = tr("(see veltrin --help)");
    if (!parser.parse(arguments))
        return exitWith(usageError, {}, programName() + parser.errorText() + u' ' + tryHelp);
    if (parser.isSet(help) || parser.isSet(helpAll))
        return exitWith(0, parser.helpText());
    if (parser.isSet(version)) {
        return exitWith(0, QCoreApplication::applicationName() + u' ' +
                               QCoreApplication::applicationVersion() + u'\n');
    }
    if (!parser.positionalArguments().isEmpty()) {
        return exitWith(usageError, {},
                        programName() + tr("unexpected argument \"%1\" %2")
                                            .arg(parser.positionalArguments().first(), tryHelp));
    }

    if (MapCommand::isAsked(parser)) {
        const MapCommand::Outcome map = MapCommand::exec(parser);
        return exitWith(map.status, {}, map.error);
    }
    if (parser.isSet(k)) {
        m_options.k = choiceFor(Field::OsKruh, parser.value(k));
        if (!m_options.k) {
            return exitWith(usageError, {},
                            programName() + tr("--k %1 is none of the mirror constants; choose "
                                               "one of %2")
                                                .arg(parser.value(k), kValues));
        }
    }
    if (parser.isSet(frequency)) {
        m_options.frequency = choiceFor(Field::Kmitocet, parser.value(frequency));
        if (!m_options.frequency) {
            return exitWith(usageError, {},
                            programName() +
                                tr("--frequency %1 is none of the frequencies; "
                                   "choose one of %2")
                                    .arg(parser.value(frequency),
                                         optionTexts(Field::Kmitocet).join(QStringLiteral(", "))));
        }
    }
    if (parser.isSet(speed)) {
        bool ok = false;
        const int position = parser.value(speed).toInt(&ok);
        if (!ok || position < 0 || position > ParameterHandlers::slowestPosition) {
            return exitWith(usageError, {},
                            programName() + tr("--speed %1 is not a whole number from 0 to %2")
                                                .arg(parser.value(speed))
                                                .arg(ParameterHandlers::slowestPosition));
        }
        m_options.speed = position;
    }
    m_options.run = parser.isSet(run);
    m_options.picturePath = parser.value(picture);
    m_options.probabilitiesPath = parser.value(probabilities);
    m_outcome = m_options.writesFiles() ? Outcome::WriteFiles : Outcome::OpenWindow;
}

void CommandLine::exitWith(int status, const QString &output, const QString &error)
{
    m_outcome = Outcome::Exit;
    m_status = status;
    m_output = output;
    m_error = error;
}

} // namespace veltrin
