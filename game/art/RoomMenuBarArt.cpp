#include "game/art/RoomMenuBarArt.h"

namespace art {

namespace {

// clang-format off

// 'f' the frame's red, 's' shades in blue on red, 'h' the dark red half blocks.
constexpr ColourKey kBarPalette[] = {{'f', 78}, {'s', 65}, {'h', 4}};

constexpr char kBarGlyphs[] = R"(

                                      ░
▄░░▒▒▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▒▒░░░░░
░▒▒▓▓
)";
constexpr char kBarKeys[] = R"(
.......................................f
......................................ss
hsssssssssssssssssssssssssssssssssssssss
sssss
)";
constexpr ArtLayer kBarLayers[] = {{0, 0, kBarGlyphs, kBarKeys}};

// The end of the text row, then the bar's lower edge.
constexpr char kEndGlyphs[] = "▓▓▒▒░░";
constexpr char kEndKeys[] =   "ssssss";
constexpr char kLowerGlyphs[] = "▀░░▒▒▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▒▒░░";
constexpr char kLowerKeys[] =   "hsssssssssssssssssssssssssssssssssss";
constexpr ArtLayer kEndLayers[] = {{32, 3, kEndGlyphs, kEndKeys}, {0, 4, kLowerGlyphs, kLowerKeys}};

// clang-format on

}  // namespace

CellArt const kRoomMenuBar{kBarPalette, kBarLayers};
CellArt const kRoomMenuBarEnd{kBarPalette, kEndLayers};

}  // namespace art
