#include "game/art/IonCannonScenes.h"

namespace art {

namespace {

// clang-format off

// ---- The view screen: a frame of light shade around a starry sky.
constexpr ColourKey kViewPalette[] = {{'f', 14}, {'s', 15}};
constexpr char kFrameGlyphs[] = R"(
░░░░░░░░░░░░░░░░░░░░░░░░░░░░░░░
░                             ░
░                             ░
░                             ░
░                             ░
░                             ░
░                             ░
░                             ░
░                             ░
░                             ░
░                             ░
░                             ░
░                             ░
░                             ░
░                             ░
░                             ░
░░░░░░░░░░░░░░░░░░░░░░░░░░░░░░░
)";
constexpr char kFrameKeys[] = R"(
fffffffffffffffffffffffffffffff
f.............................f
f.............................f
f.............................f
f.............................f
f.............................f
f.............................f
f.............................f
f.............................f
f.............................f
f.............................f
f.............................f
f.............................f
f.............................f
f.............................f
f.............................f
fffffffffffffffffffffffffffffff
)";
constexpr char kSkyGlyphs[] = R"(
  .         .        .     .
        .        .
 .    .            .     .
            .   .
    .                  .   .
          .     .
 .              .       .
      .     .         .
   .               .      .
)";
constexpr char kSkyKeys[] = "sssssssssssssssssssssssssssss";
constexpr ArtLayer kStarsLayers[] = {{0, 0, kFrameGlyphs, kFrameKeys}, {1, 1, kSkyGlyphs, kSkyKeys}};

// Without a picture only the frame is drawn, and the top of the inside blanked
// where the static starts: two rows of blanks, as wide as their keys.
constexpr char kNoVisualGlyphs[] = R"(


)";
constexpr char kNoVisualKeys[] = R"(
fffffffffffffffffffffffffffff
ffffffffffff
)";
constexpr ArtLayer kNoVisualLayers[] = {{0, 0, kFrameGlyphs, kFrameKeys}, {1, 1, kNoVisualGlyphs, kNoVisualKeys}};

// ---- Farm Land: a red barn and a silo, a fence on the horizon, wheat in rows.
constexpr ColourKey kFarmPalette[] = {{'b', 1},  {'r', 4},  {'n', 6},  {'y', 14},
                                      {'w', 15}, {'R', 78}, {'s', 135}};
constexpr char kFarmGlyphs[] = R"(
 __
(▓▒)     _____        ░▓░
|▓▒|    /▓▓█▓▓\   ░▒▓▓▓▓▓▒░▒▓
|▓▒|   /▓▓▓▓▓▓▓\╪-╪-╪-╪-╪-╪-╪
|▓▒|▒▒▒| ■   ■ |▓▓▓▓▓▓▓▓▓▓▓▓▓
▓▓▓▓▓▓▓|  ╪╪╪  |▒■▒▒▒▒■▒▒▒▒■▒
)";
constexpr char kFarmKeys[] = R"(
wwwwwwwwwwwwwwwwwwwwwwwwwwwww
sssswwwwwrrrrrwwwwwwwwbbbwwww
sssswwwwrrrnrrrwwwbbbbbbbbbbb
sssswwwrrrrrrrrrnnnnnnnnnnnnn
ssssyyyRRRRRRRRRyyyyyyyyyyyyy
yyyyyyyRRRRRRRRRnynnnnynnnnyn
)";
constexpr ArtLayer kFarmLayers[] = {{1, 10, kFarmGlyphs, kFarmKeys}};

// ---- City: a skyline of double-lined towers; one row higher in its own offsets.
constexpr ColourKey kCityPalette[] = {{'b', 1},  {'g', 2},  {'r', 4},   {'n', 6},   {'d', 8},   {'y', 14},
                                      {'G', 46}, {'B', 96}, {'k', 112}, {'D', 120}, {'Y', 126}, {'s', 135}};
