#include <gtest/gtest.h>
#include <string>

#include "tests/screens/ScreenSnapshot.h"
#include "tests/support/ScreenHarness.h"
#include "tests/support/WorldHelpers.h"

#include "game/screens/Library.h"
#include "game/ui/GuiFunctions.h"
#include "game/ui/Portraits.h"
#include "game/world/Globals.h"
#include "platform/VirtualConsole.h"

namespace {

using testing_support::Dock;
using testing_support::ExpectRoomMenu;
using testing_support::In;
using testing_support::Out;
using testing_support::Ship;

char const* const kItems[] = {"  Interglactanet           ", "  End Turn Factor 6        ",
                              "  Personel Bios            ", "  Summon Crew Member       ",
                              "  Return to Main Deck      "};

// Runs the library until its key script is used up; true when the player left it.
bool Library() {
    return testing_support::RunScreen([] { LibraryMenu(Out(), In(), DeckRoom::Library); });
}

// The room's frame: a blank hint line and side bars in 78, and the status bar.
void ExpectLibraryFrame(con::VirtualConsole& vc) {
    EXPECT_EQ(vc.Text(0), std::string(80, ' ')) << "no Escape hint";
    EXPECT_EQ(vc.AttrAt(0, 0), 78);
    EXPECT_EQ(vc.AttrAt(0, 12), 78);
    EXPECT_EQ(vc.AttrAt(79, 12), 78);
    EXPECT_EQ(vc.Text(23, 0, 6), " DAY: ");
}

void ExpectPrompt(con::VirtualConsole& vc, bool yesHighlighted) {
    EXPECT_EQ(vc.Text(10, 35, 43), "End Day?");
    EXPECT_EQ(vc.AttrAt(35, 10), 14);
    EXPECT_EQ(vc.Text(11, 34, 44), " Yes   No ");
    EXPECT_EQ(vc.AttrAt(34, 11), yesHighlighted ? 240 : 15);
    EXPECT_EQ(vc.AttrAt(38, 11), yesHighlighted ? 240 : 15);
    EXPECT_EQ(vc.AttrAt(40, 11), yesHighlighted ? 15 : 240);
    EXPECT_EQ(vc.AttrAt(43, 11), yesHighlighted ? 15 : 240);
    EXPECT_EQ(vc.AttrAt(0, 0), 2) << "the prompt stands in a green frame";
}

// Leaving clears the screen in the colour the last drawing left set (the
// deck clears it again in white as it draws the ship).
void ExpectClearedIn(con::VirtualConsole& vc, uint16_t colour) {
    for (int y = 0; y < con::kRows; ++y) {
        ASSERT_EQ(vc.Text(y), std::string(80, ' ')) << "row " << y;
        for (int x = 0; x < con::kColumns; ++x) {
            ASSERT_EQ(vc.AttrAt(x, y), colour) << x << "," << y;
        }
    }
}

TEST(Library, OpensWithTheFirstItemHighlightedAndTheArrowsWrap) {
    con::ScopedVirtualConsole vc;
    EXPECT_FALSE(Library());
    ExpectLibraryFrame(*vc);
    ExpectRoomMenu(*vc, kItems, 1);
    EXPECT_EQ(vc->ByteAt(38, 3), 220) << "the bar's half block";
    EXPECT_EQ(vc->AttrAt(38, 3), 4);

    vc->Up();
    EXPECT_FALSE(Library());
    ExpectRoomMenu(*vc, kItems, 5);
    vc->Up().Up().Down().Down().Down();
    EXPECT_FALSE(Library());
    ExpectRoomMenu(*vc, kItems, 2);
    vc->Up().Down();
    EXPECT_FALSE(Library());
    ExpectRoomMenu(*vc, kItems, 1);  // Down from the last item
}

TEST(Library, EscapeOrReturnLeavesAndTheOtherItemsDoNothing) {
    con::ScopedVirtualConsole vc;
    EXPECT_FALSE(Library());
    uint16_t const leftSet = vc->Model().attribute;  // by the menu's last drawing
    ASSERT_NE(leftSet, 15);
    vc->Escape();
    EXPECT_TRUE(Library());
    ExpectClearedIn(*vc, leftSet);

    vc->Up().Enter();
    EXPECT_TRUE(Library()) << "Return to Main Deck";
    ExpectClearedIn(*vc, leftSet);

    vc->Enter().Down().Down().Down().Enter();
    EXPECT_FALSE(Library());
    ExpectRoomMenu(*vc, kItems, 4);
    EXPECT_EQ(Globals::GetDay(), 1);
}

TEST(Library, TheEndDayPromptStartsOnNoAndTogglesWithTheArrows) {
    con::ScopedVirtualConsole vc;
    vc->Down().Enter();
    EXPECT_FALSE(Library());
    ExpectPrompt(*vc, false);

    vc->Down().Enter().Left();
    EXPECT_FALSE(Library());
    ExpectPrompt(*vc, true);

    vc->Down().Enter().Right().Left().Right().Left();
    EXPECT_FALSE(Library());
    ExpectPrompt(*vc, false);

    vc->Down().Enter().Escape().Space().Up().Type("q");
    EXPECT_FALSE(Library()) << "Escape and other keys keep the prompt waiting";
    ExpectPrompt(*vc, false);
    EXPECT_EQ(Globals::GetDay(), 1);
}

TEST(Library, NoRedrawsTheLibraryOnEndTurn) {
    con::ScopedVirtualConsole vc;
    vc->Down().Enter().Type("n");
    EXPECT_FALSE(Library());
    ExpectLibraryFrame(*vc);
    ExpectRoomMenu(*vc, kItems, 2);
    EXPECT_EQ(vc->Text(10, 35, 43), std::string(8, ' '));

    vc->Down().Enter().Left().Right().Enter();
    EXPECT_FALSE(Library()) << "Enter on a highlighted No";
    ExpectRoomMenu(*vc, kItems, 2);
    EXPECT_EQ(Globals::GetDay(), 1);
}

TEST(Library, YesEndsTheDayAndLeavesWithoutAReportWhenThereIsNoNews) {
    con::ScopedVirtualConsole vc;
    vc->Down().Enter().Type("y");
    EXPECT_TRUE(Library());
    EXPECT_EQ(Globals::GetDay(), 2);
    EXPECT_EQ(Ship().GetFood(), 957);
    EXPECT_EQ(vc->Text(10, 35, 43), "End Day?") << "no report was drawn over the prompt";

    vc->Down().Enter().Type("Y");
    EXPECT_TRUE(Library());
    vc->Down().Enter().Left().Enter();
    EXPECT_TRUE(Library()) << "Enter on a highlighted Yes";
    EXPECT_EQ(Globals::GetDay(), 4);
}

TEST(Library, TheMorningReportFollowsAnEndOfDayWithNews) {
    con::ScopedVirtualConsole vc;
    Globals::GetMessages()->enqueue("Old news", 3);
    vc->Down().Enter().Type("y");
    EXPECT_FALSE(Library()) << "the report waits for Escape";
    EXPECT_EQ(vc->Text(2, 2, 66), "Corolla says, 'Good Morning captain, I have 1 message for you.' ");
    EXPECT_EQ(vc->Text(4, 3, 11), "Old news");

    vc->Down().Enter().Type("y").Escape();
    EXPECT_TRUE(Library()) << "the library is left with the report";
    EXPECT_EQ(vc->Text(2, 2, 15), "Corolla says,") << "the report's screen stays for the deck to draw over";
    EXPECT_EQ(Globals::GetMessages()->GetTotal(), 0) << "read once";
    EXPECT_EQ(Globals::GetDay(), 3);
}

TEST(Library, AnEndOfDayThatEndsTheGameShowsNoReport) {
    con::ScopedVirtualConsole vc;
    Globals::GetMessages()->enqueue("Unread news", 3);
    Ship().SetFuel(0);
    vc->Down().Enter().Type("y").Escape();  // the key for the no-fuel screen
    EXPECT_TRUE(Library());
    EXPECT_TRUE(Globals::GetGameOver());
    EXPECT_EQ(vc->Text(21, 0, 48), "YOU ARE DEAD CAPTAIN! YOUR SHIP RAN OUT OF FUEL!");
    EXPECT_EQ(Globals::GetMessages()->GetTotal(), 2) << "the old news and the fuel alarm stay";
}

TEST(Library, StockKeysAddToTheShipAndTheStatusBarAtOnce) {
    con::ScopedVirtualConsole vc;
    vc->Type("f");
    EXPECT_FALSE(Library());
    EXPECT_EQ(Ship().GetFood(), 1400);
    EXPECT_EQ(vc->Text(24, 65, 74), "1,400    ");
    EXPECT_EQ(vc->AttrAt(65, 24), 78);

    vc->Type("gm");
    EXPECT_FALSE(Library());
    EXPECT_EQ(Ship().GetFuel(), 150400);
    EXPECT_EQ(vc->Text(24, 12, 21), "150,400  ");
    EXPECT_EQ(Ship().GetMaterials(), 10400);
    EXPECT_EQ(vc->Text(24, 41, 50), "10,400   ");

    vc->Type("FGM");
    EXPECT_FALSE(Library());
    EXPECT_EQ(Ship().GetFood(), 1400) << "upper case does nothing";
    EXPECT_EQ(Ship().GetFuel(), 150400);
    EXPECT_EQ(Ship().GetMaterials(), 10400);
}

TEST(Library, CraftCapsuleAndCrewKeysChangeNothingOnTheScreen) {
    con::ScopedVirtualConsole vc;
    EXPECT_FALSE(Library());
    ScreenSnapshot const before(*vc);
    int const crew = Ship().GetCrewQueue()->GetTotal();

    vc->Type("1234cp");
    EXPECT_FALSE(Library());
    EXPECT_TRUE(ScreenSnapshot(*vc).ChangedFrom(before).empty());
    ASSERT_EQ(Dock().GetTotal(), 8);
    EXPECT_EQ(Dock().GetNode(4)->aircraft.GetType(), SAUCER_TRANSPORT);
    EXPECT_EQ(Dock().GetNode(5)->aircraft.GetType(), CARGO_BARGE);
    EXPECT_EQ(Dock().GetNode(6)->aircraft.GetType(), STEALTH_FIGHTER);
    EXPECT_EQ(Dock().GetNode(7)->aircraft.GetType(), HULK_BOMBER);
    EXPECT_EQ(Dock().GetNode(7)->aircraft.GetHome(), 0);
    EXPECT_EQ(Ship().GetCapsules(), 3);
    ASSERT_EQ(Ship().GetCrewQueue()->GetTotal(), crew + 1);
    Crew const& newcomer = Ship().GetCrewQueue()->GetCrewNode(crew)->crew;
    EXPECT_EQ(newcomer.GetRace(), RACE_POVOLNIAN);
    EXPECT_FALSE(newcomer.GetMorF());
}

TEST(Library, AFullDockOrCrewRefusesSilently) {
    // Fill the dock until not even a fighter fits.
    while (Dock().enqueue(STEALTH_FIGHTER, Mothership::kDockSpace - Ship().GetDock(), 0)) {
    }
    ASSERT_LT(Mothership::kDockSpace - Ship().GetDock(), 30000);
    testing_support::FillCrew(*Ship().GetCrewQueue());
    int const craft = Dock().GetTotal();

    con::ScopedVirtualConsole vc;
    EXPECT_FALSE(Library());
    ScreenSnapshot const before(*vc);
    vc->Type("1234p");
    EXPECT_FALSE(Library());
    EXPECT_TRUE(ScreenSnapshot(*vc).ChangedFrom(before).empty());
    EXPECT_EQ(Dock().GetTotal(), craft);
    EXPECT_EQ(Ship().GetCrewQueue()->GetTotal(), Mothership::kMaxCrew);
}

TEST(Library, PersonelBiosShowsKryptalBetweenTwoRulesAndReturnsOnAnyKey) {
    con::ScopedVirtualConsole vc;
    vc->Down().Down().Enter();
    EXPECT_FALSE(Library());
    EXPECT_EQ(vc->Text(1, 2, 39), "∞ -----------------------------------");
    EXPECT_EQ(vc->Text(20, 2, 39), vc->Text(1, 2, 39));
    EXPECT_EQ(vc->ByteAt(40, 1), 236);
    EXPECT_EQ(vc->ByteAt(40, 20), 236);
    EXPECT_EQ(vc->Attributes(2, 1, 3, 1), "14 2 2");
    EXPECT_EQ(vc->AttrAt(40, 20), 14);
    EXPECT_EQ(vc->Text(22, 8, 36), "|+Back+|  |+MENU+|  |+Next+|");
    EXPECT_EQ(vc->Attributes(8, 22, 8, 1), "4 3 15 15 15 15 3 4");
    EXPECT_EQ(vc->Attributes(28, 22, 8, 1), "4 3 15 15 15 15 3 4");
    EXPECT_EQ(vc->AttrAt(0, 0), 15) << "no frame on the bios page";
    std::string const portrait = vc->Picture(2, 2, 40, 17);
    std::string const colours = vc->Attributes(2, 2, 40, 17);
    con::ClearConsole();
    Kryptal(2, 2);
    EXPECT_EQ(portrait, vc->Picture(2, 2, 40, 17));
    EXPECT_EQ(colours, vc->Attributes(2, 2, 40, 17));

    vc->Down().Down().Enter().Left();
    EXPECT_FALSE(Library());
    ExpectLibraryFrame(*vc);
    ExpectRoomMenu(*vc, kItems, 3);
}

}  // namespace
