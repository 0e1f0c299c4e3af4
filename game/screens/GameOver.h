// The screens that end the game (the crew's mutiny, the ship out of fuel, the
// ion cannon's last shot, the victory) and the food warning that shares their
// look. Each clears the console, shows its texts and portrait, and waits for a
// key. None of them changes the world or the game-over flag: the caller does.
#pragma once

#include "platform/Console.h"

// The crew kills the captain: eaten when the ship has no food, else killed in
// the captain's sleep for overworking them.
void GameOverCrew(con::Handle hOut, con::Handle hIn);
// The ship ran out of fuel at the end of a day or when the shields went on.
void GameOverNoFuel(con::Handle hOut, con::Handle hIn);
// The ion cannon's shot used the last fuel.
void GameOverIonFuel(con::Handle hOut, con::Handle hIn);
// The ship has run out of food; the game goes on.
void NoFoodWarning(con::Handle hOut, con::Handle hIn);
// No one is left on Earth.
void GameWon(con::Handle hOut, con::Handle hIn);
