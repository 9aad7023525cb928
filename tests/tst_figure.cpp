// SPDX-License-Identifier: GPL-3.0-or-later
#include "choices.h"
#include "figure.h"
#include "figuresaver.h"
#include "imagesurface.h"
#include "picture.h"
#include "run.h"
#include "runhistory.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QTest>
#include <QXmlStreamReader>

using namespace veltrin;

namespace {

/// Two runs kept side by side: the first at the window's choices, the second at another K
/// and frequency, answered No, which erases the first one's mirror, rays and spirals below the
/// axis.
RunHistory twoRuns()
{
    QImage picture = blankPicture(1, {});
    ImageSurface surface(picture);
    RunHistory history;
    for (const char *k : {"0.00005", "0.0001"}) {
        surface.setText(Field::OsKruh, QString::fromLatin1(k));
        surface.setText(Field::Kmitocet,
                        history.isEmpty() ? loadedText(Field::Kmitocet) : QStringLiteral("0.01"));
        Run run(surface);
        history.begin(run.record());
        run.drawToEnd();
        history.update(run.record());
    }
    return history;
}

bool isInk(QRgb pixel)
{
    return qRed(pixel) < 240 || qGreen(pixel) < 240 || qBlue(pixel) < 240;
}

/// How far two pictures of one drawing differ, one drawn aliased and one smoothed, or by two
/// renderers: the share of the inked pixels of either with no inked pixel of the other within
/// a pixel. The area of the first is compared with the second from the point at.
double strayInk(const QImage &first, const QRect &area, const QImage &second, QPoint at)
{
    const auto inkNear = [](const QImage &image, QPoint point) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const QPoint near = point + QPoint(dx, dy);
                if (image.rect().contains(near) && isInk(image.pixel(near)))
                    return true;
            }
        }
        return false;
    };
    int inked = 0, stray = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QPoint p(x, y), q = p - area.topLeft() + at;
            if (isInk(first.pixel(p))) {
                ++inked;
                stray += !inkNear(second, q);
            }
            if (second.rect().contains(q) && isInk(second.pixel(q))) {
                ++inked;
                stray += !inkNear(first, p);
            }
        }
    }
    return inked ? double(stray) / inked : 1;
}

} // namespace

class TstFigure : public QObject
{
    Q_OBJECT

private slots:
    void theFigureIsTheDrawingOnWhiteCroppedToIt()
    {
        const RunHistory history = twoRuns();
        const Figure figure(history, {});
        const QImage shown = figure.image(1);

        // The window's drawing of the same runs in the figure's colours, where it is cropped.
        QImage drawing = blankPicture(1, {}, SceneStyle::figure());
        {
            ImageSurface surface(drawing, SceneStyle::figure());
            history.drawAgain(surface);
        }
        const QRect crop = figure.crop().toAlignedRect() & drawing.rect();
        const double share =
            strayInk(drawing, crop, shown, crop.topLeft() - figure.crop().topLeft().toPoint());
        QVERIFY2(share < 0.005, qPrintable(QString::number(share)));

        // Nothing of the drawing is cut away, and no wide margin is left around it.
        QRect ink;
        for (int y = 0; y < drawing.height(); ++y) {
            for (int x = 0; x < drawing.width(); ++x) {
                if (isInk(drawing.pixel(x, y)))
                    ink |= QRect(x, y, 1, 1);
            }
        }
        QVERIFY(figure.crop().contains(QRectF(ink)));
        QVERIFY(figure.crop().width() < ink.width() + 24 &&
                figure.crop().height() < ink.height() + 24);
    }

    void theSvgFigureNamesEveryRunAndLooksLikeThePng()
    {
        const RunHistory history = twoRuns();
        const Figure figure(history, {});
        const QByteArray svg = FigureSaver::svg(figure);

        QStringList texts;
        QXmlStreamReader reader(svg);
        while (!reader.atEnd()) {
            if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == u"text")
                texts << reader.readElementText();
        }
        QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
        QCOMPARE(texts, QStringList({"K 0.00005, Middle", "K 0.0001, Low"}));

        const QImage png = figure.image(FigureSaver::pngRatio);
        QImage rendered(png.size(), QImage::Format_RGB32);
        rendered.fill(Qt::white);
        QSvgRenderer renderer(svg);
        QVERIFY(renderer.isValid());
        QPainter painter(&rendered);
        renderer.render(&painter);
        painter.end();
        const double share = strayInk(png, png.rect(), rendered, {});
        QVERIFY2(share < 0.002, qPrintable(QString::number(share)));

        // The legend writes K as every number the program shows.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QString german = FigureLegend::entryText(history.runs().back().record);
        QLocale::setDefault(QLocale::c());
        QVERIFY2(german.contains(u"0,0001"), qPrintable(german));
    }
};

QTEST_MAIN(TstFigure)
#include "tst_figure.moc"
