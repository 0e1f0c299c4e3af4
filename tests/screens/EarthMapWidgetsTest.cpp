#include <gtest/gtest.h>
#include <string>

#include "tests/screens/ScreenSnapshot.h"
#include "tests/support/WorldHelpers.h"

#include "game/screens/EarthMapWidgets.h"
#include "game/world/Globals.h"
#include "platform/VirtualConsole.h"

namespace {

constexpr uint8_t kMarker = 1;
constexpr uint16_t kMarkerAttr = 0x55;

using testing_support::BunkerOf;
using testing_support::MapSquare;
using testing_support::PlaceShipAbove;
using testing_support::SquareOf;

// Every square of a sector unmapped or mapped, with one land type.
void SetSector(int sector, bool mapped, int landType) {
    for (int i = 0; i < 16; ++i) {
        SquareOf(sector, i).SetType(landType);
        if (mapped) {
            SquareOf(sector, i).SetVisible();
        }
    }
}

}  // namespace

TEST(EarthMapTest, MapOutlinesFollowWhereEachLineLies) {
    con::ScopedVirtualConsole vc;
    DrawEarthMap(2, 1, 2, true, 15);
    EXPECT_EQ(vc->Picture(2, 1, 49, 20),
              "╔═══════╦═══════╦═══════╦═══════╦═══════╦═══════╗\n"
              "║       ╨       ╨       ╨       ╨       ╨       ║\n"
              "║   I   |   L   |   V   |   O   |   U   |   C   ║\n"
              "║       |       |       |       |       |       ║\n"
              "╠╡------Φ-------Φ-------Φ-------Φ-------Φ------╞╣\n"
              "║       |       |       |       |       |       ║\n"
              "║   M   |   A   |   T   |   B   |   H   |   P   ║\n"
              "║       |       |       |       |       |       ║\n"
              "╠╡------Φ-------Φ-------Φ-------Φ-------Φ------╞╣\n"
              "║       |       |       |       |       |       ║\n"
              "║   Q   |   J   |   W   |   R   |   N   |   F   ║\n"
              "║       |       |       |       |       |       ║\n"
              "╠╡------Φ-------Φ-------Φ-------Φ-------Φ------╞╣\n"
              "║       |       |       |       |       |       ║\n"
              "║   E   |   X   |   D   |   G   |   S   |   K   ║\n"
              "║       ╥       ╥       ╥       ╥       ╥       ║\n"
              "╚═══════╩═══════╩═══════╩═══════╩═══════╩═══════╝\n"
              "                ╓               ╖                \n"
              "                ║ O  R  B  I  T ║                \n"
              "                ╙               ╜                ");
    EXPECT_EQ(vc->AttrAt(2, 1), 2);
    EXPECT_EQ(vc->AttrAt(6, 3), 15);    // a letter
    EXPECT_EQ(vc->AttrAt(18, 18), 2);   // ORBIT's corner
    EXPECT_EQ(vc->AttrAt(20, 19), 15);  // its label
}

TEST(EarthMapTest, EachBoxOnItsOwnKeepsTheGlyphsOfItsPlace) {
    con::ScopedVirtualConsole vc;
    // The top-left and bottom-right sectors drawn apart from the map.
    DrawSectorBoxI(0, 0, 2, 15);
    DrawSectorBoxK(10, 0, 12, 14);
    EXPECT_EQ(vc->Picture(0, 0, 19, 5),
              "╔═══════╦ Φ------╞╣\n"
              "║       ╨ |       ║\n"
              "║   I   | |   K   ║\n"
              "║       | ╥       ║\n"
              "╠╡------Φ ╩═══════╝");
    EXPECT_EQ(vc->AttrAt(0, 0), 2);
    EXPECT_EQ(vc->AttrAt(18, 4), 12);
    EXPECT_EQ(vc->AttrAt(14, 2), 14);
    // A box inside the map: sector T (9) has inner lines all round.
    DrawSectorBoxT(0, 6, 2, 15);
    EXPECT_EQ(vc->Picture(0, 6, 9, 5),
              "Φ-------Φ\n"
              "|       |\n"
              "|   T   |\n"
              "|       |\n"
              "Φ-------Φ");
    // The corner squares of a sector's grid.
    DrawSubSectorBox0(20, 6, 2);
    DrawSubSectorBox15(32, 6, 12);
    EXPECT_EQ(vc->Picture(20, 6, 23, 6),
              "╔═════════╦ ☼--------╞╣\n"
              "║         ╨ |         ║\n"
              "║         | |         ║\n"
              "║         | |         ║\n"
              "║         | ╥         ║\n"
              "╠╡--------☼ ╩═════════╝");
    EXPECT_EQ(vc->AttrAt(42, 11), 12);
    // The dispatch by number reaches the same functions.
    ScreenSnapshot named(*vc);
    DrawSectorBox(24, 10, 0, 12, 14);
    DrawSubSectorBox(0, 20, 6, 2);
    EXPECT_TRUE(ScreenSnapshot(*vc).ChangedFrom(named).empty());
}

