// Every random draw of the world and of the screens goes through here, so a
// test can script the draws and count them.
#pragma once

#include <cstddef>
#include <vector>

// One draw, 0 to RAND_MAX, as rand() gives it (or the next scripted value).
int GameRand();
// Seeds the generator from the clock the first time it is called; later calls
// do nothing.
void SeedGameRandOnce();
bool GameRandSeeded();

// ---- For tests -----------------------------------------------------------
// The following draws return these values in order; once they are used up,
// draws come from rand() again.
void ScriptGameRand(std::vector<int> values);
void ClearGameRandScript();
std::size_t GameRandScriptLeft();
// Draws made since the program started (scripted or not).
std::size_t GameRandDraws();
