#include "game/screens/EarthMapWidgets.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "game/art/GroundPictures.h"
#include "game/ui/Glyphs.h"
#include "game/ui/GuiFunctions.h"
#include "game/world/Globals.h"
#include "game/world/Saturate.h"
#include "game/world/SillyString.h"
#include "platform/Console.h"

namespace {

// ---- Printing that stays on the screen ---------------------------------------
// The console wraps a text that reaches past the last column onto the next
// row; every widget prints through this, which cuts it at the edge instead.
void PrintInside(char const* text, int x, int y, int colour) {
    if (y < 0 || y >= con::kRows || x >= con::kColumns) {
        return;
    }
    int length = static_cast<int>(std::strlen(text));
    if (x < 0) {
        int const skip = std::min(-x, length);
        text += skip;
        length -= skip;
        x = 0;
    }
    length = std::min(length, con::kColumns - x);
    if (length <= 0) {
        return;
    }
    char line[con::kColumns + 1];
    std::memcpy(line, text, static_cast<std::size_t>(length));
    line[length] = '\0';
    PrintAt(line, x, y, colour);
}

void PrintInside(char glyph, int x, int y, int colour) {
    char const text[2] = {glyph, '\0'};
    PrintInside(text, x, y, colour);
}

using namespace glyph;

// ---- Box outlines ------------------------------------------------------------
// A lattice of boxes sharing their outlines. The glyph of every line cell
// follows from where it lies on the whole lattice: double lines outside,
// single inner lines with their own joints to the outside and at crossings.
struct Lattice {
    int stepX;  // columns from one box's corner to the next
    int stepY;
    int boxesAcross;
    int boxesDown;
    char crossing;  // where two inner lines cross

    int Width() const { return stepX * boxesAcross + 1; }
    int Height() const { return stepY * boxesDown + 1; }

    char GlyphAt(int c, int r) const {
        int const right = Width() - 1;
        int const bottom = Height() - 1;
        bool const innerColumn = c % stepX == 0 && c != 0 && c != right;
        bool const innerRow = r % stepY == 0 && r != 0 && r != bottom;
        if (r == 0) {
            return c == 0        ? kDoubleTopLeft
                   : c == right  ? kDoubleTopRight
                   : innerColumn ? kDoubleTeeDown
                                 : kDoubleHorizontal;
        }
        if (r == bottom) {
            return c == 0        ? kDoubleBottomLeft
                   : c == right  ? kDoubleBottomRight
                   : innerColumn ? kDoubleTeeUp
                                 : kDoubleHorizontal;
        }
        if (innerRow) {
            if (c == 0) {
                return kDoubleTeeRight;
            }
            if (c == 1) {
                return kSingleVerticalDoubleLeft;
            }
            if (c == right - 1) {
                return kSingleVerticalDoubleRight;
            }
            if (c == right) {
                return kDoubleTeeLeft;
            }
            return innerColumn ? crossing : '-';
        }
        if (c == 0 || c == right) {
            return kDoubleVertical;
        }
        if (innerColumn) {
            return r == 1 ? kDoubleUpSingleHorizontal : r == bottom - 1 ? kDoubleDownSingleHorizontal : '|';
        }
        return ' ';
    }

