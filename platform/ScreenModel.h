// The console as the game sees it: 80 x 25 cells of one code page 437 byte
// and one attribute, the current attribute and the cursor. Both back ends keep
// one; the terminal back end shows it, the virtual one lets tests read it.
#pragma once

#include <array>
#include <cstdint>

#include "platform/Console.h"

namespace con {

struct Cell {
    uint8_t byte = ' ';
    uint16_t attribute = 7;
    bool operator==(Cell const&) const = default;
};

class ScreenModel {
public:
    ScreenModel();

    // Writes one byte at the cursor as processed console output does:
    // 7 is ignored, 8 steps back, 9 tabs to the next multiple of 8, 10 goes to
    // the start of the next row, 13 to the start of this row; anything else is
    // a glyph, written in the current attribute, and the cursor moves right,
    // wrapping at column 80. Nothing ever scrolls: once the bottom-right cell is
    // written, further glyphs are dropped and counted.
    void Put(uint8_t byte);
    // Blank every cell in the current attribute, cursor to (0, 0).
    void Clear();
    // Refused (returns false) outside the grid; the cursor then stays put.
    bool MoveCursor(int x, int y);

    Cell const& At(int x, int y) const { return cells_[y][x]; }
    uint16_t attribute = 7;
    CursorInfo cursorInfo;
    Coord Cursor() const { return {static_cast<int16_t>(x_), static_cast<int16_t>(y_)}; }

    // Sizing state, reported by the sizing calls.
    Coord bufferSize{kColumns, kRows};
    Rect window{0, 0, kColumns - 1, kRows - 1};
    uint32_t inputMode = 7;

    // Counters tests check: glyphs dropped past the last cell, cursor
    // positions refused.
    long droppedWrites = 0;
    long refusedPositions = 0;
    // Bumped whenever a cell changes; the terminal back end uses it to skip
    // refreshes when nothing changed.
    uint64_t generation = 0;

private:
    void Glyph(uint8_t byte);
    std::array<std::array<Cell, kColumns>, kRows> cells_{};
    int x_ = 0;
    int y_ = 0;
    bool pastEnd_ = false;  // the bottom-right cell has been written
};

}  // namespace con
