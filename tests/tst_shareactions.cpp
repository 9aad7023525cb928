// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"
#include "figure.h"
#include "figuresaver.h"
#include "helpdialog.h"
#include "modalbox.h"
#include "pictureprinter.h"
#include "probabilitycsv.h"
#include "shareactions.h"
#include "veltrinwindow.h"
#include "wholefile.h"
#include "windowrun.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <clocale>
#include <csignal>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace veltrin;

namespace {

/// The CSV's rows, each split into its fields; fails on a line that does not end in CRLF.
QList<QStringList> readCsv(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QStringList> rows;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray &line : lines.first(lines.size() - 1)) {
        if (!line.endsWith('\r'))
            return {};
        rows << QString::fromUtf8(line.chopped(1)).split(u',');
    }
    return rows;
}

/// Decimal commas for the C library, from a locale made for the test where none is installed.
bool useDecimalCommas(const QString &folder)
{
    const char *const name = "de_DE.UTF-8";
    if (!std::setlocale(LC_NUMERIC, name)) {
        QProcess::execute(QStringLiteral("localedef"),
                          {"-i", "de_DE", "-f", "UTF-8", folder + QStringLiteral("/de_DE.UTF-8")});
        qputenv("LOCPATH", folder.toLocal8Bit());
        std::setlocale(LC_NUMERIC, name);
    }
    return *std::localeconv()->decimal_point == ',';
}

} // namespace

