#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "tests/screens/ScreenSnapshot.h"
#include "tests/support/ScreenHarness.h"
#include "tests/support/WorldHelpers.h"

#include "game/art/LivingQuartersArt.h"
#include "game/screens/LivingQuarters.h"
#include "game/ui/Portraits.h"
#include "game/world/Globals.h"
#include "platform/VirtualConsole.h"

namespace {

using testing_support::In;
using testing_support::Out;
using testing_support::ShipMember;
using testing_support::ShipMemberName;
using testing_support::TrimmedText;

// Picked-up members and the focused column's title: blue on yellow.
constexpr int kPicked = 225;
constexpr int kLit = 241;

bool Quarters() {
    return testing_support::RunScreen([] { LivingQuartersMenu(Out(), In(), DeckRoom::Living); });
}
bool Jobs() {
    return testing_support::RunScreen([] {
        int lastResult = 0;
        AssignCrewJobs(Out(), In(), &lastResult);
    });
}

CrewQueue& Crew_() { return *Globals::GetMothership()->GetCrewQueue(); }
std::vector<std::string> CrewNames() { return testing_support::Names(Crew_()); }

struct Column {
    int x;
    int width;
};
constexpr Column kColumns[kJobColumns] = {{4, 22}, {28, 22}, {52, 23}};

// The name on a window row (0-13) of a column, without its padding.
std::string Shown(con::VirtualConsole const& vc, int column, int row) {
    return TrimmedText(vc, 4 + row, kColumns[column].x, kColumns[column].x + kColumns[column].width);
}
int ShownColour(con::VirtualConsole const& vc, int column, int row) {
    return vc.AttrAt(kColumns[column].x, 4 + row);
}

// Every window row of a column.
std::vector<std::string> Window(con::VirtualConsole const& vc, int column) {
    std::vector<std::string> rows;
    for (int row = 0; row < kJobColumnVisible; ++row) {
        rows.push_back(Shown(vc, column, row));
    }
    return rows;
}
std::vector<std::string> NamesAt(std::vector<int> const& indices) {
    std::vector<std::string> names;
    for (int index : indices) {
        names.push_back(index < 0 ? "" : ShipMemberName(index));
    }
    return names;
}
std::vector<int> Span(int first, int count) {
    std::vector<int> indices;
    for (int i = 0; i < count; ++i) {
        indices.push_back(first + i);
    }
    return indices;
}
// A window of 14 rows: the given crew indices, then empty rows.
std::vector<int> Rows(std::vector<int> indices) {
    indices.resize(kJobColumnVisible, -1);
    return indices;
}

// The name on the crew card, which gives a name 18 columns: a 19th
// character is covered by the next label.
std::string CardName(con::VirtualConsole const& vc) { return TrimmedText(vc, 19, 10, 28); }

std::string OnCard(std::string name) {
    name.resize(std::min<std::size_t>(name.size(), 18));
    name.erase(name.find_last_not_of(' ') + 1);
    return name;
}

// The starting crew, in list order: 20 Povolnians (research), 5 Mududu
// (gunners: other), 5 Uberflecks and 3 Makos (repairs: maintenance).
constexpr int kStartCrew = 33;

TEST(LivingQuartersJobs, TheStartingCrewInItsColumnsWithinTheFrame) {
    con::ScopedVirtualConsole vc;
    vc->Enter();
    EXPECT_FALSE(Quarters());

    EXPECT_EQ(vc->Picture(3, 1, 74, 3),
              "╔═════════════╗         ╔═════════════╗         ╔═════════════╗           \n"
              "║  RESEARCH   ║         ║ MAINTENANCE ║         ║    OTHER    ║           \n"
              "╠═════════════╩═════════╬═════════════╩═════════╬═════════════╩══════════╗");
    for (int y = 4; y <= 17; ++y) {
        for (int x : {3, 27, 51, 76}) {
            EXPECT_EQ(vc->ByteAt(x, y), 186) << x << ", " << y;
        }
    }
    EXPECT_EQ(vc->Text(18, 3, 77),
              "╠═══════════════════════╩═══════════════════════╩════════════════════════╣");
    EXPECT_EQ(vc->Text(22, 3, 77),
              "╚════════════════════════════════════════════════════════════════════════╝");
    // The scroll bars: RESEARCH has more than its window holds.
    EXPECT_EQ(vc->Text(17, 26, 27), "↓");
    EXPECT_EQ(vc->Text(17, 50, 51), "▬");
    // The release of the Enter that opened the screen already brought the
    // card of the member under the cursor.
    EXPECT_EQ(CardName(*vc), OnCard(ShipMemberName(0)));
    EXPECT_EQ(vc->AttrAt(3, 1), 2) << "the frame is green";
    EXPECT_EQ(vc->AttrAt(76, 22), 2);
    EXPECT_EQ(vc->Text(0, 21, 61), "Press Escape To Return To Previous Menu ");

    EXPECT_EQ(Window(*vc, kResearchColumn), NamesAt(Span(0, 14)));
    EXPECT_EQ(Window(*vc, kMaintenanceColumn), NamesAt(Rows(Span(25, 8))));
    EXPECT_EQ(Window(*vc, kOtherColumn), NamesAt(Rows(Span(20, 5))));
    EXPECT_EQ(ShownColour(*vc, kResearchColumn, 0), kLit) << "the cursor starts on RESEARCH";
    EXPECT_EQ(vc->AttrAt(4, 2), kPicked) << "the focused title";
    EXPECT_EQ(vc->AttrAt(28, 2), 15);
    EXPECT_EQ(vc->AttrAt(52, 2), 15);

    CrewJobColumns columns;
    SortCrewByJob(columns);
    EXPECT_EQ(columns.counts[kResearchColumn], 20);
    EXPECT_EQ(columns.counts[kMaintenanceColumn], 8);
    EXPECT_EQ(columns.counts[kOtherColumn], 5);
    EXPECT_EQ(columns.indices[kOtherColumn][0], 20);
    EXPECT_EQ(columns.indices[kMaintenanceColumn][7], 32);
}

TEST(LivingQuartersJobs, ColumnsByJob) {
    EXPECT_EQ(JobColumnOf(JOB_IDLE), kOtherColumn);
    EXPECT_EQ(JobColumnOf(JOB_FACTOR_SIX), kOtherColumn);
    EXPECT_EQ(JobColumnOf(JOB_RESEARCH), kResearchColumn);
    EXPECT_EQ(JobColumnOf(JOB_UNUSED_6), kResearchColumn);
    EXPECT_EQ(JobColumnOf(JOB_REPAIR_SHIP), kMaintenanceColumn);
    EXPECT_EQ(JobColumnOf(JOB_BUILD_NUCLEAR_BOMB), kMaintenanceColumn);
    EXPECT_EQ(JobColumnOf(static_cast<Job>(-1)), kOtherColumn);
    EXPECT_EQ(ArrivalJob(kResearchColumn), JOB_RESEARCH);
    EXPECT_EQ(ArrivalJob(kMaintenanceColumn), JOB_REPAIR_SHIP);
    EXPECT_EQ(ArrivalJob(kOtherColumn), JOB_IDLE);
}

TEST(LivingQuartersJobs, TheCardFollowsTheCursor) {
    con::ScopedVirtualConsole vc;
    vc->Down().Down();
    EXPECT_FALSE(Jobs());
    EXPECT_EQ(CardName(*vc), OnCard(ShipMemberName(2)));
    EXPECT_EQ(ShownColour(*vc, kResearchColumn, 2), kLit);
    EXPECT_EQ(vc->Text(21, 4, 38), "JOB: Researching new technologies.");
}

TEST(LivingQuartersJobs, DownSwapsThePickedMemberWithTheOneBelow) {
    con::ScopedVirtualConsole vc;
    std::vector<std::string> const before = CrewNames();
    vc->Enter().Down();
    EXPECT_FALSE(Jobs());
    EXPECT_EQ(ShipMemberName(0), before[1]);
    EXPECT_EQ(ShipMemberName(1), before[0]);
    EXPECT_EQ(Shown(*vc, kResearchColumn, 0), before[1]);
    EXPECT_EQ(ShownColour(*vc, kResearchColumn, 0), 15);
    EXPECT_EQ(Shown(*vc, kResearchColumn, 1), before[0]) << "still picked, one row down";
    EXPECT_EQ(ShownColour(*vc, kResearchColumn, 1), kPicked);
}

TEST(LivingQuartersJobs, UpCarriesItBackAndEnterPutsItDownUnderTheCursor) {
    con::ScopedVirtualConsole vc;
    std::vector<std::string> const before = CrewNames();
    vc->Down().Enter().Up().Enter();
    EXPECT_FALSE(Jobs());
    EXPECT_EQ(ShipMemberName(0), before[1]);
    EXPECT_EQ(ShipMemberName(1), before[0]);
    EXPECT_EQ(ShownColour(*vc, kResearchColumn, 0), kLit);
    EXPECT_EQ(ShownColour(*vc, kResearchColumn, 1), 15);
    EXPECT_EQ(ShipMember(0).GetJob(), JOB_RESEARCH);
}

TEST(LivingQuartersJobs, CarryingAMemberDownPastTheWindowScrollsIt) {
    con::ScopedVirtualConsole vc;
    std::vector<std::string> const before = CrewNames();
    vc->Down().Down().Down().Down().Down().Down().Down().Down().Down().Down().Down().Down().Down();  // row 13
    vc->Enter().Down().Down();
    EXPECT_FALSE(Jobs());
    EXPECT_EQ(ShipMemberName(15), before[13]);
    EXPECT_EQ(Shown(*vc, kResearchColumn, 13), before[13])
        << "the window moved, the member stays on the last row";
    EXPECT_EQ(ShownColour(*vc, kResearchColumn, 13), kPicked);
    EXPECT_EQ(Shown(*vc, kResearchColumn, 0), ShipMemberName(2));
}

TEST(LivingQuartersJobs, UpOnTheFirstAndDownOnTheLastAreIgnored) {
    con::ScopedVirtualConsole vc;
    std::vector<std::string> const before = CrewNames();
    vc->Enter().Up().Up();
    EXPECT_FALSE(Jobs());
    EXPECT_EQ(CrewNames(), before);
    EXPECT_EQ(ShownColour(*vc, kResearchColumn, 0), kPicked) << "still picked";

    // OTHER's last member (Left from RESEARCH goes round to OTHER).
    con::ScopedVirtualConsole vc2;
    vc2->Left().Down().Down().Down().Down().Enter().Down().Down();
    EXPECT_FALSE(Jobs());
    EXPECT_EQ(CrewNames(), before);
    EXPECT_EQ(Shown(*vc2, kOtherColumn, 4), before[24]);
    EXPECT_EQ(ShownColour(*vc2, kOtherColumn, 4), kPicked);
}

TEST(LivingQuartersJobs, RightFromTheTopGoesToTheHeadOfMaintenance) {
    con::ScopedVirtualConsole vc;
    std::vector<std::string> const before = CrewNames();
    // Carry the second researcher up to the top first, so the move is seen.
    vc->Down().Enter().Up().Right();
    EXPECT_FALSE(Jobs());
    EXPECT_EQ(ShipMemberName(0), before[1]) << "at the head of the crew list";
    EXPECT_EQ(ShipMember(0).GetJob(), JOB_REPAIR_SHIP);
    EXPECT_EQ(Shown(*vc, kMaintenanceColumn, 0), before[1]);
    EXPECT_EQ(ShownColour(*vc, kMaintenanceColumn, 0), kPicked) << "still picked";
    EXPECT_EQ(Shown(*vc, kMaintenanceColumn, 1), before[25]);
    // RESEARCH was drawn again: the name is not left behind there.
    EXPECT_EQ(Shown(*vc, kResearchColumn, 0), before[0]);
    EXPECT_EQ(Shown(*vc, kResearchColumn, 1), before[2]);
    EXPECT_EQ(ShownColour(*vc, kResearchColumn, 0), 15);
    EXPECT_EQ(vc->AttrAt(28, 2), kPicked);
    EXPECT_EQ(vc->Text(21, 4, 38), "JOB: Researching new technologies.")
        << "the card is not drawn again while the member is carried";
}

TEST(LivingQuartersJobs, RightBelowAShortColumnGoesToItsEndAndTheCursorFollows) {
    con::ScopedVirtualConsole vc;
    std::vector<std::string> const before = CrewNames();
    for (int i = 0; i < 10; ++i) {
        vc->Down();
    }
    vc->Enter().Right();
    EXPECT_FALSE(Jobs());
    ASSERT_EQ(ShipMemberName(kStartCrew - 1), before[10]) << "at the end of the crew list";
    EXPECT_EQ(ShipMember(kStartCrew - 1).GetJob(), JOB_REPAIR_SHIP);
    EXPECT_EQ(Window(*vc, kMaintenanceColumn), NamesAt(Rows(Span(24, 9))));
    EXPECT_EQ(ShownColour(*vc, kMaintenanceColumn, 8), kPicked) << "picked on the row it shows on";
    EXPECT_EQ(Shown(*vc, kResearchColumn, 10), before[11]);
}

TEST(LivingQuartersJobs, PutDownInAnotherColumnTheCursorStaysOnIt) {
    con::ScopedVirtualConsole vc;
    std::vector<std::string> const before = CrewNames();
    for (int i = 0; i < 10; ++i) {
        vc->Down();
    }
    vc->Enter().Right().Enter();
    EXPECT_FALSE(Jobs());
    EXPECT_EQ(Shown(*vc, kMaintenanceColumn, 8), before[10]);
    EXPECT_EQ(ShownColour(*vc, kMaintenanceColumn, 8), kLit);
    // Put down, the release of the Enter brings the card back, with the new job.
    EXPECT_EQ(CardName(*vc), OnCard(before[10]));
    EXPECT_EQ(vc->Text(21, 4, 30), "JOB: Repairing the mothers");
}

TEST(LivingQuartersJobs, RightInTheMiddleLandsOnTheCursorRow) {
    con::ScopedVirtualConsole vc;
    std::vector<std::string> const before = CrewNames();
    vc->Down().Down().Down().Enter().Right();  // row 3 of MAINTENANCE shows crew 28
    EXPECT_FALSE(Jobs());
    EXPECT_EQ(Shown(*vc, kMaintenanceColumn, 3), before[3]);
    EXPECT_EQ(ShownColour(*vc, kMaintenanceColumn, 3), kPicked);
    EXPECT_EQ(Shown(*vc, kMaintenanceColumn, 4), before[28]);
    EXPECT_EQ(ShipMemberName(27), before[3]) << "in front of the member it landed on";
}

TEST(LivingQuartersJobs, LeftFromResearchGoesRoundToOther) {
    con::ScopedVirtualConsole vc;
    std::vector<std::string> const before = CrewNames();
    vc->Enter().Left();
    EXPECT_FALSE(Jobs());
    EXPECT_EQ(ShipMemberName(0), before[0]);
    EXPECT_EQ(ShipMember(0).GetJob(), JOB_IDLE);
    EXPECT_EQ(Shown(*vc, kOtherColumn, 0), before[0]);
    EXPECT_EQ(ShownColour(*vc, kOtherColumn, 0), kPicked);
    EXPECT_EQ(Shown(*vc, kOtherColumn, 1), before[20]);
    EXPECT_EQ(vc->AttrAt(52, 2), kPicked);
}

TEST(LivingQuartersJobs, CarriedRoundTheColumnsAndBack) {
    con::ScopedVirtualConsole vc;
    std::vector<std::string> const before = CrewNames();
    // OTHER, MAINTENANCE, RESEARCH again; put down; leave.
    vc->Enter().Left().Left().Left().Escape().Escape();
    EXPECT_TRUE(Jobs());
    EXPECT_EQ(CrewNames(), before);
    EXPECT_EQ(ShipMember(0).GetJob(), JOB_RESEARCH);
}

TEST(LivingQuartersJobs, MovingTheLastMemberOutOfAColumnEmptiesIt) {
    con::ScopedVirtualConsole vc;
    CrewQueue& crew = Crew_();
    crew.KillAllCrew();
    ASSERT_TRUE(crew.enqueue(RACE_POVOLNIAN, false));
    ASSERT_TRUE(crew.enqueue(RACE_MAKO, false));
    std::string const researcher = ShipMemberName(0);
    vc->Enter().Right().Enter().Right();
    EXPECT_FALSE(Jobs());
    EXPECT_EQ(Window(*vc, kResearchColumn), std::vector<std::string>(kJobColumnVisible, ""));
    EXPECT_EQ(Shown(*vc, kMaintenanceColumn, 0), researcher);
    EXPECT_EQ(ShipMember(0).GetJob(), JOB_REPAIR_SHIP);
    // Browsing skips the empty column: Right from MAINTENANCE goes nowhere.
    EXPECT_EQ(vc->AttrAt(28, 2), kPicked);
    EXPECT_EQ(vc->AttrAt(4, 2), 15);
}

TEST(LivingQuartersJobs, WithEveryoneInResearchLeftAndRightStayThere) {
    con::ScopedVirtualConsole vc;
    for (int i = 0; i < Crew_().GetTotal(); ++i) {
        ShipMember(i).SetJob(JOB_RESEARCH);
    }
    vc->Right().Left().Right().Down();
    EXPECT_FALSE(Jobs());
    EXPECT_EQ(vc->AttrAt(4, 2), kPicked);
    EXPECT_EQ(ShownColour(*vc, kResearchColumn, 1), kLit);
    EXPECT_EQ(Window(*vc, kOtherColumn), std::vector<std::string>(kJobColumnVisible, ""));
}

TEST(LivingQuartersJobs, OnlyColumnsWithMembersAreDrawnAsTheScreenOpens) {
    con::ScopedVirtualConsole vc;
    for (int i = 0; i < Crew_().GetTotal(); ++i) {
        ShipMember(i).SetJob(i < 20 ? JOB_RESEARCH : JOB_IDLE);
    }
    vc->Fill('#', 7);
    EXPECT_FALSE(Jobs());
    // MAINTENANCE has nobody: neither its rows nor its scroll bar are painted.
    EXPECT_EQ(vc->Text(4, 28, 51), std::string(23, '#'));
    EXPECT_EQ(vc->Text(17, 28, 51), std::string(23, '#'));
    EXPECT_EQ(vc->Text(4, 75, 76), "■") << "OTHER's bar, its thumb on the first row";
    EXPECT_EQ(vc->Text(17, 26, 27), "↓") << "RESEARCH's bar";
}

TEST(LivingQuartersJobs, APickedMemberIsLitTwentyTwoWideInEveryColumn) {
    con::ScopedVirtualConsole vc;
    vc->Left().Enter();  // round to OTHER, pick its first member
    EXPECT_FALSE(Jobs());
    EXPECT_EQ(vc->AttrAt(52, 4), kPicked);
    EXPECT_EQ(vc->AttrAt(73, 4), kPicked);
    EXPECT_EQ(vc->AttrAt(74, 4), kLit) << "the last cell of the wider column keeps the cursor's colour";
}

TEST(LivingQuartersJobs, LeavingAColumnScrolledToItsEndBringsItsWindowUpARow) {
    con::ScopedVirtualConsole vc;
    std::vector<std::string> const before = CrewNames();
    for (int i = 0; i < 19; ++i) {
        vc->Down();  // the last researcher: window 6-19, cursor on its last row
    }
    vc->Enter().Right();
    EXPECT_FALSE(Jobs());
    EXPECT_EQ(ShipMemberName(kStartCrew - 1), before[19]) << "to the end of the list: MAINTENANCE is short";
    EXPECT_EQ(Window(*vc, kResearchColumn), NamesAt(Span(5, 14))) << "researchers 5 to 18";
    EXPECT_EQ(Shown(*vc, kMaintenanceColumn, 8), before[19]);
    EXPECT_EQ(ShownColour(*vc, kMaintenanceColumn, 8), kPicked);
}

TEST(LivingQuartersJobs, EscapePutsDownThenASecondEscapeLeaves) {
    con::ScopedVirtualConsole vc;
    std::vector<std::string> const before = CrewNames();
    vc->Enter().Escape();
    EXPECT_FALSE(Jobs()) << "the first Escape only puts the member down";
    vc->Enter().Escape().Escape();
    EXPECT_TRUE(Jobs());
    EXPECT_EQ(CrewNames(), before);
}

TEST(LivingQuartersMenu, WithoutCrewTheJobsScreenDoesNotOpen) {
    con::ScopedVirtualConsole vc;
    Crew_().KillAllCrew();
    vc->Enter();
    EXPECT_FALSE(Quarters());
    EXPECT_EQ(vc->Text(12, 4, 29), "There are no crewmembers!");
    EXPECT_EQ(vc->AttrAt(43, 4), kLit) << "the menu stays";
    vc->Escape();
    EXPECT_TRUE(Quarters());
}

TEST(LivingQuartersMenu, ItemsAndTheirWayBack) {
    con::ScopedVirtualConsole vc;
    vc->Up();
    EXPECT_FALSE(Quarters());
    EXPECT_EQ(vc->Text(4, 43, 70), "  Assign Crew Jobs         ");
    EXPECT_EQ(vc->Text(16, 43, 70), "  Have Coffee with Emerson ");
    EXPECT_EQ(vc->Text(20, 43, 70), "  Return to Main Deck      ");
    EXPECT_EQ(vc->AttrAt(43, 20), kLit) << "Up from the first item wraps to the last";
    EXPECT_EQ(vc->AttrAt(43, 4), 31);

    // Auto Assign does nothing; the jobs screen comes back to item 1.
    con::ScopedVirtualConsole vc2;
    vc2->Down().Enter().Up().Enter().Escape();
    EXPECT_FALSE(Quarters());
    EXPECT_EQ(vc2->AttrAt(43, 4), kLit);
    EXPECT_EQ(vc2->Text(0, 21, 60), std::string(39, ' ')) << "drawn again without the Escape hint";

    con::ScopedVirtualConsole vc3;
    vc3->Up().Enter();
    EXPECT_TRUE(Quarters()) << "Return to Main Deck";
}

// Every member once, by everything but the job.
using Identity = std::tuple<std::string, int, bool, int, int, int, int, int>;
std::vector<Identity> CrewSet() {
    std::vector<Identity> set;
    for (int i = 0; i < Crew_().GetTotal(); ++i) {
        Crew const& m = ShipMember(i);
        set.emplace_back(ShipMemberName(i), m.GetRace(), m.GetMorF(), m.GetPerformance(), m.GetNavigation(),
                         m.GetMaintenance(), m.GetResearch(), m.GetMilitary());
    }
    std::sort(set.begin(), set.end());
    return set;
}

TEST(LivingQuartersMenu, NoKeySequenceLosesOrDuplicatesCrew) {
    // Half the runs with a longer crew, so columns scroll.
    for (unsigned seed = 1; seed <= 40; ++seed) {
        if (seed == 21) {
            for (int i = 0; i < 40; ++i) {
                ASSERT_TRUE(Crew_().enqueue(i % 2 ? RACE_MAKO : RACE_POVOLNIAN, i % 3 == 0));
            }
        }
        std::vector<Identity> const before = CrewSet();
        std::mt19937 draw(seed);
        con::ScopedVirtualConsole vc;
        vc->Enter();
        for (int n = 0; n < 400; ++n) {
            switch (std::uniform_int_distribution<int>(0, 99)(draw)) {
                case 0: vc->Escape(); break;
                case 1: vc->PageUp(); break;
                case 2: vc->PageDown(); break;
                case 3: vc->Type("y"); break;
                default: {
                    static constexpr uint16_t kKeys[] = {con::VK_UP, con::VK_DOWN, con::VK_LEFT,
                                                         con::VK_RIGHT, con::VK_RETURN};
                    uint16_t const key = kKeys[std::uniform_int_distribution<int>(0, 4)(draw)];
                    vc->Press(key, key == con::VK_RETURN ? 13 : 0);
                }
            }
        }
        Quarters();
        ASSERT_EQ(CrewSet(), before) << "seed " << seed;
        for (int i = 0; i < Crew_().GetTotal(); ++i) {
            Job const job = ShipMember(i).GetJob();
            EXPECT_TRUE(job == JOB_RESEARCH || job == JOB_REPAIR_SHIP || job == JOB_IDLE || job == JOB_GUNNER)
                << "seed " << seed << " member " << i << " job " << job;
        }
    }
}

// ---- Work rate -------------------------------------------------------------------

TEST(LivingQuartersSchedules, OpensOnTheShipsRate) {
    con::ScopedVirtualConsole vc;
    ASSERT_EQ(Globals::GetMothership()->GetWorkRate(), 2);
    vc->Down().Down().Enter();
    EXPECT_FALSE(Quarters());
    EXPECT_EQ(vc->Text(3, 22, 40), "SELECT A WORK RATE");
    EXPECT_EQ(vc->Picture(22, 5, 24, 6),
              "Choices:                \n"
              "1) All Ship Party Mode  \n"
              "2) Slacker Mode         \n"
              "3) Plan 925             \n"
              "4) All Work and No Play \n"
              "5) Nazi Regime          ");
    EXPECT_EQ(vc->AttrAt(22, 8), 12) << "the ship's rate";
    EXPECT_EQ(vc->AttrAt(22, 7), 15);
}

TEST(LivingQuartersSchedules, DownTwiceAndEscapeStoreRateFour) {
    Mothership& ship = *Globals::GetMothership();
    {
        con::ScopedVirtualConsole vc;
        vc->Down().Down().Enter().Down().Down();
        EXPECT_FALSE(Quarters());
        EXPECT_EQ(vc->AttrAt(22, 10), 12);
        EXPECT_EQ(vc->AttrAt(22, 8), 15);
        EXPECT_EQ(ship.GetWorkRate(), 2) << "moving alone stores nothing";
    }
    con::ScopedVirtualConsole vc;
    vc->Down().Down().Enter().Down().Down().Escape();
    EXPECT_FALSE(Quarters());
    EXPECT_EQ(ship.GetWorkRate(), 4) << "Escape stores too";
    EXPECT_EQ(vc->AttrAt(43, 12), kLit) << "back on the menu at item 3";
}

TEST(LivingQuartersSchedules, UpAndDownGoRoundTheEnds) {
    con::ScopedVirtualConsole vc;
    Mothership& ship = *Globals::GetMothership();
    vc->Up().Enter();
    ChangeWorkSchedule(Out(), In(), 1);
    EXPECT_EQ(ship.GetWorkRate(), 4);
    vc->Down().Enter();
    ChangeWorkSchedule(Out(), In(), 5);
    EXPECT_EQ(ship.GetWorkRate(), 0);
}

// ---- Coffee -------------------------------------------------------------------------

// Morale from 100 down to 0, then up one point a day in Slacker Mode.
void SetMorale(int morale) {
    Mothership& ship = *Globals::GetMothership();
    ship.SetWorkRate(4);
    while (ship.GetMorale() > 0) {
        ship.UpdateMorale();
    }
    ship.SetWorkRate(1);
    while (ship.GetMorale() < morale) {
        ship.UpdateMorale();
    }
    ASSERT_EQ(ship.GetMorale(), morale);
}

std::string Coffee() {
    con::ScopedVirtualConsole vc;
    vc->Fill('#', 7);
    vc->Enter();
    CoffeeWithEmerson(Out(), In());
    return vc->Text(19, 1, 79) + vc->Text(20, 1, 79);
}

bool StartsWith(std::string const& text, std::string const& start) { return text.rfind(start, 0) == 0; }

TEST(LivingQuartersCoffee, TheLoungeBesideEmersonWithTheMoraleComment) {
    con::ScopedVirtualConsole vc;
    vc->Enter();
    CoffeeWithEmerson(Out(), In());
    EXPECT_EQ(vc->Text(1, 1, 40), "You walk into the main lounge, located ");
    EXPECT_EQ(vc->Text(16, 1, 12), "his face...");
    EXPECT_EQ(vc->AttrAt(1, 1), 15);
    EXPECT_EQ(vc->Text(19, 1, 79),
              "Emerson says, \"Word on the street is the morale is at an all-time high. You've");
    EXPECT_EQ(vc->AttrAt(1, 19), 14);
    EXPECT_EQ(vc->Text(24, 26, 55), "<<PRESS ANY KEY TO CONTINUE>>");

    con::ScopedVirtualConsole portrait;
    Emerson(40, 0);
    EXPECT_EQ(vc->Picture(40, 0, 40, 17), portrait->Picture(40, 0, 40, 17));
    EXPECT_EQ(vc->Attributes(40, 0, 40, 17), portrait->Attributes(40, 0, 40, 17));
}

TEST(LivingQuartersCoffee, MoraleBandsAtTheirEdges) {
    std::string const top = R"(Emerson says, "Word on the street is the morale is at an all-time high.)";
    std::string const second = R"(Emerson says, "Word on the street is the crew is really excited)";
    std::string const last = R"(Emerson says, "Word on the street is the crew members are talking behind)";
    EXPECT_TRUE(StartsWith(Coffee(), top)) << "100";
    SetMorale(91);
    EXPECT_TRUE(StartsWith(Coffee(), top)) << "91";
    SetMorale(90);
    EXPECT_TRUE(StartsWith(Coffee(), second)) << "90";
    SetMorale(1);
    EXPECT_TRUE(StartsWith(Coffee(), last)) << "1";
    SetMorale(0);
    EXPECT_EQ(Coffee(), std::string(156, '#')) << "no comment at 0";

    EXPECT_STREQ(art::MoraleComment(81), art::MoraleComment(90));
    EXPECT_STRNE(art::MoraleComment(80), art::MoraleComment(81));
    EXPECT_EQ(art::MoraleComment(101), nullptr);
    EXPECT_EQ(art::MoraleComment(-1), nullptr);
}

