#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

#include "tests/art/PictureTestSupport.h"

#include "game/art/GroundPictures.h"
#include "game/screens/EarthMapWidgets.h"
#include "game/world/GameRandom.h"
#include "game/world/Globals.h"
#include "platform/VirtualConsole.h"

namespace {

using namespace picture_test;

using DrawFn = void (*)(int, int);

// What a picture does: the cells it covers (exactly, or as the box its shape
// fills), the colours and the glyph bytes it uses, every one of them.
struct PictureRule {
    char const* name;
    DrawFn draw;
    int x;
    int y;
    Cells cells;
    bool exactCells;  // false: a shape within the box that reaches each of its edges
    std::set<int> colours;
    std::set<int> glyphs;  // besides blanks
    bool printable;        // printable characters allowed as well
};

// Tile origin of the sub-sector grid's first box and the view screen's corner.
constexpr int kTx = 3, kTy = 2;
constexpr int kVx = 45, kVy = 5;

Cells TileCells(int x, int y) { return Rect(x, y, x + 8, y + 3); }
Cells ViewCells(int dx0, int dy0, int dx1, int dy1) {
    return Rect(kVx + dx0, kVy + dy0, kVx + dx1, kVy + dy1);
}

Cells FrameRing() {
    return Join(
        {ViewCells(0, 0, 30, 0), ViewCells(0, 16, 30, 16), ViewCells(0, 1, 0, 15), ViewCells(30, 1, 30, 15)});
}

// clang-format off
std::vector<PictureRule> Rules() {
    std::set<int> const shades = {176, 177, 178};
    return {
        {"FarmTile", FarmTile, kTx, kTy, TileCells(kTx, kTy), true,
         {32, 36, 38}, {127, 176, 178, 179, 217, 218}, false},
        {"CityTile", CityTile, kTx, kTy, TileCells(kTx, kTy), true,
         {112, 120, 126, 127}, {127, 176, 178, 179, 182, 186, 196, 204, 205, 207, 209}, false},
        {"BaseTile", BaseTile, kTx, kTy, TileCells(kTx, kTy), true,
         {96, 98, 111, 112, 120}, {176, 179, 250}, false},
        {"MtnTile", MtnTile, kTx, kTy, TileCells(kTx, kTy), true,
         {2, 7, 114, 120, 127}, {30, 176, 177, 178}, false},
        {"DesertTile", DesertTile, kTx, kTy, TileCells(kTx, kTy), true, {96, 108, 110}, shades, false},
        {"FarmTile2", FarmTile2, kTx, kTy, TileCells(kTx, kTy), true,
         {32, 36, 38}, {127, 176, 178, 179, 217, 218, 15, 157, 158, 232, 237, 244, 245}, false},
        {"RubbleTile", RubbleTile, kTx, kTy, TileCells(kTx, kTy), true,
         {104, 112}, {176, 177, 178, 219}, false},
        {"UnknownTile", UnknownTile, kTx, kTy, TileCells(kTx, kTy), true, {14}, {219, 220, 223}, false},

        {"ViewScreenStars", ViewScreenStars, kVx, kVy, Join({FrameRing(), ViewCells(1, 1, 29, 9)}), true,
         {14, 15}, {176}, true},
        {"DestroyFarm", DestroyFarm, kVx, kVy, ViewCells(1, 10, 29, 15), true,
         {1, 4, 6, 14, 15, 78, 135}, {176, 177, 178, 216, 219, 254}, true},
        {"DestroyCity", DestroyCity, kVx, kVy, ViewCells(1, 9, 29, 14), true,
         {1, 2, 4, 6, 8, 14, 46, 96, 112, 120, 126, 135},
         {5, 178, 184, 185, 186, 187, 188, 197, 200, 201, 202, 203, 204, 205, 213, 219, 240, 254}, true},
        {"DestroyBase", DestroyBase, kVx, kVy, ViewCells(1, 10, 29, 15), true,
         {1, 6, 7, 14, 15, 120, 135}, {176, 177, 178, 186, 187, 201, 205, 215, 219, 254}, true},
        {"DestroyMtn", DestroyMtn, kVx, kVy, ViewCells(1, 10, 29, 15), true,
         {7, 10, 15, 19, 32, 33, 42, 46}, {5, 6, 24, 177}, true},
        {"DestroyDesert", DestroyDesert, kVx, kVy, ViewCells(1, 10, 29, 15), true,
         {2, 110}, {177, 186, 189, 211}, true},
        {"DestroyRubble", DestroyRubble, kVx, kVy, ViewCells(1, 10, 29, 15), true,
         {8, 15, 135}, {177, 178}, true},
        {"DestroyNuke", DestroyNuke, kVx, kVy, ViewCells(1, 10, 29, 15), true,
         {2, 8, 15, 42, 135}, {177, 178}, true},

        {"BeamSegment", BeamSegment, kVx, kVy, ViewCells(13, 1, 15, 1), true, {19, 59}, {176, 177}, false},
        {"EraseBeamSegment", EraseBeamSegment, kVx, kVy, ViewCells(13, 1, 16, 1), true, {15}, {}, false},
        {"ImpactFrame1", ImpactFrame1, kVx, kVy, ViewCells(4, 11, 25, 15), false,
         {1, 15, 19, 59}, shades, false},
        {"ImpactFrame2", ImpactFrame2, kVx, kVy, ViewCells(2, 11, 27, 15), false,
         {1, 15, 19, 59}, shades, false},
        {"ImpactFrame3", ImpactFrame3, kVx, kVy, ViewCells(1, 10, 29, 15), false,
         {1, 15, 19, 27, 59}, {177, 178}, false},
        {"AftermathScene", AftermathScene, kVx, kVy, ViewCells(1, 10, 29, 15), true,
         {4, 8, 14, 15}, {177, 220, 223, 252}, true},
        {"ChargeFrame1", ChargeFrame1, kVx, kVy, ViewCells(1, 1, 29, 15), true, {15}, shades, false},
        {"ChargeFrame2", ChargeFrame2, kVx, kVy, ViewCells(1, 1, 29, 15), true, {15}, shades, false},
        {"ChargeFrame3", ChargeFrame3, kVx, kVy, ViewCells(1, 1, 29, 15), true, {15}, shades, false},
    };
}
// clang-format on

TEST(GroundPictures, EachDrawsOnlyItsCellsInAllItsColoursAndGlyphs) {
    for (PictureRule const& rule : Rules()) {
        SCOPED_TRACE(rule.name);
        con::ScopedVirtualConsole vc;
        FillWithMarker(*vc);
        rule.draw(rule.x, rule.y);
        Cells const changed = ChangedCells(*vc);
        if (rule.exactCells) {
            EXPECT_EQ(changed, rule.cells) << "outside:" << Describe(Minus(changed, rule.cells))
                                           << "\nmissing:" << Describe(Minus(rule.cells, changed));
        } else {
            EXPECT_TRUE(Minus(changed, rule.cells).empty())
                << "outside:" << Describe(Minus(changed, rule.cells));
            EXPECT_EQ(BoundingBox(changed), rule.cells) << "the shape reaches every edge of its box";
        }
        std::set<int> colours;
        std::set<int> glyphs;
        for (auto [x, y] : changed) {
            int const byte = vc->ByteAt(x, y);
            bool const printable = byte >= ' ' && byte < 127;
            EXPECT_TRUE(byte == ' ' || rule.glyphs.contains(byte) || (rule.printable && printable))
                << "glyph " << byte << " at (" << x << "," << y << ")";
            if (!printable) {
                glyphs.insert(byte);
            }
            colours.insert(vc->AttrAt(x, y));
        }
        EXPECT_EQ(colours, rule.colours);
        EXPECT_EQ(glyphs, rule.glyphs);
    }
}

TEST(GroundPictures, UnknownAndRubbleTilesAreDrawnAsGiven) {
    con::ScopedVirtualConsole vc;
    FillWithMarker(*vc);
    UnknownTile(10, 3);
    EXPECT_EQ(vc->Picture(9, 3, 11, 4),
              "☺  ▄▀▀▀▄  ☺\n"
              "☺ ▀     █ ☺\n"
              "☺    ▄▀▀  ☺\n"
              "☺    ▄    ☺");
    EXPECT_EQ(vc->Attributes(10, 3, 9, 1), "14 14 14 14 14 14 14 14 14");

    RubbleTile(30, 10);
    EXPECT_EQ(vc->Picture(30, 10, 9, 4),
              " ▒░▒▓▒░▒ \n"
              "▒░▒▓█▓▒░▒\n"
              "▒░▒▓█▓▒░▒\n"
              " ▒░▒▓▒░▒ ");
    EXPECT_EQ(vc->Attributes(30, 10, 9, 4),
              "104 104 112 112 112 112 112 104 104\n"
              "104 112 112 112 112 112 112 112 104\n"
              "104 112 112 112 112 112 112 112 104\n"
              "104 104 112 112 112 112 112 104 104");
}

TEST(GroundPictures, BlastFramesGrowADiamondThatLeavesTheTileEdges) {
    con::ScopedVirtualConsole vc;
    FillWithMarker(*vc);
    BlastFrame1(0, 0);
    EXPECT_EQ(vc->Picture(0, 0, 9, 4),
              "☺☺☺☺☺☺☺☺☺\n"
              "☺☺☺☺█☺☺☺☺\n"
              "☺☺☺☺█☺☺☺☺\n"
              "☺☺☺☺☺☺☺☺☺");
    FillWithMarker(*vc);
    BlastFrame2(0, 0);
    EXPECT_EQ(vc->Picture(0, 0, 9, 4),
              "☺☺☺☺▓☺☺☺☺\n"
              "☺☺☺▓█▓☺☺☺\n"
              "☺☺☺▓█▓☺☺☺\n"
              "☺☺☺☺▓☺☺☺☺");
    FillWithMarker(*vc);
    BlastFrame3(0, 0);
    EXPECT_EQ(vc->Picture(0, 0, 9, 4),
              "☺☺☺▒▓▒☺☺☺\n"
              "☺☺▒▓█▓▒☺☺\n"
              "☺☺▒▓█▓▒☺☺\n"
              "☺☺☺▒▓▒☺☺☺");

    FillWithMarker(*vc);
    BlastFrame4(0, 0);
    EXPECT_EQ(vc->Picture(0, 0, 9, 4),
              "☺☺░▒▓▒░☺☺\n"
              "☺░▒▓█▓▒░☺\n"
              "☺░▒▓█▓▒░☺\n"
              "☺☺░▒▓▒░☺☺");
    EXPECT_EQ(vc->AttrAt(1, 1), 112);
    EXPECT_EQ(vc->AttrAt(4, 2), 112);
}

TEST(GroundPictures, TheShotOverATileKeepsItsEdgesAndCorners) {
    con::ScopedVirtualConsole vc;
    FillWithMarker(*vc);
    FarmTile(20, 5);
    uint8_t bytes[4][9];
    uint16_t attrs[4][9];
    for (int dy = 0; dy < 4; ++dy) {
        for (int dx = 0; dx < 9; ++dx) {
            bytes[dy][dx] = vc->ByteAt(20 + dx, 5 + dy);
            attrs[dy][dx] = vc->AttrAt(20 + dx, 5 + dy);
        }
    }
    BlastFrame1(20, 5);
    BlastFrame2(20, 5);
    BlastFrame3(20, 5);
    BlastFrame4(20, 5);
    EXPECT_EQ(ChangedCells(*vc), TileCells(20, 5)) << "no frame draws outside the tile";
    for (int dy = 0; dy < 4; ++dy) {
        for (int dx = 0; dx < 9; ++dx) {
            bool const diamond = (dy == 0 || dy == 3) ? (dx >= 2 && dx <= 6) : (dx >= 1 && dx <= 7);
            if (diamond) {
                EXPECT_EQ(vc->AttrAt(20 + dx, 5 + dy), 112) << dx << "," << dy;
            } else {
                EXPECT_EQ(vc->ByteAt(20 + dx, 5 + dy), bytes[dy][dx]) << dx << "," << dy;
                EXPECT_EQ(vc->AttrAt(20 + dx, 5 + dy), attrs[dy][dx]) << dx << "," << dy;
            }
        }
    }
}

// Draws scripted so that cell i of the tile gets the draw values[i].
std::vector<int> NukeScript() {
    std::vector<int> values;
    for (int i = 0; i < 36; ++i) {
        values.push_back(i * 5 + 3);  // (i * 5 + 3) mod 7 runs through every r
    }
    return values;
}

TEST(NukeTile, EachCellTakesItsColourFromItsOwnDraw) {
    con::ScopedVirtualConsole vc;
    FillWithMarker(*vc);
    std::vector<int> const script = NukeScript();
    ScriptGameRand(script);
    std::size_t const drawsBefore = GameRandDraws();
    NukeTile(kTx, kTy);
    EXPECT_EQ(GameRandDraws() - drawsBefore, 36u) << "one draw per cell";
    int const colourFor[7] = {112, 96, 118, 106, 112, 96, 118};
    std::set<int> seen;
    for (int dy = 0; dy < 4; ++dy) {
        for (int dx = 0; dx < 9; ++dx) {
            int const draw = script[static_cast<std::size_t>(dy * 9 + dx)];
            EXPECT_EQ(vc->ByteAt(kTx + dx, kTy + dy), 178);
            EXPECT_EQ(vc->AttrAt(kTx + dx, kTy + dy), colourFor[draw % 7]) << dx << "," << dy;
            seen.insert(vc->AttrAt(kTx + dx, kTy + dy));
        }
    }
    EXPECT_EQ(seen, (std::set<int>{96, 106, 112, 118})) << "only its four colours, all of them";
    EXPECT_EQ(ChangedCells(*vc), TileCells(kTx, kTy));
}

TEST(NukeTile, TheSameDrawsGiveTheSamePictureAndNewDrawsANewOne) {
    con::ScopedVirtualConsole vc;
    ScriptGameRand(NukeScript());
    NukeTile(0, 0);
    std::string const first = vc->Attributes(0, 0, 9, 4);
    ScriptGameRand(NukeScript());
    NukeTile(0, 0);
    EXPECT_EQ(vc->Attributes(0, 0, 9, 4), first);

    std::vector<int> shifted = NukeScript();
    for (int& v : shifted) {
        v += 1;
    }
    ScriptGameRand(shifted);
    NukeTile(0, 0);
    EXPECT_NE(vc->Attributes(0, 0, 9, 4), first);
}

TEST(NukeTile, TheTwinDrawsSixWaysInItsOwnColours) {
    con::ScopedVirtualConsole vc;
    FillWithMarker(*vc);
    std::vector<int> script;
    for (int i = 0; i < 36; ++i) {
        script.push_back(i);
    }
    ScriptGameRand(script);
    NukeTile2(5, 5);
    int const colourFor[6] = {112, 96, 118, 118, 112, 96};
    for (int i = 0; i < 36; ++i) {
        EXPECT_EQ(vc->AttrAt(5 + i % 9, 5 + i / 9), colourFor[i % 6]) << i;
    }
    EXPECT_EQ(ChangedCells(*vc), TileCells(5, 5));
}

TEST(DrawLandTile, DrawsTheTileOfEachLandTypeAndNothingForOthers) {
    con::ScopedVirtualConsole vc;
    DrawFn const tiles[] = {FarmTile, CityTile, BaseTile, MtnTile, DesertTile, FarmTile2, RubbleTile};
    for (int type = 0; type < 7; ++type) {
        FillWithMarker(*vc);
        tiles[type](0, 0);
        std::string const expected = vc->Picture(0, 0, 9, 4) + vc->Attributes(0, 0, 9, 4);
        FillWithMarker(*vc);
        EXPECT_TRUE(DrawLandTile(type, 0, 0));
        EXPECT_EQ(vc->Picture(0, 0, 9, 4) + vc->Attributes(0, 0, 9, 4), expected) << type;
    }
    FillWithMarker(*vc);
    ScriptGameRand(NukeScript());
    EXPECT_TRUE(DrawLandTile(7, 0, 0));
    EXPECT_EQ(vc->ByteAt(8, 3), 178) << "Nuclear Wasteland";
    for (int type : {8, -1, 99}) {
        FillWithMarker(*vc);
        EXPECT_FALSE(DrawLandTile(type, 0, 0));
        EXPECT_TRUE(ChangedCells(*vc).empty()) << type;
    }
}

TEST(TerrainTiles, AGridOfSixteenTilesSpansThirtyNineColumnsAndNineteenRows) {
    Sector& sector = *Globals::GetMap()->GetSector(7);
    for (int i = 0; i < 16; ++i) {
        sector.GetSubSector(i)->SetType(i % 8);  // every land type, twice
        if (i % 3 != 0) {
            sector.GetSubSector(i)->SetVisible();
        }
    }
    con::ScopedVirtualConsole vc;
    FillWithMarker(*vc);
    constexpr int gx = 20, gy = 3;
    DrawSubSectorTiles(7, gx, gy);
    Cells tiles;
    for (int i = 0; i < 16; ++i) {
        tiles = Join({tiles, TileCells(gx + 10 * (i % 4), gy + 5 * (i / 4))});
    }
    EXPECT_EQ(ChangedCells(*vc), tiles) << "one blank column and one blank row between tiles";
    EXPECT_EQ(BoundingBox(tiles), Rect(gx, gy, gx + 38, gy + 18));
    EXPECT_EQ(vc->Picture(gx, gy, 9, 4), "  ▄▀▀▀▄  \n ▀     █ \n    ▄▀▀  \n    ▄    ") << "square 0 unmapped";
}

TEST(TerrainTiles, EachLandTypeLooksDifferent) {
    con::ScopedVirtualConsole vc;
    std::set<std::string> looks;
    for (int type : {0, 1, 2, 3, 4, 5, 6}) {
        DrawLandTile(type, 0, 0);
        looks.insert(vc->Picture(0, 0, 9, 4) + vc->Attributes(0, 0, 9, 4));
    }
    EXPECT_EQ(looks.size(), 7u);
}

}  // namespace
