#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "tests/screens/ScreenSnapshot.h"
#include "tests/support/ScreenHarness.h"

#include "game/screens/ResearchStation.h"
#include "game/world/Globals.h"
#include "platform/VirtualConsole.h"

namespace {

using testing_support::In;
using testing_support::Out;
using testing_support::RunScreen;
using testing_support::TrimmedText;

TechBase& Tech(char const* id) { return *Globals::GetTechs()->FindTech(id); }

// Completes technologies the way the assignments screen does.
void Complete(std::vector<char const*> const& ids) {
    for (char const* id : ids) {
        Tech(id).SetPercent(100.0);
        Globals::GetTechs()->Update(Tech(id));
    }
}

// Only the first `researchers` Povolnians stay on research (each gives 500
// points: 10 research at 50 performance); everyone else idles.
void KeepResearchers(int researchers) {
    CrewQueue* crew = Globals::GetMothership()->GetCrewQueue();
    for (int i = 0; i < crew->GetTotal(); ++i) {
        Crew& member = crew->GetCrewNode(i)->crew;
        if (member.GetJob() == JOB_RESEARCH) {
            member.SetJob(researchers-- > 0 ? JOB_RESEARCH : JOB_IDLE);
        }
    }
}

bool RunAssignments() {
    return RunScreen([] { ResearchAssignments(Out(), In()); });
}

bool RunMenu() {
    return RunScreen([] { ResearchMenu(Out(), In(), DeckRoom::Research); });
}

// The names column as the player reads it, rows 4 to 4 + rows - 1.
std::string Names(con::VirtualConsole& vc, int rows) {
    std::string out;
    for (int y = 4; y < 4 + rows; ++y) {
        out += TrimmedText(vc, y, 4, 32) + "\n";
    }
    return out;
}

// The row of the names list that is highlighted, or -1.
int HighlightedRow(con::VirtualConsole& vc) {
    for (int y = 4; y < 19; ++y) {
        if (vc.AttrAt(4, y) == 241) {
            return y;
        }
    }
    return -1;
}

TEST(ResearchSummary, StartFiguresInTheMenu) {
    con::ScopedVirtualConsole vc;
    EXPECT_FALSE(RunMenu());
    // Twenty Povolnian researchers: 20 x 10 x 50 / 150.
    EXPECT_EQ(vc->Text(3, 4, 38), "Total Research Capablility: 66    ");
    EXPECT_EQ(vc->Text(5, 4, 38), "Total available assignments: 5    ");
    EXPECT_EQ(vc->Text(4, 43, 70), "  Research Assignments     ");
    EXPECT_EQ(vc->AttrAt(43, 4), 241);
    EXPECT_EQ(vc->AttrAt(43, 8), 31);
    EXPECT_EQ(vc->Text(0, 21, 60), "Press Escape To Return To Previous Menu");
    EXPECT_EQ(vc->AttrAt(0, 0), 78);
}

TEST(ResearchSummary, OtherItemsBlankThePanelAndItComesBack) {
    con::ScopedVirtualConsole vc;
    vc->Down();
    EXPECT_FALSE(RunMenu());
    for (int y = 1; y <= 22; ++y) {
        EXPECT_EQ(vc->Text(y, 4, 38), std::string(34, ' ')) << y;
    }
    EXPECT_EQ(vc->AttrAt(43, 8), 241);
    EXPECT_EQ(vc->AttrAt(43, 4), 31);

    con::ScopedVirtualConsole again;
    again->Up().Down();  // to item 5 and round to item 1
    EXPECT_FALSE(RunMenu());
    EXPECT_EQ(again->Text(3, 4, 32), "Total Research Capablility: ");
    EXPECT_EQ(again->AttrAt(43, 4), 241);
    EXPECT_EQ(again->AttrAt(43, 20), 31);
}

TEST(ResearchSummary, WithoutResearchersTheScreenDoesNotOpen) {
    KeepResearchers(0);
    con::ScopedVirtualConsole vc;
    vc->Enter();
    EXPECT_FALSE(RunMenu());
    EXPECT_EQ(vc->Text(3, 4, 38), "Go assign crew members to research");
    EXPECT_EQ(vc->Text(5, 4, 38), "then come back to assign them to a");
    EXPECT_EQ(vc->Text(7, 4, 21), "tech to research!");
    EXPECT_EQ(vc->Text(0, 0, 80), std::string(80, ' ')) << "the menu redrawn without the hint";
    EXPECT_EQ(vc->Text(4, 43, 70), "  Research Assignments     ");
}

TEST(ResearchSummary, NothingLeftToResearchIsSaidOnItsOwnRow) {
    Complete({"A1", "A2", "A3", "B1", "B2", "B3", "B4", "B5", "B6", "B7", "B9", "BA",
              "BB", "BC", "BD", "C1", "C2", "C3", "C4", "D1", "D2", "D3", "D4", "D5",
              "D6", "D7", "D8", "D9", "DA", "DB", "DC", "F1", "F2", "F3", "F4", "F6"});
    ASSERT_EQ(CountAvailableTechs(), 0);
    con::ScopedVirtualConsole vc;
    vc->Enter();
    EXPECT_FALSE(RunMenu());
    EXPECT_EQ(vc->Text(3, 4, 32), "Total Research Capablility: ");
    EXPECT_EQ(vc->Text(5, 4, 38), "No assignments to research.       ");
    EXPECT_EQ(vc->Text(2, 3, 10), "       ") << "the assignments did not open";
}

TEST(ResearchMenu, EscapeAndTheLastItemLeave) {
    {
        con::ScopedVirtualConsole vc;
        vc->Escape();
        EXPECT_TRUE(RunMenu());
        EXPECT_EQ(vc->Text(4), std::string(80, ' '));
    }
    con::ScopedVirtualConsole vc;
    vc->Up().Enter();
    EXPECT_TRUE(RunMenu());
    con::ScopedVirtualConsole idle;
    idle->Down().Down().Enter().Down().Enter().Up().Up().Up().Enter().Escape();
    EXPECT_FALSE(RunMenu()) << "items 3 and 4 keep the room open; Escape leaves the assignments for the menu";
    EXPECT_EQ(idle->Text(4, 43, 70), "  Research Assignments     ");
    EXPECT_EQ(idle->AttrAt(43, 4), 241);
    EXPECT_EQ(idle->Text(0, 0, 80), std::string(80, ' '));
    EXPECT_EQ(idle->Text(3, 4, 32), "Total Research Capablility: ");
}

TEST(ResearchAssignments, StartFigures) {
    con::ScopedVirtualConsole vc;
    EXPECT_FALSE(RunAssignments());
    EXPECT_EQ(Names(*vc, 6),
              "CARGO EXPANSION\n"
              "MOTHERSHIP ENGINE #1\n"
              "HOVER FUEL REDUCTION\n"
              "STUDY THE ENEMY!\n"
              "SCIENCE FICTION!\n"
              "\n");
    EXPECT_EQ(vc->Picture(3, 1, 74, 4),
              "╔═════════════╗               ╔════════════╗  ╔════════════════╗          \n"
              "║ Technology  ║               ║ % of Crew  ║  ║ Description    ║          \n"
              "╠═════════════╩═══════════════╬════════════╩══╬════════════════╩═════════╗\n"
              "║CARGO EXPANSION             ■║    0%        ■║                          ║");
    EXPECT_EQ(vc->AttrAt(3, 1), 2);
    EXPECT_EQ(vc->AttrAt(5, 2), 15);
    EXPECT_EQ(vc->Text(20, 4, 76),
              " Total Research Capablility: 66          Total available assignments: 5 ");
    EXPECT_EQ(vc->Text(21, 4, 76),
              " Percent Completed:   0%                Number of turns until done: N/A ");
    EXPECT_EQ(vc->Text(22, 3, 5), "╚═");
    EXPECT_EQ(vc->Text(22, 75, 77), "═╝");
    EXPECT_EQ(HighlightedRow(*vc), 4);
    EXPECT_EQ(vc->AttrAt(35, 4), 241) << "the share beside it";
    EXPECT_EQ(vc->AttrAt(35, 5), 15);
}

TEST(ResearchAssignments, SharesMoveInFivesAndNeverPastAllTheCrew) {
    con::ScopedVirtualConsole vc;
    vc->Left();  // 0 stays 0
    for (int i = 0; i < 19; ++i) {
        vc->Right();
    }
    EXPECT_FALSE(RunAssignments());
    EXPECT_EQ(Tech("A1").GetShare(), 95);
    EXPECT_EQ(vc->Text(4, 35, 40), "  95%");

    con::ScopedVirtualConsole more;
    more->Down().Right().Right().Up().Right().Down().Left().Left().Right();
    EXPECT_FALSE(RunAssignments());
    // B1 reached 5 at a total of 100; then nothing more could be added until
    // B1 gave its 5 back (and 0 stayed 0), and the last Right took them again.
    EXPECT_EQ(Tech("A1").GetShare(), 95);
    EXPECT_EQ(Tech("B1").GetShare(), 5);
    EXPECT_EQ(more->Text(5, 35, 40), "   5%");
    EXPECT_EQ(more->AttrAt(35, 5), 241);
}

TEST(ResearchAssignments, DaysUntilDoneForShareFiveAndShareZero) {
    con::ScopedVirtualConsole vc;
    vc->Down().Right();
    EXPECT_FALSE(RunAssignments());
    // Capability 66 at 5%: 3 points a day over B1's 500.
    EXPECT_EQ(vc->Text(21, 72, 76), "166 ");
    con::ScopedVirtualConsole back;
    back->Down().Left();
    EXPECT_FALSE(RunAssignments());
    EXPECT_EQ(back->Text(21, 72, 76), "N/A ");
}

TEST(ResearchAssignments, TheEstimateHasRoomForFourDigits) {
    KeepResearchers(9);  // capability 30: a point a day at 5%
    Complete({"B1", "B2", "B7"});
    con::ScopedVirtualConsole vc;
    // A1 B3 B6 BB BC BD ...: BD costs 3000.
    vc->Down().Down().Down().Down().Down().Right();
    EXPECT_FALSE(RunAssignments());
    EXPECT_EQ(vc->Text(4 + 5, 4, 26), "Fighter Engine Upgrade");
    EXPECT_EQ(vc->Text(21, 72, 76), "3000");
    EXPECT_EQ(vc->ByteAt(76, 21), 186) << "the frame stays";
    con::ScopedVirtualConsole after;
    after->Down().Down().Down().Down().Down().Left().Up().Right();
    EXPECT_FALSE(RunAssignments());
    EXPECT_EQ(after->Text(21, 72, 76), "1500") << "BC: no digit of the longer number is left";
}

TEST(ResearchAssignments, DaysLeftRule) {
    EXPECT_EQ(ResearchDaysLeft(30, 5, 500), 500);
    EXPECT_EQ(ResearchDaysLeft(10, 5, 500), 0) << "less than a point a day";
    EXPECT_EQ(ResearchDaysLeft(200, 100, 150), 1) << "done within the day";
    EXPECT_EQ(ResearchDaysLeft(66, 0, 500), 0);
    EXPECT_EQ(ResearchDaysLeft(0, 100, 500), 0);
    EXPECT_EQ(ResearchDaysLeft(66, 100, 0), 0);
    EXPECT_EQ(ResearchDaysLeft(30, 5, 3000), 3000);
}

TEST(ResearchAssignments, CompletingCargoExpansionOpensTheIncinerator) {
    con::ScopedVirtualConsole vc;
    vc->Enter();
    EXPECT_FALSE(RunAssignments());
    EXPECT_TRUE(Tech("A1").GetResearched());
    EXPECT_EQ(Tech("A2").GetRequirements(), 0);
    EXPECT_EQ(Names(*vc, 6),
              "Incinerator\n"
              "MOTHERSHIP ENGINE #1\n"
              "HOVER FUEL REDUCTION\n"
              "STUDY THE ENEMY!\n"
              "SCIENCE FICTION!\n"
              "\n");
    EXPECT_EQ(HighlightedRow(*vc), 4);
    EXPECT_EQ(vc->Text(21, 72, 76), "N/A ");
}

TEST(ResearchAssignments, EnterAgainAfterTheLastRowActsOnTheRowNowLast) {
    con::ScopedVirtualConsole vc;
    // F1 on the last row opens F2, F3 and F4 below it; F4, then last, opens
    // nothing, and the list ends a row higher: Genetics is last.
    vc->Down().Down().Down().Down().Enter().Down().Down().Enter().Right().Enter();
    EXPECT_FALSE(RunAssignments());
    EXPECT_TRUE(Tech("F3").GetResearched()) << "Genetics, the row the cursor was brought back to";
    EXPECT_EQ(Tech("F3").GetShare(), 5);
    EXPECT_FALSE(Tech("F2").GetResearched());
    EXPECT_FALSE(Tech("D1").GetResearched());
    EXPECT_EQ(Names(*vc, 6),
              "CARGO EXPANSION\n"
              "MOTHERSHIP ENGINE #1\n"
              "HOVER FUEL REDUCTION\n"
              "STUDY THE ENEMY!\n"
              "Teleportation\n"
              "Widow DNA\n");
    EXPECT_TRUE(Tech("F4").GetResearched());
    EXPECT_EQ(HighlightedRow(*vc), 9) << "on the last row, where Widow DNA now stands";
    EXPECT_EQ(vc->AttrAt(35, 9), 241) << "its share lit beside it";
}

TEST(ResearchAssignments, AnEmptyListSaysSoAndIgnoresEnterLeftAndRight) {
    Complete({"A1", "A2", "A3", "B1", "B2", "B3", "B4", "B5", "B6", "B7", "B9", "BA",
              "BB", "BC", "BD", "C1", "C2", "C3", "C4", "D1", "D2", "D3", "D4", "D5",
              "D6", "D7", "D8", "D9", "DA", "DB", "F1", "F2", "F3", "F4", "F6"});
    ASSERT_EQ(CountAvailableTechs(), 1);
    con::ScopedVirtualConsole vc;
    vc->Right().Enter().Enter().Right().Left().Down().PageDown().Enter();
    EXPECT_FALSE(RunAssignments());
    EXPECT_TRUE(Tech("DC").GetResearched());
    EXPECT_EQ(Tech("DC").GetShare(), 5);
    EXPECT_EQ(CountAvailableTechs(), 0);
    for (int i = 0; i < Alltechs::kTechCount; ++i) {
        TechBase* tech = Globals::GetTechs()->GetTech(i);
        EXPECT_EQ(tech->GetShare(), tech == &Tech("DC") ? 5 : 0) << tech->Id();
    }
    EXPECT_EQ(Names(*vc, 2), "List is empty.\n\n");
    EXPECT_EQ(vc->Text(4, 35, 40), "N/A  ");
    EXPECT_EQ(vc->Text(21, 23, 29), " N/A  ");
    EXPECT_EQ(vc->Text(21, 72, 76), "N/A ");

    con::ScopedVirtualConsole leave;
    leave->Enter().Escape();
    EXPECT_TRUE(RunAssignments());
}

TEST(ResearchAssignments, SixteenOpenAtOnceScrollBothListsTogether) {
    Complete({"B1", "B2", "B3", "B4", "B7", "D1", "D2", "D3", "D4", "D6", "D7", "D8", "D9", "F1", "F3"});
    ASSERT_EQ(CountAvailableTechs(), 16);
    con::ScopedVirtualConsole vc;
    for (int i = 0; i < 15; ++i) {
        vc->Down();
    }
    vc->Right();
    EXPECT_FALSE(RunAssignments());
    EXPECT_EQ(vc->Text(4, 4, 19), "Long Range Caps") << "scrolled by one row";
    EXPECT_EQ(vc->Text(18, 4, 13), "Widow DNA");
    EXPECT_EQ(HighlightedRow(*vc), 18);
    EXPECT_EQ(vc->Text(18, 35, 40), "   5%");
    EXPECT_EQ(vc->AttrAt(35, 18), 241);
    EXPECT_EQ(Tech("F6").GetShare(), 5);
    EXPECT_EQ(vc->ByteAt(32, 4), 24) << "the names list can scroll back";
    EXPECT_EQ(vc->ByteAt(48, 4), 24) << "and so can the shares beside it";
    EXPECT_EQ(vc->Text(20, 74, 76), "16");
}

TEST(ResearchTables, EachCollectorFillsItsTableInTreeOrder) {
    ChangeTechShare("CARGO EXPANSION", 25);
    SetTechPercent("MOTHERSHIP ENGINE #1", 40.0);
    ListRow names[kMaxResearchRows] = {};
    ListRow shareTexts[kMaxResearchRows] = {};
    ListRow percents[kMaxResearchRows] = {};
    int shares[kMaxResearchRows] = {};
    int remaining[kMaxResearchRows] = {};
    TechBase* techs[kMaxResearchRows] = {};
    int sharesCount = -1;
    int percentsCount = -1;
    CollectTechNames(names);
    CollectTechShares(shareTexts, shares, sharesCount);
    CollectTechPercents(percents, percentsCount);
    CollectTechRemaining(remaining);
    CollectTechPointers(techs);
    EXPECT_EQ(sharesCount, 5);
    EXPECT_EQ(percentsCount, 5);
    EXPECT_STREQ(names[0], "CARGO EXPANSION");
    EXPECT_STREQ(names[4], "SCIENCE FICTION!");
    EXPECT_STREQ(names[5], "");
    EXPECT_STREQ(shareTexts[0], "  25%");
    EXPECT_EQ(shares[0], 25);
    EXPECT_STREQ(shareTexts[1], "   0%");
    EXPECT_STREQ(percents[1], "  40%");
    EXPECT_EQ(techs[0], &Tech("A1"));
    EXPECT_EQ(techs[1], &Tech("B1"));
    EXPECT_EQ(techs[5], nullptr);
    EXPECT_EQ(remaining[1], Tech("B1").GetRemaining());

    Complete({"A1", "A2", "A3", "B1", "B2", "B3", "B4", "B5", "B6", "B7", "B9", "BA",
              "BB", "BC", "BD", "C1", "C2", "C3", "C4", "D1", "D2", "D3", "D4", "D5",
              "D6", "D7", "D8", "D9", "DA", "DB", "DC", "F1", "F2", "F3", "F4", "F6"});
    ListRow emptyNames[kMaxResearchRows] = {};
    CollectTechNames(emptyNames);
    CollectTechShares(shareTexts, shares, sharesCount);
    CollectTechPercents(percents, percentsCount);
    EXPECT_STREQ(emptyNames[0], "List is empty.");
    EXPECT_STREQ(shareTexts[0], "N/A ");
    EXPECT_STREQ(percents[0], " N/A  ");
    EXPECT_EQ(sharesCount, 0);
    EXPECT_EQ(percentsCount, 0);
}

TEST(ResearchTree, EveryNameFindsItsOwnTechnology) {
    for (int i = 0; i < Alltechs::kTechCount; ++i) {
        TechBase* tech = Globals::GetTechs()->GetTech(i);
        ChangeTechShare(tech->Name(), 5);
        SetTechPercent(tech->Name(), 40.0);
        for (int j = 0; j < Alltechs::kTechCount; ++j) {
            TechBase* other = Globals::GetTechs()->GetTech(j);
            EXPECT_EQ(other->GetShare(), j <= i ? 5 : 0) << tech->Id() << " " << other->Id();
            EXPECT_EQ(other->GetPercent(), j <= i ? 40.0 : 0.0);
        }
    }
    ChangeTechShare("HOVER FUEL REDUCTION", 5);  // without its trailing blank
    ChangeTechShare("cargo expansion", 5);
    EXPECT_EQ(Tech("C1").GetShare(), 5);
    EXPECT_EQ(Tech("A1").GetShare(), 5);
}

}  // namespace
