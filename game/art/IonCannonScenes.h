// The ion cannon's live feed: the view screen, the ground of the target by
// its land type, the beam, the impact domes, the ruins and the static shown
// while the cannon charges. Offsets are from the view screen's top-left
// corner: the frame is 31 x 17 cells, its inside dx 1-29 and dy 1-15, and the
// ground fills dy 10-15 of the inside (the city's own offsets are one row
// higher: it is drawn one row lower).
#pragma once

#include "game/art/CellArt.h"

namespace art {

inline constexpr int kViewWidth = 31;
inline constexpr int kViewHeight = 17;

extern CellArt const kViewScreenStars;
extern CellArt const kViewScreenNoVisual;
// Closing the view blanks it and the row under it (18 rows of 31), and the
// charging line of the firing screen: 40 blanks at an absolute place.
inline constexpr int kCloseRows = 18;
inline constexpr int kCloseColour = 14;
inline constexpr int kChargeLineX = 3;
inline constexpr int kChargeLineY = 22;
inline constexpr int kChargeLineWidth = 40;
inline constexpr int kChargeLineColour = 12;

extern CellArt const kDestroyFarm;
extern CellArt const kDestroyCity;
extern CellArt const kDestroyBase;
extern CellArt const kDestroyMtn;
extern CellArt const kDestroyDesert;
extern CellArt const kDestroyRubble;
extern CellArt const kDestroyNuke;

extern CellArt const kBeamSegment;
extern CellArt const kEraseBeamSegment;
// The domes, without the beam slice the first two draw under them.
extern CellArt const kImpactDome1;
extern CellArt const kImpactDome2;
extern CellArt const kImpactDome3;
// Where the first two impact frames draw the beam slice they start with.
inline constexpr int kImpactBeamDy = 10;
extern CellArt const kAftermathScene;

extern CellArt const kChargeFrame1;
extern CellArt const kChargeFrame2;
extern CellArt const kChargeFrame3;

}  // namespace art
