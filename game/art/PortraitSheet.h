// Turns a portrait drawn as text into its runs, while compiling.
//
// A sheet is a picture written as it looks: one line per row between two bars,
// in UTF-8, with the glyphs of code page 437 that the console shows. A second
// sheet of the same shape gives each cell's colour by a key:
//   0-9, a-f  that colour (the console's numbers) on black;
//   R         light red on red (76), the one colour with a background;
//   blank     the colour of the cell on its left (at a row's start, of the first
//             keyed cell to its right); allowed under blank glyphs only.
// A picture in one colour has no colour sheet and gets one run per row. Edits
// change cells of a shared drawing (a variant of another portrait). A mistake
// in a sheet (a row of the wrong width, a glyph without a colour, an unknown
// glyph) stops the build.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "game/art/PortraitArt.h"

namespace art::sheet {

inline constexpr int kMaxWidth = kPortraitRunTextSize - 1;
inline constexpr int kMaxHeight = 18;
// No run of a picture in colour is longer than this.
inline constexpr int kMaxColorRun = 21;

// Cells [x, x + length of text) of row y become the text's glyphs.
struct CellEdit {
    int x;
    int y;
    char const* text;
};

struct Sheet {
    char const* glyphs;
    char const* colors = nullptr;  // none: every cell in `ink`
    int ink = 15;
    std::span<CellEdit const> edits = {};
    // A picture in colour is laid down in short strokes: a stretch of one
    // colour longer than this is written as several runs (1 to kMaxColorRun).
    int stroke = 7;
};

// Reached only while compiling a faulty sheet, where it makes the build fail
// with this name in the message.
inline void SheetError(char const* /*why*/) {}

struct Grid {
    int height = 0;
    int width[kMaxHeight] = {};
    uint8_t cell[kMaxHeight][kMaxWidth] = {};
};

// The glyphs outside printable ASCII that the portraits use.
struct ExtraGlyph {
    char32_t code;
    uint8_t byte;
};
inline constexpr ExtraGlyph kExtraGlyphs[] = {
    {U'\u263C', 15},   // sun
    {U'\u221E', 236},  // infinity
    {U'\u207F', 252},  // superscript n
};

// The code page 437 byte of the glyph at text[i]; moves i past it.
constexpr uint8_t NextGlyph(char const* text, int& i) {
    auto const lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
        ++i;
        if (lead < 32 || lead == 127) {
            SheetError("a control character in a sheet");
        }
        return lead;
    }
    int extra = 0;
    char32_t code = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        code = lead & 0x0F;
    } else {
        SheetError("a glyph that is not UTF-8");
    }
    for (int k = 1; k <= extra; ++k) {
        auto const next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) {
            SheetError("a glyph that is not UTF-8");
        }
        code = (code << 6) | (next & 0x3F);
    }
    i += extra + 1;
    for (ExtraGlyph const& g : kExtraGlyphs) {
        if (g.code == code) {
            return g.byte;
        }
    }
    SheetError("a glyph with no byte in code page 437");
    return '?';
}

// Reads the rows of a sheet; `keys` keeps the characters as they are.
constexpr Grid ReadRows(char const* text, bool keys) {
    Grid grid;
    int i = 0;
    while (text[i] != '\0') {
        int end = i;
        while (text[end] != '\0' && text[end] != '\n') {
            ++end;
        }
        if (end > i) {
            if (text[i] != '|' || text[end - 1] != '|' || end - i < 2) {
                SheetError("a row not between two bars");
            }
            if (grid.height == kMaxHeight) {
                SheetError("too many rows");
            }
            int& width = grid.width[grid.height];
            int p = i + 1;
            while (p < end - 1) {
                if (width == kMaxWidth) {
                    SheetError("a row too wide");
                }
                grid.cell[grid.height][width++] = keys ? static_cast<uint8_t>(text[p++]) : NextGlyph(text, p);
            }
            if (p != end - 1) {
                SheetError("a glyph across the closing bar");
            }
            ++grid.height;
        }
        i = text[end] == '\0' ? end : end + 1;
    }
    return grid;
}

