// The title screen: the emblem, the dotted frame around the menu with the
// runners that crawl along it, the five menu items between shade runs with
// the marker that sweeps them, and the credits panel.
#pragma once

#include "platform/Console.h"

// The title's layout origin: the emblem's anchor; items stand relative to it.
inline constexpr int kTitleX = 3;
inline constexpr int kTitleY = 1;
// The dotted frame's anchor: columns 2 to 39, rows 14 to 24.
inline constexpr int kMenuFrameX = 2;
inline constexpr int kMenuFrameY = 14;

inline constexpr int kTitleItems = 5;
inline constexpr int kTitleItemColour = 78;       // yellow on red
inline constexpr int kTitleHighlightColour = 79;  // white on red
inline constexpr int kTitleShadeColour = 12;

// One crawling dot of the frame.
struct BorderRunner {
    int x;
    int y;
    int colour;
};

inline constexpr int kRunnersPerChain = 13;
inline constexpr int kBorderPathLength = 94;

void DrawTitleEmblem(int x, int y);
void DrawMenuFrame(int x, int y);
void DrawCreditsPanel(int x, int y);
// Blanks the nine lines of the credits panel.
void ClearCreditsPanel(int x, int y);

// The runner one cell further clockwise around the frame, colour unchanged.
BorderRunner StepBorderRunner(BorderRunner runner);

// The menu items, each one row: a light shade run in 12, the text in the
// colour given, a second shade run in 12.
void MainMenuItemNewGame(int x, int y, int colour);
void MainMenuItemLoadGame(int x, int y, int colour);
void MainMenuItemOptions(int x, int y, int colour);
void MainMenuItemCredits(int x, int y, int colour);
void MainMenuItemExit(int x, int y, int colour);

// Item 1-5 at the title origin; any other number draws nothing.
void DrawTitleItem(int item, int colour);
// All five items, the selected one highlighted.
void DrawTitleItems(int selected);
// How far the marker sweeps on an item's row (0 outside 1-5).
int TitleMarkerRange(int item);

// What the title menu keeps between passes of its loop.
struct TitleMenuState {
    int selected = 1;
    int passes = 0;
    int runnerIndex = 0;  // the pair of runners that moves next
    BorderRunner chainA[kRunnersPerChain] = {};
    BorderRunner chainB[kRunnersPerChain] = {};
    int markerPosition = 3;
    int markerPrevious = 3;
    bool markerOutward = true;
};

// Places the two chains of runners along the frame (draws nothing): runner k
// of each chain stands 7 x (13 - k) steps along the path, chain B one cell
// behind chain A.
void SetUpBorderRunners(TitleMenuState& state);

// One pass's animation: counts the pass; every 30th pass moves the next pair
// of runners, every 600th the marker on the selected item's row. The count
// wraps at 600, where both periods meet, so it never overflows.
void AnimateTitle(TitleMenuState& state);

// Up (-1) or Down (+1): resets the marker, moves the highlight with
// wrap-around, and shows the credits panel while VIEW CREDITS is highlighted.
void MoveTitleSelection(TitleMenuState& state, int step);

// The title menu, the game's outer loop: NEW GAME plays on the main deck
// until the game is over and comes back here; EXIT returns. The title is
// drawn over whatever the console shows.
void MainMenu(con::Handle hIn, con::Handle hOut);
