// The title emblem: the game's name in large outline letters (single-line
// box glyphs) and the figure beside the lower word (full and half blocks).
#pragma once

#include <string>
#include <vector>

#include "game/art/CellArt.h"

// Where the parts stand relative to the emblem's anchor, and their sizes.
inline constexpr int kEmblemUpperRows = 6;      // rows y .. y+5
inline constexpr int kEmblemUpperColumns = 70;  // columns x .. x+69
inline constexpr int kEmblemLowerTop = 6;       // rows y+6 .. y+11, then the tail on y+12
inline constexpr int kEmblemLowerRows = 7;
inline constexpr int kEmblemLowerColumns = 43;
inline constexpr int kEmblemTailColumns = 16;
inline constexpr int kEmblemFigureLeft = 48;  // the figure: (x+48, y+7) to (x+48, y+11)
inline constexpr int kEmblemFigureTop = 7;
inline constexpr int kEmblemFigureRows = 5;
inline constexpr int kEmblemLettersColour = 14;
inline constexpr int kEmblemFigureColour = 10;

namespace art {

// Both words, drawn in the letters' colour, and the figure, drawn in its own;
// each with the emblem's anchor as its origin.
extern CellArt const kTitleWords;
extern CellArt const kTitleFigure;

}  // namespace art

// The rows of each part as code page 437 bytes, without trailing blanks.
// MOTHERSHIP: 6 rows.
std::vector<std::string> const& TitleUpperWord();
// HARVEST: 6 rows and the tail row.
std::vector<std::string> const& TitleLowerWord();
// The saucer: 5 rows.
std::vector<std::string> const& TitleFigure();