    // The box at lattice column bc, row br with its corner at (x, y): its top
    // line, its side cells row by row (left, then the letter on the middle
    // row, then right), its bottom line.
    void DrawBox(int bc, int br, int x, int y, int colour, char letter, int letterColour) const {
        int const c0 = bc * stepX;
        int const r0 = br * stepY;
        char line[con::kColumns + 1];
        int const length = std::min(stepX + 1, con::kColumns);
        for (int dx = 0; dx < length; ++dx) {
            line[dx] = GlyphAt(c0 + dx, r0);
        }
        line[length] = '\0';
        PrintInside(line, x, y, colour);
        for (int dy = 1; dy < stepY; ++dy) {
            PrintInside(GlyphAt(c0, r0 + dy), x, y + dy, colour);
            if (letter != '\0' && dy == stepY / 2) {
                PrintInside(letter, x + stepX / 2, y + dy, letterColour);
            }
            PrintInside(GlyphAt(c0 + stepX, r0 + dy), x + stepX, y + dy, colour);
        }
        for (int dx = 0; dx < length; ++dx) {
            line[dx] = GlyphAt(c0 + dx, r0 + stepY);
        }
        PrintInside(line, x, y + stepY, colour);
    }
};

constexpr Lattice kSectorLattice{8, 4, 6, 4, kPhi};
constexpr Lattice kSubSectorLattice{10, 5, 4, 4, kSun};

// The sector numbered n, or null outside 1-24.
Sector* SectorAt(int sector) { return IsSector(sector) ? Globals::GetMap()->GetSector(sector, -1) : nullptr; }

SubSector* SquareAt(int sector, int index) {
    Sector* const place = SectorAt(sector);
    return place != nullptr && IsSubSector(index) ? place->GetSubSector(index, -1) : nullptr;
}

// ---- Mini-map --------------------------------------------------------------
// The inside of a sector box holds a place per square; the two middle rows of
// squares share the middle row, the upper square first.
struct MiniPlace {
    int dx;
    int dy;
    int square;
    int fallback;  // the lower square shown when the upper is unmapped; -1 none
    int twoCells;
};

constexpr MiniPlace kMiniPlaces[] = {
    {0, 0, 0, -1, 1},  {2, 0, 1, -1, 1},  {4, 0, 2, -1, 1},  {6, 0, 3, -1, 0},
    {0, 1, 4, 8, 1},   {2, 1, 5, 9, 0},   {4, 1, 6, 10, 1},  {6, 1, 7, 11, 0},
    {0, 2, 12, -1, 1}, {2, 2, 13, -1, 1}, {4, 2, 14, -1, 1}, {6, 2, 15, -1, 0},
};

struct TerrainGlyph {
    char first;
    int firstColour;
    char second;
    int secondColour;
};

constexpr TerrainGlyph kTerrainGlyphs[] = {
    {kDarkShade, 32, kMediumShade, 32},                  // Farm Land
    {kDoubleCross, 128, kDoubleTopRight, 128},           // City
    {kTripleBar, 96, kTripleBar, 96},                    // Military Base
    {kHouse, 135, kPointerUp, 135},                      // Mountains
    {kDoubleExclamation, 104, kDoubleExclamation, 104},  // Desert
    {'@', 32, kSection, 38},                             // the second Farm Land
    {kLightShade, 8, kMediumShade, 8},                   // Rubble
    {kLightShade, 10, kMediumShade, 10},                 // Nuclear Wasteland
};
constexpr int kLandTypes = static_cast<int>(std::size(kTerrainGlyphs));

constexpr char const* kLandNames[kLandTypes] = {
    "Farm Land", "City", "Military Base", "Mountains", "Desert", "Farm Land", "Rubble", "Nuclear Wasteland"};

// ---- Fields ----------------------------------------------------------------
void ShowField(int x, int y, bool withLabel, int labelColour, char const* label, int valueColumn,
               int valueColour, char const* value) {
    if (withLabel) {
        PrintInside(label, x, y, labelColour);
    }
    PrintInside(value, valueColumn, y, valueColour);
}

// A count as a left-aligned number of 13 columns with thousands commas.
void CountText(double count, char (&text)[14]) {
    NumberToText(ClampToInt(count), text, true, 13);
    CleanNumberText(text, 13);
}

}  // namespace

bool IsSector(int location) { return location >= kFirstSector && location <= kLastSector; }
bool IsSubSector(int index) { return index >= 0 && index < kSubSectors; }
bool IsShipPlace(int location) { return location == 0 || location == kShipBoxCode; }

int SectorBoxX(int mapX, int sector) { return mapX + kSectorLattice.stepX * ((sector - 1) % Map::kColumns); }
int SectorBoxY(int mapY, int sector) { return mapY + kSectorLattice.stepY * ((sector - 1) / Map::kColumns); }

