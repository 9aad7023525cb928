// SPDX-License-Identifier: GPL-3.0-or-later
#include "photontally.h"

#include <gtest/gtest.h>

using namespace veltrin;

namespace {

// Below the axis map rows are negative: the densest square is found and named on either side,
// and left of the vertex line too.
TEST(PhotonTally, FindsTheDensestSquareOnEitherSideOfTheAxis)
{
    for (const Vec2 middle : {Vec2{2625, 125}, Vec2{125, -2875}, Vec2{-375, -125}}) {
        PhotonTally tally(250);
        tally.add({4000, 2000}); // the first square to get a photon, later outnumbered
        for (const double d : {-90.0, 0.0, 90.0})
            tally.add({middle.x + d, middle.y - d});
        EXPECT_EQ(tally.densest(), middle) << "photons around " << middle.x << ", " << middle.y;
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
    EXPECT_EQ(tally.densest(), (Vec2{1125, 125}));
}

} // namespace
