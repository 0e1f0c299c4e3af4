#include <gtest/gtest.h>
#include <string>

#include "tests/screens/DockingBayWorld.h"

#include "game/screens/LoadCargoAndCrew.h"

namespace {

using namespace dock_test;

bool Load() {
    return RunScreen([] { LoadCargoAndCrew(Out(), In()); });
}

// LOCATION, AIRCRAFT, CREW and ONBOARD.
constexpr int kTitleColumns[] = {4, 19, 37, 57};

TEST(LoadCargoAndCrew, FourColumnsUnderTheirTitles) {
    con::ScopedVirtualConsole vc;
    BuildBunker(9);
    BuildBunker(2);
    EXPECT_FALSE(Load());
    EXPECT_EQ(vc->Text(0, 21, 60), "Press Escape To Return To Previous Menu");
    EXPECT_EQ(vc->Picture(3, 1, 74, 3),
              "╔══════════╗   ╔══════════╗      ╔══════════╗        ╔══════════╗         \n"
              "║ LOCATION ║   ║ AIRCRAFT ║      ║   CREW   ║        ║ ONBOARD  ║         \n"
              "╠══════════╩═══╬══════════╩══════╬══════════╩════════╬══════════╩════════╗");
    EXPECT_EQ(vc->AttrAt(3, 1), 2);
    EXPECT_EQ(LitTitle(*vc, kTitleColumns), 0);
    EXPECT_EQ(vc->Picture(4, 4, 13, 4),
              "Mothership   \n"
              "Bunker L     \n"
              "Bunker T     \n"
              "             ")
        << "the ship, then the built bunkers in sector order";
    EXPECT_EQ(vc->Text(4, 19, 35), "Saucer Transport") << "the ship's craft, drawn only";
    EXPECT_EQ(vc->AttrAt(19, 4), 15);
    EXPECT_EQ(vc->Text(18, 56, 77), "╩═══════════════════║");
}

TEST(LoadCargoAndCrew, AMemberGoesAboardFirstAndComesBackFirst) {
    con::ScopedVirtualConsole vc;
    NameEveryone();
    Aircraft& saucer = Docked(0);
    std::string const second = Names(*Ship().GetCrewQueue())[1];
    int const crew = Ship().GetCrewQueue()->GetTotal();
    vc->Enter().Enter().Down().Enter();
    Load();
    EXPECT_EQ(LitTitle(*vc, kTitleColumns), 2);
    ASSERT_EQ(saucer.GetCrewQueue()->GetTotal(), 1);
    EXPECT_EQ(Names(*saucer.GetCrewQueue())[0], second);
    EXPECT_EQ(Ship().GetCrewQueue()->GetTotal(), crew - 1);
    EXPECT_EQ(vc->Text(4, 57, 57 + static_cast<int>(second.size())), second);

    ASSERT_TRUE(saucer.GetCrewQueue()->enqueue(RACE_MAKO, true));  // a second one aboard, after it
    vc->Enter().Enter().Right().Enter();
    Load();
    EXPECT_EQ(LitTitle(*vc, kTitleColumns), 3);
    EXPECT_EQ(Names(*Ship().GetCrewQueue())[0], second) << "back at the head of the ship's list";
    EXPECT_EQ(saucer.GetCrewQueue()->GetTotal(), 1);
    EXPECT_EQ(Ship().GetCrewQueue()->GetTotal(), crew);
}

TEST(LoadCargoAndCrew, AFighterRefusesAThirdMember) {
    con::ScopedVirtualConsole vc;
    NameEveryone();
    Census const before = TakeCensus();
    vc->Enter().Down().Down().Enter().Enter().Enter().Enter();
    Load();
    EXPECT_EQ(Docked(2).GetCrewQueue()->GetTotal(), 2);
    EXPECT_EQ(Ship().GetCrewQueue()->GetTotal(), 31);
    EXPECT_EQ(TakeCensus().crew, before.crew);
}

TEST(LoadCargoAndCrew, AFullShipRefusesAMemberComingOffWhoStaysAboard) {
    con::ScopedVirtualConsole vc;
    testing_support::FillCrew(*Ship().GetCrewQueue());
    ASSERT_TRUE(Docked(0).GetCrewQueue()->enqueue(RACE_DEORIAN, false));
    NameEveryone();
    Census const before = TakeCensus();
    vc->Enter().Enter().Right().Enter();
    Load();
    EXPECT_EQ(LitTitle(*vc, kTitleColumns), 3);
    EXPECT_EQ(Docked(0).GetCrewQueue()->GetTotal(), 1);
    EXPECT_EQ(TakeCensus(), before);
}

TEST(LoadCargoAndCrew, PlaceholderRowsAreShownButNeverActedOn) {
    con::ScopedVirtualConsole vc;
    BuildBunker(3);  // no craft, no crew
    Bunker& staffed = BuildBunker(4);
    ASSERT_TRUE(staffed.GetAirQueue()->enqueue(CARGO_BARGE, 1000000, 4));
    ASSERT_TRUE(staffed.GetAirQueue()->GetNode(0)->aircraft.GetCrewQueue()->enqueue(RACE_MAKO, false));
    NameEveryone();
    Census const before = TakeCensus();

    vc->Down().Enter();
    Load();
    EXPECT_EQ(vc->Text(4, 19, 32), "No Ships Here");
    EXPECT_EQ(vc->Text(4, 37, 49), "No Crew Here");
    EXPECT_EQ(LitTitle(*vc, kTitleColumns), 0) << "a place without craft cannot be entered";

    // From the barge straight to its crew, then Right to the empty place's
    // crew column, where Enter finds no one.
    vc->Down().Down().Enter().Enter();
    Load();
    EXPECT_EQ(LitTitle(*vc, kTitleColumns), 3);
    vc->Down().Down().Enter().Enter().Right().Enter();
    Load();
    EXPECT_EQ(LitTitle(*vc, kTitleColumns), 2);
    EXPECT_EQ(vc->Text(4, 37, 49), "No Crew Here");
    EXPECT_EQ(TakeCensus(), before) << "the move back happened before: undo it";
}

TEST(LoadCargoAndCrew, MovingTheLocationResetsTheCraftCursorAndEscapeBlanksOnboard) {
    con::ScopedVirtualConsole vc;
    ASSERT_TRUE(Docked(1).GetCrewQueue()->enqueue(RACE_MAKO, false));
    vc->Enter().Down();
    Load();
    EXPECT_FALSE(vc->Text(4, 57, 75).starts_with(" ")) << "the barge's crew shows";
    vc->Enter().Down().Escape();
    Load();
    EXPECT_EQ(vc->Text(4, 57, 75), std::string(18, ' '));
    EXPECT_EQ(LitTitle(*vc, kTitleColumns), 0);
    vc->Enter().Down().Left().Enter();
    Load();
    EXPECT_EQ(vc->AttrAt(19, 4), 241) << "back on the first craft";
    EXPECT_EQ(vc->AttrAt(19, 5), 15);
}

TEST(LoadCargoAndCrew, AllOfABunkersManyCraftAreReached) {
    con::ScopedVirtualConsole vc;
    Bunker& bunker = BuildBunker(1);
    for (int i = 0; i < 60; ++i) {
        ASSERT_TRUE(bunker.GetAirQueue()->enqueue(STEALTH_FIGHTER, 1000000, 1));
    }
    ASSERT_TRUE(bunker.GetCrewQueue()->enqueue(RACE_MAKO, false));
    vc->Down().Enter();
    for (int i = 0; i < 4; ++i) {
        vc->PageDown();  // the last page, 46-59, on its first row
    }
    for (int i = 0; i < 13; ++i) {
        vc->Down();
    }
    vc->Enter().Enter();
    Load();
    EXPECT_EQ(bunker.GetCrewQueue()->GetTotal(), 0);
    EXPECT_EQ(bunker.GetAirQueue()->GetNode(59)->aircraft.GetCrewQueue()->GetTotal(), 1);
}

}  // namespace