int BunkerLetterColour(int sector) {
    Sector* const place = SectorAt(sector);
    return place != nullptr && place->GetBunker()->GetVisible() ? kBunkerLetterColour : kLetterColour;
}

namespace {

// Every sector box is drawn the same way: the glyphs come from its place.
void DrawLatticeSectorBox(int sector, int x, int y, int frameColour, int letterColour) {
    Sector* const place = SectorAt(sector);
    if (place == nullptr) {
        return;
    }
    kSectorLattice.DrawBox((sector - 1) % Map::kColumns, (sector - 1) / Map::kColumns, x, y, frameColour,
                           place->GetLetter(), letterColour);
}

}  // namespace

void DrawSectorBoxI(int x, int y, int frameColour, int letterColour) {
    DrawLatticeSectorBox(1, x, y, frameColour, letterColour);
}
void DrawSectorBoxL(int x, int y, int frameColour, int letterColour) {
    DrawLatticeSectorBox(2, x, y, frameColour, letterColour);
}
void DrawSectorBoxV(int x, int y, int frameColour, int letterColour) {
    DrawLatticeSectorBox(3, x, y, frameColour, letterColour);
}
void DrawSectorBoxO(int x, int y, int frameColour, int letterColour) {
    DrawLatticeSectorBox(4, x, y, frameColour, letterColour);
}
void DrawSectorBoxU(int x, int y, int frameColour, int letterColour) {
    DrawLatticeSectorBox(5, x, y, frameColour, letterColour);
}
void DrawSectorBoxC(int x, int y, int frameColour, int letterColour) {
    DrawLatticeSectorBox(6, x, y, frameColour, letterColour);
}
void DrawSectorBoxM(int x, int y, int frameColour, int letterColour) {
    DrawLatticeSectorBox(7, x, y, frameColour, letterColour);
}
void DrawSectorBoxA(int x, int y, int frameColour, int letterColour) {
    DrawLatticeSectorBox(8, x, y, frameColour, letterColour);
}
void DrawSectorBoxT(int x, int y, int frameColour, int letterColour) {
    DrawLatticeSectorBox(9, x, y, frameColour, letterColour);
}
void DrawSectorBoxB(int x, int y, int frameColour, int letterColour) {
    DrawLatticeSectorBox(10, x, y, frameColour, letterColour);
}
void DrawSectorBoxH(int x, int y, int frameColour, int letterColour) {
    DrawLatticeSectorBox(11, x, y, frameColour, letterColour);
}
void DrawSectorBoxP(int x, int y, int frameColour, int letterColour) {
    DrawLatticeSectorBox(12, x, y, frameColour, letterColour);
}
void DrawSectorBoxQ(int x, int y, int frameColour, int letterColour) {
    DrawLatticeSectorBox(13, x, y, frameColour, letterColour);
}
void DrawSectorBoxJ(int x, int y, int frameColour, int letterColour) {
    DrawLatticeSectorBox(14, x, y, frameColour, letterColour);
}
void DrawSectorBoxW(int x, int y, int frameColour, int letterColour) {
    DrawLatticeSectorBox(15, x, y, frameColour, letterColour);
}
void DrawSectorBoxR(int x, int y, int frameColour, int letterColour) {
    DrawLatticeSectorBox(16, x, y, frameColour, letterColour);
}
void DrawSectorBoxN(int x, int y, int frameColour, int letterColour) {
    DrawLatticeSectorBox(17, x, y, frameColour, letterColour);
}
void DrawSectorBoxF(int x, int y, int frameColour, int letterColour) {
    DrawLatticeSectorBox(18, x, y, frameColour, letterColour);
}
void DrawSectorBoxE(int x, int y, int frameColour, int letterColour) {
    DrawLatticeSectorBox(19, x, y, frameColour, letterColour);
}
void DrawSectorBoxX(int x, int y, int frameColour, int letterColour) {
    DrawLatticeSectorBox(20, x, y, frameColour, letterColour);
}
void DrawSectorBoxD(int x, int y, int frameColour, int letterColour) {
    DrawLatticeSectorBox(21, x, y, frameColour, letterColour);
}
void DrawSectorBoxG(int x, int y, int frameColour, int letterColour) {
    DrawLatticeSectorBox(22, x, y, frameColour, letterColour);
}
void DrawSectorBoxS(int x, int y, int frameColour, int letterColour) {
    DrawLatticeSectorBox(23, x, y, frameColour, letterColour);
}
void DrawSectorBoxK(int x, int y, int frameColour, int letterColour) {
    DrawLatticeSectorBox(24, x, y, frameColour, letterColour);
}

