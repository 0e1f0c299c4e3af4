// The room tags on the main deck's ship picture. Each drawer prints its
// room's box and label at fixed cells in one colour: the deck paints the
// highlighted room in 14 and the others in 15, and a room being entered
// blinks in 12 and 14.
#pragma once

#include "game/screens/DeckRoom.h"

void DrawNavigationTag(int colour);
void DrawLibraryTag(int colour);
void DrawResearchTag(int colour);
void DrawEngineeringTag(int colour);
void DrawLivingQuartersTag(int colour);
void DrawCargoTag(int colour);
void DrawDockingTag(int colour);
void DrawSuperFreighterTag(int colour);

// The tag of any room; a value outside the eight rooms draws nothing.
void DrawRoomTag(DeckRoom room, int colour);

// The tag of a room being entered: 12 and 14 by turns with 80 ms pauses,
// three times, then 12 and one more pause (560 ms); the tag is left red.
void BlinkRoomTag(DeckRoom room);
