#include "game/art/TerrainTiles.h"

namespace art {

namespace {

// clang-format off

// ---- Farm Land: a farmhouse behind a fence, rows of crops in ploughed soil.
constexpr ColourKey kFarmPalette[] = {{'k', 32}, {'r', 36}, {'b', 38}};
constexpr char kFarmGlyphs[] = R"(
 ⌂ ┌▓▓▓▓▓
   │░░░░░
░░ │▓▓▓▓▓
░░░┘░░░░░
)";
constexpr char kFarmKeys[] = R"(
krkbkkkkk
kkkbbbbbb
kkkbkkkkk
kkkbbbbbb
)";
constexpr ArtLayer kFarmLayers[] = {{0, 0, kFarmGlyphs, kFarmKeys}};

// The second Farm Land: the same farm with an orchard and flowers among the crops.
constexpr char kFarm2Glyphs[] = R"(
      Φ
  ☼    ⌠
     ¥ ⌡
 φ      ₧
)";
constexpr char kFarm2Keys[] = R"(
......k..
..r....b.
.....k.b.
.r......r
)";
constexpr ArtLayer kFarm2Layers[] = {{0, 0, kFarmGlyphs, kFarmKeys}, {0, 0, kFarm2Glyphs, kFarm2Keys}};

// ---- City: blocks of houses between streets, a double-lined avenue through.
constexpr ColourKey kCityPalette[] = {{'k', 112}, {'d', 120}, {'y', 126}, {'w', 127}};
constexpr char kCityGlyphs[] = R"(
⌂⌂▓║⌂⌂│▓⌂
───╢⌂▓│⌂⌂
⌂▓⌂╠══╧═╤
▓⌂░║⌂⌂▓⌂│
)";
constexpr char kCityKeys[] = R"(
ywdwykkdy
kkkwwdkyw
ydywwwwwk
dyddywdyk
)";
constexpr ArtLayer kCityLayers[] = {{0, 0, kCityGlyphs, kCityKeys}};

// ---- Military Base: a runway down the middle of brown ground.
constexpr ColourKey kBasePalette[] = {{'k', 96}, {'g', 98}, {'w', 111}, {'r', 112}, {'d', 120}};
constexpr char kBaseGlyphs[] = R"(
░·░│·│░·░
 ░ │·│ ░
░·░│·│░·░
 ░ │·│ ░
)";
constexpr char kBaseKeys[] = R"(
gwgrdrgwg
kgkrdrkgk
gwgrdrgwg
kgkrdrkgk
)";
constexpr ArtLayer kBaseLayers[] = {{0, 0, kBaseGlyphs, kBaseKeys}};

// ---- Mountains: snowy peaks over rock, forest at their feet.
constexpr ColourKey kMtnPalette[] = {{'g', 2}, {'l', 7}, {'G', 114}, {'d', 120}, {'w', 127}};
constexpr char kMtnGlyphs[] = R"(
 ░▲░ ░▲░
░▲▲▲░▲▲▲░
▲▲▒▲▲▲▒▲▲
▓▓▒▓▓▓▒▓▓
)";
constexpr char kMtnKeys[] = R"(
llwllwlll
lwdwlwdwl
dGlGdGlGd
ggggggggg
)";
constexpr ArtLayer kMtnLayers[] = {{0, 0, kMtnGlyphs, kMtnKeys}};

// ---- Desert: sparse sand on brown, drifting into dunes at the lower right.
constexpr ColourKey kDesertPalette[] = {{'k', 96}, {'r', 108}, {'y', 110}};
constexpr char kDesertGlyphs[] = R"(
   ░    ░
 ░   ░ ░▒
   ░ ░▒▒▓
 ░ ░▒▒▓▓▓
)";
constexpr char kDesertKeys[] = R"(
kkkykkkky
krkkkykyy
kkkykyyyy
kykryyyyy
)";
constexpr ArtLayer kDesertLayers[] = {{0, 0, kDesertGlyphs, kDesertKeys}};