namespace {

using SectorBoxFunction = void (*)(int, int, int, int);
constexpr SectorBoxFunction kSectorBoxes[kLastSector] = {
    DrawSectorBoxI, DrawSectorBoxL, DrawSectorBoxV, DrawSectorBoxO, DrawSectorBoxU, DrawSectorBoxC,
    DrawSectorBoxM, DrawSectorBoxA, DrawSectorBoxT, DrawSectorBoxB, DrawSectorBoxH, DrawSectorBoxP,
    DrawSectorBoxQ, DrawSectorBoxJ, DrawSectorBoxW, DrawSectorBoxR, DrawSectorBoxN, DrawSectorBoxF,
    DrawSectorBoxE, DrawSectorBoxX, DrawSectorBoxD, DrawSectorBoxG, DrawSectorBoxS, DrawSectorBoxK,
};

}  // namespace

void DrawSectorBox(int sector, int x, int y, int frameColour, int letterColour) {
    if (IsSector(sector)) {
        kSectorBoxes[sector - 1](x, y, frameColour, letterColour);
    }
}

void DrawShipBox(int x, int y, int colour, char const* label) {
    int const right = x + kSectorLattice.stepX * 2;
    PrintInside(kDoubleDownSingleRight, x, y, colour);
    PrintInside(kDoubleDownSingleLeft, right, y, colour);
    PrintInside(kDoubleVertical, x, y + 1, colour);
    PrintInside(kDoubleVertical, right, y + 1, colour);
    PrintInside(label, x + 1, y + 1, kLetterColour);
    PrintInside(kDoubleUpSingleRight, x, y + 2, colour);
    PrintInside(kDoubleUpSingleLeft, right, y + 2, colour);
}

void DrawOrbitBox(int x, int y, int colour) { DrawShipBox(x, y, colour, " O  R  B  I  T "); }

void DrawEarthMap(int x, int y, int frameColour, bool withOrbit, int letterColour) {
    for (int sector = kFirstSector; sector <= kLastSector; ++sector) {
        DrawSectorBox(sector, SectorBoxX(x, sector), SectorBoxY(y, sector), frameColour, letterColour);
    }
    if (withOrbit) {
        DrawOrbitBox(x + kShipBoxDx, y + kShipBoxDy, frameColour);
    }
}

void MoveSectorHighlight(int x, int y, int now, int old) {
    if (IsSector(old)) {
        DrawSectorBox(old, SectorBoxX(x, old), SectorBoxY(y, old), kPlainFrame, kLetterColour);
    }
    if (IsSector(now)) {
        DrawSectorBox(now, SectorBoxX(x, now), SectorBoxY(y, now), kHighlightFrame, kLetterColour);
    }
}

void MoveOrbitHighlight(int x, int y, int now, int old) {
    auto const draw = [x, y](int place, int frame) {
        if (place == kShipBoxCode) {
            DrawOrbitBox(x + kShipBoxDx, y + kShipBoxDy, frame);
        } else if (place == 3 || place == 4 || place == 21 || place == 22) {
            DrawSectorBox(place, SectorBoxX(x, place), SectorBoxY(y, place), frame, kLetterColour);
        }
    };
    draw(old, kPlainFrame);
    draw(now, kHighlightFrame);
}

