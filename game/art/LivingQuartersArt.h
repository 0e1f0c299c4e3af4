// The living quarters' pictures and scenes: the frame of the crew-jobs screen,
// and the lounge where the captain has coffee with Emerson, on an ordinary day
// and on a party day, with what Emerson says about the crew's morale.
#pragma once

#include "game/art/CellArt.h"

namespace art {

// The crew-jobs frame: three title tabs over three job columns, and the box
// the crew card stands in. Drawn in green at (0, 0), where it stands: its
// top-left cell is (3, 1), its last row 22, just above the status bar.
extern CellArt const kCrewJobsFrame;
inline constexpr int kCrewJobsFrameColour = 2;

// The lounge on a working day and on a party day: each a paragraph printed
// beside Emerson's portrait, 38 columns wide.
extern char const kLoungeParagraph[];
extern char const kPartyParagraph[];
// What Emerson says on a party day, under the party paragraph.
extern char const kPartyLine[];

// What Emerson says about the crew at a morale of 1 to 100, whole; null for
// any other morale (a crew at 0 has nothing left to say).
char const* MoraleComment(int morale);

}  // namespace art
