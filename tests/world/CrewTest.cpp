#include <gtest/gtest.h>
#include <sstream>
#include <string>

#include "tests/support/WorldHelpers.h"

#include "game/world/Crew.h"
#include "game/world/GameRandom.h"

namespace {

using testing_support::NameOf;

std::string Dump(Crew const& crew) {
    std::ostringstream out;
    out << crew;
    return out.str();
}

TEST(Crew, StartsBlankWithEveryFieldSet) {
    Crew crew;
    EXPECT_EQ(NameOf(crew), "BAD");
    EXPECT_EQ(crew.GetRace(), RACE_INVALID);
    EXPECT_FALSE(crew.GetMorF());
    EXPECT_EQ(crew.GetPerformance(), 50);
    EXPECT_EQ(crew.GetNavigation(), 1);
    EXPECT_EQ(crew.GetMaintenance(), 1);
    EXPECT_EQ(crew.GetResearch(), 1);
    EXPECT_EQ(crew.GetMilitary(), 1);
    EXPECT_EQ(crew.GetJob(), JOB_IDLE);
    EXPECT_FALSE(crew.GetCanChangePerformance());
    EXPECT_FALSE(crew.GetRaceFlag());
    EXPECT_EQ(Dump(crew), "BAD 0 0 1 1 1 1 0 50 ");
}

TEST(Crew, SetTypeGivesThePovolnianItsSkillsAndAName) {
    for (bool female : {false, true}) {
        Crew crew;
        ScriptGameRand({0, 0, 0, 0, 0, 0});
        crew.SetType(RACE_POVOLNIAN, female);
        EXPECT_EQ(NameOf(crew), "Amphisbaena");
        EXPECT_EQ(crew.GetMorF(), female);
        EXPECT_EQ(crew.GetNavigation(), 5);
        EXPECT_EQ(crew.GetMaintenance(), 8);
        EXPECT_EQ(crew.GetResearch(), 10);
        EXPECT_EQ(crew.GetMilitary(), 1);
        EXPECT_EQ(crew.GetPerformance(), 50);
        EXPECT_EQ(crew.GetJob(), JOB_RESEARCH);
        EXPECT_EQ(crew.GetJobIndex(), JOB_RESEARCH);
        EXPECT_FALSE(crew.GetCanChangePerformance());
        EXPECT_TRUE(crew.GetRaceFlag());
    }
}

TEST(Crew, RacesWithoutANamingRuleKeepTheRaceName) {
    Crew clucktillian;
    clucktillian.SetType(RACE_CLUCKTILLIAN, true);
    EXPECT_EQ(NameOf(clucktillian), "Clucktillian");
    EXPECT_EQ(clucktillian.GetJob(), JOB_RESEARCH);
    Crew blob;
    blob.SetType(RACE_BLOB, false);
    EXPECT_EQ(NameOf(blob), "Blob");
    EXPECT_EQ(blob.GetPerformance(), 25);
    EXPECT_FALSE(blob.GetRaceFlag());
    Crew invalid;
    invalid.SetType(RACE_INVALID, false);
    EXPECT_EQ(NameOf(invalid), "BAD");
    EXPECT_EQ(invalid.GetPerformance(), 0);
    EXPECT_TRUE(invalid.GetRaceFlag());
}

TEST(Crew, ARaceOutsideTheTableReadsAsTheInvalidRow) {
    Crew crew;
    crew.NameCrew("Zorg");
    std::size_t const before = GameRandDraws();
    crew.SetType(static_cast<CrewType>(99), true);
    EXPECT_EQ(GameRandDraws(), before);
    EXPECT_EQ(NameOf(crew), "BAD");
    EXPECT_EQ(crew.GetPerformance(), 0);
    EXPECT_EQ(crew.GetNavigation(), 1);
    EXPECT_EQ(crew.GetJob(), JOB_IDLE);
    EXPECT_EQ(crew.GetRace(), 99) << "the race is kept as given";
    crew.SetType(static_cast<CrewType>(-1), false);
    EXPECT_EQ(NameOf(crew), "BAD");
}

TEST(Crew, OnlySomeRacesChangePerformanceWithinZeroToHundred) {
    Crew human;
    human.SetType(RACE_HUMAN, true);
    human.ChangePerformance(30);
    EXPECT_EQ(human.GetPerformance(), 30);
    human.ChangePerformance(200);
    EXPECT_EQ(human.GetPerformance(), 100);
    human.ChangePerformance(-500);
    EXPECT_EQ(human.GetPerformance(), 0);
    human.ChangePerformance(2147483647);
    EXPECT_EQ(human.GetPerformance(), 100) << "no overflow on a huge change";

    Crew povolnian;
    povolnian.SetType(RACE_POVOLNIAN, false);
    for (int change : {30, 200, -500}) {
        povolnian.ChangePerformance(change);
        EXPECT_EQ(povolnian.GetPerformance(), 50);
    }
}

TEST(Crew, IncreaseSkillGrowsTheDrawnSkill) {
    Crew crew;
    ScriptGameRand({0, 1, 2, 7, 5});
    EXPECT_EQ(crew.IncreaseSkill(), 0);
    EXPECT_EQ(crew.GetMaintenance(), 2);
    EXPECT_EQ(crew.IncreaseSkill(), 1);
    EXPECT_EQ(crew.GetMilitary(), 2);
    EXPECT_EQ(crew.IncreaseSkill(), 2);
    EXPECT_EQ(crew.GetNavigation(), 2);
    EXPECT_EQ(crew.IncreaseSkill(), 3);
    EXPECT_EQ(crew.GetResearch(), 2);
    EXPECT_EQ(crew.IncreaseSkill(), 1);
    EXPECT_EQ(crew.GetMilitary(), 3);
}

TEST(Crew, NamesAreCutToNineteenCharacters) {
    Crew crew;
    crew.NameCrew("Bartholomew the Magnificent");
    EXPECT_EQ(NameOf(crew), "Bartholomew the Mag");
    crew.NameCrew("");
    EXPECT_EQ(NameOf(crew), "");
}

TEST(Crew, AssignmentCopiesEveryFieldAndIsSafeOnItself) {
    Crew source;
    source.SetType(RACE_DEORIAN, true);
    source.SetJob(JOB_BUILD_CAPSULE);
    source.ChangePerformance(-20);
    source.IncreaseSkill();
    Crew target;
    target = source;
    EXPECT_EQ(Dump(target), Dump(source));
    EXPECT_EQ(target.GetCanChangePerformance(), true);
    EXPECT_EQ(target.GetRaceFlag(), true);
    EXPECT_EQ(target.GetJobIndex(), JOB_BUILD_CAPSULE);

    Crew woot;
    woot.SetType(RACE_WOOT_WOOT, false);
    target = woot;
    EXPECT_FALSE(target.GetRaceFlag());
    EXPECT_FALSE(target.GetCanChangePerformance());

    std::string const before = Dump(source);
    Crew& alias = source;
    source = alias;
    EXPECT_EQ(Dump(source), before);
}

TEST(Crew, DumpWritesTheFieldsInOrder) {
    Crew crew;
    ScriptGameRand({0, 1});
    crew.SetType(RACE_MAKO, true);
    EXPECT_EQ(Dump(crew), "Vlodbrovnik 3 7 8 5 1 10 1 50 ");
}

}  // namespace
