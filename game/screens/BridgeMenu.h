// The bridge: the room's menu of five items, leading to the ground campaign
// status, navigation and the Super Ion Cannon. Radio Communications is listed
// but does nothing yet.
#pragma once

#include "game/screens/DeckRoom.h"
#include "platform/Console.h"

// Runs until the captain leaves the bridge or a shot of the ion cannon ends
// the game. Each visit opens on the first item. The room the main deck had
// highlighted is taken but not needed here.
void BridgeMenu(con::Handle hOut, con::Handle hIn, DeckRoom room);

// The item texts, 27 characters each, in menu order.
inline constexpr int kBridgeItems = 5;
extern char const* const kBridgeItemTexts[kBridgeItems];
