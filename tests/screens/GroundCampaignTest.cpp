#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "tests/support/ScreenHarness.h"
#include "tests/support/WorldHelpers.h"

#include "game/screens/EarthMapWidgets.h"
#include "game/screens/GroundCampaign.h"
#include "game/screens/MapCursor.h"
#include "game/world/Globals.h"
#include "platform/VirtualConsole.h"

namespace {

using testing_support::BuildBunker;
using testing_support::In;
using testing_support::Out;
using testing_support::RunScreen;
using testing_support::SectorOf;

void RunStatus() {
    ASSERT_TRUE(RunScreen([] { GroundCampaignStatus(Out(), In(), DeckRoom::Navigation); }));
}

// The frame colour at a sector box's corner on the status map.
int BoxFrame(con::VirtualConsole& vc, int sector) {
    return vc.AttrAt(SectorBoxX(2, sector), SectorBoxY(1, sector));
}
int LetterColour(con::VirtualConsole& vc, int sector) {
    return vc.AttrAt(SectorBoxX(2, sector) + 4, SectorBoxY(1, sector) + 2);
}

}  // namespace

TEST(MapCursorTest, SectorCursorWrapsWithinRowsAndColumns) {
    EXPECT_EQ(SectorAfterArrow(1, con::VK_LEFT), 6);
    EXPECT_EQ(SectorAfterArrow(7, con::VK_LEFT), 12);
    EXPECT_EQ(SectorAfterArrow(24, con::VK_RIGHT), 19);
    EXPECT_EQ(SectorAfterArrow(12, con::VK_RIGHT), 7);
    EXPECT_EQ(SectorAfterArrow(2, con::VK_UP), 20);
    EXPECT_EQ(SectorAfterArrow(21, con::VK_DOWN), 3);
    EXPECT_EQ(SectorAfterArrow(9, con::VK_DOWN), 15);
    EXPECT_EQ(SectorAfterArrow(9, con::VK_RETURN), 9);
    EXPECT_EQ(SectorAfterArrow(kShipBoxCode, con::VK_LEFT), kShipBoxCode);
}

TEST(MapCursorTest, SquareCursorWrapsWithinTheGrid) {
    EXPECT_EQ(SubSectorAfterArrow(4, con::VK_LEFT), 7);
    EXPECT_EQ(SubSectorAfterArrow(11, con::VK_RIGHT), 8);
    EXPECT_EQ(SubSectorAfterArrow(13, con::VK_DOWN), 1);
    EXPECT_EQ(SubSectorAfterArrow(2, con::VK_UP), 14);
    EXPECT_EQ(SubSectorAfterArrow(5, con::VK_UP), 1);
    EXPECT_EQ(SubSectorAfterArrow(16, con::VK_UP), 16);
}

TEST(MapCursorTest, AMapKeyHandsArrowsOnAndGivesOtherKeysCharacters) {
    con::ScopedVirtualConsole vc;
    vc->Left().Record(con::KeyRecord{con::KEY_EVENT, false, con::VK_UP, 0}).Enter().Space();
    std::vector<uint16_t> arrows;
    auto const move = [&arrows](uint16_t arrow) { arrows.push_back(arrow); };
    EXPECT_EQ(ReadMapKey(In(), move), 0);
    EXPECT_EQ(ReadMapKey(In(), move), 0) << "Left's release";
    EXPECT_EQ(ReadMapKey(In(), move), 0) << "a release of Up moves nothing";
    EXPECT_EQ(arrows, std::vector<uint16_t>{con::VK_LEFT});
    EXPECT_EQ(ReadMapKey(In(), move), 13);
    EXPECT_EQ(ReadMapKey(In(), move), 0) << "Enter's release";
    EXPECT_EQ(ReadMapKey(In(), move), ' ');
    EXPECT_EQ(ReadMapKey(con::kInvalidHandle, move), 27) << "a console that cannot be read";
    EXPECT_EQ(arrows.size(), 1u);
}

TEST(GroundSectorViewTest, LeavesAtOnceOnAConsoleThatCannotBeRead) {
    con::ScopedVirtualConsole vc;
    vc->Down();
    // A map screen on such a console leaves instead of waiting forever.
    EXPECT_TRUE(RunScreen([] { ViewSector(Out(), con::kInvalidHandle, DeckRoom::Navigation, 4); }));
}

