// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchwindow.h"
#include "canvas.h"
#include "choices.h"
#include "commandline.h"
#include "lessonfile.h"
#include "mapcommand.h"
#include "mapcomputer.h"
#include "mirrorpreset.h"
#include "probabilitycsv.h"
#include "shippedlessons.h"
#include "veltrinwindow.h"
#include "windowrun.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <cstdlib>

using namespace veltrin;

namespace {

struct Finished
{
    int status = -1;
    QString output;
    QString error;
};

/// The program set to start where there is no display at all, as from a plain console or a job.
void prepare(QProcess &program, const QString &folder = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name :
         {"DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
        environment.remove(QString::fromLatin1(name));
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(folder);
}

Finished finish(QProcess &program)
{
    if (!program.waitForFinished(30'000) || program.exitStatus() != QProcess::NormalExit)
        return {};
    return {program.exitCode(), QString::fromLocal8Bit(program.readAllStandardOutput()),
            QString::fromLocal8Bit(program.readAllStandardError())};
}

/// The program run without a display, in the folder given or the test's own.
Finished runWithoutDisplay(const QStringList &arguments, const QString &folder = {})
{
    QProcess program;
    prepare(program, folder);
    program.start(QStringLiteral(VELTRIN_PROGRAM), arguments);
    return finish(program);
}

/// The one line the program says on its error output; the toolkit may add remarks of its own.
QString oneLine(const Finished &finished)
{
    const QStringList said = finished.error.split(u'\n').filter(QStringLiteral("veltrin:"));
    return said.size() == 1 ? said.first() : QStringLiteral("not one line: ") + finished.error;
}

/// What a folder holds.
QStringList entries(const QTemporaryDir &dir)
{
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
}

/// What a file holds, or nothing where it cannot be read.
QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TstCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void answersWithoutADisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output"); // a part of what it prints on standard output
        QTest::addColumn<QString>("error");  // a part of its one line on standard error
        QTest::addRow("help") << QStringList{"--help"} << 0 << "--save-picture <FILE.png>"
                              << "";
        QTest::addRow("help names --k as it is typed")
            << QStringList{"--help"} << 0 << "  --k <VALUE>"
            << "";
        QTest::addRow("version") << QStringList{"--version"} << 0 << "Veltrin 1.0"
                                 << "";
        QTest::addRow("K that is no button's") << QStringList{"--k", "0.0003"} << 2 << ""
                                               << "0.00005, 0.00007, 0.0001, 0.0002";
        QTest::addRow("frequency that is no button's")
            << QStringList{"--frequency", "ultraviolet", "--save-picture", "x.png"} << 2 << ""
            << "high, middle, low";
        QTest::addRow("speed beyond the bar") << QStringList{"--speed", "32768"} << 2 << ""
                                              << "0 to 32767";
        QTest::addRow("every K given is checked")
            << QStringList{"--k", "bogus", "--k", "0.0001"} << 2 << ""
            << "--k bogus";
        QTest::addRow("probabilities on standard output")
            << QStringList{"--save-probabilities", "-"} << 0
            << "run,K,frequency,distance_twips,probability_twips,resultant\r\n1,0.00005,Middle,"
            << "";
        QTest::addRow("a map of a mirror that is none")
            << QStringList{"--save-map", "map.csv", "--mirror", "grating:5"} << 2 << ""
            << "whole, vertex, edges, grating:PERIOD";
        QTest::addRow("a map on standard output")
            << QStringList{"--save-map", "-", "--map-step", "1000"} << 0
            << "x_twips,y_twips,probability_twips,shape,K,wavenumber,source,mirror,kept_strips\r\n"
               "0,-3000,"
            << "";
        QTest::addRow("a glass layer's scan on standard output")
            << QStringList{"--experiment",     "glass", "--save-scan", "-", "--scan",
                           "thickness:0:1:0.5"}
            << 0
            << "thickness_twips,reflection_probability,transmission_probability\r\n0,0,\r\n0.5,"
            << "";
        QTest::addRow("a boundary's map on standard output")
            << QStringList{"--experiment", "boundary", "--save-map", "-",       "--map-step",
                           "1000",         "--source", "beam:40",    "--index", "1.33"}
            << 0
            << "x_twips,y_twips,probability_twips,experiment,index,wavenumber,source,window\r\n"
               "0,-3000,"
            << "";
        QTest::addRow("a lens's map, dark before the lens")
            << QStringList{"--experiment", "lens",     "--save-map",    "-",        "--map-step",
                           "1000",         "--source", "point:500,200", "--target", "8000,-100"}
            << 0
            << "experiment,index,wavenumber,source,target,kept_strips\r\n"
               "0,-3000,0,lens,1.5,0.02,\"point:500,200\",\"8000,-100\",6000\r\n"
            << "";
        QTest::addRow("photons with nowhere to go") << QStringList{"--photons", "10"} << 2 << ""
                                                    << "--save-hits";
        QTest::addRow("no photons") << QStringList{"--photons", "0", "--save-hits", "-"} << 2 << ""
                                    << "1 to 10000000";
        QTest::addRow("the shipped lessons") << QStringList{"--list-lessons"} << 0 << "\nphotons\t"
                                             << "";
        QTest::addRow("a lesson that is none") << QStringList{"--lesson", "mirror-fokus"} << 2 << ""
                                               << "mirror-fokus is none of the lessons";
        QTest::addRow("a lesson for a run")
            << QStringList{"--lesson", "photons", "--save-picture", "x.png"} << 2 << ""
            << "--lesson is not used by";
        QTest::addRow("a folder that is not there")
            << QStringList{"--save-picture", "/nonexistent/veltrin.png"} << 1 << ""
            << "cannot write /nonexistent/veltrin.png";
    }
    void answersWithoutADisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, output);
        QFETCH(QString, error);
        const Finished finished = runWithoutDisplay(arguments);
        QCOMPARE(finished.status, status);
        QVERIFY2(finished.output.contains(output), qPrintable(finished.output));
        if (error.isEmpty())
            return;
        QVERIFY2(oneLine(finished).contains(error), qPrintable(oneLine(finished)));
    }

