// SPDX-License-Identifier: GPL-3.0-or-later
#include "photontally.h"
#include "prediction.h"
#include "probabilitymap.h"

#include <QTest>

using namespace veltrin;

namespace {

ProbabilityMap mapOf(const Experiment &experiment)
{
    return *ProbabilityMap::compute(experiment, MapGrid(100, 300));
}

} // namespace

class TstPrediction : public QObject
{
    Q_OBJECT

private slots:
    // A mark on the focus: half the photons landed within reach of it, and it is the brightest
    // point; a mark in the dark corner got none of them and next to no light.
    void scoresEachMarkByThePhotonsNearItAndTheMap()
    {
        const ProbabilityMap map = mapOf(Experiment{}); // the parabola of K 0.0001: focus 2500 out
        const Vec2 focus = map.brightest().at;
        QVERIFY(std::abs(focus.x - 2500) < 300 && std::abs(focus.y) < 100);
        PhotonTally photons;
        photons.add(focus);
        photons.add({focus.x - Prediction::nearRadius, focus.y});
        photons.add({focus.x, focus.y + Prediction::nearRadius + 1});
        photons.add({8000, -2500});

        Prediction prediction;
        prediction.add(focus);
        prediction.add({8000, 2900});
        const std::vector<Prediction::Score> scores = prediction.scores(photons, map);
        QCOMPARE(scores.size(), size_t(2));
        QCOMPARE(scores[0].photonShare, 0.5);
        QCOMPARE(scores[0].probabilityShare, 1.0);
        QCOMPARE(scores[1].photonShare, 0.0);
        QVERIFY2(scores[1].probabilityShare < 0.05,
                 qPrintable(QString::number(scores[1].probabilityShare)));
    }

    // The whole mirror cut away: no light anywhere, and a mark's share is none, not a division
    // by nothing.
    void withNoLightAMarkScoresNothing()
    {
        Experiment dark;
        for (const MirrorCut::Half half : {MirrorCut::Half::Lower, MirrorCut::Half::Upper})
            dark.cut.set(half, 1, MirrorCut::maxHeight, false);
        Prediction prediction;
        prediction.add({2500, 0});
        const Prediction::Score score = prediction.scores(PhotonTally(), mapOf(dark)).front();
        QCOMPARE(score.photonShare, 0.0);
        QCOMPARE(score.probabilityShare, 0.0);
    }

    void clearedItHidesTheMapForTheNextMarks()
    {
        Prediction prediction;
        prediction.add({2500, 0});
        prediction.reveal();
        prediction.clear();
        QVERIFY(prediction.marks().empty());
        QVERIFY(!prediction.isRevealed());
    }
};

QTEST_GUILESS_MAIN(TstPrediction)
#include "tst_prediction.moc"
