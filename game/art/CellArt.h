// Pictures kept as data: rows of glyphs as the player sees them and, cell for
// cell, rows of keys that name each cell's colour.
#pragma once

#include <span>

namespace art {

// A colour named by one character of a picture's key rows.
struct ColourKey {
    char key;
    int colour;
};

// The key that leaves a cell as it is: the picture does not cover it.
inline constexpr char kUntouched = '.';

// One layer of a picture. Glyph rows are written in UTF-8 with the Unicode
// look-alikes of code page 437 ("░▒▓█▄▀╔═╗", "⌂▲♣"), one glyph per cell; key
// rows hold one key per cell; a single key row serves every glyph row. The
// layer's top-left cell sits at (dx, dy) from the point the picture is drawn at.
struct ArtLayer {
    int dx;
    int dy;
    std::span<char const* const> glyphs;
    std::span<char const* const> keys;
};

// A picture: its layers, drawn in order over one another, and the colours its
// keys name.
struct CellArt {
    std::span<ColourKey const> palette;
    std::span<ArtLayer const> layers;
};

// Draws the picture with its origin at (x, y). Each row of a layer is written
// as runs of neighbouring cells of one colour, left to right; untouched cells
// and cells whose key names no colour keep what the screen shows.
void DrawCellArt(CellArt const& picture, int x, int y);

}  // namespace art