TEST(EarthMapTest, WithoutOrbitNothingIsDrawnUnderTheMap) {
    con::ScopedVirtualConsole vc;
    vc->Fill(kMarker, kMarkerAttr);
    DrawEarthMap(2, 1, 2, false, 14);
    for (int x = 0; x < 80; ++x) {
        EXPECT_EQ(vc->ByteAt(x, 18), kMarker) << x;
    }
    EXPECT_EQ(vc->AttrAt(2 + 4, 1 + 2), 14);
}

TEST(EarthMapTest, SubSectorGridHasItsOwnJointsAndCrossings) {
    con::ScopedVirtualConsole vc;
    DrawSubSectorGrid(2, 1, 2);
    EXPECT_EQ(vc->Picture(2, 1, 41, 21),
              "╔═════════╦═════════╦═════════╦═════════╗\n"
              "║         ╨         ╨         ╨         ║\n"
              "║         |         |         |         ║\n"
              "║         |         |         |         ║\n"
              "║         |         |         |         ║\n"
              "╠╡--------☼---------☼---------☼--------╞╣\n"
              "║         |         |         |         ║\n"
              "║         |         |         |         ║\n"
              "║         |         |         |         ║\n"
              "║         |         |         |         ║\n"
              "╠╡--------☼---------☼---------☼--------╞╣\n"
              "║         |         |         |         ║\n"
              "║         |         |         |         ║\n"
              "║         |         |         |         ║\n"
              "║         |         |         |         ║\n"
              "╠╡--------☼---------☼---------☼--------╞╣\n"
              "║         |         |         |         ║\n"
              "║         |         |         |         ║\n"
              "║         |         |         |         ║\n"
              "║         ╥         ╥         ╥         ║\n"
              "╚═════════╩═════════╩═════════╩═════════╝");
}

TEST(EarthMapTest, SectorHighlightRecoloursSharedLinesAndWhitensLetters) {
    con::ScopedVirtualConsole vc;
    DrawEarthMap(2, 1, 2, false, 14);
    MoveSectorHighlight(2, 1, 6, 1);
    MoveSectorHighlight(2, 1, 1, 6);
    // Box 1 red, its letter white; box 6 back to green, letter white.
    EXPECT_EQ(vc->AttrAt(2, 1), 12);
    EXPECT_EQ(vc->AttrAt(10, 5), 12);  // shared corner with boxes 2, 7 and 8
    EXPECT_EQ(vc->AttrAt(6, 3), 15);
    EXPECT_EQ(vc->AttrAt(42, 1), 2);
    EXPECT_EQ(vc->AttrAt(46, 3), 15);
    EXPECT_EQ(vc->AttrAt(14, 3), 14);  // box 2 untouched
}

TEST(EarthMapTest, HighlightMoversSkipPlacesTheyDoNotKnow) {
    con::ScopedVirtualConsole vc;
    DrawEarthMap(15, 1, 2, true, 15);
    MoveSectorHighlight(15, 1, 5, 0);
    ScreenSnapshot before(*vc);
    // The ship's box is not a sector: only box 5 is repainted.
    MoveSectorHighlight(15, 1, kShipBoxCode, 5);
    for (auto [x, y] : ScreenSnapshot(*vc).ChangedFrom(before)) {
        EXPECT_TRUE(x >= 15 + 32 && x <= 15 + 40 && y >= 1 && y <= 5) << x << "," << y;
    }
    EXPECT_EQ(vc->AttrAt(15 + 32, 1), 2);

    ScreenSnapshot still(*vc);
    MoveOrbitHighlight(15, 1, 5, 6);  // neither sits by the ORBIT box
    MoveSectorHighlight(15, 1, 25, -3);
    MoveSubSectorHighlight(2, 1, 16, -1);
    EXPECT_TRUE(ScreenSnapshot(*vc).ChangedFrom(still).empty());
}