class TstShareActions : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_window.emplace();
        m_window->surface().setQuestion([this](QWidget *, const QString &) { return m_yes; });
        m_actions = &m_window->shareActions();
        m_actions->setAskFileName([this](QWidget *, const QString &caption, const QString &proposed,
                                         const QString &, QString *selected) {
            m_asked << caption << QFileInfo(proposed).fileName();
            if (selected && !m_filter.isEmpty())
                *selected = m_filter;
            return m_chosen;
        });
        m_window->showWithWholeScene();
        QVERIFY(QTest::qWaitForWindowActive(&*m_window));
    }
    void cleanup() { m_window.reset(); }

    void shortcutsReachTheEntriesAndNameTheFile()
    {
        // Before any run the name says only whose picture it is; after it, how it was made.
        QTest::keyClick(&*m_window, Qt::Key_S, Qt::ControlModifier);
        choose(*m_window, Field::OsKruh, "0.0001");
        choose(*m_window, Field::Kmitocet, "Low");
        QVERIFY(pressStartAndWait(*m_window));
        QTest::keyClick(&*m_window, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(m_asked, QStringList({"Save picture", "veltrin.png", "Save probabilities",
                                       "veltrin-K0.0001-low.csv"}));
        // Kept side by side, every run is named, each K and frequency once.
        const std::pair<Field, const char *> choices[] = {
            {Field::Kmitocet, "High"}, {Field::OsKruh, "0.00005"}, {Field::OsKruh, "0.0001"}};
        for (const auto &[field, caption] : choices) {
            choose(*m_window, field, caption);
            QVERIFY(pressStartAndWait(*m_window));
        }
        QCOMPARE(m_actions->proposedName(QStringLiteral("png")),
                 "veltrin-K0.0001-low+high+K0.00005-high.png");

        QTest::keyClick(&*m_window, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->image(), m_window->canvas()->image());
        QTest::keyClick(&*m_window, Qt::Key_F1);
        QTRY_VERIFY(m_actions->help() && m_actions->help()->isVisible());
        QTest::keyClick(&*m_window, Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!m_window->isVisible());
    }

    void probabilitiesAreTheBarsOfTheRunsOnTheDrawing()
    {
        QTemporaryDir dir;
        m_chosen = dir.filePath(QStringLiteral("bars.csv"));
        const auto saveAndRead = [this] {
            return saveProbabilities() ? readCsv(m_chosen) : QList<QStringList>{};
        };
        QVERIFY(pressStartAndWait(*m_window));
        choose(*m_window, Field::Kmitocet, "Low");
        m_yes = false; // the second run keeps the first one's bars
        QVERIFY(pressStartAndWait(*m_window));
        QList<QStringList> rows = saveAndRead();
        const auto runs = m_window->history().runs();
        QCOMPARE(runs.size(), std::size_t(2));
        QCOMPARE(rows.size(), 1 + 2 * int(runs[0].record.probabilities.size()));
        // Read by the columns' names, as a spreadsheet or a script reads them.
        const auto column = [&rows](const char *name) {
            return rows[0].indexOf(QString::fromUtf8(name));
        };
        const qsizetype run = column("run"), k = column("K"), frequency = column("frequency"),
                        distance = column("distance_twips"),
                        probability = column("probability_twips"), resultant = column("resultant");
        QCOMPARE(rows[0].size(), 6);
        const double scale = rows[1][resultant].toDouble() * rows[1][resultant].toDouble() /
                             rows[1][probability].toDouble();
        for (qsizetype row = 1; row < rows.size(); ++row) {
            const QStringList &fields = rows[row];
            const std::size_t index = (row - 1) % runs[0].record.probabilities.size();
            const RunHistory::Entry &entry = runs[(row - 1) / runs[0].record.probabilities.size()];
            QCOMPARE(fields[run].toInt(), entry.number);
            QCOMPARE(fields[k], "0.00005");
            QCOMPARE(fields[frequency], entry.number == 1 ? "Middle" : "Low");
            // Detector positions every 60 twips from the vertex line.
            QCOMPARE(fields[distance].toInt(), 60 * int(index));
            // The same number read back, and the resultant's square in step with it.
            QCOMPARE(fields[probability].toDouble(), entry.record.probabilities[index]);
            QVERIFY(qFuzzyCompare(fields[resultant].toDouble() * fields[resultant].toDouble(),
                                  fields[probability].toDouble() * scale));
        }

        m_yes = true; // erases both, and their rows go with them
        QVERIFY(pressStartAndWait(*m_window));
        rows = saveAndRead();
        QCOMPARE(rows.size(), 1 + int(m_window->history().runs()[0].record.probabilities.size()));
        QCOMPARE(rows.last().first(), "3");
    }

    void numbersKeepTheirDotInALanguageWithDecimalCommas()
    {
        QTemporaryDir dir;
        QVERIFY(useDecimalCommas(dir.path()));
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(pressStartAndWait(*m_window));
        const QByteArray text = ProbabilityCsv::text(m_window->history().runs());
        QLocale::setDefault(QLocale::c());
        std::setlocale(LC_NUMERIC, "C");
        const QList<QByteArray> second = text.split('\n').at(2).trimmed().split(',');
        QCOMPARE(second.size(), 6); // no decimal comma adds a field
        QCOMPARE(second[4].toDouble(), m_window->history().runs()[0].record.probabilities[1]);
    }

    void aFailedSaveKeepsTheOldFileAndTheProgram_data()
    {
        QTest::addColumn<bool>("picture");
        QTest::addColumn<bool>("writeFails"); // else the folder does not exist
        QTest::addRow("picture, no folder") << true << false;
        QTest::addRow("picture, write fails") << true << true;
        QTest::addRow("probabilities, no folder") << false << false;
        QTest::addRow("probabilities, write fails") << false << true;
    }
    void aFailedSaveKeepsTheOldFileAndTheProgram()
    {
        QFETCH(bool, picture);
        QFETCH(bool, writeFails);
        QVERIFY(pressStartAndWait(*m_window));
        QTemporaryDir dir;
        m_chosen = dir.filePath(writeFails ? "old.file" : "missing/new.file");
        if (writeFails) {
            QFile old(m_chosen);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        }

        QString message;
        whenMessageBoxOpens(&*m_window, [&message](QMessageBox *box) {
            message = box->text();
            box->close();
        });
        // Files may grow no larger than a kilobyte: the write fails part way.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limits{};
        getrlimit(RLIMIT_FSIZE, &limits);
        rlimit small = limits;
        small.rlim_cur = writeFails ? 1024 : limits.rlim_cur;
        setrlimit(RLIMIT_FSIZE, &small);
        const bool ended = picture ? savePicture() : saveProbabilities();
        setrlimit(RLIMIT_FSIZE, &limits);
        QVERIFY(ended);

        QVERIFY2(message.contains(m_chosen), qPrintable(message));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
                 writeFails ? QStringList{"old.file"} : QStringList{});
        if (writeFails) {
            QFile old(m_chosen);
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), "old");
        }
        QVERIFY(m_window->isVisible());
        QVERIFY(pressStartAndWait(*m_window));
    }

    void savesAFigureOrTheWindowsPictureAsChosen()
    {
        QVERIFY(pressStartAndWait(*m_window));
        QTemporaryDir dir;
        m_filter = QStringLiteral("Window picture, PNG (*.png)");
        m_chosen = dir.filePath(QStringLiteral("window.png"));
        QVERIFY(savePicture());
        QCOMPARE(QImage(m_chosen).convertToFormat(QImage::Format_RGB32),
                 m_window->canvas()->image().convertToFormat(QImage::Format_RGB32));

        // A name without an extension takes the filter's.
        m_filter = QStringLiteral("PNG figure (*.png)");
        m_chosen = dir.filePath(QStringLiteral("figure"));
        QVERIFY(savePicture());
        const QImage figure(m_chosen + QStringLiteral(".png"));
        QCOMPARE(figure.size(), m_actions->figure().image(FigureSaver::pngRatio).size());
        QCOMPARE(figure.pixel(0, 0), qRgb(255, 255, 255));

        // The name's extension chooses the format over the filter.
        m_chosen = dir.filePath(QStringLiteral("figure.svg"));
        QVERIFY(savePicture());
        QFile svg(m_chosen);
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QVERIFY(svg.readAll().contains(">K 0.00005, Middle</text>"));
    }

    void printsTheFigureFillingThePageOnWhite()
    {
        QVERIFY(pressStartAndWait(*m_window));
        const Figure figure = m_actions->figure();
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("page.pdf")));
        printer.setPageOrientation(PicturePrinter::orientationFor(figure.size()));
        QVERIFY(PicturePrinter::print(printer, figure));
        QCOMPARE(QProcess::execute(QStringLiteral("pdftoppm"),
                                   {"-r", "50", "-png", "-singlefile", printer.outputFileName(),
                                    dir.filePath(QStringLiteral("page"))}),
                 0);
        const QImage page =
            QImage(dir.filePath(QStringLiteral("page.png"))).convertToFormat(QImage::Format_RGB32);

        // Wider than tall, it lies across the page, as wide as the page's margins allow, its
        // proportions kept, and nothing of the window's silver comes with it.
        int silver = 0;
        const auto inked = [&silver](const QImage &image) {
            QRect ink;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    silver += image.pixel(x, y) == qRgb(192, 192, 192);
                    if (qGray(image.pixel(x, y)) < 200)
                        ink |= QRect(x, y, 1, 1);
                }
            }
            return ink;
        };
        const QRect onPage = inked(page);
        const QImage shown = figure.image(1);
        const QRect own = inked(shown);
        QVERIFY(silver < page.width() * page.height() / 100); // an edge's shade, no silver ground
        QVERIFY(page.width() > page.height());
        QVERIFY2(onPage.width() > 0.85 * page.width(), qPrintable(QString::number(onPage.width())));
        const double ratio = double(own.width()) / own.height();
        QVERIFY(qAbs(double(onPage.width()) / onPage.height() - ratio) < 0.02 * ratio);
    }

    void printsToAPdfWithThePicturesProportions()
    {
        QVERIFY(pressStartAndWait(*m_window));
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("page.pdf")));
        const QImage &image = m_window->canvas()->image();
        QVERIFY(PicturePrinter::print(printer, image, QStringLiteral("Run 1: K 0.00005, Middle")));

        // The page as a viewer shows it: the rows and columns with much of the picture's silver.
        QCOMPARE(QProcess::execute(QStringLiteral("pdftoppm"),
                                   {"-r", "100", "-png", "-singlefile", printer.outputFileName(),
                                    dir.filePath(QStringLiteral("page"))}),
                 0);
        const QImage page(dir.filePath(QStringLiteral("page.png")));
        std::vector<int> silverInRow(page.height()), silverInColumn(page.width());
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                const bool silver = page.pixel(x, y) == qRgb(192, 192, 192);
                silverInRow[y] += silver;
                silverInColumn[x] += silver;
            }
        }
        const auto count = [](const std::vector<int> &silver, int least) {
            return std::ranges::count_if(silver, [least](int n) { return n > least; });
        };
        const double rows = count(silverInRow, page.width() / 8);
        const double columns = count(silverInColumn, int(rows) / 8);
        QVERIFY(columns > page.width() / 2);
        const double ratio = double(image.width()) / image.height();
        QVERIFY2(qAbs(columns / rows - ratio) < 0.01 * ratio,
                 qPrintable(QStringLiteral("%1 x %2").arg(columns).arg(rows)));
    }

    void aSaveWaitingOnAFifoGivesUpAsItsWindowGoes()
    {
        QVERIFY(pressStartAndWait(*m_window));
        QTemporaryDir dir;
        m_chosen = dir.filePath(QStringLiteral("figure.png"));
        QCOMPARE(::mkfifo(QFile::encodeName(m_chosen).constData(), 0600), 0);
        // A reader that takes nothing, with room for a page: the figure's save waits on it.
        const int reader =
            ::open(QFile::encodeName(m_chosen).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        QVERIFY(reader >= 0);
        ::fcntl(reader, F_SETPIPE_SZ, 4096);
        const auto waiting = [reader] {
            int bytes = 0;
            ::ioctl(reader, FIONREAD, &bytes);
            return bytes;
        };
        m_actions->savePicture();
        QTRY_VERIFY(waiting() > 0);

        // The window goes, as at the program's end, and waits for its saves: this one gives up
        // at once, not once the reader's patience has run out.
        QElapsedTimer closing;
        closing.start();
        m_window.reset();
        QVERIFY(std::chrono::milliseconds(closing.elapsed()) < WholeFile::patience / 2);
        ::close(reader);
    }

private:
    /// Saves the picture as the file dialog answers, and waits until it is written.
    bool savePicture()
    {
        QSignalSpy saved(m_actions, &ShareActions::pictureSaved);
        m_actions->savePicture();
        return !saved.isEmpty() || saved.wait();
    }

    /// Saves the probabilities as the file dialog answers, and waits until they are written.
    bool saveProbabilities()
    {
        QSignalSpy saved(m_actions, &ShareActions::probabilitiesSaved);
        m_actions->saveProbabilities();
        return !saved.isEmpty() || saved.wait();
    }

    std::optional<VeltrinWindow> m_window;
    ShareActions *m_actions = nullptr;
    bool m_yes = false;
    QString m_chosen; // what the file dialog answers
    QString m_filter; // the filter it answers with, where not empty
    QStringList m_asked;
};

QTEST_MAIN(TstShareActions)
#include "tst_shareactions.moc"