constexpr char kCityGlyphs[] = R"(
     ■        ╒╕          ┼
▓▓ ╔═╩═╗ ▓╔═══╩╩═╗ ▓▓▓ ╔═╦═╗
╔═╗║■ ■║▓▓║≡ ≡ ≡ ║ ╔═╗▓║■║■║▓
║■║║ ■ ║╔╗╠══════╣▓║■║▓║■║■║╔
║ ║║■ ■║╚╝║  ██  ║♣║ ║♣║█║■║║
▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓
)";
constexpr char kCityKeys[] = R"(
bbbbbybbbbbbbbDDbbbbbbbbbbbrb
ddbDDDDDbdkkkkkkkkbdddbDDDDDb
sssDYDYDddkkkkkkkkbsssdDYDYDd
sYsDDYDDGGkkkkkkkkdsYsdDYDYDs
sssDYDYDGGBBBBBBBBgsssgDnDYDs
ddddddddddddddddddddddddddddd
)";
constexpr ArtLayer kCityLayers[] = {{1, 9, kCityGlyphs, kCityKeys}};

// ---- Military Base: a control tower, a hangar and the perimeter fence.
constexpr ColourKey kBasePalette[] = {{'b', 1},  {'n', 6},   {'l', 7},  {'y', 14},
                                      {'w', 15}, {'D', 120}, {'s', 135}};
constexpr char kBaseGlyphs[] = R"(
  ╔═╗
  ║■║        ░▒▓▓▓▓▓▒░
  ║ ║      ░▒▓▓▓▓▓▓▓▓▓▒░  ■
╫═║═║═╫═══╫▓▓█████████▓▓╫═══╫
▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒
■ ═ ═ ═ ═ ═ ═ ═ ═ ═ ═ ═ ═ ═ ■
)";
constexpr char kBaseKeys[] = R"(
wwlllwwwwwwwwwwwwwwwwwwwwwwww
wwlylwwwwwwwwsssssssssswwwwww
wwlllwwwwwwssssssssssssswwyww
lllllllllllssDDDDDDDDDsslllll
nnnnnnnnnnnnnnnnnnnnnnnnnnnnn
bwwwwwwwwwwwwwwwwwwwwwwwwwwwb
)";
constexpr ArtLayer kBaseLayers[] = {{1, 10, kBaseGlyphs, kBaseKeys}};

// ---- Mountains: snow-capped peaks, pines on green slopes and a lake.
constexpr ColourKey kMtnPalette[] = {{'l', 7},  {'L', 10}, {'w', 15}, {'u', 19},
                                     {'g', 32}, {'c', 33}, {'G', 42}, {'Y', 46}};
constexpr char kMtnGlyphs[] = R"(
       /\            /\
      /▒▒\    /\    /▒▒\
 ↑/\ /▒▒▒▒\  /▒▒\  /▒▒▒▒\ /\
♠/▒▒\▒▒▒▒▒▒\/▒▒▒▒\/▒▒▒▒▒▒\▒▒\
♠↑♣♠↑♠♣↑♠♠↑♣~~~~~~↑♠♣♠♠↑♣♠↑♠♣
♣♠↑♣♠♣↑♠♣↑♠♠♣~~~~♣♠↑♠♣↑♠♣♠↑♠↑
)";
constexpr char kMtnKeys[] = R"(
wwwwwwwwwwwwwwwwwwwwwwwwwwwww
wwwwwwwllwwwwwwwwwwwwllwwwwww
wLllwllllllwwllllwwllllllwllw
Lllllllllllllllllllllllllllll
gYGgYgGYggYGuuuuuucgGggYGgYgG
GgYGgGcgGcggGuuuuGgYgGYgGgYgY
)";
constexpr ArtLayer kMtnLayers[] = {{1, 10, kMtnGlyphs, kMtnKeys}};