void DrawSectorMiniMap(int sector, int x, int y) {
    Sector* const place = SectorAt(sector);
    if (place == nullptr) {
        return;
    }
    for (MiniPlace const& spot : kMiniPlaces) {
        SubSector const* shown = place->GetSubSector(spot.square, -1);
        if (!shown->GetVisible() && spot.fallback >= 0) {
            shown = place->GetSubSector(spot.fallback, -1);
        }
        if (shown->GetVisible()) {
            DrawTerrainGlyph(shown->GetType(), spot.twoCells, x + spot.dx, y + spot.dy);
        } else {
            PrintInside(spot.twoCells == 1 ? "  " : " ", x + spot.dx, y + spot.dy, kLetterColour);
        }
    }
}

void DrawTerrainGlyph(int landType, int twoCells, int x, int y) {
    if (landType < 0 || landType >= kLandTypes) {
        PrintInside("sUX0Rz! U'v3 3nC0un73R3d 4N 3Rr0R !!111", x, y, 14);
        return;
    }
    TerrainGlyph const& glyph = kTerrainGlyphs[landType];
    PrintInside(glyph.first, x, y, glyph.firstColour);
    if (twoCells == 1) {
        PrintInside(glyph.second, x + 1, y, glyph.secondColour);
    }
}

void DrawSectorMarker(int x, int y, int colour) {
    PrintInside(kPointerUp, x + 4, y + 1, colour);
    PrintInside(kPointerLeft, x + 3, y + 2, colour);
    PrintInside(kPointerRight, x + 5, y + 2, colour);
    PrintInside(kPointerDown, x + 4, y + 3, colour);
}

void DrawOrbitMarker(int x, int y, int colour) {
    // Above and below each letter of " O  R  B  I  T ".
    for (int dx = 18; dx <= 30; dx += 3) {
        PrintInside(kPointerUp, x + dx, y + kShipBoxDy, colour);
    }
    for (int dx = 18; dx <= 30; dx += 3) {
        PrintInside(kPointerDown, x + dx, y + kShipBoxDy + 2, colour);
    }
}

void DrawLocationMarker(int x, int y, int location, int colour) {
    if (IsShipPlace(location)) {
        DrawOrbitMarker(x, y, colour);
    } else if (IsSector(location)) {
        DrawSectorMarker(SectorBoxX(x, location), SectorBoxY(y, location), colour);
    }
}

int SubSectorBoxX(int gridX, int index) { return gridX + kSubSectorLattice.stepX * (index % Sector::kSide); }
int SubSectorBoxY(int gridY, int index) { return gridY + kSubSectorLattice.stepY * (index / Sector::kSide); }

namespace {

void DrawLatticeSubSectorBox(int index, int x, int y, int colour) {
    kSubSectorLattice.DrawBox(index % Sector::kSide, index / Sector::kSide, x, y, colour, '\0', colour);
}

}  // namespace

void DrawSubSectorBox0(int x, int y, int colour) { DrawLatticeSubSectorBox(0, x, y, colour); }
void DrawSubSectorBox1(int x, int y, int colour) { DrawLatticeSubSectorBox(1, x, y, colour); }
void DrawSubSectorBox2(int x, int y, int colour) { DrawLatticeSubSectorBox(2, x, y, colour); }
void DrawSubSectorBox3(int x, int y, int colour) { DrawLatticeSubSectorBox(3, x, y, colour); }
void DrawSubSectorBox4(int x, int y, int colour) { DrawLatticeSubSectorBox(4, x, y, colour); }
void DrawSubSectorBox5(int x, int y, int colour) { DrawLatticeSubSectorBox(5, x, y, colour); }
void DrawSubSectorBox6(int x, int y, int colour) { DrawLatticeSubSectorBox(6, x, y, colour); }
void DrawSubSectorBox7(int x, int y, int colour) { DrawLatticeSubSectorBox(7, x, y, colour); }
void DrawSubSectorBox8(int x, int y, int colour) { DrawLatticeSubSectorBox(8, x, y, colour); }
void DrawSubSectorBox9(int x, int y, int colour) { DrawLatticeSubSectorBox(9, x, y, colour); }
void DrawSubSectorBox10(int x, int y, int colour) { DrawLatticeSubSectorBox(10, x, y, colour); }
void DrawSubSectorBox11(int x, int y, int colour) { DrawLatticeSubSectorBox(11, x, y, colour); }
void DrawSubSectorBox12(int x, int y, int colour) { DrawLatticeSubSectorBox(12, x, y, colour); }
void DrawSubSectorBox13(int x, int y, int colour) { DrawLatticeSubSectorBox(13, x, y, colour); }
void DrawSubSectorBox14(int x, int y, int colour) { DrawLatticeSubSectorBox(14, x, y, colour); }
void DrawSubSectorBox15(int x, int y, int colour) { DrawLatticeSubSectorBox(15, x, y, colour); }