TEST(EarthMapTest, OrbitHighlightMovesBetweenTheBoxAndItsFourSectors) {
    con::ScopedVirtualConsole vc;
    DrawEarthMap(15, 1, 2, true, 15);
    MoveOrbitHighlight(15, 1, kShipBoxCode, 3);
    EXPECT_EQ(vc->AttrAt(15 + 16, 18), 12);
    EXPECT_EQ(vc->AttrAt(15 + 32, 20), 12);
    EXPECT_EQ(vc->AttrAt(15 + 17, 19), 15);  // the label stays white
    EXPECT_EQ(vc->AttrAt(15 + 16, 1), 2);    // box 3 plain
    MoveOrbitHighlight(15, 1, 22, kShipBoxCode);
    EXPECT_EQ(vc->AttrAt(15 + 16, 18), 2);
    EXPECT_EQ(vc->AttrAt(15 + 24, 13), 12);  // box 22's corner
    EXPECT_EQ(vc->ByteAt(15 + 28, 15), 'G');
}

TEST(EarthMapTest, SubSectorHighlightMovesBetweenBoxes) {
    con::ScopedVirtualConsole vc;
    DrawSubSectorGrid(2, 1, 2);
    MoveSubSectorHighlight(2, 1, 5, 0);
    EXPECT_EQ(vc->AttrAt(2, 1), 2);
    EXPECT_EQ(vc->AttrAt(12, 6), 12);  // box 5's corner
    EXPECT_EQ(vc->AttrAt(22, 11), 12);
    EXPECT_EQ(vc->ByteAt(12, 6), 15);  // a crossing keeps its glyph
}

TEST(EarthMapTest, MiniMapShowsMappedSquaresInTheirPlaces) {
    con::ScopedVirtualConsole vc;
    vc->Fill(kMarker, kMarkerAttr);
    SetSector(1, false, 0);
    DrawSectorMiniMap(1, 3, 2);
    // Nothing mapped: a blank inside around the untouched letter cell.
    EXPECT_EQ(vc->Picture(3, 2, 7, 3), "       \n   ☺   \n       ");
    EXPECT_EQ(vc->AttrAt(3, 2), 15);

    MapSquare(1, 8, SubSector::kCity);
    SquareOf(1, 3).SetVisible();  // Farm Land in a one-cell place
    MapSquare(1, 15, SubSector::kDesert);
    DrawSectorMiniMap(1, 3, 2);
    EXPECT_EQ(vc->Picture(3, 2, 7, 3), "      ▓\n╬╗ ☺   \n      ‼");
    EXPECT_EQ(vc->AttrAt(3, 3), 128);
    EXPECT_EQ(vc->AttrAt(9, 4), 104);

    MapSquare(1, 4, SubSector::kMountains);  // the upper square wins the shared row
    DrawSectorMiniMap(1, 3, 2);
    EXPECT_EQ(vc->Text(3, 3, 5), "⌂▲");
    EXPECT_EQ(vc->AttrAt(4, 3), 135);
}

TEST(EarthMapTest, TerrainGlyphsByLandType) {
    con::ScopedVirtualConsole vc;
    for (int type = 0; type < 8; ++type) {
        DrawTerrainGlyph(type, 1, 2 * type, 0);
    }
    EXPECT_EQ(vc->Text(0, 0, 16), "▓▒╬╗≡≡⌂▲‼‼@§░▒░▒");
    EXPECT_EQ(vc->Attributes(0, 0, 16, 1), "32 32 128 128 96 96 135 135 104 104 32 38 8 8 10 10");
    DrawTerrainGlyph(5, 0, 0, 1);
    EXPECT_EQ(vc->Text(1, 0, 2), "@ ");
}

TEST(EarthMapTest, UnknownLandTypeTextStopsAtTheScreenEdge) {
    con::ScopedVirtualConsole vc;
    vc->Fill(kMarker, kMarkerAttr);
    // Sector 6's top-right place on the navigation map sits at column 62.
    MapSquare(6, 3, 9);
    DrawSectorMiniMap(6, 56, 2);
    EXPECT_EQ(vc->Text(2, 62, 80), "sUX0Rz! U'v3 3nC0u");
    EXPECT_EQ(vc->AttrAt(79, 2), 14);
    EXPECT_EQ(vc->ByteAt(0, 3), kMarker);  // nothing wrapped onto the next row
    EXPECT_EQ(vc->DroppedWrites(), 0);
    DrawTerrainGlyph(-1, 0, 70, 24);
    EXPECT_EQ(vc->Text(24, 70, 80), "sUX0Rz! U'");
    EXPECT_EQ(vc->DroppedWrites(), 0);
}

