// The game's small random-number function for pictures: a draw from 1 to n.
#pragma once

// A number from 1 to n, from the game's one generator (GameRand). An n below 1
// is taken as 1, so the draw is still made but can only give 1.
int Random(int n);