TEST(GroundStatusTest, OpensOnSectorOneWithBunkersInYellowAndItsFields) {
    con::ScopedVirtualConsole vc;
    BuildBunker(9);
    vc->Escape();
    RunStatus();
    EXPECT_EQ(vc->AttrAt(0, 0), 48);
    EXPECT_EQ(vc->Text(0, 0, 80), std::string(80, ' '));  // no Escape hint
    EXPECT_EQ(BoxFrame(*vc, 1), 12);
    EXPECT_EQ(BoxFrame(*vc, 12), 2);
    EXPECT_EQ(LetterColour(*vc, 9), 14);
    EXPECT_EQ(LetterColour(*vc, 10), 15);
    EXPECT_EQ(vc->Text(18, 2, 15), "Sector: I    ");
    EXPECT_EQ(vc->Text(19, 2, 27), "Known Enemy Population: 0");
    EXPECT_EQ(vc->Text(20, 2, 29), "Bunker Placed:          No ");
    EXPECT_EQ(vc->AttrAt(2, 18), 12);
    EXPECT_EQ(vc->AttrAt(10, 18), 14);
}

TEST(GroundStatusTest, ArrowsMoveTheHighlightAndWhitenTheLetters) {
    con::ScopedVirtualConsole vc;
    BuildBunker(6);
    vc->Left().Right().Up().Escape();  // 1 -> 6 -> 1 -> 19
    RunStatus();
    EXPECT_EQ(BoxFrame(*vc, 19), 12);
    EXPECT_EQ(BoxFrame(*vc, 6), 2);
    EXPECT_EQ(LetterColour(*vc, 6), 15);  // the cursor passed over it
    EXPECT_EQ(vc->Text(18, 2, 15), "Sector: E    ");
    EXPECT_EQ(vc->Text(20, 2, 29), "Bunker Placed:          No ");
}

TEST(GroundStatusTest, SpaceMapsTheSectorAndShowsItsPopulation) {
    con::ScopedVirtualConsole vc;
    Sector* sector = &SectorOf(2);
    int const everyone = static_cast<int>(sector->GetPopulation(true));
    ASSERT_GT(everyone, 0);
    vc->Right().Space().Escape();
    RunStatus();
    for (int i = 0; i < 16; ++i) {
        EXPECT_TRUE(sector->GetSubSector(i, -1)->GetVisible()) << i;
    }
    EXPECT_TRUE(!SectorOf(1).GetSubSector(0, -1)->GetVisible());
    std::string shown = vc->Text(19, 26, 39);
    std::erase(shown, ',');
    std::erase(shown, ' ');
    EXPECT_EQ(shown, std::to_string(everyone));
    // The mini-map of sector 2 is full: no blank left in its inside but the letter's cell.
    int const x = SectorBoxX(2, 2) + 1;
    int const y = SectorBoxY(1, 2) + 1;
    for (int dy = 0; dy < 3; ++dy) {
        for (int dx = 0; dx < 7; ++dx) {
            if (dx == 3 && dy == 1) {
                EXPECT_EQ(vc->ByteAt(x + dx, y + dy), 'L');
            } else {
                EXPECT_NE(vc->AttrAt(x + dx, y + dy), 15) << dx << "," << dy;
            }
        }
    }
}

TEST(GroundStatusTest, SectorViewMapsTheSquareOnEnterAndReturnsToSectorOne) {
    con::ScopedVirtualConsole vc;
    Sector* sector = &SectorOf(8);
    SubSector* square = sector->GetSubSector(6, -1);
    square->SetType(SubSector::kRubble);
    BuildBunker(8);
    // To sector 8, into its view, to square 6, Enter, back out.
    vc->Right().Down().Enter();
    vc->Right().Right().Down();
    vc->Enter().Escape();
    vc->Down().Escape();
    ASSERT_TRUE(RunScreen([] { GroundCampaignStatus(Out(), In(), DeckRoom::Navigation); }));
    EXPECT_TRUE(square->GetVisible());
    EXPECT_FALSE(sector->GetSubSector(5, -1)->GetVisible());
    // Back on the status map: the cursor went back to 1, then Down to 7.
    EXPECT_EQ(vc->Text(18, 2, 15), "Sector: M    ");
    EXPECT_EQ(BoxFrame(*vc, 7), 12);
    EXPECT_EQ(BoxFrame(*vc, 1), 2);
    EXPECT_EQ(LetterColour(*vc, 8), 15);  // every letter white after a sector view
}