namespace {

using SubSectorBoxFunction = void (*)(int, int, int);
constexpr SubSectorBoxFunction kSubSectorBoxes[kSubSectors] = {
    DrawSubSectorBox0,  DrawSubSectorBox1,  DrawSubSectorBox2,  DrawSubSectorBox3,
    DrawSubSectorBox4,  DrawSubSectorBox5,  DrawSubSectorBox6,  DrawSubSectorBox7,
    DrawSubSectorBox8,  DrawSubSectorBox9,  DrawSubSectorBox10, DrawSubSectorBox11,
    DrawSubSectorBox12, DrawSubSectorBox13, DrawSubSectorBox14, DrawSubSectorBox15,
};

}  // namespace

void DrawSubSectorBox(int index, int x, int y, int colour) {
    if (IsSubSector(index)) {
        kSubSectorBoxes[index](x, y, colour);
    }
}

void DrawSubSectorGrid(int x, int y, int colour) {
    for (int index = 0; index < kSubSectors; ++index) {
        DrawSubSectorBox(index, SubSectorBoxX(x, index), SubSectorBoxY(y, index), colour);
    }
}

void MoveSubSectorHighlight(int x, int y, int now, int old) {
    if (IsSubSector(old)) {
        DrawSubSectorBox(old, SubSectorBoxX(x, old), SubSectorBoxY(y, old), kPlainFrame);
    }
    if (IsSubSector(now)) {
        DrawSubSectorBox(now, SubSectorBoxX(x, now), SubSectorBoxY(y, now), kHighlightFrame);
    }
}

void DrawSubSectorTile(int sector, int index, int tileX, int tileY) {
    SubSector const* const square = SquareAt(sector, index);
    if (square == nullptr) {
        return;
    }
    int const x = SubSectorBoxX(tileX, index);
    int const y = SubSectorBoxY(tileY, index);
    if (square->GetVisible()) {
        DrawLandTile(square->GetType(), x, y);
    } else {
        UnknownTile(x, y);
    }
}

void DrawSubSectorTiles(int sector, int tileX, int tileY) {
    for (int index = 0; index < kSubSectors; ++index) {
        DrawSubSectorTile(sector, index, tileX, tileY);
    }
}

char const* LandTypeName(int landType) {
    return landType >= 0 && landType < kLandTypes ? kLandNames[landType] : "ERROR ERROR icecream";
}

void ShowSectorField(int x, int y, bool withLabel, int labelColour, int valueColour, int location) {
    char value[6] = "Orbit";
    if (IsSector(location)) {
        // The blanks wipe a previous "Orbit".
        char const letter[2] = {SectorAt(location)->GetLetter(), '\0'};
        StringSlam(value, letter, "    ");
    } else if (!IsShipPlace(location)) {
        return;
    }
    ShowField(x, y, withLabel, labelColour, "Sector:", x + 8, valueColour, value);
}

void ShowTerrainField(int x, int y, bool withLabel, int labelColour, int valueColour, int subsector,
                      int sector) {
    SubSector const* const square = SquareAt(sector, subsector);
    if (square == nullptr) {
        return;
    }
    char const* const value = square->GetVisible() ? LandTypeName(square->GetType()) : "???";
    ShowField(x, y, withLabel, labelColour, "Sector:", x + 8, valueColour, value);
}