TEST(EarthMapTest, MarkersSurroundTheLetterOrTheOrbitLabel) {
    con::ScopedVirtualConsole vc;
    DrawEarthMap(15, 1, 2, true, 15);
    DrawLocationMarker(15, 1, 8, 14);
    EXPECT_EQ(vc->Picture(15 + 8 + 3, 1 + 4 + 1, 3, 3), " ▲ \n◄A►\n ▼ ");
    EXPECT_EQ(vc->AttrAt(15 + 8 + 4, 1 + 4 + 1), 14);
    DrawLocationMarker(15, 1, 0, 13);
    EXPECT_EQ(vc->Picture(15 + 16, 18, 17, 3),
              "╓ ▲  ▲  ▲  ▲  ▲ ╖\n"
              "║ O  R  B  I  T ║\n"
              "╙ ▼  ▼  ▼  ▼  ▼ ╜");
    EXPECT_EQ(vc->AttrAt(15 + 18, 20), 13);

    DrawLocationMarker(15, 1, kShipBoxCode, 0);  // erases itself
    EXPECT_EQ(vc->AttrAt(15 + 18, 18), 0);
    ScreenSnapshot before(*vc);
    DrawLocationMarker(15, 1, 25, 14);
    DrawLocationMarker(15, 1, -1, 14);
    EXPECT_TRUE(ScreenSnapshot(*vc).ChangedFrom(before).empty());
}

TEST(EarthMapTest, SubSectorTilesShowMappedLandOrTheQuestionMark) {
    con::ScopedVirtualConsole vc;
    SetSector(2, false, SubSector::kFarmLand);
    MapSquare(2, 5, SubSector::kRubble);
    DrawSubSectorTiles(2, 3, 2);
    EXPECT_EQ(vc->Picture(3, 2, 9, 4), "  ▄▀▀▀▄  \n ▀     █ \n    ▄▀▀  \n    ▄    ");
    EXPECT_EQ(vc->Picture(13, 7, 9, 4), " ▒░▒▓▒░▒ \n▒░▒▓█▓▒░▒\n▒░▒▓█▓▒░▒\n ▒░▒▓▒░▒ ");
    EXPECT_EQ(vc->AttrAt(13, 7), 104);
    ScreenSnapshot before(*vc);
    DrawSubSectorTile(2, 16, 3, 2);
    DrawSubSectorTile(0, 0, 3, 2);
    EXPECT_TRUE(ScreenSnapshot(*vc).ChangedFrom(before).empty());
}

TEST(EarthMapFieldsTest, SectorFieldWipesOrbit) {
    con::ScopedVirtualConsole vc;
    ShowSectorField(3, 19, true, 15, 14, kShipBoxCode);
    EXPECT_EQ(vc->Text(19, 3, 16), "Sector: Orbit");
    ShowSectorField(3, 19, true, 15, 14, 12);
    EXPECT_EQ(vc->Text(19, 3, 16), "Sector: P    ");
    EXPECT_EQ(vc->AttrAt(3, 19), 15);
    EXPECT_EQ(vc->AttrAt(11, 19), 14);
    ShowSectorField(3, 20, false, 15, 14, 0);
    EXPECT_EQ(vc->Text(20, 3, 16), "        Orbit");
}

TEST(EarthMapFieldsTest, TerrainAndSquarePopulation) {
    con::ScopedVirtualConsole vc;
    SubSector& square = SquareOf(3, 6);
    square.SetType(SubSector::kWasteland);
    ShowTerrainField(45, 2, true, 12, 14, 6, 3);
    ShowSubSectorPopField(45, 3, true, 12, 14, 6, 3);
    EXPECT_EQ(vc->Text(2, 45, 56), "Sector: ???");
    EXPECT_EQ(vc->Text(3, 45, 65), "Known Enemy Pop: ???");

    square.SetVisible();
    square.AddPopulation(1234567 - static_cast<int>(square.GetPopulation()));
    square.AddMilitary(10000 - static_cast<int>(square.GetMilitary()));
    ShowTerrainField(45, 2, true, 12, 14, 6, 3);
    ShowSubSectorPopField(45, 3, true, 12, 14, 6, 3);
    EXPECT_EQ(vc->Text(2, 45, 70), "Sector: Nuclear Wasteland");
    EXPECT_EQ(vc->Text(3, 45, 75), "Known Enemy Pop: 1,244,567    ");
    EXPECT_EQ(vc->AttrAt(45, 3), 12);
    EXPECT_EQ(vc->AttrAt(62, 3), 14);

    square.SetType(8);
    ShowTerrainField(45, 4, true, 12, 14, 6, 3);
    EXPECT_EQ(vc->Text(4, 45, 73), "Sector: ERROR ERROR icecream");
}

