// Earth as the bridge and the docking bay show it: the map of 24 lettered
// sector boxes with the box of the ship under it, the mini-map of a sector's
// mapped squares inside each box, the 4 x 4 grid of one sector's squares, the
// arrows that mark the ship's location and destination, and one-line fields
// about a sector or a square.
//
// The widgets only draw: they read the world, change nothing, take no keys
// and keep nothing between calls. Each screen owns its cursor and calls the
// highlight movers after each arrow key. Nothing they print runs past the
// screen's right edge, and a sector outside 1-24 or a square outside 0-15 is
// refused before anything is read.
#pragma once

// ---- Places ----------------------------------------------------------------
// Location codes: 0 the mothership, 1-24 a sector, and this code for the box
// of the ship itself on a map (ORBIT on the sector map, DOCK on the pickers).
// A screen that lets the player choose the box stores 0.
inline constexpr int kShipBoxCode = 407;
inline constexpr int kFirstSector = 1;
inline constexpr int kLastSector = 24;
inline constexpr int kSubSectors = 16;

bool IsSector(int location);
bool IsSubSector(int index);
// 0 and the ship's box both mean the mothership.
bool IsShipPlace(int location);

// ---- Sector map --------------------------------------------------------------
// Sector n's box: column (n - 1) mod 6, row (n - 1) / 6, its corner 8 columns
// and 4 rows apart from its neighbours' (they share their outlines), so the
// map covers x .. x + 48, y .. y + 16. The ship's box stands at (x + 16, y + 17).
int SectorBoxX(int mapX, int sector);
int SectorBoxY(int mapY, int sector);
inline constexpr int kShipBoxDx = 16;
inline constexpr int kShipBoxDy = 17;

// Frame colours: 2 for a plain box, 12 for the highlighted one. Letters are
// white, or yellow where a screen marks the sectors with a built bunker.
inline constexpr int kPlainFrame = 2;
inline constexpr int kHighlightFrame = 12;
inline constexpr int kLetterColour = 15;
inline constexpr int kBunkerLetterColour = 14;

// 14 when the sector's bunker is built, else 15.
int BunkerLetterColour(int sector);

// The outline of sector box `sector` with its corner at (x, y), in the glyphs
// its place on the map gives each line, and its letter in the middle.
void DrawSectorBox(int sector, int x, int y, int frameColour, int letterColour);
// One function per sector, named after its letter (sectors 1-24 in order:
// ILVOUCMATBHPQJWRNFEXDGSK), each drawing that sector's box with its corner at
// (x, y); DrawSectorBox picks the one for a sector number.
void DrawSectorBoxI(int x, int y, int frameColour, int letterColour);
void DrawSectorBoxL(int x, int y, int frameColour, int letterColour);
void DrawSectorBoxV(int x, int y, int frameColour, int letterColour);
void DrawSectorBoxO(int x, int y, int frameColour, int letterColour);
void DrawSectorBoxU(int x, int y, int frameColour, int letterColour);
void DrawSectorBoxC(int x, int y, int frameColour, int letterColour);
void DrawSectorBoxM(int x, int y, int frameColour, int letterColour);
void DrawSectorBoxA(int x, int y, int frameColour, int letterColour);
void DrawSectorBoxT(int x, int y, int frameColour, int letterColour);
void DrawSectorBoxB(int x, int y, int frameColour, int letterColour);
void DrawSectorBoxH(int x, int y, int frameColour, int letterColour);
void DrawSectorBoxP(int x, int y, int frameColour, int letterColour);
void DrawSectorBoxQ(int x, int y, int frameColour, int letterColour);
void DrawSectorBoxJ(int x, int y, int frameColour, int letterColour);
void DrawSectorBoxW(int x, int y, int frameColour, int letterColour);
void DrawSectorBoxR(int x, int y, int frameColour, int letterColour);
void DrawSectorBoxN(int x, int y, int frameColour, int letterColour);
void DrawSectorBoxF(int x, int y, int frameColour, int letterColour);
void DrawSectorBoxE(int x, int y, int frameColour, int letterColour);
void DrawSectorBoxX(int x, int y, int frameColour, int letterColour);
void DrawSectorBoxD(int x, int y, int frameColour, int letterColour);
void DrawSectorBoxG(int x, int y, int frameColour, int letterColour);
void DrawSectorBoxS(int x, int y, int frameColour, int letterColour);
void DrawSectorBoxK(int x, int y, int frameColour, int letterColour);
// Corners and sides only, no top or bottom line; the 15-character label
// between the sides is always white. ORBIT and DOCK are drawn with it.
void DrawShipBox(int x, int y, int colour, char const* label);
void DrawOrbitBox(int x, int y, int colour);
// All 24 boxes in number order, then (withOrbit) the ORBIT box in frameColour.
void DrawEarthMap(int x, int y, int frameColour, bool withOrbit, int letterColour);
// Redraws box `old` plain, then box `now` highlighted, letters white; a value
// outside 1-24 (such as the ship's box) is skipped on its side.
void MoveSectorHighlight(int x, int y, int now, int old);
// The same for a move between the ORBIT box and sectors 3, 4, 21 and 22; any
// other place draws nothing.
void MoveOrbitHighlight(int x, int y, int now, int old);

