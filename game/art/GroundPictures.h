// Drawing the pictures of the ground: the terrain tiles of the sub-sector
// grid, the blast frames, and the ion cannon's view screen with its scenes.
// Each draws with its top-left corner (or the view screen's) at (x, y), over
// whatever the screen shows: cells a picture does not cover keep their look.
#pragma once

// ---- Terrain tiles, 9 x 4 cells ------------------------------------------
void FarmTile(int x, int y);
void CityTile(int x, int y);
void BaseTile(int x, int y);
void MtnTile(int x, int y);
void DesertTile(int x, int y);
void FarmTile2(int x, int y);
void RubbleTile(int x, int y);
// Every cell a dark shade in a random colour: one Random(7) per cell, row by
// row, so it shows a new pattern on each redraw.
void NukeTile(int x, int y);
// The same with Random(6) and its own colours.
void NukeTile2(int x, int y);
void UnknownTile(int x, int y);

// The tile of a land type: 0 FarmTile, 1 CityTile, 2 BaseTile, 3 MtnTile,
// 4 DesertTile, 5 FarmTile2, 6 RubbleTile, 7 NukeTile. Any other type draws
// nothing and gives false.
bool DrawLandTile(int landType, int x, int y);

// ---- Blast frames over a tile, a diamond growing around column 4 ----------
void BlastFrame1(int x, int y);
void BlastFrame2(int x, int y);
void BlastFrame3(int x, int y);
void BlastFrame4(int x, int y);

// ---- The ion cannon's view screen, 31 x 17 cells ---------------------------
// The frame and a starry sky; the ground rows (dy 10-15 inside) are left alone.
void ViewScreenStars(int x, int y);
// The frame without a picture.
void ViewScreenNoVisual(int x, int y);
// Blanks the view and the row under it, and the firing screen's charging line.
void ViewScreenClose(int x, int y);

// The ground of the target, filling dy 10-15 inside the view.
void DestroyFarm(int x, int y);
// The city lies one row higher in its own offsets: draw it one row lower.
void DestroyCity(int x, int y);
void DestroyBase(int x, int y);
void DestroyMtn(int x, int y);
void DestroyDesert(int x, int y);
void DestroyRubble(int x, int y);
void DestroyNuke(int x, int y);

// One slice of the beam at dy 1, columns dx 13-15; drawn at (x, y + i) it
// grows down the middle of the view.
void BeamSegment(int x, int y);
// Four blanks over a slice, one column wider.
void EraseBeamSegment(int x, int y);
// The impact: the first two draw the beam's last slice and then a dome over
// the ground, the third the widest dome.
void ImpactFrame1(int x, int y);
void ImpactFrame2(int x, int y);
void ImpactFrame3(int x, int y);
// Smouldering ruins over the ground rows.
void AftermathScene(int x, int y);

// Static over the whole inside; shown in turn they move.
void ChargeFrame1(int x, int y);
void ChargeFrame2(int x, int y);
void ChargeFrame3(int x, int y);