TEST(EarthMapFieldsTest, BunkerFieldLeavesNoStrayLetter) {
    con::ScopedVirtualConsole vc;
    Bunker& bunker = BunkerOf(4);
    bunker.SetVisible(true);
    ShowBunkerField(2, 20, true, 12, 14, 4);
    EXPECT_EQ(vc->Text(20, 2, 29), "Bunker Placed:          Yes");
    bunker.SetVisible(false);
    ShowBunkerField(2, 20, true, 12, 14, 4);
    EXPECT_EQ(vc->Text(20, 2, 29), "Bunker Placed:          No ");
}

TEST(EarthMapFieldsTest, FieldsRefusePlacesOffTheMap) {
    con::ScopedVirtualConsole vc;
    vc->Fill(kMarker, kMarkerAttr);
    ScreenSnapshot before(*vc);
    ShowSectorField(2, 2, true, 12, 14, 25);
    ShowSectorField(2, 2, true, 12, 14, -1);
    ShowTerrainField(2, 2, true, 12, 14, 16, 1);
    ShowTerrainField(2, 2, true, 12, 14, -1, 1);
    ShowTerrainField(2, 2, true, 12, 14, 0, 0);
    ShowSubSectorPopField(2, 2, true, 12, 14, 0, 25);
    ShowSectorPopField(2, 2, true, 12, 14, 0);
    ShowBunkerField(2, 2, true, 12, 14, 406);
    DrawSectorMiniMap(0, 2, 2);
    DrawSectorBox(25, 2, 2, 2, 15);
    DrawSubSectorBox(16, 2, 2, 2);
    ShowTravelField(2, 2, 30);
    EXPECT_TRUE(ScreenSnapshot(*vc).ChangedFrom(before).empty());
}

TEST(TripEstimateTest, OneSquareADayAndOrbitTripsCostTenThousand) {
    TripEstimate trip{};
    ASSERT_TRUE(EstimateTrip(1, 24, trip));
    EXPECT_EQ(trip.days, 5);
    EXPECT_EQ(trip.fuel, 5000);
    ASSERT_TRUE(EstimateTrip(8, 8, trip));
    EXPECT_EQ(trip.days, 0);
    EXPECT_EQ(trip.fuel, 0);
    ASSERT_TRUE(EstimateTrip(19, 2, trip));  // three rows and one column: diagonals count once
    EXPECT_EQ(trip.days, 3);
    ASSERT_TRUE(EstimateTrip(0, 13, trip));
    EXPECT_EQ(trip.days, 1);
    EXPECT_EQ(trip.fuel, 10000);
    ASSERT_TRUE(EstimateTrip(5, kShipBoxCode, trip));
    EXPECT_EQ(trip.fuel, 10000);
    ASSERT_TRUE(EstimateTrip(0, 0, trip));
    EXPECT_EQ(trip.days, 1);
    EXPECT_FALSE(EstimateTrip(25, 1, trip));
    EXPECT_FALSE(EstimateTrip(1, -2, trip));
}

TEST(TripEstimateTest, TravelFieldShowsTheEstimateFromTheShip) {
    con::ScopedVirtualConsole vc;
    ShowTravelField(3, 20, 7);  // from orbit
    EXPECT_EQ(vc->Picture(3, 20, 17, 2), "ETA: 1           \nFuel Req: 10,000 ");
    PlaceShipAbove(1);
    ShowTravelField(3, 20, 24);
    EXPECT_EQ(vc->Picture(3, 20, 17, 2), "ETA: 5           \nFuel Req: 5,000  ");
    EXPECT_EQ(vc->AttrAt(3, 20), 15);
    EXPECT_EQ(vc->AttrAt(8, 20), 14);
    EXPECT_EQ(vc->AttrAt(13, 21), 14);
    ShowTravelField(3, 20, kShipBoxCode);
    EXPECT_EQ(vc->Picture(3, 20, 17, 2), "ETA: 1           \nFuel Req: 10,000 ");
    ShowTravelField(3, 20, 1);
    EXPECT_EQ(vc->Picture(3, 20, 17, 2), "ETA: 0           \nFuel Req: 0      ");
}
