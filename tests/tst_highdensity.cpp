#include "canvas.h"
#include "twips.h"
#include "veltrinwindow.h"
#include "windowrun.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>

using namespace veltrin;

namespace {

// Qt fixes the device pixel ratio when the application starts, so each ratio renders in a
// process of its own: this executable again, told by the option where to leave the result.
const char *const renderOption = "-render-into";
const QString pictureFile = QStringLiteral("picture.png");
const QString shownFile = QStringLiteral("shown.png");
const QString layoutFile = QStringLiteral("layout.json");

QString rectText(const QRect &rect)
{
    return QStringLiteral("%1,%2 %3x%4")
        .arg(rect.x())
        .arg(rect.y())
        .arg(rect.width())
        .arg(rect.height());
}

/// The child's side: shows the window, runs Start once with the defaults, makes the window
/// windowScale times its size, and leaves the retained picture, the canvas as it paints itself,
/// and where every named control lies.
int renderDefaultRun(const QString &folder, int windowScale)
{
    VeltrinWindow window;
    QString question;
    window.surface().setQuestion([&question](QWidget *, const QString &prompt) {
        question = prompt;
        return false;
    });
    window.showWithWholeScene();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fputs("the window was never shown\n", stderr);
        return 1;
    }
    // The default delay of one count is a tenth of a microsecond per detector position.
    if (!pressStartAndWait(window)) {
        std::fputs("the run did not end\n", stderr);
        return 1;
    }
    if (!question.isEmpty()) {
        std::fprintf(stderr, "a first run asked \"%s\"\n", qPrintable(question));
        return 1;
    }
    if (windowScale != 1)
        window.resize(window.size() * windowScale);

    QJsonObject controls;
    QList<const QWidget *> widgets{&window};
    for (const QWidget *widget : window.findChildren<QWidget *>()) {
        if (!widget->objectName().isEmpty())
            widgets << widget;
    }
    for (const QWidget *widget : widgets) {
        const QRect rect(widget->mapTo(&window, QPoint(0, 0)), widget->size());
        controls[widget->objectName()] = QStringLiteral("%1 %2 %3px")
                                             .arg(rectText(rect))
                                             .arg(widget->isVisible() ? "shown" : "hidden")
                                             .arg(QFontInfo(widget->font()).pixelSize());
    }
    const Canvas &canvas = *window.canvas();
    QJsonObject layout;
    layout[u"screenRatio"] = window.devicePixelRatioF();
    layout[u"pictureRatio"] = canvas.image().devicePixelRatio();
    layout[u"foreground"] = qint64(canvas.palette().color(QPalette::Shadow).rgb());
    layout[u"controls"] = controls;
    layout[u"window"] = rectText(window.geometry());
    layout[u"screen"] = rectText(window.screen()->geometry());

    const QDir dir(folder);
    QFile file(dir.filePath(layoutFile));
    const bool saved = canvas.image().save(dir.filePath(pictureFile)) &&
                       window.canvas()->grab().toImage().save(dir.filePath(shownFile)) &&
                       file.open(QIODevice::WriteOnly) &&
                       file.write(QJsonDocument(layout).toJson()) > 0;
    return saved ? 0 : 1;
}

struct Rendering
{
    QImage picture;
    QImage shown;
    QJsonObject layout;
};

/// A 3840 x 2160 screen: 1920 x 1080 logical pixels at ratio 2, where the whole scene fits.
/// Qt's offscreen screen of 800 x 800 would have the window maximized, at 400 x 400 at ratio 2.
const char *const uhdScreen = R"({"screens": [{"name": "UHD", "x": 0, "y": 0,
                                   "width": 3840, "height": 2160, "logicalDpi": 96}]})";
/// Smaller than the scene: 640 x 480, and 1280 x 960 at ratio 2.
const char *const vgaScreen = R"({"screens": [{"name": "VGA", "x": 0, "y": 0,
                                   "width": 640, "height": 480, "logicalDpi": 96}]})";
const char *const denseVgaScreen = R"({"screens": [{"name": "VGA2", "x": 0, "y": 0,
                                        "width": 1280, "height": 960, "logicalDpi": 96}]})";

