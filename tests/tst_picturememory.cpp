// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturememory.h"

#include <QTest>

using namespace veltrin;

class TstPictureMemory : public QObject
{
    Q_OBJECT

private slots:
    void aPictureStillHeldKeepsItsPixels()
    {
        // A copy of the canvas's picture, taken to be saved, outlives the picture made anew.
        PictureMemory memory;
        QImage first = memory.picture({64, 48}, QImage::Format_RGB32);
        first.fill(Qt::red);
        const uchar *const firstMemory = first.constBits();
        const QImage kept = first;
        first = QImage();
        QImage second = memory.picture({60, 40}, QImage::Format_RGB32);
        second.fill(Qt::blue);
        QCOMPARE(kept.pixelColor(63, 47), QColor(Qt::red));
        QVERIFY(second.constBits() != firstMemory);

        // Let go of, its memory serves the next picture that fits, even after the pool is gone.
        const uchar *const secondMemory = second.constBits();
        second = QImage();
        QImage third = memory.picture({64, 40}, QImage::Format_RGB32);
        QCOMPARE(third.constBits(), secondMemory);
        QImage outlives;
        {
            PictureMemory gone;
            outlives = gone.picture({8, 8}, QImage::Format_RGB32);
        }
        outlives.fill(Qt::green);
        QCOMPARE(outlives.pixelColor(7, 7), QColor(Qt::green));
    }
};

QTEST_MAIN(TstPictureMemory)
#include "tst_picturememory.moc"
