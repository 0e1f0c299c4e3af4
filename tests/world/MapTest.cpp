#include <cstdlib>
#include <gtest/gtest.h>

#include "tests/support/WorldHelpers.h"

#include "game/world/GameRandom.h"
#include "game/world/Globals.h"
#include "game/world/Map.h"

namespace {

using testing_support::ClearEarth;

constexpr double kSpread = 1.564692867;

TEST(Map, SectorOneSharesItsPeopleByLand) {
    Map& earth = *Globals::GetMap();
    Sector& sector = *earth.GetSector(1, -1);
    EXPECT_EQ(sector.GetLetter(), 'I');
    EXPECT_EQ(sector.GetBunker()->GetLetter(), 'I');
    // Types 2 3 3 4 / 0 1 0 4 / 0 1 3 4 / 2 2 0 1: four farms, three of every other kind.
    int const farm = static_cast<int>(0.08 * 6000000 * kSpread / 4.0);
    int const city = static_cast<int>(0.75 * 6000000 * kSpread / 3.0);
    int const base = static_cast<int>(0.1 * 6000000 * kSpread / 3.0);
    int const mountain = static_cast<int>(0.05 * 6000000 * kSpread / 3.0);
    int const desert = static_cast<int>(0.02 * 6000000 * kSpread / 3.0);

    SubSector* farmSquare = sector.GetSubSector(1, 0);
    EXPECT_EQ(farmSquare->GetType(), SubSector::kFarmLand);
    EXPECT_EQ(farmSquare->GetPopulation(), farm);
    EXPECT_EQ(farmSquare->GetMilitary(), 100.0);
    EXPECT_EQ(farmSquare->GetStructures(), static_cast<int>((farm + 100.0) / 3.6));

    SubSector* citySquare = sector.GetSubSector(1, 1);
    EXPECT_EQ(citySquare->GetType(), SubSector::kCity);
    EXPECT_EQ(citySquare->GetPopulation(), city);
    EXPECT_EQ(citySquare->GetStructures(), static_cast<int>((city + 100.0) / 3.6 * 3.0));

    SubSector* baseSquare = sector.GetSubSector(0, 0);
    EXPECT_EQ(baseSquare->GetPopulation(), base);
    EXPECT_EQ(baseSquare->GetMilitary(), 10100.0);
    EXPECT_EQ(baseSquare->GetAirDefense(), 100.0);
    EXPECT_EQ(baseSquare->GetStructures(), static_cast<int>((base + 10100.0) / 3.6));

    EXPECT_EQ(sector.GetSubSector(0, 1)->GetPopulation(), mountain);
    EXPECT_EQ(sector.GetSubSector(0, 3)->GetPopulation(), desert);
    EXPECT_EQ(sector.CountType(SubSector::kFarmLand, true), 4);
    EXPECT_EQ(sector.CountType(SubSector::kCity, true), 3);
    EXPECT_EQ(sector.CountType(SubSector::kCity, false), 0);
    EXPECT_EQ(sector.SumPopulation(true), 4.0 * farm + 3.0 * (city + base + mountain + desert));
    EXPECT_EQ(sector.SumMilitary(true), 16 * 100.0 + 3 * 10000.0);
    EXPECT_EQ(sector.GetPopulation(true), sector.SumPopulation(true) + sector.SumMilitary(true));
    EXPECT_EQ(sector.SumAirDefense(true), 300.0);
    EXPECT_EQ(sector.GetCounter(), 0);
}

TEST(Map, WastelandGetsNobodyAndMissingLandIsNotPlaced) {
    Sector& sector = *Globals::GetMap()->GetSector(14, -1);
    EXPECT_EQ(sector.GetLetter(), 'J');
    SubSector* waste = sector.GetSubSector(3, 0);
    EXPECT_EQ(waste->GetType(), SubSector::kWasteland);
    EXPECT_EQ(waste->GetPopulation(), 0.0);
    EXPECT_EQ(waste->GetMilitary(), 100.0);
    EXPECT_EQ(waste->GetStructures(), 27.0);
    // No farms and no mountains here: their shares go nowhere.
    EXPECT_EQ(sector.CountType(SubSector::kFarmLand, true), 0);
    EXPECT_EQ(sector.CountType(SubSector::kMountains, true), 0);
    double const placed = sector.SumPopulation(true);
    EXPECT_LT(placed, 4000000 * kSpread * (1.0 - 0.08 - 0.05) + 16);
    EXPECT_GT(placed, 4000000 * kSpread * (1.0 - 0.08 - 0.05) - 16);
}

TEST(Map, SectorsByNumberAndByRowAndColumn) {
    Map& earth = *Globals::GetMap();
    EXPECT_EQ(earth.GetSector(3, -1), earth.GetSector(0, 2));
    EXPECT_EQ(earth.GetSector(3)->GetLetter(), 'V');
    EXPECT_EQ(earth.GetSector(1, 0)->GetNumber(), 7);
    EXPECT_EQ(earth.GetSector(3, 5)->GetNumber(), 24);
    EXPECT_EQ(earth.GetSector(24)->GetLetter(), 'K');
    EXPECT_EQ(earth.GetSector(24)->GetRow(), 3);
    EXPECT_EQ(earth.GetSector(24)->GetColumn(), 5);
    EXPECT_EQ(earth.GetSector(8)->GetRow(), 1);
    EXPECT_EQ(earth.GetSector(8)->GetColumn(), 1);

    EXPECT_EQ(earth.GetSector(0, -1), nullptr);
    EXPECT_EQ(earth.GetSector(25, -1), nullptr);
    EXPECT_EQ(earth.GetSector(4, 0), nullptr);
    EXPECT_EQ(earth.GetSector(-1, 0), nullptr);
    EXPECT_EQ(earth.GetSector(0, 6), nullptr);

    EXPECT_EQ(earth.FindSector('P')->GetNumber(), 12);
    EXPECT_EQ(earth.FindSector('Z')->GetNumber(), 1);

    char letters[Map::kSectors + 1] = {};
    for (int number = 1; number <= Map::kSectors; ++number) {
        letters[number - 1] = earth.GetSector(number)->GetLetter();
    }
    EXPECT_STREQ(letters, "ILVOUCMATBHPQJWRNFEXDGSK");
}

TEST(Map, SquaresByIndexAndByRowAndColumn) {
    Sector& sector = *Globals::GetMap()->GetSector(5);
    EXPECT_EQ(sector.GetSubSector(6, -1), sector.GetSubSector(1, 2));
    EXPECT_EQ(sector.GetSubSector(15), sector.GetSubSector(3, 3));
    EXPECT_EQ(sector.GetSubSector(16, -1), nullptr);
    EXPECT_EQ(sector.GetSubSector(-1, -1), nullptr);
    EXPECT_EQ(sector.GetSubSector(4, 0), nullptr);
    EXPECT_EQ(sector.GetSubSector(0, 4), nullptr);
}

TEST(Map, PopulationSumsMappedSquaresOrAll) {
    Map& earth = *Globals::GetMap();
    EXPECT_EQ(earth.GetPopulation(false), 0.0);
    double all = 0.0;
    for (int number = 1; number <= Map::kSectors; ++number) {
        all += earth.GetSector(number)->GetPopulation(true);
    }
    EXPECT_EQ(earth.GetPopulation(true), all);
    EXPECT_GT(all, 384 * 100.0);

    SubSector* square = earth.GetSector(2)->GetSubSector(5);
    square->SetVisible();
    EXPECT_EQ(earth.GetPopulation(false), square->GetPopulation() + square->GetMilitary());
}

TEST(Map, VictoryNeedsEverySquareEmpty) {
    Map& earth = *Globals::GetMap();
    EXPECT_FALSE(earth.IsConquered());
    ClearEarth(earth);
    EXPECT_EQ(earth.GetPopulation(true), 0.0);
    EXPECT_TRUE(earth.IsConquered());

    // Overkill in one square must not hide the soldiers left in another.
    earth.GetSector(3)->GetSubSector(4)->AddPopulation(-500);
    earth.GetSector(20)->GetSubSector(9)->AddMilitary(500);
    EXPECT_EQ(earth.GetPopulation(true), 0.0);
    EXPECT_FALSE(earth.IsConquered());

    earth.GetSector(20)->GetSubSector(9)->AddMilitary(-501);
    earth.GetSector(7)->GetSubSector(0)->AddPopulation(1);
    EXPECT_FALSE(earth.IsConquered());
    earth.GetSector(7)->GetSubSector(0)->AddPopulation(-1);
    EXPECT_TRUE(earth.IsConquered());
}

TEST(Map, BuildingAnotherEarthDoesNotReseed) {
    EXPECT_TRUE(GameRandSeeded());
    std::srand(42);
    int const expected = std::rand();
    std::srand(42);
    Map another;
    ClearGameRandScript();
    EXPECT_EQ(GameRand(), expected);
    EXPECT_EQ(another.GetSector(12)->GetLetter(), 'P');
}

}  // namespace