/// One rendering: the screen's scale factor, the screen, and how many times its size the window
/// is made after the run.
struct Setup
{
    int screenScale;
    const char *screen;
    int windowScale;
};

enum Name { Coarse, Fine, Grown, Small, DenseSmall, renderingCount };

const Setup setups[renderingCount] = {{1, uhdScreen, 1},
                                      {2, uhdScreen, 1},
                                      {1, uhdScreen, 2},
                                      {1, vgaScreen, 1},
                                      {2, denseVgaScreen, 1}};

std::unique_ptr<QProcess> startRendering(const Setup &setup, const QString &folder)
{
    QFile config(QDir(folder).filePath(QStringLiteral("screen.json")));
    if (!config.open(QIODevice::WriteOnly) || config.write(setup.screen) <= 0)
        return nullptr;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // Either would change the ratio the scale factor sets.
    env.remove(QStringLiteral("QT_SCREEN_SCALE_FACTORS"));
    env.remove(QStringLiteral("QT_ENABLE_HIGHDPI_SCALING"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"),
               QStringLiteral("offscreen:configfile=") + config.fileName());
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(setup.screenScale));
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(env);
    process->start(QCoreApplication::applicationFilePath(),
                   {QString::fromLatin1(renderOption), folder, QString::number(setup.windowScale)});
    return process;
}

/// A rectangle as the child writes it, "x,y wxh".
QRect rectFrom(const QString &text)
{
    const QStringList numbers = text.split(QRegularExpression(QStringLiteral("[, x]")));
    if (numbers.size() < 4)
        return {};
    return {numbers[0].toInt(), numbers[1].toInt(), numbers[2].toInt(), numbers[3].toInt()};
}

constexpr QRgb silver = qRgb(192, 192, 192);

/// The 2 x 2 device pixels of the ratio-2 picture that cover the logical pixel (x, y).
std::array<QRgb, 4> blockAt(const QImage &fine, int x, int y)
{
    return {fine.pixel(2 * x, 2 * y), fine.pixel(2 * x + 1, 2 * y), fine.pixel(2 * x, 2 * y + 1),
            fine.pixel(2 * x + 1, 2 * y + 1)};
}

bool uniform(const std::array<QRgb, 4> &block)
{
    return std::ranges::all_of(block, [&block](QRgb colour) { return colour == block[0]; });
}

/// The logical pixels of the picture, where something is drawn at either ratio.
template <typename Visit>
void forEachDrawnBlock(const QImage &coarse, const QImage &fine, Visit visit)
{
    for (int y = 0; y < coarse.height(); ++y) {
        for (int x = 0; x < coarse.width(); ++x) {
            const QRgb pixel = coarse.pixel(x, y);
            const std::array<QRgb, 4> block = blockAt(fine, x, y);
            if (pixel != silver || !uniform(block) || block[0] != silver)
                visit(pixel, block);
        }
    }
}

/// Where anything is drawn on the picture.
QRect drawnBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != silver)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

std::map<QRgb, int> colourCounts(const QImage &image)
{
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    }
    return counts;
}

} // namespace

