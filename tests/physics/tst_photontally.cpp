// SPDX-License-Identifier: GPL-3.0-or-later
#include "photontally.h"

#include <gtest/gtest.h>

using namespace veltrin;

namespace {

// A spot on the axis falls in one square, not split between the squares above and below it,
// so it outnumbers three photons bunched elsewhere; it is named where its photons lie, on either
// side of the axis and left of the vertex line too.
TEST(PhotonTally, NamesWhereTheDensestPhotonsLie)
{
    for (const Vec2 spot : {Vec2{4840, 0}, Vec2{125, -2800}, Vec2{-375, -200}}) {
        PhotonTally tally(250);
        for (const double d : {0.0, 10.0, 20.0})
            tally.add({6600 + d, -400 + d}); // the first to get there, later outnumbered
        for (const Vec2 off : {Vec2{-40, 60}, Vec2{40, 60}, Vec2{-40, -60}, Vec2{40, -60}})
            tally.add({spot.x + off.x, spot.y + off.y});
        EXPECT_EQ(tally.densest(), spot) << "photons around " << spot.x << ", " << spot.y;
    }
}

TEST(PhotonTally, NearMeansWithinTheRadiusItsEdgeIncluded)
{
    PhotonTally tally;
    EXPECT_EQ(tally.shareNear({0, 0}, 150), 0); // no photons, no share
    tally.add({0, 150});
    tally.add({90, -120}); // 150 away
    tally.add({0, 151});
    tally.add({-200, 0});
    EXPECT_EQ(tally.near({0, 0}, 150), 2u);
    EXPECT_DOUBLE_EQ(tally.shareNear({0, 0}, 150), 0.5);
}

// The fastest rate brings a million photons a second: all are counted, the points of the first
// million kept, and what is asked near a mark is asked of those.
TEST(PhotonTally, CountsEveryPhotonAndKeepsTheFirstMillion)
{
    PhotonTally tally;
    for (std::size_t i = 0; i < PhotonTally::mostKept; ++i)
        tally.add({100, 100});
    tally.add({5000, 5000});
    EXPECT_EQ(tally.size(), PhotonTally::mostKept + 1);
    EXPECT_EQ(tally.hits().size(), PhotonTally::mostKept);
    EXPECT_EQ(tally.near({5000, 5000}, 10), 0u);
    EXPECT_DOUBLE_EQ(tally.shareNear({100, 100}, 10), 1.0);
}

TEST(PhotonTally, ClearedItCountsOnlyThePhotonsAfter)
{
    PhotonTally tally(250);
    for (int i = 0; i < 5; ++i)
        tally.add({100, 100});
    tally.clear();
    tally.add({1100, 100});
    EXPECT_EQ(tally.size(), 1u);
    EXPECT_EQ(tally.hits().size(), 1u);
    EXPECT_EQ(tally.densest(), (Vec2{1100, 100}));
}

} // namespace
