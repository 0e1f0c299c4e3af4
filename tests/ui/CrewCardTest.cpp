#include <gtest/gtest.h>
#include <string>

#include "game/ui/CrewCard.h"
#include "platform/VirtualConsole.h"

namespace {

// The card's rows, columns 4-75.
std::string Card(con::VirtualConsole const& vc) { return vc.Picture(4, 19, 72, 3); }

// A member of that race at the list's tail, with a known name and job.
Crew& Add(CrewQueue& list, CrewType race, bool female, char const* name, Job job) {
    EXPECT_TRUE(list.enqueue(race, female));
    Crew& member = list.GetCrewNode(list.GetTotal() - 1)->crew;
    member.NameCrew(name);
    member.SetJob(job);
    return member;
}

TEST(CrewCard, EveryFieldInItsPlaceAndColour) {
    con::ScopedVirtualConsole vc;
    vc->Fill('#', 7);
    CrewQueue list(10);
    // Uberfleck skills: navigation 1, maintenance 10, research 5, military 8.
    Add(list, RACE_UBERFLECK, true, "Zorblax Quim", JOB_BUILD_FIGHTER);
    ShowCrewInfo(0, list);
    // '#' marks the cells between fields that the card leaves alone.
    EXPECT_EQ(Card(*vc),
              "NAME: Zorblax Quim      SEX: Female#######RESEARCH: 5  #MAINTENANCE: 10 \n"
              "RACE: Uberfleck         PERFORMANCE: 50 ##MILITARY: 8  #NAVIGATION:  1 #\n"
              "JOB: Building a fighter jet.                                    ########");
    // Labels in white, values in yellow.
    EXPECT_EQ(vc->Attributes(4, 19, 8, 1), "15 15 15 15 15 15 14 14");
    EXPECT_EQ(vc->Attributes(28, 19, 11, 1), "15 15 15 15 15 14 14 14 14 14 14");
    EXPECT_EQ(vc->Attributes(28, 20, 16, 1), "15 15 15 15 15 15 15 15 15 15 15 15 15 14 14 15");
    EXPECT_EQ(vc->Attributes(46, 19, 13, 1), "15 15 15 15 15 15 15 15 15 15 14 15 15");
    EXPECT_EQ(vc->Attributes(60, 19, 16, 1), "15 15 15 15 15 15 15 15 15 15 15 15 15 14 14 15");
    EXPECT_EQ(vc->Attributes(4, 21, 6, 1), "15 15 15 15 15 14");
    EXPECT_EQ(vc->AttrAt(10, 20), 14);
    EXPECT_EQ(vc->AttrAt(56, 20), 14);
    EXPECT_EQ(vc->AttrAt(73, 20), 14);
    EXPECT_EQ(vc->Text(18, 0, 80), std::string(80, '#')) << "the card keeps to its three rows";
    EXPECT_EQ(vc->Text(22, 0, 80), std::string(80, '#'));
}

TEST(CrewCard, ANineteenCharacterNameMeetsTheSexLabel) {
    con::ScopedVirtualConsole vc;
    CrewQueue list(10);
    Add(list, RACE_MAKO, false, "Quarnathrex Vellomp", JOB_REPAIR_SHIP);
    Add(list, RACE_MAKO, true, "Ek", JOB_IDLE);
    ShowCrewInfo(0, list);
    // Name and race fields hold 18 columns: the label drawn after the name
    // takes column 28.
    EXPECT_EQ(vc->Text(19, 4, 40), "NAME: Quarnathrex VellomSEX: Male   ");
    EXPECT_EQ(vc->Text(21, 4, 40), "JOB: Repairing the mothership.      ");

    // A card drawn over it leaves nothing of the longer name or sentence.
    ShowCrewInfo(1, list);
    EXPECT_EQ(vc->Text(19, 4, 40), "NAME: Ek                SEX: Female ");
    EXPECT_EQ(vc->Text(21, 4, 68), "JOB: Maxin' & Relaxin'!" + std::string(41, ' '));
}

TEST(CrewCard, AHumanOnlyJibbers) {
    con::ScopedVirtualConsole vc;
    CrewQueue list(10);
    Add(list, RACE_HUMAN, false, "Dale", JOB_IDLE);
    Crew& researcher = Add(list, RACE_HUMAN, true, "Norma", JOB_RESEARCH);
    ShowCrewInfo(0, list);
    EXPECT_EQ(Card(*vc),
              "NAME: Dale              SEX: Male         RESEARCH: 4   MAINTENANCE: 4  \n"
              "RACE: Human             PERFORMANCE: 0    MILITARY: 4   NAVIGATION:  4  \n"
              "JOB: Jibbering in a corner, screaming in fear.                          ");
    ShowCrewInfo(1, list);
    EXPECT_EQ(researcher.GetJobIndex(), JOB_RESEARCH);
    EXPECT_EQ(vc->Text(21, 9, 50), "Jibbering in a corner, screaming in fear.");
}

TEST(CrewCard, RaceNamesTheCardsOwnWay) {
    con::ScopedVirtualConsole vc;
    CrewQueue list(10);
    Add(list, RACE_HAMPSTER, false, "Nibbles", JOB_IDLE);
    Add(list, RACE_HAMPSTER, true, "Whiskers", JOB_IDLE);
    Add(list, RACE_OBLIVION, false, "Void", JOB_RESEARCH);
    Add(list, RACE_INVALID, false, "Nobody", JOB_IDLE);
    Add(list, static_cast<CrewType>(20), false, "Stray", JOB_IDLE);
    // Columns 4-27 of row 20: the label and the race's field.
    char const* const shown[] = {
        "RACE: Widow             ", "RACE: Hampster          ", "RACE: Oblivio           ",
        "RACE: BAD               ", "RACE: Error             ",
    };
    for (int i = 0; i < 5; ++i) {
        ShowCrewInfo(i, list);
        EXPECT_EQ(vc->Text(20, 4, 28), shown[i]);
    }
}

TEST(CrewCard, JobsWithoutASentenceShowAnError) {
    con::ScopedVirtualConsole vc;
    CrewQueue list(10);
    Crew& member = Add(list, RACE_GREKKP, false, "Grub", JOB_IDLE);
    for (int job : {4, 5, 6, 20, -1}) {
        member.SetJob(static_cast<Job>(job));
        ShowCrewInfo(0, list);
        EXPECT_EQ(vc->Text(21, 4, 20), "JOB: Error!!!!  ") << "job " << job;
    }
    member.SetJob(JOB_BUILD_NUCLEAR_BOMB);
    ShowCrewInfo(0, list);
    EXPECT_EQ(vc->Text(21, 9, 47), "Building a crater-maker nuclear bombs.");
    member.SetJob(JOB_FACTOR_SIX);
    ShowCrewInfo(0, list);
    EXPECT_EQ(vc->Text(21, 9, 29), "Special factor 6!!!!");
}

TEST(CrewCard, NoMemberAtTheIndexDrawsAnEmptyCard) {
    con::ScopedVirtualConsole vc;
    CrewQueue list(10);
    Add(list, RACE_MUDUDU, true, "Ollo", JOB_GUNNER);
    ShowCrewInfo(0, list);
    list.KillAllCrew();
    ShowCrewInfo(0, list);
    EXPECT_EQ(Card(*vc),
              "NAME:                   SEX:              RESEARCH:     MAINTENANCE:    \n"
              "RACE:                   PERFORMANCE:      MILITARY:     NAVIGATION:     \n"
              "JOB:                                                                    ");
    ShowCrewInfo(-1, list);
    ShowCrewInfo(5, list);
    EXPECT_EQ(vc->RefusedPositions(), 0);
}

}  // namespace
