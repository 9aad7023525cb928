// SPDX-License-Identifier: GPL-3.0-or-later
#include "chainview.h"
#include "closeup.h"
#include "mirrorcolours.h"

#include <QImage>
#include <QTest>
#include <algorithm>
#include <vector>

using namespace veltrin;

class TstChainView : public QObject
{
    Q_OBJECT

private slots:
    void chainFillsTheViewAndThePointerFindsItsArrows()
    {
        // A plain arc: no arrow crosses another.
        const auto shown = std::make_shared<const CloseUp>(0.00005, 0.02, 3000, 90);
        const CloseUp &closeUp = *shown;
        ChainView view;
        view.setCloseUp(shown);
        view.setResultantColour(Qt::red);
        view.resize(500, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QImage image = view.grab().toImage();

        // The pixels drawn wholly in a shade of the mirror, and where they reach.
        QRect reach;
        const int middleShade = MirrorColours::shades / 2;
        std::vector<QPoint> middle;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                for (int shade = 0; shade < MirrorColours::shades; ++shade) {
                    if (image.pixelColor(x, y) != MirrorColours::shade(shade))
                        continue;
                    reach |= QRect(x, y, 1, 1);
                    if (shade == middleShade)
                        middle.push_back({x, y});
                }
            }
        }
        QVERIFY(reach.width() > 0.85 * view.width() || reach.height() > 0.85 * view.height());
        QVERIFY(!middle.empty());

        // Over the middle of the arrows of the middle shade.
        QPoint centre;
        for (const QPoint &p : middle)
            centre += p;
        centre /= qreal(middle.size());
        const QPoint over = *std::ranges::min_element(
            middle, {}, [&](const QPoint &p) { return (p - centre).manhattanLength(); });
        QTest::mouseMove(&view, over);
        QVERIFY(view.hoveredArrow() >= 0);
        const int sample = closeUp.arrows()[std::size_t(view.hoveredArrow())].sample;
        QCOMPARE(MirrorColours::shadeOf(sample), middleShade);

        QTest::mouseMove(&view, QPoint(view.width() - 5, view.height() - 5));
        QCOMPARE(view.hoveredArrow(), -1);
    }
};

QTEST_MAIN(TstChainView)
#include "tst_chainview.moc"
