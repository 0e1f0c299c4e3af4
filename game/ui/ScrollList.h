// The game's list box: a window onto a table of text rows with a one-column
// scroll bar on its right and a highlighted cursor row, driven by the arrow and
// page keys; and a read-only viewer with the same bar.
#pragma once

#include "platform/Console.h"

// One list row: up to 80 characters and the terminating null.
inline constexpr int kListRowSize = 81;
using ListRow = char[kListRowSize];

// The view a screen keeps for each of its lists between calls: the index of
// the first row shown and the cursor's row within the window.
struct ScrollState {
    int top = 0;
    int offset = 0;
};

// What ScrollList answers besides an entry's index.
inline constexpr int kScrollEscape = -1;     // Escape; and every draw-only call
inline constexpr int kScrollRight = -2;      // Right, with side keys
inline constexpr int kScrollLeft = -3;       // Left, with side keys
inline constexpr int kScrollStepEnter = -4;  // Enter, in step mode
inline constexpr int kScrollNoEntry = -5;    // step mode over an empty list: nothing is highlighted

// Shows entries [0, total) of `rows` in a window of `visible` rows at (x, y),
// `width` columns wide, the bar in column x + width. Reads and writes `state`.
// Draw-only: paints once without a highlight and returns -1. Step mode: returns
// after every input record (a key release too) with the highlighted index, or
// one of the codes above. Otherwise returns the index chosen with Enter, or a
// code. A view that no longer fits the list is brought back within it first,
// and no index past the end is ever returned. The output handle is not used.
int ScrollList(con::Handle hOut, con::Handle hIn, ListRow const* rows, int x, int y, int width, int visible,
               int total, bool sideKeys, ScrollState& state, bool drawOnly, bool stepMode);

// Shows the rows read-only with the same scroll bar until Escape.
void ScrollText(con::Handle hOut, con::Handle hIn, ListRow const* rows, int x, int y, int width, int visible,
                int total);
