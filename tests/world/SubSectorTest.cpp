#include <gtest/gtest.h>
#include <sstream>

#include "game/world/GameRandom.h"
#include "game/world/SubSector.h"

namespace {

TEST(SubSector, StartsAsGuardedWastelandAndSeedsOnce) {
    std::size_t const drawsBefore = GameRandDraws();
    SubSector square;
    EXPECT_TRUE(GameRandSeeded());
    SubSector more[16];
    EXPECT_EQ(GameRandDraws(), drawsBefore);  // seeding draws nothing
    EXPECT_EQ(square.GetType(), SubSector::kWasteland);
    EXPECT_EQ(square.GetPopulation(), 0.0);
    EXPECT_EQ(square.GetMilitary(), 100.0);
    EXPECT_EQ(square.GetAirDefense(), 0.0);
    EXPECT_EQ(square.GetStructures(), 0.0);
    EXPECT_FALSE(square.GetVisible());
    EXPECT_FALSE(more[15].GetVisible());
}

TEST(SubSector, CountsMayGoBelowZero) {
    SubSector square;
    square.AddPopulation(50);
    square.AddPopulation(-80);
    square.AddMilitary(-100);
    square.AddExtra(3);
    square.AddAirDefense(-1);
    square.SetType(SubSector::kRubble);
    square.SetVisible();
    EXPECT_EQ(square.GetPopulation(), -30.0);
    EXPECT_EQ(square.GetMilitary(), 0.0);
    std::ostringstream out;
    out << square;
    EXPECT_EQ(out.str(), "1 6 0 -30 -1 3 ");
}

}  // namespace