class TstHighDensity : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        std::unique_ptr<QProcess> processes[renderingCount];
        for (int i = 0; i < renderingCount; ++i) {
            const QString folder = m_folder.filePath(QString::number(i));
            QVERIFY(QDir().mkpath(folder));
            processes[i] = startRendering(setups[i], folder);
            QVERIFY(processes[i]);
        }
        for (int i = 0; i < renderingCount; ++i) {
            QProcess &process = *processes[i];
            QVERIFY2(process.waitForFinished(30000), qPrintable(process.errorString()));
            QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
                     process.readAllStandardError().constData());
            const QDir dir(m_folder.filePath(QString::number(i)));
            Rendering &rendering = m_rendering[i];
            QVERIFY(rendering.picture.load(dir.filePath(pictureFile)));
            QVERIFY(rendering.shown.load(dir.filePath(shownFile)));
            rendering.picture.convertTo(QImage::Format_RGB32);
            rendering.shown.convertTo(QImage::Format_RGB32);
            QFile file(dir.filePath(layoutFile));
            QVERIFY(file.open(QIODevice::ReadOnly));
            rendering.layout = QJsonDocument::fromJson(file.readAll()).object();
        }
    }

    void pictureAtScreenResolution()
    {
        const Rendering &coarse = m_rendering[Coarse];
        const Rendering &fine = m_rendering[Fine];
        QCOMPARE(coarse.layout[u"screenRatio"].toDouble(), 1.0);
        QCOMPARE(coarse.layout[u"pictureRatio"].toDouble(), 1.0);
        QCOMPARE(coarse.picture.size(), QSize(picturePixels.width(), picturePixels.height()));
        QCOMPARE(fine.layout[u"screenRatio"].toDouble(), 2.0);
        QCOMPARE(fine.layout[u"pictureRatio"].toDouble(), 2.0);
        QCOMPARE(fine.picture.size(), coarse.picture.size() * 2);
        // The canvas hands its picture to the screen pixel for pixel, scaled by neither side.
        QVERIFY(coarse.shown == coarse.picture);
        QVERIFY(fine.shown == fine.picture);
    }

    void layoutKeptAtBothRatios()
    {
        const QVariantMap coarse =
            m_rendering[Coarse].layout[u"controls"].toObject().toVariantMap();
        const QVariantMap fine = m_rendering[Fine].layout[u"controls"].toObject().toVariantMap();
        QCOMPARE(coarse.size(), 27); // the window, its 25 controls and the canvas
        // Not maximized: the window shows the whole scene at either ratio.
        QCOMPARE(coarse[QStringLiteral("frmVeltrin")].toString().section(u' ', 0, 2),
                 QStringLiteral("0,0 %1x%2 shown")
                     .arg(picturePixels.width())
                     .arg(picturePixels.height()));
        QCOMPARE(fine.keys(), coarse.keys());
        for (const QString &name : coarse.keys())
            QCOMPARE(name + u' ' + fine[name].toString(), name + u' ' + coarse[name].toString());
    }

    void samePictureAtBothRatios()
    {
        const QImage &coarse = m_rendering[Coarse].picture;
        const QImage &fine = m_rendering[Fine].picture;
        if (fine.size() != coarse.size() * 2)
            QSKIP("the pictures do not match in size");

        // The drawing is aliased, so the finer picture brings no colours of its own; a smooth
        // enlargement would bring blends. Each colour covers four times as many device pixels:
        // lines, circles and spiral points keep their width in logical pixels. Measured 3.94
        // (bars) to 4.11 (rays).
        const std::map<QRgb, int> coarseCounts = colourCounts(coarse);
        const std::map<QRgb, int> fineCounts = colourCounts(fine);
        QCOMPARE(coarseCounts.size(), std::size_t(4)); // background, foreground, rays, bars
        for (const auto &[colour, count] : fineCounts) {
            const QString name = QColor(colour).name();
            QVERIFY2(coarseCounts.contains(colour), qPrintable(name));
            const double ratio = double(count) / coarseCounts.at(colour);
            QVERIFY2(ratio > 3.7 && ratio < 4.3, qPrintable(name + u' ' + QString::number(ratio)));
        }

        // Over each logical pixel, the ratio-1 colour shows in at least one of its four device
        // pixels. Not in all: an aliased line or circle passes a little differently through the
        // finer grid, and where one misses a pixel at ratio 1 it may touch the block at ratio 2
        // or the other way round. Measured 77 misses in 54501 drawn blocks (0.14 %).
        int drawn = 0;
        int agreeing = 0;
        forEachDrawnBlock(coarse, fine, [&](QRgb pixel, const std::array<QRgb, 4> &block) {
            ++drawn;
            agreeing += std::ranges::find(block, pixel) != block.end();
        });
        QVERIFY2(drawn > 40000, qPrintable(QString::number(drawn)));
        QVERIFY2(agreeing >= 0.99 * drawn,
                 qPrintable(QStringLiteral("%1 of %2").arg(agreeing).arg(drawn)));
    }

    void detailFinerThanLogicalPixel()
    {
        const QImage &coarse = m_rendering[Coarse].picture;
        const QImage &fine = m_rendering[Fine].picture;
        if (fine.size() != coarse.size() * 2)
            QSKIP("the pictures do not match in size");

        // A plain enlargement fills each 2 x 2 block with one colour; drawing at the screen's
        // resolution puts edges inside the blocks. Measured 70.6 % of the drawn blocks.
        int drawn = 0;
        int mixed = 0;
        forEachDrawnBlock(coarse, fine, [&](QRgb, const std::array<QRgb, 4> &block) {
            ++drawn;
            mixed += !uniform(block);
        });
        QVERIFY2(mixed > 0.5 * drawn, qPrintable(QStringLiteral("%1 of %2").arg(mixed).arg(drawn)));

        // Below the axis, between the mirror and the source plane, the foreground colour is the
        // spirals' but for a few straight rows, which start no runs there. Each spiral point
        // marks the 2 x 2 device pixels nearest to it rather than the block of its logical
        // pixel, so about half the runs along a row start at an odd column (measured 50.5 %;
        // none if the points snapped to logical pixels), and as a one-pixel pen it covers four
        // times as many pixels (measured 3.99; 2.57 with a single device pixel a point).
        const QRgb foreground = QRgb(m_rendering[Fine].layout[u"foreground"].toInteger());
        const QRect spirals(QPoint(3000 / 15, 4700 / 15),
                            QPoint(11000 / 15 - 1, picturePixels.height() - 1));
        int coarseMarked = 0;
        for (int y = spirals.top(); y <= spirals.bottom(); ++y) {
            for (int x = spirals.left(); x <= spirals.right(); ++x)
                coarseMarked += coarse.pixel(x, y) == foreground;
        }
        int fineMarked = 0;
        int runs = 0;
        int oddRuns = 0;
        const QRect fineSpirals(spirals.topLeft() * 2, spirals.size() * 2);
        for (int y = fineSpirals.top(); y <= fineSpirals.bottom(); ++y) {
            for (int x = fineSpirals.left(); x <= fineSpirals.right(); ++x) {
                if (fine.pixel(x, y) != foreground)
                    continue;
                ++fineMarked;
                if (fine.pixel(x - 1, y) != foreground) {
                    ++runs;
                    oddRuns += x % 2;
                }
            }
        }
        QVERIFY2(coarseMarked > 5000, qPrintable(QString::number(coarseMarked)));
        const double ratio = double(fineMarked) / coarseMarked;
        QVERIFY2(ratio > 3.7 && ratio < 4.3, qPrintable(QString::number(ratio)));
        QVERIFY2(oddRuns > 0.35 * runs,
                 qPrintable(QStringLiteral("%1 of %2").arg(oddRuns).arg(runs)));
    }

    void grownWindowDrawsTheSceneAtTwiceTheResolution()
    {
        const Rendering &coarse = m_rendering[Coarse];
        const Rendering &grown = m_rendering[Grown];
        QCOMPARE(grown.layout[u"screenRatio"].toDouble(), 1.0);
        QCOMPARE(grown.layout[u"pictureRatio"].toDouble(), 2.0);
        QCOMPARE(grown.picture.size(), coarse.picture.size() * 2);
        QVERIFY(grown.shown == grown.picture);
        // Drawn afresh, not enlarged: every arrow's pixel as on a screen of twice the density.
        QVERIFY(grown.picture == m_rendering[Fine].picture);

        // Each bar, green for a default run, twice as tall within a pixel of the design scale.
        const QRgb green = qRgb(0, 255, 0);
        const auto barRows = [green](const QImage &image, int x, int columns) {
            int top = INT_MAX;
            int bottom = INT_MIN;
            for (int y = 0; y < image.height(); ++y) {
                for (int column = x; column < x + columns; ++column) {
                    if (image.pixel(column, y) == green) {
                        top = std::min(top, y);
                        bottom = std::max(bottom, y);
                    }
                }
            }
            return top <= bottom ? bottom - top + 1 : 0;
        };
        int bars = 0;
        QStringList wrong;
        for (int x = 0; x < coarse.picture.width(); ++x) {
            const int height = barRows(coarse.picture, x, 1);
            if (height <= 0)
                continue;
            ++bars;
            const int grownHeight = barRows(grown.picture, 2 * x, 2);
            if (std::abs(grownHeight - 2 * height) > 2 && wrong.size() < 5)
                wrong << QStringLiteral("x %1: %2 and %3").arg(x).arg(height).arg(grownHeight);
        }
        QVERIFY2(bars > 100, qPrintable(QString::number(bars)));
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u", ")));

        // The controls in their places and their fonts, both twice the size.
        const QVariantMap before = coarse.layout[u"controls"].toObject().toVariantMap();
        const QVariantMap after = grown.layout[u"controls"].toObject().toVariantMap();
        QCOMPARE(after.keys(), before.keys());
        for (const QString &name : before.keys()) {
            const QStringList was = before[name].toString().split(u' ');
            const QStringList is = after[name].toString().split(u' ');
            const QRect place = rectFrom(was[0] + u' ' + was[1]);
            QCOMPARE(rectFrom(is[0] + u' ' + is[1]), QRect(place.topLeft() * 2, place.size() * 2));
            if (was[2] != u"shown" || name == u"canvas" || name == u"HScroll1" ||
                name == u"frmVeltrin")
                continue; // they show no text of their own
            const int pixels = was[3].chopped(2).toInt();
            const int grownPixels = is[3].chopped(2).toInt();
            QVERIFY2(
                std::abs(grownPixels - 2 * pixels) <= 1,
                qPrintable(
                    QStringLiteral("%1: %2 and %3 px").arg(name).arg(pixels).arg(grownPixels)));
        }
    }

    void smallScreenShowsEveryControl_data()
    {
        QTest::addColumn<int>("rendering");
        QTest::addRow("640 x 480") << int(Small);
        QTest::addRow("1280 x 960 at ratio 2") << int(DenseSmall);
    }
    void smallScreenShowsEveryControl()
    {
        QFETCH(int, rendering);
        const QJsonObject &layout = m_rendering[rendering].layout;
        const QRect screen = rectFrom(layout[u"screen"].toString());
        const QRect window = rectFrom(layout[u"window"].toString());
        QCOMPARE(screen.size(), QSize(640, 480));
        QVERIFY(screen.contains(window));
        const QVariantMap controls = layout[u"controls"].toObject().toVariantMap();
        int shown = 0;
        for (const QString &name : controls.keys()) {
            const QString place = controls[name].toString();
            if (!place.contains(u" shown ") || name == u"frmVeltrin")
                continue;
            ++shown;
            const QRect rect = rectFrom(place).translated(window.topLeft());
            QVERIFY2(screen.contains(rect), qPrintable(name + u' ' + place));
        }
        QCOMPARE(shown, 17); // the drawing and the 16 visible controls

        // The scene drawn at the window's scale, all of it: what is drawn spans the part of the
        // picture it spans at the design scale, times the picture's ratio.
        const double ratio = layout[u"pictureRatio"].toDouble();
        const QRect design = drawnBounds(m_rendering[Coarse].picture);
        const QRect drawn = drawnBounds(m_rendering[rendering].picture);
        const QRect expected =
            QRectF(QPointF(design.topLeft()) * ratio, QSizeF(design.size()) * ratio).toRect();
        const QMargins difference(drawn.left() - expected.left(), drawn.top() - expected.top(),
                                  drawn.right() - expected.right(),
                                  drawn.bottom() - expected.bottom());
        for (const int edge :
             {difference.left(), difference.top(), difference.right(), difference.bottom()})
            QVERIFY2(std::abs(edge) <= 2, qPrintable(QStringLiteral("%1 against %2 at ratio %3")
                                                         .arg(rectText(drawn), rectText(expected))
                                                         .arg(ratio)));
    }

private:
    QTemporaryDir m_folder;
    Rendering m_rendering[renderingCount];
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 4 && arguments[1] == QLatin1String(renderOption))
        return renderDefaultRun(arguments[2], arguments[3].toInt());
    TstHighDensity test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_highdensity.moc"
