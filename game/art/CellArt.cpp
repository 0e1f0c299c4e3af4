#include "game/art/CellArt.h"

#include <cstring>
#include <string_view>

#include "game/ui/GuiFunctions.h"
#include "platform/Cp437.h"

namespace art {

namespace {

// The rows of a block as they are written (UTF-8); a block that starts with a
// line break starts after it.
std::vector<std::string_view> Rows(char const* block) {
    std::vector<std::string_view> rows;
    if (block == nullptr) {
        return rows;
    }
    char const* p = *block == '\n' ? block + 1 : block;
    while (*p != '\0') {
        char const* end = std::strchr(p, '\n');
        std::size_t const length = end != nullptr ? static_cast<std::size_t>(end - p) : std::strlen(p);
        rows.emplace_back(p, length);
        if (end == nullptr) {
            break;
        }
        p = end + 1;
    }
    return rows;
}

// The colour a key names, or -1 when the cell is not drawn.
int ColourOf(std::span<ColourKey const> palette, char key) {
    if (key == kUntouched) {
        return -1;
    }
    for (ColourKey const& entry : palette) {
        if (entry.key == key) {
            return entry.colour;
        }
    }
    return -1;
}

// A row in one colour, from its first glyph to its last.
void DrawInkRow(std::string const& glyphs, int x, int y, int ink) {
    std::size_t const first = glyphs.find_first_not_of(' ');
    if (first == std::string::npos) {
        return;
    }
    std::size_t const last = glyphs.find_last_not_of(' ');
    std::string const run = glyphs.substr(first, last - first + 1);
    PrintAt(run.c_str(), x + static_cast<int>(first), y, ink);
}

// A row by its keys, as runs of cells of one key.
void DrawKeyedRow(std::span<ColourKey const> palette, std::string glyphs, std::string_view keys, int x,
                  int y) {
    if (glyphs.size() < keys.size()) {
        glyphs.resize(keys.size(), ' ');
    }
    std::size_t const cells = keys.size();
    std::size_t start = 0;
    while (start < cells) {
        int const colour = ColourOf(palette, keys[start]);
        std::size_t end = start + 1;
        while (end < cells && keys[end] == keys[start]) {
            ++end;
        }
        if (colour >= 0) {
            std::string const run = glyphs.substr(start, end - start);
            PrintAt(run.c_str(), x + static_cast<int>(start), y, colour);
        }
        start = end;
    }
}

void DrawLayer(std::span<ColourKey const> palette, ArtLayer const& layer, int x, int y, int ink) {
    std::vector<std::string_view> const glyphs = Rows(layer.glyphs);
    if (layer.keys == nullptr) {
        for (std::size_t row = 0; row < glyphs.size(); ++row) {
            DrawInkRow(con::Utf8ToCp437(std::string(glyphs[row])), x + layer.dx,
                       y + layer.dy + static_cast<int>(row), ink);
        }
        return;
    }
    std::vector<std::string_view> const keys = Rows(layer.keys);
    bool const oneKeyRow = keys.size() == 1;
    std::size_t const rows = oneKeyRow || glyphs.size() < keys.size() ? glyphs.size() : keys.size();
    for (std::size_t row = 0; row < rows; ++row) {
        DrawKeyedRow(palette, con::Utf8ToCp437(std::string(glyphs[row])), keys[oneKeyRow ? 0 : row],
                     x + layer.dx, y + layer.dy + static_cast<int>(row));
    }
}

}  // namespace

void DrawCellArt(CellArt const& picture, int x, int y, int ink) {
    for (ArtLayer const& layer : picture.layers) {
        DrawLayer(picture.palette, layer, x, y, ink);
    }
}

std::vector<std::string> ArtLines(char const* utf8Block) {
    std::vector<std::string> lines;
    for (std::string_view const row : Rows(utf8Block)) {
        lines.push_back(con::Utf8ToCp437(std::string(row)));
    }
    return lines;
}

}  // namespace art
