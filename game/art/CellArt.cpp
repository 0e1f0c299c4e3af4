#include "game/art/CellArt.h"

#include <string>

#include "game/ui/GuiFunctions.h"
#include "platform/Cp437.h"

namespace art {

namespace {

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

void DrawLayer(std::span<ColourKey const> palette, ArtLayer const& layer, int x, int y) {
    bool const oneKeyRow = layer.keys.size() == 1;
    std::size_t const rows =
        oneKeyRow || layer.glyphs.size() < layer.keys.size() ? layer.glyphs.size() : layer.keys.size();
    for (std::size_t row = 0; row < rows; ++row) {
        std::string const glyphs = con::Utf8ToCp437(layer.glyphs[row]);
        std::string const keys = layer.keys[oneKeyRow ? 0 : row];
        std::size_t const cells = glyphs.size() < keys.size() ? glyphs.size() : keys.size();
        std::size_t start = 0;
        while (start < cells) {
            int const colour = ColourOf(palette, keys[start]);
            std::size_t end = start + 1;
            while (end < cells && keys[end] == keys[start]) {
                ++end;
            }
            if (colour >= 0) {
                std::string const run = glyphs.substr(start, end - start);
                PrintAt(run.c_str(), x + layer.dx + static_cast<int>(start),
                        y + layer.dy + static_cast<int>(row), colour);
            }
            start = end;
        }
    }
}

}  // namespace

void DrawCellArt(CellArt const& picture, int x, int y) {
    for (ArtLayer const& layer : picture.layers) {
        DrawLayer(picture.palette, layer, x, y);
    }
}

}  // namespace art