constexpr Grid Glyphs(Sheet const& sheet) {
    Grid grid = ReadRows(sheet.glyphs, false);
    for (CellEdit const& edit : sheet.edits) {
        int i = 0;
        int x = edit.x;
        while (edit.text[i] != '\0') {
            if (edit.y < 0 || edit.y >= grid.height || x < 0 || x >= grid.width[edit.y]) {
                SheetError("an edit outside the picture");
            }
            uint8_t const glyph = NextGlyph(edit.text, i);
            if (grid.cell[edit.y][x] == glyph) {
                SheetError("an edit that changes nothing");
            }
            grid.cell[edit.y][x++] = glyph;
        }
    }
    return grid;
}

constexpr int KeyColor(uint8_t key) {
    if (key >= '0' && key <= '9') {
        return key - '0';
    }
    if (key >= 'a' && key <= 'f') {
        return key - 'a' + 10;
    }
    if (key == 'R') {
        return 76;
    }
    SheetError("an unknown colour key");
    return 15;
}

// Every cell's colour.
constexpr Grid Colors(Sheet const& sheet, Grid const& glyphs) {
    Grid colors;
    colors.height = glyphs.height;
    Grid const keys = sheet.colors != nullptr ? ReadRows(sheet.colors, true) : Grid{};
    if (sheet.colors != nullptr && keys.height != glyphs.height) {
        SheetError("a colour sheet of another height");
    }
    for (int y = 0; y < glyphs.height; ++y) {
        colors.width[y] = glyphs.width[y];
        if (sheet.colors == nullptr) {
            for (int x = 0; x < glyphs.width[y]; ++x) {
                colors.cell[y][x] = static_cast<uint8_t>(sheet.ink);
            }
            continue;
        }
        if (keys.width[y] != glyphs.width[y]) {
            SheetError("a colour row of another width");
        }
        int color = -1;
        for (int x = 0; x < keys.width[y] && color < 0; ++x) {
            if (keys.cell[y][x] != ' ') {
                color = KeyColor(keys.cell[y][x]);
            }
        }
        for (int x = 0; x < glyphs.width[y]; ++x) {
            if (keys.cell[y][x] != ' ') {
                color = KeyColor(keys.cell[y][x]);
            } else if (glyphs.cell[y][x] != ' ') {
                SheetError("a glyph without a colour key");
            }
            if (glyphs.cell[y][x] == ' ' && color >= 16) {
                SheetError("a blank on a coloured background");
            }
            colors.cell[y][x] = static_cast<uint8_t>(color);
        }
    }
    return colors;
}

// Calls `emit(dx, dy, color, start, length)` for each run in order; a row
// without cells gives one empty run.
template <class Emit>
constexpr void ForEachRun(Sheet const& sheet, Emit emit) {
    Grid const glyphs = Glyphs(sheet);
    Grid const colors = Colors(sheet, glyphs);
    if (sheet.colors != nullptr && (sheet.stroke < 1 || sheet.stroke > kMaxColorRun)) {
        SheetError("a stroke longer than a run may be");
    }
    int const cut = sheet.colors != nullptr ? sheet.stroke : kMaxWidth;
    for (int y = 0; y < glyphs.height; ++y) {
        if (glyphs.width[y] == 0) {
            emit(0, y, sheet.ink, glyphs.cell[y], 0);
        }
        int x = 0;
        while (x < glyphs.width[y]) {
            int end = x + 1;
            while (end < glyphs.width[y] && end - x < cut && colors.cell[y][end] == colors.cell[y][x]) {
                ++end;
            }
            emit(x, y, colors.cell[y][x], glyphs.cell[y] + x, end - x);
            x = end;
        }
    }
}

constexpr int CountRuns(Sheet const& sheet) {
    int count = 0;
    ForEachRun(sheet, [&count](int, int, int, uint8_t const*, int) { ++count; });
    return count;
}

template <int N>
constexpr std::array<PortraitRun, N> BuildRuns(Sheet const& sheet) {
    std::array<PortraitRun, N> runs{};
    int n = 0;
    ForEachRun(sheet, [&](int dx, int dy, int color, uint8_t const* glyphs, int length) {
        PortraitRun& run = runs[n++];
        run.dx = static_cast<int8_t>(dx);
        run.dy = static_cast<int8_t>(dy);
        run.color = static_cast<uint8_t>(color);
        for (int k = 0; k < length; ++k) {
            run.text[k] = static_cast<char>(glyphs[k]);
        }
    });
    return runs;
}

}  // namespace art::sheet
