// The bridge: the room's menu of five items, leading to the ground campaign
// status, navigation and the Super Ion Cannon. Radio Communications is listed
// but does nothing yet.
#pragma once

#include "game/screens/DeckRoom.h"
#include "platform/Console.h"

// Runs until the captain leaves the bridge or a shot of the ion cannon ends
// the game. Each visit opens on the first item. The room the main deck had
// highlighted is handed on to the status and navigation screens; nothing
// needs it.
void BridgeMenu(con::Handle hOut, con::Handle hIn, DeckRoom room);

// The five items' painters, in menu order: each paints its item's bar with
// the text in the colour (241 for the highlighted item, 31 for the others).
void BridgeItemStatus(int colour);
void BridgeItemNavigate(int colour);
void BridgeItemRadio(int colour);
void BridgeItemIonCannon(int colour);
void BridgeItemReturn(int colour);

// The item texts, 27 characters each, in menu order.
inline constexpr int kBridgeItems = 5;
extern char const* const kBridgeItemTexts[kBridgeItems];
