#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <utility>

#include "tests/support/WorldHelpers.h"

#include "game/world/GameRandom.h"
#include "game/world/Globals.h"
#include "game/world/ReportText.h"

namespace {

using namespace testing_support;

Aircraft& Fighter() { return Docked(2); }
Aircraft& Bomber() { return Docked(3); }

// Sector 1 (I): military bases with air defences 100 on squares 0, 12 and 13; every square has
// people and structures.
Sector& SectorI() { return SectorOf(1); }
SubSector& SquareI(int index) { return *SectorI().GetSubSector(index, -1); }

std::size_t DrawsDuring(void (*step)()) {
    std::size_t const before = GameRandDraws();
    step();
    return GameRandDraws() - before;
}

std::string FighterText(int destroyed, int lost) {
    return "Battle Report: Fighers have destroyed " + std::to_string(destroyed) +
           " enemy fighters, and taken " + std::to_string(lost) + " casualties";
}

std::string BomberText(int killed, int structures, int lost) {
    return "Battle Report: Bombers have destroyed " + std::to_string(killed) + " enemy soilders, destroyed " +
           std::to_string(structures) + " structures, and taken " + std::to_string(lost) + " casualties";
}

TEST(Battles, ADayWithoutStrikesHasNoReportAndNoDraws) {
    Board(Fighter(), {RACE_POVOLNIAN, RACE_POVOLNIAN});
    Order(Fighter(), MISSION_DEFEND, 1);
    Order(Bomber(), MISSION_ESCORT, 1);
    Order(Docked(0), MISSION_ATTACK, 1);  // a saucer has no strike
    EXPECT_EQ(DrawsDuring(Globals::ProcessBattles), 0u);
    EXPECT_TRUE(PostedMessages().empty());
}

TEST(Battles, PovolnianGunnerDealsThreeToSix) {
    Board(Fighter(), {RACE_POVOLNIAN, RACE_POVOLNIAN});
    Order(Fighter(), MISSION_ATTACK, 1);

    // Damage draw, then r1 and r2 of the loss test: q = 5000 / 250 = 20, divisor 15.
    ScriptGameRand({0, 1, 0});
    Globals::ProcessBattles();
    EXPECT_DOUBLE_EQ(SquareI(13).GetAirDefense(), 97.0);
    EXPECT_EQ(PostedMessages(), (Posted{{5, FighterText(3, 0)}}));
    EXPECT_EQ(SectorI().GetCounter(), -3);

    ForgetMessages();
    ScriptGameRand({3, 1, 0});
    Globals::ProcessBattles();
    EXPECT_EQ(GameRandScriptLeft(), 0u);
    EXPECT_DOUBLE_EQ(SquareI(13).GetAirDefense(), 91.0);
    EXPECT_DOUBLE_EQ(SquareI(12).GetAirDefense(), 100.0);
    EXPECT_DOUBLE_EQ(SquareI(0).GetAirDefense(), 100.0);
    EXPECT_EQ(PostedMessages(), (Posted{{5, FighterText(6, 0)}}));
    EXPECT_EQ(SectorI().GetCounter(), -9);
}

TEST(Battles, FighterNeverAimsAtTheLastSquareAndReportsNoneLeft) {
    for (int square : {0, 12, 13}) {
        SquareI(square).AddAirDefense(-100);
    }
    SquareI(15).AddAirDefense(50);
    Board(Fighter(), {RACE_POVOLNIAN, RACE_POVOLNIAN});
    Order(Fighter(), MISSION_ATTACK, 1);

    ScriptGameRand({0, 1, 0});
    Globals::ProcessBattles();

    EXPECT_DOUBLE_EQ(SquareI(15).GetAirDefense(), 50.0);
    EXPECT_DOUBLE_EQ(SquareI(0).GetAirDefense(), 0.0);
    EXPECT_EQ(PostedMessages(),
              (Posted{{5, FighterText(0, 0)},
                      {4, "Sector I reports that there are no remaining enemy air defences left!"}}));
    EXPECT_EQ(SectorI().GetCounter(), 0);
}

TEST(Battles, ALostFighterIsFreedAndTheNextStillStrikes) {
    Dock().KillAllCraft();
    ASSERT_TRUE(Dock().enqueue(STEALTH_FIGHTER, Mothership::kDockSpace, 0));
    ASSERT_TRUE(Dock().enqueue(STEALTH_FIGHTER, Mothership::kDockSpace, 0));
    Board(Docked(0), {RACE_POVOLNIAN, RACE_POVOLNIAN});
    Board(Docked(1), {RACE_POVOLNIAN, RACE_MAKO});  // a Mako gunner: 25 + draw - 2
    Order(Docked(0), MISSION_ATTACK, 1);
    Order(Docked(1), MISSION_ATTACK, 1);

    // The first deals 3 and is hit (15 mod 15); the second deals 24 and comes home.
    ScriptGameRand({0, 15, 0, 1, 1, 0});
    Globals::ProcessBattles();

    EXPECT_EQ(GameRandScriptLeft(), 0u);
    ASSERT_EQ(Dock().GetTotal(), 1);
    EXPECT_EQ(Docked(0).GetCrewQueue()->GetCrewNode(1)->crew.GetRace(), RACE_MAKO);
    EXPECT_DOUBLE_EQ(SquareI(13).GetAirDefense(), 100.0 - 3 - 24);
    EXPECT_EQ(PostedMessages(), (Posted{{5, FighterText(27, 1)}}));
    EXPECT_EQ(SectorI().GetCounter(), -3 - 27);  // lowered by the day's total so far after each strike
}

TEST(Battles, NapalmAimsAtStructuresButTheFirstBombSetsTheFigures) {
    Bomber().GetBombQueue()->enqueue(BOMB_LIQUIFERNO_NAPALM, Aircraft::kBomberBombRoom);
    Bomber().GetBombQueue()->enqueue(BOMB_LIQUIFERNO_NAPALM, Aircraft::kBomberBombRoom);
    Board(Bomber(), {RACE_MUDUDU, RACE_MUDUDU});  // gunner: m = 10 x 50
    Order(Bomber(), MISSION_BOMB, 1);
    SquareI(14).AddStructures(-static_cast<int>(SquareI(14).GetStructures()));
    double const people13 = SquareI(13).GetPopulation();
    double const structures13 = SquareI(13).GetStructures();
    double const people14 = SquareI(14).GetPopulation();

    // FLACK: 500 x (0 + 80) soldiers, 500 x (0 + 10) structures; then q = 5000 / 400 = 12,
    // divisor 7, and 1 is not a multiple of it.
    ScriptGameRand({0, 0, 1, 0});
    Globals::ProcessBattles();

    EXPECT_EQ(GameRandScriptLeft(), 0u);
    EXPECT_DOUBLE_EQ(SquareI(13).GetPopulation(), people13 - 40000);
    EXPECT_DOUBLE_EQ(SquareI(13).GetStructures(), structures13 - 5000);
    EXPECT_DOUBLE_EQ(SquareI(14).GetPopulation(), people14);
    EXPECT_EQ(Ship().GetMaterials(), 10000 - 7);
    EXPECT_EQ(PostedMessages(), (Posted{{5, BomberText(40000, 5000, 0)}}));
    EXPECT_EQ(SectorI().GetCounter(), -40000);
}

TEST(Battles, BomberOnAttackAimsAtPeopleAndCostsNoMaterials) {
    Board(Bomber(), {RACE_MUDUDU, RACE_MUDUDU});
    Order(Bomber(), MISSION_ATTACK, 1);
    SquareI(14).AddStructures(-static_cast<int>(SquareI(14).GetStructures()));
    double const people14 = SquareI(14).GetPopulation();

    ScriptGameRand({49, 9, 1, 0});  // the top of FLACK's figures: 500 x 129 and 500 x 19
    Globals::ProcessBattles();

    EXPECT_DOUBLE_EQ(SquareI(14).GetPopulation(), people14 - 64500);
    EXPECT_DOUBLE_EQ(SquareI(14).GetStructures(), 0.0);
    EXPECT_EQ(Ship().GetMaterials(), 10000);
    EXPECT_EQ(PostedMessages(),
              (Posted{{5, BomberText(64500, 0, 0)},
                      {4, "Sector I reports that there are no remaining enemy structures left!"}}));
}

TEST(Battles, EachFirstBombHasItsOwnFigures) {
    struct Case {
        Bomb bomb;
        std::vector<int> draws;
        int killed;
        int structures;
    };
    Case const cases[] = {
        {BOMB_PLASMA_FUSION, {99, 19, 1, 0}, 500 * 259, 500 * 39},
        {BOMB_LIQUIFERNO_NAPALM, {24, 29, 1, 0}, 500 * 64, 500 * 59},
        {BOMB_NEURONUTRALIZER_GAS, {149, 1, 0}, 500 * 389, 0},  // no draw for structures
    };
    Board(Bomber(), {RACE_MUDUDU, RACE_MUDUDU});
    Order(Bomber(), MISSION_ATTACK, 2);
    for (Case const& c : cases) {
        Bomber().GetBombQueue()->KillAllBombs();
        Bomber().GetBombQueue()->enqueue(c.bomb, Aircraft::kBomberBombRoom);
        ForgetMessages();
        ScriptGameRand(c.draws);
        Globals::ProcessBattles();
        EXPECT_EQ(GameRandScriptLeft(), 0u) << c.bomb;
        EXPECT_EQ(PostedMessages(), (Posted{{5, BomberText(c.killed, c.structures, 0)}})) << c.bomb;
    }
}

TEST(Battles, EmptySquaresAreReportedNotStruck) {
    for (int square = 0; square < 15; ++square) {
        SquareI(square).AddPopulation(-static_cast<int>(SquareI(square).GetPopulation()));
    }
    SquareI(0).AddStructures(-static_cast<int>(SquareI(0).GetStructures()));
    Board(Bomber(), {RACE_MUDUDU, RACE_MUDUDU});
    Order(Bomber(), MISSION_BOMB, 1);

    ScriptGameRand({0, 0, 1, 0});
    Globals::ProcessBattles();

    EXPECT_DOUBLE_EQ(SquareI(0).GetPopulation(), 0.0);
    EXPECT_EQ(PostedMessages(),
              (Posted{{5, BomberText(0, 0, 0)},
                      {4, "Sector I reports that there are no remaining enemy ground defences left!"},
                      {4, "Sector I reports that there are no remaining enemy structures left!"}}));
}

TEST(Battles, EveryBombMissionCostsItsBaseUpToSevenMaterials) {
    Order(Bomber(), MISSION_BOMB, 1);  // nobody aboard: kills nothing
    Bunker& bunker = BuildBunker(5);
    ASSERT_TRUE(bunker.GetAirQueue()->enqueue(HULK_BOMBER, Mothership::kDockSpace, 5));
    Order(bunker.GetAirQueue()->GetNode(0)->aircraft, MISSION_BOMB, 2);
    for (auto [ship, base] : {std::pair{10000, 100}, std::pair{3, 0}}) {
        Ship().SetMaterials(ship);
        bunker.ChangeMaterials(base - bunker.GetMaterials());
        ScriptGameRand({0, 0, 1, 0, 0, 0, 1, 0});
        ForgetMessages();
        Globals::ProcessBattles();

        EXPECT_EQ(GameRandScriptLeft(), 0u);
        EXPECT_EQ(Ship().GetMaterials(), std::max(ship - 7, 0)) << "no stock goes below 0";
        EXPECT_EQ(bunker.GetMaterials(), std::max(base - 7, 0));
        EXPECT_EQ(PostedMessages(), (Posted{{5, BomberText(0, 0, 0)}}));
    }
}

TEST(Battles, StrikesBoundForTheShipAreNotFlown) {
    Board(Fighter(), {RACE_POVOLNIAN, RACE_POVOLNIAN});
    Board(Bomber(), {RACE_MUDUDU, RACE_MUDUDU});
    Order(Fighter(), MISSION_ATTACK, 0);
    Order(Bomber(), MISSION_BOMB, 0);

    EXPECT_EQ(DrawsDuring(Globals::ProcessBattles), 0u);
    EXPECT_EQ(Ship().GetMaterials(), 10000);
    EXPECT_TRUE(PostedMessages().empty());

    Globals::FighterTotals fighters;
    Globals::BomberTotals bombers;
    std::size_t const before = GameRandDraws();
    EXPECT_FALSE(Globals::FighterStrike(0, Fighter(), fighters));
    EXPECT_FALSE(Globals::BomberStrike(25, Bomber(), bombers));
    EXPECT_EQ(GameRandDraws(), before);
    EXPECT_EQ(Dock().GetTotal(), 4);
}

TEST(Battles, MissingCrewCountsAsNoSkill) {
    // The fighter flies empty; the bomber has a pilot but no gunner.
    Order(Fighter(), MISSION_ATTACK, 1);
    Board(Bomber(), {RACE_MUDUDU});
    Order(Bomber(), MISSION_BOMB, 1);
    double const people14 = SquareI(14).GetPopulation();

    // Fighter: damage 0 + 3 - 2 = 1; q = 5000, divisor 4995, and 4995 is hit.
    // Bomber: m = 0 kills nothing; divisor 7 for its Mududu pilot, 1 is not hit.
    ScriptGameRand({3, 4995, 0, 0, 0, 1, 0});
    Globals::ProcessBattles();

    EXPECT_EQ(GameRandScriptLeft(), 0u);
    ASSERT_EQ(Dock().GetTotal(), 3);
    EXPECT_EQ(Docked(2).GetType(), HULK_BOMBER);
    EXPECT_DOUBLE_EQ(SquareI(13).GetAirDefense(), 99.0);
    EXPECT_DOUBLE_EQ(SquareI(14).GetPopulation(), people14);
    EXPECT_EQ(PostedMessages(), (Posted{{5, FighterText(1, 1)}, {5, BomberText(0, 0, 0)}}));
}

TEST(Battles, AFighterWithoutGunnerMayDoNoDamage) {
    Board(Fighter(), {RACE_POVOLNIAN});
    Order(Fighter(), MISSION_ATTACK, 1);
    ScriptGameRand({1, 1, 0});  // 0 + 1 - 2: no damage, no report of empty squares
    Globals::ProcessBattles();
    EXPECT_DOUBLE_EQ(SquareI(13).GetAirDefense(), 100.0);
    EXPECT_EQ(PostedMessages(), (Posted{{5, FighterText(0, 0)}}));
}

TEST(LossTest, AHumanPilotIsHitOnlyOnTheLongOdds) {
    Board(Fighter(), {RACE_HUMAN, RACE_POVOLNIAN});
    Globals::FighterTotals totals;
    ScriptGameRand({0, 5003, 9});  // q = 5000: the divisor is 5004
    EXPECT_FALSE(Globals::FighterStrike(1, Fighter(), totals));
    ScriptGameRand({0, 10008, 9});
    EXPECT_TRUE(Globals::FighterStrike(1, Fighter(), totals));
    EXPECT_EQ(totals.lost, 1);
    EXPECT_EQ(totals.destroyed, 6);
    EXPECT_EQ(Dock().GetTotal(), 3);
}

TEST(LossTest, ADivisorBelowOneSparesTheCraft) {
    Board(Fighter(), {RACE_DEORIAN});
    Crew& pilot = Fighter().GetCrewQueue()->GetCrewNode(0)->crew;
    ScriptGameRand({2, 2, 2, 2, 2, 2});
    for (int i = 0; i < 6; ++i) {
        pilot.IncreaseSkill();
    }
    ASSERT_EQ(pilot.GetNavigation() * pilot.GetPerformance(), 900);  // q = 5

    Globals::FighterTotals totals;
    ScriptGameRand({0, 0, 0});  // divisor 5 + 0 - 5 = 0
    EXPECT_FALSE(Globals::FighterStrike(1, Fighter(), totals));
    ScriptGameRand({0, 0, -4});  // divisor below 0
    EXPECT_FALSE(Globals::FighterStrike(1, Fighter(), totals));
    ScriptGameRand({0, 7, 1});  // divisor 1: every draw is a multiple
    EXPECT_TRUE(Globals::FighterStrike(1, Fighter(), totals));
    EXPECT_EQ(totals.lost, 1);
}

TEST(LossTest, ABomberWithoutBombsStillRunsTheGauntlet) {
    ASSERT_TRUE(BunkerOf(5).GetAirQueue()->enqueue(HULK_BOMBER, Mothership::kDockSpace, 5));
    Aircraft& bomber = BunkerOf(5).GetAirQueue()->GetNode(0)->aircraft;
    bomber.GetBombQueue()->KillAllBombs();
    Order(bomber, MISSION_ATTACK, 1);
    double const people = SquareI(14).GetPopulation();

    ScriptGameRand({0, 0});  // only the loss test draws; 0 is a multiple of anything
    Globals::ProcessBattles();

    EXPECT_EQ(GameRandScriptLeft(), 0u);
    EXPECT_EQ(BunkerOf(5).GetAirQueue()->GetTotal(), 0);
    EXPECT_DOUBLE_EQ(SquareI(14).GetPopulation(), people);
    EXPECT_EQ(PostedMessages(), (Posted{{5, BomberText(0, 0, 1)}}));
}

TEST(ReportText, NumbersKeepTheirLowestDigitsInTheirFields) {
    char text[150];
    FighterReport(text, 12345, 67890);
    EXPECT_STREQ(text,
                 "Battle Report: Fighers have destroyed 2345 enemy fighters, and taken 7890 casualties");
    BomberReport(text, 1234567890, 0, 1234);
    EXPECT_STREQ(
        text,
        "Battle Report: Bombers have destroyed 234567890 enemy soilders, destroyed 0 structures, and "
        "taken 234 casualties");

    char small[12] = "n=";
    AppendNumber(small, 2147483647, 12);
    EXPECT_STREQ(small, "n=214748364") << "cut to the buffer, never past it";
    char name[20];
    PlaceName(name, 0);
    EXPECT_STREQ(name, "Mothership");
    PlaceName(name, 24);
    EXPECT_STREQ(name, "Sector K");
}

}  // namespace