// ---- Rubble: a crater of shattered ground.
constexpr ColourKey kRubblePalette[] = {{'a', 104}, {'b', 112}};
constexpr char kRubbleGlyphs[] = R"(
 ▒░▒▓▒░▒
▒░▒▓█▓▒░▒
▒░▒▓█▓▒░▒
 ▒░▒▓▒░▒
)";
constexpr char kRubbleKeys[] = R"(
aabbbbbaa
abbbbbbba
abbbbbbba
aabbbbbaa
)";
constexpr ArtLayer kRubbleLayers[] = {{0, 0, kRubbleGlyphs, kRubbleKeys}};

// ---- Not yet explored: a yellow question mark of half blocks.
constexpr ColourKey kUnknownPalette[] = {{'y', 14}};
constexpr char kUnknownGlyphs[] = R"(
  ▄▀▀▀▄
 ▀     █
    ▄▀▀
    ▄
)";
constexpr char kUnknownKeys[] = "yyyyyyyyy";
constexpr ArtLayer kUnknownLayers[] = {{0, 0, kUnknownGlyphs, kUnknownKeys}};

// ---- Blast frames: a diamond of heat growing around the tile's centre column.
constexpr ColourKey kBlastPalette[] = {{'x', 112}};
constexpr char kBlast1Glyphs[] = R"(

    █
    █

)";
constexpr char kBlast1Keys[] = R"(
.........
....x....
....x....
.........
)";
constexpr char kBlast2Glyphs[] = R"(
    ▓
   ▓█▓
   ▓█▓
    ▓
)";
constexpr char kBlast2Keys[] = R"(
....x....
...xxx...
...xxx...
....x....
)";
constexpr char kBlast3Glyphs[] = R"(
   ▒▓▒
  ▒▓█▓▒
  ▒▓█▓▒
   ▒▓▒
)";
constexpr char kBlast3Keys[] = R"(
...xxx...
..xxxxx..
..xxxxx..
...xxx...
)";
constexpr char kBlast4Glyphs[] = R"(
  ░▒▓▒░
 ░▒▓█▓▒░
 ░▒▓█▓▒░
  ░▒▓▒░
)";
constexpr char kBlast4Keys[] = R"(
..xxxxx..
.xxxxxxx.
.xxxxxxx.
..xxxxx..
)";
constexpr ArtLayer kBlast1Layers[] = {{0, 0, kBlast1Glyphs, kBlast1Keys}};
constexpr ArtLayer kBlast2Layers[] = {{0, 0, kBlast2Glyphs, kBlast2Keys}};
constexpr ArtLayer kBlast3Layers[] = {{0, 0, kBlast3Glyphs, kBlast3Keys}};
constexpr ArtLayer kBlast4Layers[] = {{0, 0, kBlast4Glyphs, kBlast4Keys}};

// clang-format on

}  // namespace

CellArt const kFarmTile{kFarmPalette, kFarmLayers};
CellArt const kCityTile{kCityPalette, kCityLayers};
CellArt const kBaseTile{kBasePalette, kBaseLayers};
CellArt const kMtnTile{kMtnPalette, kMtnLayers};
CellArt const kDesertTile{kDesertPalette, kDesertLayers};
CellArt const kFarmTile2{kFarmPalette, kFarm2Layers};
CellArt const kRubbleTile{kRubblePalette, kRubbleLayers};
CellArt const kUnknownTile{kUnknownPalette, kUnknownLayers};

CellArt const kBlastFrame1{kBlastPalette, kBlast1Layers};
CellArt const kBlastFrame2{kBlastPalette, kBlast2Layers};
CellArt const kBlastFrame3{kBlastPalette, kBlast3Layers};
CellArt const kBlastFrame4{kBlastPalette, kBlast4Layers};

}  // namespace art
