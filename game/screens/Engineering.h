// Engineering: the room that works the ship's shields. Of its five menu items
// only the shield switch and the way back to the main deck act. Switching the
// shields on costs fuel, and taking the last of it ends the game.
#pragma once

#include "game/screens/DeckRoom.h"
#include "platform/Console.h"

// The room's menu loop; returns when the player leaves the room or the game
// ends. The room the main deck had highlighted is not used.
void EngineeringMenu(con::Handle hOut, con::Handle hIn, DeckRoom room);

// The five menu items in a colour: 241 highlighted, 31 plain. The shield
// switch tells whether the shields are on.
void EngineeringItemAssignments(int colour);
void EngineeringItemProjects(int colour);
void EngineeringItemChat(int colour);
void EngineeringItemShields(int colour, bool shields);
void EngineeringItemReturn(int colour);

// The fuel the shields take each time they are switched on.
inline constexpr int kShieldsFuel = 50;