// ---- Desert: saguaro cacti on rolling dunes.
constexpr ColourKey kDesertPalette[] = {{'g', 2}, {'s', 110}};
constexpr char kDesertGlyphs[] = R"(
   ║                    ║
  ║║║                  ║║║
  ╙║╜       ║          ╙║╜▒▒
▒▒▒║▒▒▒▒  ▒║║║▒▒▒▒▒▒▒▒▒▒║▒▒▒▒
▒▒▒▒▒▒  ▒▒▒╙║╜▒▒▒▒▒▒  ▒▒▒▒▒▒▒
▒▒▒▒    ▒▒▒▒║▒▒▒▒▒▒▒    ▒▒▒▒▒
)";
constexpr char kDesertKeys[] = R"(
ggggggggggggggggggggggggggggg
ggggggggggggggggggggggggggggg
ggggggggggggggggggggggggggsss
sssgsssssssgggssssssssssgssss
sssssssssssgggsssssssssssssss
ssssssssssssgssssssssssssssss
)";
constexpr ArtLayer kDesertLayers[] = {{1, 10, kDesertGlyphs, kDesertKeys}};

// ---- Rubble: heaps of broken stone; the Nuclear Wasteland is the same heaps
// glowing.
constexpr char kRubbleGlyphs[] = R"(
        |         /
   _   ▒|▒       /▒    .   ,
  ▒▓▒ ▒▓▓▓▒  _  ▒▓▓▒     ▒▒▒
 ▒▓▒▓▒▓▒▓▓▓▒▒▓▒▓▓▒▓▓▒  ▒▓▓▒▓▒
▒▓▓▓▒▓▓▓▒▓▓▓▓▒▓▓▓▓▒▓▓▒▒▓▒▓▓▓▓
▓▒▓▓▓▓▒▓▓▓▓▒▓▓▓▓▓▒▓▓▓▓▓▒▓▓▓▒▓
)";
constexpr ColourKey kRubblePalette[] = {{'d', 8}, {'w', 15}, {'s', 135}};
constexpr char kRubbleKeys[] = R"(
wwwwwwwwwwwwwwwwwwwwwwwwwwwww
wwwwwwwdwdwwwwwwwwdwwwwwwwwww
wwdsdwdsssdwwwwwdssdwwwwwdddw
wdsdsdsdsssddsdssdssdwwdssdsd
dsssdsssdssssdssssdssddsdssss
sdssssdssssdsssssdsssssdsssds
)";
constexpr ArtLayer kRubbleLayers[] = {{1, 10, kRubbleGlyphs, kRubbleKeys}};

constexpr ColourKey kNukePalette[] = {{'g', 2}, {'d', 8}, {'w', 15}, {'G', 42}, {'s', 135}};
constexpr char kNukeKeys[] = R"(
wwwwwwwwwwwwwwwwwwwwwwwwwwwww
wwwwwwwgwgwwwwwwwwgwwwwwwwwww
wwgGgwgGGGgwwwwwgGGgwwwwwgggw
wgGgGgGgGGGggGgGGgGGgwwgGGgGg
gGGGgGGGgGGGGgGGGGgGGggGgGGGG
sdssssdssssdsssssdsssssdsssds
)";
constexpr ArtLayer kNukeLayers[] = {{1, 10, kRubbleGlyphs, kNukeKeys}};

// ---- The beam: one slice, light shade around a core of medium shade.
constexpr ColourKey kBeamPalette[] = {{'o', 19}, {'c', 59}};
constexpr char kBeamGlyphs[] = "░▒▒";
constexpr char kBeamKeys[] =   "occ";
constexpr char kBeamEdgeGlyphs[] = "░";
constexpr char kBeamEdgeKeys[] =   "o";
constexpr ArtLayer kBeamLayers[] = {{13, 1, kBeamGlyphs, kBeamKeys}, {15, 1, kBeamEdgeGlyphs, kBeamEdgeKeys}};

