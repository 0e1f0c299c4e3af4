#include "game/art/BiosPageArt.h"

namespace art {

namespace {

// clang-format off

// 'y' the yellow ends, 'g' the green rule; the cell before the right end is left as it is.
constexpr ColourKey kFramePalette[] = {{'y', 14}, {'g', 2}};

constexpr char kRuleGlyphs[] = "  ∞ ----------------------------------- ∞";
constexpr char kRuleKeys[] =   "..ygggggggggggggggggggggggggggggggggggg.y";
constexpr ArtLayer kFrameLayers[] = {{0, 1, kRuleGlyphs, kRuleKeys}, {0, 20, kRuleGlyphs, kRuleKeys}};

// 'r' the red posts, 'c' the cyan corners, 'w' the white label.
constexpr ColourKey kButtonPalette[] = {{'r', 4}, {'c', 3}, {'w', 15}};

constexpr char kButtonKeys[] = "rcwwwwcr";
constexpr char kBackGlyphs[] = "|+Back+|";
constexpr char kMenuGlyphs[] = "|+MENU+|";
constexpr char kNextGlyphs[] = "|+Next+|";
constexpr ArtLayer kBackLayers[] = {{8, 22, kBackGlyphs, kButtonKeys}};
constexpr ArtLayer kMenuLayers[] = {{18, 22, kMenuGlyphs, kButtonKeys}};
constexpr ArtLayer kNextLayers[] = {{28, 22, kNextGlyphs, kButtonKeys}};

// clang-format on

}  // namespace

CellArt const kBiosFrame{kFramePalette, kFrameLayers};
CellArt const kBiosBackButton{kButtonPalette, kBackLayers};
CellArt const kBiosMenuButton{kButtonPalette, kMenuLayers};
CellArt const kBiosNextButton{kButtonPalette, kNextLayers};

}  // namespace art
