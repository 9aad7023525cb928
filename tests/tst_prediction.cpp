// SPDX-License-Identifier: GPL-3.0-or-later
#include "photontally.h"
#include "prediction.h"
#include "probabilitymap.h"

#include <QTest>
#include <random>

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
        prediction.add(focus, photons);
        prediction.add({8000, 2900}, photons);
        const std::vector<Prediction::Score> scores = prediction.scores(map);
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
        prediction.add({2500, 0}, PhotonTally());
        const Prediction::Score score = prediction.scores(mapOf(dark)).front();
        QCOMPARE(score.photonShare, 0.0);
        QCOMPARE(score.probabilityShare, 0.0);
    }

    // Six hundred marks over the plane: each photon is measured against the few marks near where
    // it fell, not against all of them, and every mark still counts exactly the photons within
    // reach of it, those landed before it was made as well as after.
    void manyMarksCostAPhotonNoMoreThanAFew()
    {
        Prediction prediction;
        PhotonTally photons;
        std::mt19937 random(7);
        std::uniform_real_distribution<double> across(0, 8500);
        std::uniform_real_distribution<double> up(-3000, 3000);
        auto land = [&](int count) {
            std::vector<Vec2> hits;
            for (int i = 0; i < count; ++i)
                hits.push_back({across(random), up(random)});
            for (const Vec2 hit : hits)
                photons.add(hit);
            prediction.count(hits);
        };
        land(1000);
        for (int column = 0; column < 30; ++column) {
            for (int row = 0; row < 20; ++row)
                prediction.add({150.0 + 280 * column, -2850.0 + 300 * row}, photons);
        }
        const std::size_t before = prediction.work();
        const int landed = 20000;
        land(landed);

        QVERIFY2(prediction.work() - before < 4u * landed,
                 qPrintable(QString::number(prediction.work() - before)));
        const ProbabilityMap map = mapOf(Experiment{});
        const std::vector<Prediction::Score> scores = prediction.scores(map);
        QCOMPARE(scores.size(), size_t(600));
        for (const Prediction::Score &score : scores) {
            const double near = double(photons.near(score.mark, Prediction::nearRadius));
            QCOMPARE(score.photonShare, near / double(photons.size()));
        }
    }

    void clearedItHidesTheMapForTheNextMarks()
    {
        Prediction prediction;
        prediction.add({2500, 0}, PhotonTally());
        prediction.reveal();
        prediction.clear();
        QVERIFY(prediction.marks().empty());
        QVERIFY(!prediction.isRevealed());
    }
};

QTEST_GUILESS_MAIN(TstPrediction)
#include "tst_prediction.moc"