constexpr ColourKey kEraseBeamPalette[] = {{'w', 15}};
constexpr char kEraseBeamGlyphs[] = "    ";
constexpr char kEraseBeamKeys[] =   "wwww";
constexpr ArtLayer kEraseBeamLayers[] = {{13, 1, kEraseBeamGlyphs, kEraseBeamKeys}};

// ---- Impact domes of ionised air, growing around the beam.
constexpr ColourKey kDomePalette[] = {{'b', 1}, {'w', 15}, {'o', 19}, {'O', 27}, {'c', 59}};
constexpr char kDome1Glyphs[] = R"(
       ▒▒   ▒▒
    ▒▒▓▒▒▓▒▒▓▒▒▒▒
  ▒▒▓▒▒▓▓▓▓▓▓▓▒▒▓▒▒
 ▒▓▒▒▓▒▓▒▓▓▒▓▓▒▓▒▓▒▒
▒▒▒▓▓▓▓▒▓▓▒▓▓▒▓▓▓▒▓▒▒▒
)";
constexpr char kDome1Keys[] = R"(
.......bb...bb........
....bbooooooooobb.....
..boooocccccccoooob...
.booocccwwwwwcccooob..
boooccwwwwwwwwwccooobb
)";
constexpr ArtLayer kDome1Layers[] = {{4, 11, kDome1Glyphs, kDome1Keys}};
constexpr char kDome2Glyphs[] = R"(
       ▒▓▒▒   ▒▒▓▒
    ▒▓▒▓▓▒▒▓▒▒▓▒▒▓▒▓▒
  ▒▒▒▒▓▒▒▓▒▓▒▓▒▓▒▒▓▒▒▒▒
 ▒▒▒▓▒▓▓▓▓▒▓▓▒▓▓▓▓▓▓▒▒▓▒
▒▒▓▒▒▒▓▒▓▒▓▓▒▓▓▒▓▒▓▒▓▒▒▓▓▒
)";
constexpr char kDome2Keys[] = R"(
.......bbbb...bbbb........
....bbbbooooooooobbbb.....
..bbooooocccccccooooobb...
.booooccccwwwwwccccoooob..
boooocccwwwwwwwwwcccoooobb
)";
constexpr ArtLayer kDome2Layers[] = {{2, 11, kDome2Glyphs, kDome2Keys}};
constexpr char kDome3Glyphs[] = R"(
         ▒▒▓▒▓▒▓▒▒
     ▒▓▒▓▒▓▒▒▓▒▒▓▒▓▒▓▒
   ▒▒▓▒▒▓▒▒▓▒▒▓▒▒▓▒▒▓▒▒▒
 ▒▓▓▒▒▓▒▓▒▓▒▓▒▓▒▓▒▓▒▒▓▒▒▓▒
▒▓▒▒▓▓▓▓▓▓▓▒▓▓▒▓▓▓▓▓▓▓▓▒▒▓▒▒
▒▒▓▒▒▓▒▓▓▓▒▓▓▒▓▓▒▓▓▓▒▓▒▓▒▒▓▒▒
)";
constexpr char kDome3Keys[] = R"(
.........bbbbbbbbb...........
.....bbbbboOooOoobbbbb.......
...bbooOooOooOooOooOoobb.....
.bbOooOcccccccccccccoOoobb...
bbOoocccccwwwwwwwcccccoOobbb.
bOooOcccwwwwwwwwwwwcccOooObbb
)";
constexpr ArtLayer kDome3Layers[] = {{1, 10, kDome3Glyphs, kDome3Keys}};