void ShowSectorPopField(int x, int y, bool withLabel, int labelColour, int valueColour, int sector) {
    Sector* const place = SectorAt(sector);
    if (place == nullptr) {
        return;
    }
    char value[14];
    CountText(place->GetPopulation(false), value);
    ShowField(x, y, withLabel, labelColour, "Known Enemy Population:", x + 24, valueColour, value);
}

void ShowSubSectorPopField(int x, int y, bool withLabel, int labelColour, int valueColour, int subsector,
                           int sector) {
    SubSector const* const square = SquareAt(sector, subsector);
    if (square == nullptr) {
        return;
    }
    char value[14] = "???";
    if (square->GetVisible()) {
        CountText(square->GetPopulation() + square->GetMilitary(), value);
    }
    ShowField(x, y, withLabel, labelColour, "Known Enemy Pop:", x + 17, valueColour, value);
}

void ShowBunkerField(int x, int y, bool withLabel, int labelColour, int valueColour, int sector) {
    Sector* const place = SectorAt(sector);
    if (place == nullptr) {
        return;
    }
    // "No " wipes the "s" of a previous "Yes".
    char const* const value = place->GetBunker()->GetVisible() ? "Yes" : "No ";
    ShowField(x, y, withLabel, labelColour, "Bunker Placed:", x + 24, valueColour, value);
}

void ShowSquareFields(int x, int y, int subsector, int sector) {
    constexpr char kBlanks[] = "                                ";
    PrintInside(kBlanks, x, y, 0);
    ShowTerrainField(x, y, true, 12, 14, subsector, sector);
    PrintInside(kBlanks, x, y + 1, 0);
    ShowSubSectorPopField(x, y + 1, true, 12, 14, subsector, sector);
}

bool DrawChoicePanel(char const* title, bool chosen, char const* noneLine) {
    constexpr char kBlanks[] = "                            ";  // the panel's 28 cells
    constexpr int kValueColour = 14;
    PrintAt(title, kChoicePanelX, kChoicePanelY, 15);
    if (chosen) {
        for (int row = kChoicePanelY + 1; row <= kChoicePanelY + 3; ++row) {
            PrintAt(kBlanks, kChoicePanelX, row, kValueColour);
        }
        return true;
    }
    PrintAt(" There is currently no      ", kChoicePanelX, kChoicePanelY + 1, kValueColour);
    PrintAt(noneLine, kChoicePanelX, kChoicePanelY + 2, kValueColour);
    PrintAt(kBlanks, kChoicePanelX, kChoicePanelY + 3, kValueColour);
    return false;
}

bool EstimateTrip(int from, int to, TripEstimate& estimate) {
    if (to == kShipBoxCode) {
        to = 0;
    }
    if ((from != 0 && !IsSector(from)) || (to != 0 && !IsSector(to))) {
        return false;
    }
    if (from == 0 || to == 0) {
        estimate = {1, kOrbitTripFuel};
        return true;
    }
    Sector* const here = SectorAt(from);
    Sector* const there = SectorAt(to);
    // A diagonal step moves both ways at once: the longer distance counts.
    int const days = std::max(std::abs(there->GetColumn() - here->GetColumn()),
                              std::abs(there->GetRow() - here->GetRow()));
    estimate = {days, days * kFuelPerSquare};
    return true;
}

void ShowTravelField(int x, int y, int destination) {
    TripEstimate estimate{};
    if (!EstimateTrip(Globals::GetMothership()->GetLocation(), destination, estimate)) {
        return;
    }
    char days[2];
    NumberToText(estimate.days, days, false, 1);
    CleanNumberText(days, 1);
    char fuel[8];
    NumberToText(estimate.fuel, fuel, true, 7);
    CleanNumberText(fuel, 7);
    PrintInside("ETA: ", x, y, 15);
    PrintInside(days, x + 5, y, 14);
    PrintInside("Fuel Req: ", x, y + 1, 15);
    PrintInside(fuel, x + 10, y + 1, 14);
}
