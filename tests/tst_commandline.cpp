// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchwindow.h"
#include "canvas.h"
#include "choices.h"
#include "commandline.h"
#include "mapcommand.h"
#include "mapcomputer.h"
#include "mirrorpreset.h"
#include "probabilitycsv.h"
#include "veltrinwindow.h"
#include "windowrun.h"

#include <QCommandLineParser>
#include <QFile>
#include <QProcess>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

using namespace veltrin;

namespace {

struct Finished
{
    int status = -1;
    QString output;
    QString error;
};

/// The program started where there is no display at all, as from a plain console or a job.
Finished runWithoutDisplay(const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name :
         {"DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
        environment.remove(QString::fromLatin1(name));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(VELTRIN_PROGRAM), arguments);
    if (!program.waitForFinished(30'000) || program.exitStatus() != QProcess::NormalExit)
        return {};
    return {program.exitCode(), QString::fromLocal8Bit(program.readAllStandardOutput()),
            QString::fromLocal8Bit(program.readAllStandardError())};
}

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
        QTest::addRow("one file for both")
            << QStringList{"--save-picture", "out", "--save-probabilities", "./out"} << 2 << ""
            << "both name out";
        QTest::addRow("an empty name") << QStringList{"--save-picture", ""} << 2 << ""
                                       << "--save-picture needs a file name";
        QTest::addRow("a name of another format")
            << QStringList{"--save-picture", "x.jpg"} << 2 << ""
            << "written as .png";
        QTest::addRow("a figure of another format")
            << QStringList{"--save-figure", "x.pdf"} << 2 << ""
            << "written as .png or .svg";
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
        QTest::addRow("photons with nowhere to go") << QStringList{"--photons", "10"} << 2 << ""
                                                    << "--save-hits";
        QTest::addRow("no photons") << QStringList{"--photons", "0", "--save-hits", "-"} << 2 << ""
                                    << "1 to 10000000";
        QTest::addRow("a folder that is not there")
            << QStringList{"--save-picture", "/nonexistent/veltrin.png"} << 1 << ""
            << "/nonexistent/veltrin.png";
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
        // The toolkit may add its own remarks on the environment; the program says one line.
        const QStringList said = finished.error.split(u'\n').filter(QStringLiteral("veltrin:"));
        QCOMPARE(said.size(), 1);
        QVERIFY2(said.first().contains(error), qPrintable(said.first()));
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

        // Where most photons land is the map's brightest point.
        const Finished map = runWithoutDisplay(QStringList{
            "--k", "0.0001", "--mirror", "grating:400", "--map-step", "100", "--save-map", "-"});
        QCOMPARE(map.status, 0);
        double brightest = -1;
        QPointF peak;
        for (const QString &row : map.output.split(QStringLiteral("\r\n")).mid(1)) {
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