// ---- Aftermath: smouldering ruins, embers glowing under the smoke.
constexpr ColourKey kAftermathPalette[] = {{'r', 4}, {'d', 8}, {'y', 14}, {'w', 15}};
constexpr char kAftermathGlyphs[] = R"(
   (     )        (      )
    )  ⁿ(    ⁿ     ) ⁿ  (
  ▄▒▒▄ ▄▒▄  ▄▒▒▒▄  ▄▒▄ ▄▒▒▒▄
 ▄▒▒▒▒▀▒▒▒▀▄▒▒▒▒▒▒▄▒▒▒▀▒▒▒▒▒▄
▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒
▒▀▒▒▒▀▒▒▀▒▒▒▒▀▒▒▒▀▒▒▒▀▒▒▒▀▒▒▒
)";
constexpr char kAftermathKeys[] = R"(
dddwdddddwddddddddwddddddwddd
dddddddydddddydddddddyddddddd
ddrddrdrdrddrdddrddrdrdrdddrd
drddddrdddrrddddddrdddrdddddr
ddddddddddddddddddddddddddddd
drdddrddrddddrdddrdddrdddrddd
)";
constexpr ArtLayer kAftermathLayers[] = {{1, 10, kAftermathGlyphs, kAftermathKeys}};

// ---- Static while the cannon charges without a picture.
constexpr ColourKey kStaticPalette[] = {{'w', 15}};
constexpr char kStaticKeys[] = "wwwwwwwwwwwwwwwwwwwwwwwwwwwww";
constexpr char kStatic1Glyphs[] = R"(
▒░░░░░░░▓░▓░░▒▒░▒▒▒▒░░▒░░░░▒░
▓▓▒▒▒▓░░▓▒▒░▓▒░▒▒▒▒▓▒▒▓░▒▒▒░░
▒▓░░▒▒▒▒▒▓▒░▓▒▒▓▓▒▓▓▒▒▒▒▓▓▓▓▒
▒▓▒░▒▒▒▒▒▒▒▓▒░▓▓▓▓▓▒▓▓░▒▒▒▓▒▓
░▒▒▒░░░░░▒░▒░░▒▒▒░░░▒▓▓▒░░░░░
░░░▒░▓░░░▒░▓░░░▒░░▒▒░░▒░░▒░░▒
▒░░▒░░░░▓▓░▓▒▒▓░▓░░▒░░▒░░░░▒░
░▒░░░▒░░▒▓▓░░▒░▓░░▒▓░░░▓░░░░▓
░▒░▓▒░▒▒▒░░░▒▓▒░░░░▓▒▒▒░░░▓░▒
░░▓░░▓░░░▒▒▒▒▒░░▒▓▒░▒░▓░▒░░░░
░▓░▓░░░░░▒░░░▒░▒░░▒░░▒░▓▒▓▓░░
░▒░▒░░░░░░░░░░░░▓░░░░░▓░░░░▒░
░░▓░░▒▓░░░░▒░░░░░▒░░░░░░░▓░░░
▒▒░░░░░▒░░▓░▒░░░░▒░░▒░▒▒░░░░░
▒░░▓░▓░░▓▓░▒░▒░░░░░░▒░░░▒░░░░
)";
constexpr char kStatic2Glyphs[] = R"(
░▒░░░░▒▒▒░▒░▓▒▓░░░▒░░▒░▒▒░░░░
░░░░░▓░░▒▓░▓░▒▓▒▓▒░░░░░░░▒░░░
▓▓▓▒░░░▒░░░░▒▒░░░░░▒░░▒▓░░░▓▒
░▓░▒▒▒░░▒▓░░▓░░░░░▒▒░░░▒░▒░░░
▓▒▓▒▒▒░░░░░░░░▒░▒░░▒░░▒▓▓░░░░
▒░░░░░░▓░░▒░▒░░▓░▒░░░░▒░▒░░▒▒
▓▒▓▓▓▓▒▒▒░▒▓▓▒▒░▒▓▒░▓░░▒▒▓▓▓▒
▒░▒░▒▓▓▓▒░▓▓▒▒▒▓░░▒░▓▓▓░▒▓▓▓▒
░░▒▒▓▒▓▒▓░▓▒▒▒▒▒▒░▒░░▓▒▓▒▒░▓░
▓▓▓▒░░░▒░░░▒░░░▒░░░░░░░▓░░▓░▒
░░▒░▒▒░▓▒░▓░░░░░▒▓░░░░░░░░░▓░
░▓▒░░░▒░░░░░▓▒░░▒▒░▒▒▒░░▒░▓▒░
▓▒▒▒░▒░░▒░▒░░░░░▒░▒▒░░▒░░▓▒░░
░▒░░▒▒░░░░▓▒▒░░░░░░▒░░░░▒▓░░▒
░░░░▒░▒░░░▒░▒░░░▓░░░░░░▓░░▒▒▒
)";
constexpr char kStatic3Glyphs[] = R"(
▒░▒░░░░░▓░░░░░░▒▒░░░░░▒░▒░░░▒
▓▒░░░░░░▒▒░░░░░░░░░░░░░░░░░░░
░░░░░░░▒▓░░░▒░░▒░░▒░▒░▒▓░▒▒▒░
▒░░▒▒▒░▒░░░░░░▒▓▒░░░░░░▓▒▒░░░
░░░░░▒░░░▓▒░▒░░░░░▒▒░░▒▒▓░▒░░
░░▓░░░▓░░░░▒░░░░░▓░▒░░▒▒▓▒░▒░
▒▒░░░▒░▒▒░▒░░▓▓░░▓░░░░░░▓░░░░
░░░░▒▒░░░░░░░▒▓░░░▒░░▒▓▒▒░░░░
░░░░░▒░▒░░▓░░▒▓░▒▓░░▓░▓░░░░░▒
▒░░░░▒░░▒░▒▓░▒░░▓░░░░░░▒░░░▒░
░▒░▒░░▓░▒░▒░░▒░░░▒▒░▒░░▒░░░░░
░▓▓▒▒░░▒▓▒▒▒▒▒░▒▓░▓░░▓▓▒▒▒▒▓▓
▒░░▓▒▓░▒▓▓▒▓▒▓▒▓▒▒▓▓░▒▓▒▒░▒░░
░░▒▒▒▓░▒▓▒▒░▓▒░░░▒░▒░░▒▓▒░░▒▒
▒░▒▒▒░░░▓░░░▒░░░▓░░░░▒░▓░░▒░▒
)";
constexpr ArtLayer kStatic1Layers[] = {{1, 1, kStatic1Glyphs, kStaticKeys}};
constexpr ArtLayer kStatic2Layers[] = {{1, 1, kStatic2Glyphs, kStaticKeys}};
constexpr ArtLayer kStatic3Layers[] = {{1, 1, kStatic3Glyphs, kStaticKeys}};