TEST(SectorViewTest, TilesBunkerMarkerAndSquareFields) {
    con::ScopedVirtualConsole vc;
    Sector* sector = &SectorOf(3);
    Bunker* bunker = sector->GetBunker();
    bunker->SetVisible(true);
    bunker->SetSubSector(9);
    SubSector* square = sector->GetSubSector(9, -1);
    square->SetType(SubSector::kRubble);
    vc->Escape();
    ASSERT_TRUE(RunScreen([] { ViewSector(Out(), In(), DeckRoom::Navigation, 3); }));
    // The bunker's square is mapped on opening, after the tiles were drawn: its
    // question mark stays until the next visit. Square 9's tile origin is
    // (13, 12); the marker stands at (19, 14).
    EXPECT_TRUE(square->GetVisible());
    EXPECT_EQ(vc->Picture(13, 12, 9, 4), "  ▄▀▀▀▄  \n ▀     █ \n    ▄▀≡≡ \n    ▄    ");
    EXPECT_EQ(vc->AttrAt(19, 14), 79);
    EXPECT_EQ(vc->AttrAt(20, 14), 79);
    EXPECT_EQ(vc->Picture(3, 2, 9, 4), "  ▄▀▀▀▄  \n ▀     █ \n    ▄▀▀  \n    ▄    ");
    EXPECT_EQ(vc->AttrAt(2, 1), 12);   // box 0 highlighted
    EXPECT_EQ(vc->AttrAt(42, 21), 2);  // the grid's far corner
    EXPECT_EQ(vc->Text(2, 45, 56), "Sector: ???");
    EXPECT_EQ(vc->Text(3, 45, 65), "Known Enemy Pop: ???");

    vc->Escape();
    ASSERT_TRUE(RunScreen([] { ViewSector(Out(), In(), DeckRoom::Navigation, 3); }));
    EXPECT_EQ(vc->Picture(13, 12, 9, 4), " ▒░▒▓▒░▒ \n▒░▒▓█▓▒░▒\n▒░▒▓█▓≡≡▒\n ▒░▒▓▒░▒ ");
}

TEST(SectorViewTest, EnterRedrawsTheTileOverTheMarkerAndFieldsLeaveNoTrace) {
    con::ScopedVirtualConsole vc;
    Sector* sector = &SectorOf(5);
    Bunker* bunker = sector->GetBunker();
    bunker->SetVisible(true);
    bunker->SetSubSector(1);
    sector->GetSubSector(1, -1)->SetType(SubSector::kWasteland);
    SubSector* city = sector->GetSubSector(2, -1);
    city->SetType(SubSector::kCity);
    city->SetVisible();
    city->AddPopulation(5000 - static_cast<int>(city->GetPopulation()));
    city->AddMilitary(-static_cast<int>(city->GetMilitary()));
    vc->Right().Enter().Right().Escape();
    ASSERT_TRUE(RunScreen([] { ViewSector(Out(), In(), DeckRoom::Navigation, 5); }));
    // The Wasteland tile covers the marker: every cell a dark shade.
    for (int dx = 0; dx < 9; ++dx) {
        EXPECT_EQ(vc->ByteAt(13 + dx, 4), 178) << dx;
    }
    EXPECT_EQ(vc->Text(2, 45, 77), "Sector: City                    ");
    EXPECT_EQ(vc->Text(3, 45, 77), "Known Enemy Pop: 5,000          ");
    EXPECT_EQ(vc->AttrAt(12, 1), 2);
    EXPECT_EQ(vc->AttrAt(32, 1), 12);  // box 2 highlighted, its right edge
}

TEST(SectorViewTest, ASectorOffTheMapReturnsAtOnce) {
    con::ScopedVirtualConsole vc;
    EXPECT_TRUE(RunScreen([] { ViewSector(Out(), In(), DeckRoom::Navigation, 25); }));
    EXPECT_TRUE(RunScreen([] { ViewSector(Out(), In(), DeckRoom::Navigation, 0); }));
}