TEST(LivingQuartersCoffee, TheCommentsEndInAQuoteAndABlankButOne) {
    for (int morale = 1; morale <= 100; ++morale) {
        std::string const comment = art::MoraleComment(morale);
        ASSERT_TRUE(StartsWith(comment, "Emerson says, \"Word on the street is ")) << morale;
        if (morale >= 61 && morale <= 70) {
            EXPECT_EQ(comment.substr(comment.size() - 39), "\" Emerson then winks at you and smiles.");
        } else {
            EXPECT_EQ(comment.substr(comment.size() - 2), "\" ") << morale;
        }
    }
}

TEST(LivingQuartersCoffee, PartyModeWhateverTheMorale) {
    SetMorale(0);
    Globals::GetMothership()->SetWorkRate(0);
    con::ScopedVirtualConsole vc;
    vc->Enter();
    CoffeeWithEmerson(Out(), In());
    EXPECT_EQ(vc->Text(1, 1, 39), "Loud music blares across the lounge as");
    EXPECT_EQ(vc->Text(19, 1, 11), "Emerson...");
    EXPECT_EQ(vc->Picture(1, 20, 78, 3),
              "Emerson says, \"Word on the street is....WOO-HOOO!! PAR-TAY.....Oh yeah!\" While\n"
              "dancing like crazy on top of the table, Emerson spills his coffee. \"Huh? Oh   \n"
              "crud!!\" exclaims Emerson, \"Ah well... PARTY! WOOOOOOOO!\"                      ");
    EXPECT_EQ(vc->AttrAt(1, 20), 14);

    con::ScopedVirtualConsole portrait;
    Emerson(40, 1);
    EXPECT_EQ(vc->Picture(40, 1, 40, 17), portrait->Picture(40, 1, 40, 17));
}

TEST(LivingQuartersCoffee, TheScenesKeepTheirLengths) {
    EXPECT_EQ(std::string(art::kLoungeParagraph).size(), 548u);
    EXPECT_EQ(std::string(art::kPartyParagraph).size(), 640u);
    EXPECT_EQ(std::string(art::kPartyLine).size(), 212u);
    EXPECT_TRUE(StartsWith(art::kLoungeParagraph,
                           "You walk into the main lounge, located in the crew's living quarters."));
    EXPECT_TRUE(StartsWith(art::kPartyParagraph,
                           "Loud music blares across the lounge as you see your crew having a party."));
}

TEST(LivingQuartersCoffee, FromTheMenuAndBack) {
    con::ScopedVirtualConsole vc;
    vc->Down().Down().Down().Enter().Type("x");
    EXPECT_FALSE(Quarters());
    EXPECT_EQ(vc->AttrAt(43, 16), kLit);
    EXPECT_EQ(vc->AttrAt(0, 5), 78) << "the room's frame is back";
    EXPECT_EQ(vc->Text(16, 43, 70), "  Have Coffee with Emerson ");
}

}  // namespace
