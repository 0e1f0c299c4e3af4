// The library, the captain's quarters: where the day is ended ("End Day?",
// then the end of the day and the morning report), the personnel bios page,
// and a few single keys that add craft, a capsule, food, fuel, materials or a
// crew member to the ship.
#pragma once

#include "game/screens/DeckRoom.h"
#include "game/ui/ColorFunctions.h"
#include "platform/Console.h"

// The room's loop; the room is not read. Returns when the player leaves, or
// after a confirmed end of day, whether or not the game is over.
void LibraryMenu(con::Handle hOut, con::Handle hIn, DeckRoom room);

// Menu items 1 to 5 in the colour given.
void LibraryItemInternet(ColorCode color);
void LibraryItemEndTurn(ColorCode color);
void LibraryItemBios(ColorCode color);
void LibraryItemSummon(ColorCode color);
void LibraryItemReturn(ColorCode color);

// "End Day?" on a cleared frame; true for yes. The room is not read.
bool ConfirmEndDay(con::Handle hOut, con::Handle hIn, DeckRoom room);

// The bios page, drawn over what the caller cleared: Kryptal between two
// rules, three buttons that do nothing yet; any key leaves.
void PersonelBios(con::Handle hOut, con::Handle hIn);
void DrawBackButton();
void DrawMenuButton();
void DrawNextButton();
void DrawBiosFrame();
