// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagesurface.h"
#include "picture.h"
#include "run.h"
#include "runhistory.h"

#include <QTest>

using namespace veltrin;

class TstRunHistory : public QObject
{
    Q_OBJECT

private slots:
    // The runs drawn live, each after the first answered No, against the drawing made again
    // from what the history keeps: earlier runs leave only what is above the axis.
    void drawsAgainWhatTheRunsDrew_data()
    {
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<bool>("projector");
        QTest::addRow("scale 1") << 1.0 << false;
        QTest::addRow("scale 1.5") << 1.5 << false;
        QTest::addRow("scale 2") << 2.0 << false;
        // Wider bars and rays, the rays beneath the bars.
        QTest::addRow("projector, scale 1") << 1.0 << true;
        QTest::addRow("projector, scale 1.5") << 1.5 << true;
    }
    void drawsAgainWhatTheRunsDrew()
    {
        QFETCH(qreal, scale);
        QFETCH(bool, projector);
        const SceneStyle style = projector ? SceneStyle::projector() : SceneStyle();
        const Prompt prompt{QRect(330, 255, 200, 30), QStringLiteral("Please press button Start"),
                            QFont()};
        QImage live = blankPicture(scale, prompt, style);
        ImageSurface surface(live, style);
        RunHistory history;
        // Mirrors and frequencies in turn, so that earlier runs of another K show above the
        // axis and later runs of the same K draw theirs again.
        const char *const ks[] = {"0.00005", "0.0002", "0.0001", "0.00007"};
        const char *const frequencies[] = {"0.02", "0.01", "0.04"};
        for (int runs = 1; runs <= 30; ++runs) {
            surface.setText(Field::OsKruh, QString::fromLatin1(ks[runs % 4]));
            surface.setText(Field::Kmitocet, QString::fromLatin1(frequencies[runs % 3]));
            surface.setText(Field::Spomaleni, QStringLiteral("0"));
            Run run(surface);
            history.begin(run.record());
            run.drawToEnd();
            history.update(run.record());
            surface.present();
            if (runs != 1 && runs != 3 && runs != 30)
                continue;
            QImage again = blankPicture(scale, prompt, style);
            ImageSurface redraw(again, style);
            history.drawAgain(redraw);
            redraw.present();
            QVERIFY2(again == live, qPrintable(QStringLiteral("%1 runs").arg(runs)));
        }
    }
};

QTEST_MAIN(TstRunHistory)
#include "tst_runhistory.moc"