    // Whatever is wrong with what a call asks for, it is named in one line and nothing is
    // written, also where the rest would make a file.
    void refusesTheWholeCallBeforeWritingAnything_data()
    {
        QTest::addColumn<QStringList>("arguments"); // in a folder with link.csv naming s.csv
        QTest::addColumn<QString>("error");
        const auto map = [](const QStringList &more) {
            return QStringList{"--save-map", "m.csv", "--map-step", "1000"} + more;
        };
        const auto hits = [](const QStringList &more) {
            return QStringList{"--save-hits", "h.csv", "--map-step", "1000"} + more;
        };
        QTest::addRow("a map beside a picture")
            << map({"--save-picture", "p.png"}) << "--save-picture and --save-map cannot go";
        QTest::addRow("photons beside a figure")
            << hits({"--save-figure", "f.svg"}) << "--save-figure and --save-hits cannot go";
        QTest::addRow("one file for two runs' files")
            << QStringList{"--save-picture", "out", "--save-probabilities", "./out"}
            << "both name out";
        QTest::addRow("one file for the map and photons, through a link")
            << map({"--save-hits", "link.csv"}) << "--save-map and --save-hits both name m.csv";
        QTest::addRow("the standard output for two")
            << QStringList{"--save-map", "-", "--save-hits", "-"}
            << "both name the standard output";
        QTest::addRow("a file option twice")
            << map({"--save-map", "n.csv"}) << "--save-map is given more than once";
        QTest::addRow("a picture of another format")
            << QStringList{"--save-picture", "x.jpg"} << "written as .png";
        QTest::addRow("a figure of another format")
            << QStringList{"--save-figure", "x.pdf"} << "written as .png or .svg";
        QTest::addRow("a map named as a picture")
            << QStringList{"--save-map", "m.png"} << "written as .csv";
        QTest::addRow("a bench option beside a picture")
            << QStringList{"--save-picture", "p.png", "--mirror", "edges"}
            << "--mirror is not used by --save-picture";
        QTest::addRow("a window option beside a picture")
            << QStringList{"--save-picture", "p.png", "--speed", "3"}
            << "--speed is not used by --save-picture";
        QTest::addRow("photons beside only a map")
            << map({"--photons", "10"}) << "--photons is not used by --save-map";
        // The bench's other experiments: what each makes and takes, each value checked.
        const auto experiment = [](const char *name, const QStringList &more) {
            return QStringList{"--experiment", name} + more;
        };
        const QStringList scan{"--save-scan", "s.csv"};
        QTest::addRow("an experiment that is none")
            << experiment("prism", scan) << "--experiment prism is none of the experiments";
        QTest::addRow("every experiment checked")
            << experiment("prism", map({"--experiment", "lens"})) << "--experiment prism";
        QTest::addRow("a glass layer's map")
            << experiment("glass", map({})) << "the glass experiment makes no --save-map";
        QTest::addRow("a mirror's scan") << scan << "the mirror experiment makes no --save-scan";
        QTest::addRow("an index beyond glass")
            << experiment("glass", scan + QStringList{"--index", "2.6"}) << "1 to 2.5";
        QTest::addRow("a scan backwards")
            << experiment("glass", scan + QStringList{"--scan", "thickness:500:100:10"})
            << "--scan thickness:500:100:10 is not";
        QTest::addRow("a scan of too many rows")
            << experiment("glass", scan + QStringList{"--scan", "thickness:0:1000:0.001"})
            << "at most 100000 rows";
        QTest::addRow("white light and a frequency")
            << experiment("glass", scan + QStringList{"--white", "--frequency", "low"})
            << "give one of them";
        QTest::addRow("a mirror's K for the boundary")
            << experiment("boundary", map({"--k", "0.0001"}))
            << "--k is not used by the boundary experiment";
        QTest::addRow("echoes in a lens's map")
            << experiment("lens", map({"--echoes"})) << "--echoes is not used by --save-map";
        QTest::addRow("a window for the lens") << experiment("lens", hits({"--window", "0:100"}))
                                               << "--window is not used by the lens experiment";
        QTest::addRow("a beam too steep")
            << experiment("boundary", map({"--source", "beam:85"})) << "0 to 80 degrees";
        QTest::addRow("a point source inside the glass")
            << experiment("boundary", map({"--source", "point:2000,-10"})) << "point:2000,-10";
        QTest::addRow("a window backwards")
            << experiment("boundary", map({"--window", "5000:4000"})) << "--window 5000:4000";
        QTest::addRow("a lens lit by a beam")
            << experiment("lens", map({"--source", "beam"})) << "none of the lens's sources";
        QTest::addRow("a lens's target before it")
            << experiment("lens", map({"--target", "4000,0"})) << "--target 4000,0";
        // The slits: their measures checked against each other and the screen.
        const auto slits = [&](const QStringList &more) {
            return experiment("slits", map(QStringList{"--width", "100"} + more));
        };
        QTest::addRow("no slits") << slits({"--slits", "0"}) << "--slits 0 is not a whole number";
        QTest::addRow("thirteen slits") << slits({"--slits", "13"}) << "--slits 13";
        QTest::addRow("slits without their number")
            << experiment("slits", map({"--width", "100"})) << "needs --slits N and --width W";
        QTest::addRow("a slit too wide") << slits({"--slits", "1", "--width", "2500"})
                                         << "--width 2500 is not a number from 10 to 2000";
        QTest::addRow("two slits without their separation")
            << slits({"--slits", "2"}) << "--slits 2 needs --separation D";
        QTest::addRow("one slit with a separation")
            << slits({"--slits", "1", "--separation", "300"}) << "one slit has none";
        QTest::addRow("slits overlapping") << slits({"--slits", "3", "--separation", "80"})
                                           << "--separation 80 is not more than --width 100";
        QTest::addRow("slits beyond the screen")
            << slits({"--slits", "12", "--separation", "600"}) << "the screen is 6000 high";
        QTest::addRow("a source behind the screen")
            << slits({"--slits", "1", "--source", "point:500,0"}) << "none of the slits' sources";
        QTest::addRow("an eraser without marks")
            << slits({"--slits", "1", "--eraser"}) << "give both";
        QTest::addRow("which-path for the mirror")
            << map({"--which-path"}) << "--which-path is not used by the mirror experiment";
        QTest::addRow("an experiment for the window")
            << QStringList{"--experiment", "lens"} << "--experiment is not used by the window";
        for (const char *option : {"save-picture", "save-map", "save-hits", "save-scan"}) {
            const QString name = QStringLiteral("--") + QString::fromLatin1(option);
            QTest::addRow("an empty name for %s", option)
                << QStringList{name, ""} << name + QStringLiteral(" needs a file name");
        }
        // Every occurrence is checked; the last one counts.
        const std::pair<const char *, const char *> good[] = {
            {"k", "0.0001"},     {"wavenumber", "0.03"}, {"shape", "circle"},  {"source", "beam"},
            {"mirror", "edges"}, {"map-step", "500"},    {"frequency", "high"}};
        for (const auto &[option, value] : good) {
            const QString name = QStringLiteral("--") + QString::fromLatin1(option);
            QTest::addRow("every %s of a map checked", option)
                << map({name, "bogus", name, value}) << name + QStringLiteral(" bogus");
        }
        QTest::addRow("a setup that is not there")
            << map({"--setup", "none.veltrin"}) << "cannot read none.veltrin";
        for (const char *option : {"photons", "seed"}) {
            const QString name = QStringLiteral("--") + QString::fromLatin1(option);
            QTest::addRow("every %s checked", option)
                << hits({name, "bogus", name, "7"}) << name + QStringLiteral(" bogus");
        }
    }
    void refusesTheWholeCallBeforeWritingAnything()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        QTemporaryDir dir;
        QVERIFY(QFile::link(QStringLiteral("m.csv"), dir.filePath(QStringLiteral("link.csv"))));
        const Finished finished = runWithoutDisplay(arguments, dir.path());
        QCOMPARE(finished.status, CommandLine::usageError);
        QVERIFY2(oneLine(finished).contains(error), qPrintable(oneLine(finished)));
        QCOMPARE(finished.output, QString());
        QCOMPARE(entries(dir), QStringList{"link.csv"});
    }

    // Spaces around a value are removed alike in every mode, and of an option given twice the
    // last counts: either way the call writes what the plain one does.
    void readsValuesAlikeInEveryMode_data()
    {
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<QStringList>("plain");
        QTest::addRow("the run's values with spaces")
            << QStringList{"--save-probabilities", "-", "--k", " 0.0001 ", "--frequency", "high "}
            << QStringList{"--save-probabilities", "-", "--k", "0.0001", "--frequency", "high"};
        QTest::addRow("the map's values with spaces")
            << QStringList{"--save-map",   "-",
                           "--k",          " 0.00013",
                           "--wavenumber", "0.03 ",
                           "--shape",      " circle ",
                           "--source",     " point:6000,-400",
                           "--mirror",     "grating:300 ",
                           "--map-step",   " 500 "}
            << QStringList{"--save-map", "-",           "--k",        "0.00013",  "--wavenumber",
                           "0.03",       "--shape",     "circle",     "--source", "point:6000,-400",
                           "--mirror",   "grating:300", "--map-step", "500"};
        QTest::addRow("the photons' values with spaces")
            << QStringList{"--save-hits", "-",         "--map-step", "500",    "--frequency",
                           " low",        "--photons", " 20",        "--seed", "7 "}
            << QStringList{"--save-hits", "-",         "--map-step", "500",    "--frequency",
                           "low",         "--photons", "20",         "--seed", "7"};
        QTest::addRow("the last of each")
            << QStringList{"--save-map", "-",     "--map-step", "1000", "--map-step",
                           "500",        "--k",   "0.0002",     "--k",  "0.0001",
                           "--mirror",   "whole", "--mirror",   "edges"}
            << QStringList{"--save-map", "-",      "--map-step", "500",
                           "--k",        "0.0001", "--mirror",   "edges"};
    }
    void readsValuesAlikeInEveryMode()
    {
        QFETCH(QStringList, given);
        QFETCH(QStringList, plain);
        const Finished first = runWithoutDisplay(given);
        QCOMPARE(first.status, 0);
        QVERIFY(first.output.size() > 100);
        QCOMPARE(first.output, runWithoutDisplay(plain).output);
    }

    // A file that cannot be written is found as the command line is read, before the map or
    // the photons are computed, and no file asked for beside it is written.
    void anUnwritableFileIsFoundBeforeTheWork_data()
    {
        QTest::addColumn<QStringList>("arguments"); // in a fresh folder
        QTest::addColumn<QString>("unwritable");
        const QStringList mostWork{"--photons", "10000000", "--map-step", "10"};
        QTest::addRow("photons into a folder that is not there")
            << QStringList{"--save-hits", "none/hits.csv"} + mostWork << "none/hits.csv";
        QTest::addRow("a map beside photons into a folder that is not there")
            << QStringList{"--save-map", "map.csv", "--save-hits", "none/hits.csv"} + mostWork
            << "none/hits.csv";
        QTest::addRow("a map into a folder") << QStringList{"--save-map", "."} << ".";
        QTest::addRow("a picture beside probabilities that cannot be written")
            << QStringList{"--save-picture", "run.png", "--save-probabilities", "none/run.csv"}
            << "none/run.csv";
    }
    void anUnwritableFileIsFoundBeforeTheWork()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, unwritable);
        QTemporaryDir dir;
        const QString before = QDir::currentPath();
        QDir::setCurrent(dir.path());
        const CommandLine line(QStringList{"veltrin"} + arguments);
        QDir::setCurrent(before);
        QCOMPARE(line.outcome(), CommandLine::Outcome::Exit);
        QCOMPARE(line.exitStatus(), EXIT_FAILURE);
        QVERIFY2(line.error().startsWith(QStringLiteral("veltrin: cannot write ") + unwritable),
                 qPrintable(line.error()));
        QCOMPARE(entries(dir), QStringList());
    }

    // A reader that goes away is named in one line, and the program ends with a failure, not
    // killed without a word.
    void aClosedPipeIsNamed_data()
    {
        QTest::addColumn<QStringList>("arguments"); // each writes far more than a pipe holds
        QTest::addRow("photons") << QStringList{"--save-hits", "-",          "--photons",
                                                "100000",      "--map-step", "500"};
        QTest::addRow("a map") << QStringList{"--save-map", "-"};
    }
    void aClosedPipeIsNamed()
    {
        QFETCH(QStringList, arguments);
        const QString takesNothing = QStandardPaths::findExecutable(QStringLiteral("true"));
        QVERIFY(!takesNothing.isEmpty());
        QProcess program, reader;
        prepare(program);
        program.setStandardOutputProcess(&reader);
        reader.start(takesNothing, {});
        program.start(QStringLiteral(VELTRIN_PROGRAM), arguments);
        QVERIFY(reader.waitForFinished());
        const Finished finished = finish(program);
        QCOMPARE(finished.status, EXIT_FAILURE);
        QVERIFY2(oneLine(finished).contains(QStringLiteral("cannot write the standard output")),
                 qPrintable(oneLine(finished)));
    }

    void mirrorsByName_data()
    {
        QTest::addColumn<QString>("mirror");
        QTest::addColumn<bool>("taken");
        QTest::addRow("vertex") << "vertex" << true;
        QTest::addRow("edges") << "edges" << true;
        QTest::addRow("grating of 400 twips") << "grating:400" << true;
        QTest::addRow("zones for a point") << "zones:4000,500" << true;
        QTest::addRow("whole with a value") << "whole:1" << false;
        QTest::addRow("grating without its period") << "grating" << false;
        QTest::addRow("zones without a whole point") << "zones:4000" << false;
        QTest::addRow("no such mirror") << "ring:400" << false;
    }
    void mirrorsByName()
    {
        QFETCH(QString, mirror);
        QFETCH(bool, taken);
        QCommandLineParser parser;
        parser.addOptions({{QStringLiteral("k"), {}, QStringLiteral("K")},
                           {QStringLiteral("frequency"), {}, QStringLiteral("F")}});
        MapCommand::addOptions(parser);
        QVERIFY(parser.parse({QStringLiteral("veltrin"), QStringLiteral("--mirror"), mirror}));
        const auto read = MapCommand::experimentFrom(parser);
        QCOMPARE(std::holds_alternative<Experiment>(read), taken);
        if (!taken)
            return;
        // The cut the bench makes when its list names the same preset.
        const qsizetype colon = mirror.indexOf(u':');
        const MirrorPreset *preset = MirrorPreset::named(mirror.left(colon).toStdString());
        QVERIFY(preset);
        const Experiment &experiment = std::get<Experiment>(read);
        const QStringList values = mirror.mid(colon + 1).split(u',');
        const double first = colon < 0 ? 0 : values[0].toDouble();
        const Vec2 at{first, values.size() > 1 ? values[1].toDouble() : 0};
        QCOMPARE(experiment.cut, preset->cut(experiment, first, at));
        QVERIFY(!experiment.cut.isWhole());
    }

    void aMapWithoutAWindowIsTheBenchsSaveMapAndNamesItsExperiment()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("map.csv"));
        const Finished finished = runWithoutDisplay(
            {"--save-map", path, "--k", "0.00013", "--wavenumber", "0.03", "--shape", "circle",
             "--source", "point:6000,-400", "--mirror", "grating:300", "--map-step", "250"});
        QCOMPARE(finished.status, 0);

        Experiment experiment;
        experiment.shape = MirrorShape::circle(0.00013);
        experiment.wavenumber = 0.03;
        experiment.source = Source::point(MapGrid::sceneOf({6000, -400}));
        experiment.cut = MirrorCut::grating(300);
        BenchWindow bench;
        bench.computer()->setGrids({MapGrid(250)});
        bench.setExperiment(experiment);
        bench.show();
        QTRY_VERIFY(bench.computer()->isFinished());
        const QString saved = dir.filePath(QStringLiteral("bench.csv"));
        bench.setAskFileName([&saved](QWidget *, const QString &, const QString &, const QString &,
                                      QString *) { return saved; });
        QSignalSpy written(&bench, &BenchWindow::fileSaved);
        bench.saveCsv();
        QVERIFY(written.wait());
        QCOMPARE(written.first().at(1).toString(), QString());
        const QByteArray text = readAll(path);
        QCOMPARE(readAll(saved), text);

        // Every row names the experiment in the command line's words, the source quoted for
        // its comma.
        const QList<QByteArray> rows = text.split('\n');
        QCOMPARE(
            rows.first(),
            "x_twips,y_twips,probability_twips,shape,K,wavenumber,source,mirror,kept_strips\r");
        const QByteArray named = ",circle,0.00013,0.03,\"point:6000,-400\",grating:300," +
                                 QByteArray::number(experiment.cut.keptCount()) + '\r';
        QVERIFY2(rows[1].endsWith(named), rows[1].constData());
        QVERIFY(rows[rows.size() - 2].endsWith(named));
        QCOMPARE(rows.last(), QByteArray());
    }

    // The slits' map names its slits; photons land behind the screen.
    void theSlitsMapNamesItsSlits()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("slits.csv"));
        const Finished finished = runWithoutDisplay({"--experiment",
                                                     "slits",
                                                     "--slits",
                                                     "3",
                                                     "--width",
                                                     "60",
                                                     "--separation",
                                                     "700",
                                                     "--source",
                                                     "point:-2000,0",
                                                     "--white",
                                                     "--which-path",
                                                     "--eraser",
                                                     "--map-step",
                                                     "500",
                                                     "--save-map",
                                                     path,
                                                     "--save-hits",
                                                     "-",
                                                     "--photons",
                                                     "50"});
        QCOMPARE(finished.status, 0);
        const QList<QByteArray> rows = readAll(path).split('\n');
        QCOMPARE(rows.first(), "x_twips,y_twips,probability_twips,experiment,slits,width,"
                               "separation,wavenumber,source,which_path\r");
        QCOMPARE(rows[1], "0,-3000," + rows[1].split(',')[2] +
                              ",slits,3,60,700,white,\"point:-2000,0\",erased\r");
        QVERIFY(rows[rows.size() - 2].startsWith("8000,3000,"));
        const QStringList hits = finished.output.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(hits.size(), 51);
        for (const QString &hit : hits.mid(1))
            QVERIFY2(hit.split(u',').first().toDouble() >= 0, qPrintable(hit));
    }

    void aSetupStandsInForTheOptionsItHolds()
    {
        QTemporaryDir dir;
        const QStringList experiment{"--experiment", "lens",      "--source", "point:900,300",
                                     "--target",     "7000,-200", "--index",  "1.7",
                                     "--photons",    "20",        "--seed",   "5"};
        const QString setup = dir.filePath(QStringLiteral("lens.veltrin"));
        QCOMPARE(runWithoutDisplay(experiment + QStringList{"--save-setup", setup}).status, 0);
        const auto files = [&dir](const char *map) {
            return QStringList{"--map-step",  "500",
                               "--save-map",  dir.filePath(QString::fromLatin1(map)),
                               "--save-hits", "-"};
        };
        const Finished direct = runWithoutDisplay(experiment + files("direct.csv"));
        const Finished fromSetup =
            runWithoutDisplay(QStringList{"--setup", setup} + files("set.csv"));
        QCOMPARE(direct.status, 0);
        QCOMPARE(fromSetup.output, direct.output);
        QCOMPARE(readAll(dir.filePath(QStringLiteral("set.csv"))),
                 readAll(dir.filePath(QStringLiteral("direct.csv"))));
        const Finished both =
            runWithoutDisplay({"--setup", setup, "--index", "2", "--save-map", "-"});
        QCOMPARE(both.status, CommandLine::usageError);
        QVERIFY2(oneLine(both).contains(u"--index cannot go with --setup"),
                 qPrintable(oneLine(both)));
    }

    void filesWithoutAWindowAreWhatTheWindowShowsAndSaves()
    {
        const QStringList choices{"--k", "0.0002", "--frequency", "high"};
        QTemporaryDir dir;
        const QString picture = dir.filePath(QStringLiteral("run.png"));
        const QString numbers = dir.filePath(QStringLiteral("run.csv"));
        const QString figure = dir.filePath(QStringLiteral("run.svg"));
        const Finished finished =
            runWithoutDisplay(choices + QStringList{"--save-picture", picture, "--save-figure",
                                                    figure, "--save-probabilities", numbers});
        QCOMPARE(finished.status, 0);
        QCOMPARE(finished.error, QString()); // no warning from the toolkit, nothing to tell

        VeltrinWindow window;
        CommandLine(QStringList{"veltrin"} + choices).options().applyTo(window);
        window.showWithWholeScene();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(pressStartAndWait(window));
        const RunRecord &record = window.history().runs().back().record;
        QCOMPARE(record.kText, "0.0002");
        QCOMPARE(captionFor(Field::Kmitocet, record.frequencyText), "High");

        const QImage shown = window.canvas()->image().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(QImage(picture).convertToFormat(QImage::Format_RGB32), shown);
        QFile csv(numbers);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(csv.readAll(), ProbabilityCsv::text(window.history().runs()));
        QFile svg(figure);
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QVERIFY(svg.readAll().contains(">K 0.0002, High</text>"));
    }

    void photonsFromTheCommandLineFollowTheMapAndTheSeed()
    {
        // A grating sends light off the axis as well; the map at a coarse step for speed.
        const QStringList experiment{"--k",        "0.0001", "--mirror",    "grating:400",
                                     "--map-step", "100",    "--save-hits", "-"};
        const auto hits = [&](const QString &seed) {
            return runWithoutDisplay(experiment + QStringList{"--photons", "3000", "--seed", seed});
        };
        const Finished first = hits(QStringLiteral("7"));
        QCOMPARE(first.status, 0);
        const QStringList rows = first.output.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 3001);
        QCOMPARE(rows.first(), QStringLiteral("x_twips,y_twips"));
        QCOMPARE(hits(QStringLiteral("7")).output, first.output);
        QVERIFY(hits(QStringLiteral("8")).output != first.output);

        // Where most photons land is the map's brightest point; one call writes both.
        QTemporaryDir dir;
        const QString mapPath = dir.filePath(QStringLiteral("map.csv"));
        const Finished both = runWithoutDisplay(
            experiment + QStringList{"--photons", "3000", "--seed", "7", "--save-map", mapPath});
        QCOMPARE(both.status, 0);
        QCOMPARE(both.output, first.output);
        QFile map(mapPath);
        QVERIFY(map.open(QIODevice::ReadOnly));
        double brightest = -1;
        QPointF peak;
        for (const QString &row :
             QString::fromLatin1(map.readAll()).split(QStringLiteral("\r\n")).mid(1)) {
            const QStringList v = row.split(u',');
            if (v.size() > 2 && v[2].toDouble() > brightest) {
                brightest = v[2].toDouble();
                peak = {v[0].toDouble(), v[1].toDouble()};
            }
        }
        int nearPeak = 0;
        for (const QString &row : rows.mid(1)) {
            const QStringList v = row.split(u',');
            nearPeak += std::hypot(v[0].toDouble() - peak.x(), v[1].toDouble() - peak.y()) <= 150;
        }
        // Ten times what photons spread evenly over the plane would put there.
        const double even = 3000 * M_PI * 150 * 150 / (8500.0 * 6000);
        QVERIFY2(nearPeak > 10 * even, qPrintable(QString::number(nearPeak)));
    }

    void aLessonIsCheckedLineByLineAndOpensOnlyWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("focus.veltrin-lesson"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(LessonFile::toJson(*ShippedLessons::find(QStringLiteral("mirror-focus"))));
        file.close();
        const Finished fine = runWithoutDisplay({"--check-lesson", path});
        QCOMPARE(fine.status, 0);
        QVERIFY2(fine.output.startsWith(path + QStringLiteral(": a lesson of ")),
                 qPrintable(fine.output));

        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"format": "veltrin-lesson", "version": 1,
                      "title": "T", "summary": 7, "minutes": 0})");
        file.close();
        const Finished broken = runWithoutDisplay({"--check-lesson", path});
        QCOMPARE(broken.status, 2);
        QCOMPARE(broken.error.split(u'\n', Qt::SkipEmptyParts).filter(path).size(), 3);
        QVERIFY2(broken.error.contains(path + QStringLiteral(":2: \"summary\"")),
                 qPrintable(broken.error));
        QCOMPARE(CommandLine({"veltrin", "--lesson", path}).exitStatus(), 2);
        const CommandLine handedOver({"veltrin", path}); // as the desktop opens the file
        QCOMPARE(handedOver.exitStatus(), 2);
        QVERIFY2(handedOver.error().trimmed().split(u'\n').size() == 1 &&
                     handedOver.error().contains(u"more problems"),
                 qPrintable(handedOver.error()));

        const CommandLine shipped({"veltrin", "--lesson", "photons"});
        QCOMPARE(shipped.outcome(), CommandLine::Outcome::OpenWindow);
        QCOMPARE(shipped.options().lesson->name, QStringLiteral("photons"));
    }

    void windowOpensWithTheChoicesAndRuns()
    {
        const CommandLine line(
            QStringList{"veltrin", "--k", " 0.00007", "--speed", "3 ", "--run", "-platform", "x"});
        QCOMPARE(line.outcome(), CommandLine::Outcome::OpenWindow);
        VeltrinWindow window;
        QSignalSpy ended(&window, &VeltrinWindow::runEnded);
        line.options().applyTo(window);
        window.showWithWholeScene();
        QVERIFY(ended.wait());
        QCOMPARE(window.history().runs().back().record.kText, "0.00007");
        QCOMPARE(window.speed(), 3);
        // Tab enters the frame at the button chosen, not at the one the window loaded with.
        const auto tabStop = [&window](const char *name) {
            const auto *button = window.findChild<QRadioButton *>(QString::fromUtf8(name));
            return bool(button->focusPolicy() & Qt::TabFocus);
        };
        QVERIFY(tabStop("opOhniskoStřední"));
        QVERIFY(!tabStop("opOhniskoVzdálené"));
    }
};

QTEST_MAIN(TstCommandLine)
#include "tst_commandline.moc"
