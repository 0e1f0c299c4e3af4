// Pictures kept as data, written in the source as the player sees them: blocks
// of glyph rows and, cell for cell, blocks of keys that name each cell's
// colour. A picture in a single colour needs no keys: it takes the colour it
// is drawn in.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace art {

// A colour named by one character of a picture's key rows.
struct ColourKey {
    char key;
    int colour;
};

// The key that leaves a cell as it is: the picture does not cover it.
inline constexpr char kUntouched = '.';

// One layer of a picture, its top-left cell at (dx, dy) from the point the
// picture is drawn at.
//
// `glyphs` is a block of rows: UTF-8 text, one line per row, written with the
// Unicode look-alikes of code page 437 ("░▒▓█▄▀╔═╗", "⌂▲♣"), one glyph per
// cell. A block written as a raw string starts with a line break, which does
// not count as a row.
//
// `keys`, when there are any, is a block of one key per cell, row for row, or
// a single line of keys that serves every row. A key names the cell's colour
// in the picture's palette; '.', or a key the palette does not name, leaves
// the cell as the screen shows it. The keys say how far a row reaches: a glyph
// row shorter than its keys goes on in blanks, so blanks at a row's end are
// not written.
//
// A layer without keys is in one colour, the ink the picture is drawn with.
// Each of its rows covers the cells from its first glyph to its last: the
// blanks before and after them are not part of it, those between are.
struct ArtLayer {
    int dx;
    int dy;
    char const* glyphs;
    char const* keys = nullptr;
};

// A picture: its layers, drawn in order over one another, and the colours its
// keys name.
struct CellArt {
    std::span<ColourKey const> palette;
    std::span<ArtLayer const> layers;
};

// Draws the picture with its origin at (x, y); layers without keys are drawn
// in `ink`. Each row of a layer is written as runs of neighbouring cells of one
// colour, left to right; cells a layer leaves untouched keep what the screen
// shows.
void DrawCellArt(CellArt const& picture, int x, int y, int ink = 15);

// The rows of a block as code page 437 bytes, each kept as it is written: for
// the texts and pictures that are read row by row rather than drawn.
std::vector<std::string> ArtLines(char const* utf8Block);

// The rows of a block, read once and kept: for tables that hand out their rows.
template <char const* Block>
std::vector<std::string> const& KeptArtLines() {
    static std::vector<std::string> const lines = ArtLines(Block);
    return lines;
}

}  // namespace art