// clang-format on

}  // namespace

CellArt const kViewScreenStars{kViewPalette, kStarsLayers};
CellArt const kViewScreenNoVisual{kViewPalette, kNoVisualLayers};

CellArt const kDestroyFarm{kFarmPalette, kFarmLayers};
CellArt const kDestroyCity{kCityPalette, kCityLayers};
CellArt const kDestroyBase{kBasePalette, kBaseLayers};
CellArt const kDestroyMtn{kMtnPalette, kMtnLayers};
CellArt const kDestroyDesert{kDesertPalette, kDesertLayers};
CellArt const kDestroyRubble{kRubblePalette, kRubbleLayers};
CellArt const kDestroyNuke{kNukePalette, kNukeLayers};

CellArt const kBeamSegment{kBeamPalette, kBeamLayers};
CellArt const kEraseBeamSegment{kEraseBeamPalette, kEraseBeamLayers};
CellArt const kImpactDome1{kDomePalette, kDome1Layers};
CellArt const kImpactDome2{kDomePalette, kDome2Layers};
CellArt const kImpactDome3{kDomePalette, kDome3Layers};
CellArt const kAftermathScene{kAftermathPalette, kAftermathLayers};

CellArt const kChargeFrame1{kStaticPalette, kStatic1Layers};
CellArt const kChargeFrame2{kStaticPalette, kStatic2Layers};
CellArt const kChargeFrame3{kStaticPalette, kStatic3Layers};

}  // namespace art
