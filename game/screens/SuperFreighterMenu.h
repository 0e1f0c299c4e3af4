// The Super Freighter, while it is in orbit beside the mothership: its picture
// with six places on board, one highlighted, over which the arrow keys move.
// Only the shuttle back to the mothership does anything: choosing it leaves.
#pragma once

#include <cstdint>

#include "platform/Console.h"

// The screen's loop; note the handles, input first. Every visit starts on the
// shuttle.
void SuperFreighterMenu(con::Handle hIn, con::Handle hOut);

// The hull, then the six places with `selected` highlighted; a number outside
// 1-6 draws the hull and an error line instead of the places.
void DrawSuperFreighter(int selected);
void DrawFreighterHull(int x, int y);

// Each place in one colour, at its fixed place on the hull.
void DrawAuctionHouse(int colour);
void DrawCosmicCafe(int colour);
void DrawBizarreBazaar(int colour);
void DrawMercenaryMarket(int colour);
void DrawReturnShuttle(int colour);
void DrawSalsSpacecraft(int colour);

// The place an arrow key (by its virtual-key code) leads to from `selected`,
// or `selected` itself where it leads nowhere; the moves do not wrap.
int FreighterPlaceAfterMove(int selected, uint16_t virtualKey);