// The sector's mapped squares in the 7 x 3 inside of its box, (x, y) being the
// inside's top-left cell. Unmapped places are blanked; the letter's cell is
// never written.
void DrawSectorMiniMap(int sector, int x, int y);
// One or two cells (the second only when twoCells is 1) for a land type; an
// unknown type prints an error text from (x, y) on, cut at the screen's edge.
void DrawTerrainGlyph(int landType, int twoCells, int x, int y);

// ---- Markers: arrows around a letter; drawn in colour 0 they erase themselves
void DrawSectorMarker(int x, int y, int colour);  // (x, y) a sector box's corner
void DrawOrbitMarker(int x, int y, int colour);   // (x, y) the map origin
// 0 or the ship's box: the ORBIT arrows; 1-24: around that sector's letter.
void DrawLocationMarker(int x, int y, int location, int colour);

// ---- Sub-sector grid ---------------------------------------------------------
// Square i's box: its corner at (x + 10 (i mod 4), y + 5 (i / 4)), 11 x 6
// cells sharing outlines; the grid covers x .. x + 40, y .. y + 20. Its tile
// (9 x 4) stands one cell in from the corner.
int SubSectorBoxX(int gridX, int index);
int SubSectorBoxY(int gridY, int index);

void DrawSubSectorBox(int index, int x, int y, int colour);
// One function per square's box, with its corner at (x, y), in one colour;
// DrawSubSectorBox picks the one for an index.
void DrawSubSectorBox0(int x, int y, int colour);
void DrawSubSectorBox1(int x, int y, int colour);
void DrawSubSectorBox2(int x, int y, int colour);
void DrawSubSectorBox3(int x, int y, int colour);
void DrawSubSectorBox4(int x, int y, int colour);
void DrawSubSectorBox5(int x, int y, int colour);
void DrawSubSectorBox6(int x, int y, int colour);
void DrawSubSectorBox7(int x, int y, int colour);
void DrawSubSectorBox8(int x, int y, int colour);
void DrawSubSectorBox9(int x, int y, int colour);
void DrawSubSectorBox10(int x, int y, int colour);
void DrawSubSectorBox11(int x, int y, int colour);
void DrawSubSectorBox12(int x, int y, int colour);
void DrawSubSectorBox13(int x, int y, int colour);
void DrawSubSectorBox14(int x, int y, int colour);
void DrawSubSectorBox15(int x, int y, int colour);
void DrawSubSectorGrid(int x, int y, int colour);
// Box `old` back to colour 2, then box `now` in 12; values outside 0-15 skipped.
void MoveSubSectorHighlight(int x, int y, int now, int old);

// The tile of square `index` of the sector at its place in a grid whose first
// tile stands at (tileX, tileY): its land's tile when mapped, the question
// mark when not. A land type without a tile draws nothing.
void DrawSubSectorTile(int sector, int index, int tileX, int tileY);
void DrawSubSectorTiles(int sector, int tileX, int tileY);

// ---- Info fields -------------------------------------------------------------
// Each prints its label at (x, y) in labelColour (unless withLabel is false)
// and its value at its own column in valueColour. Values are not padded
// beyond what is said: screens blank the line first where texts differ.
void ShowSectorField(int x, int y, bool withLabel, int labelColour, int valueColour, int location);
void ShowTerrainField(int x, int y, bool withLabel, int labelColour, int valueColour, int subsector,
                      int sector);
void ShowSectorPopField(int x, int y, bool withLabel, int labelColour, int valueColour, int sector);
void ShowSubSectorPopField(int x, int y, bool withLabel, int labelColour, int valueColour, int subsector,
                           int sector);
void ShowBunkerField(int x, int y, bool withLabel, int labelColour, int valueColour, int sector);

// The terrain field on row y and the square's population on row y + 1, red
// labels and yellow values, each row blanked (32 cells) first so a shorter
// name leaves no trace of a longer one.
void ShowSquareFields(int x, int y, int subsector, int sector);

// The panel at (49, 18), beside a map's ORBIT or DOCK box, that names the
// place chosen: its title in white and, when nothing is chosen,
// " There is currently no      " and `noneLine` on its next two rows and its
// fourth row blank, in yellow. When something is chosen those three rows are
// only blanked (28 cells, yellow) for the caller's fields: true is returned.
inline constexpr int kChoicePanelX = 49;
inline constexpr int kChoicePanelY = 18;
bool DrawChoicePanel(char const* title, bool chosen, char const* noneLine);

// The name of a land type as the terrain field shows it.
char const* LandTypeName(int landType);

// The one-square-a-day trip estimate from the ship's location to a place.
struct TripEstimate {
    int days;
    int fuel;
};
inline constexpr int kOrbitTripFuel = 10000;
inline constexpr int kFuelPerSquare = 1000;
// from and to are 0 (orbit; the ship's box counts as orbit) or 1-24; false for
// anything else.
bool EstimateTrip(int from, int to, TripEstimate& estimate);
// "ETA: " and the days on row y, "Fuel Req: " and the fuel on row y + 1, for a
// trip from the ship's location to `destination`.
void ShowTravelField(int x, int y, int destination);
