#include "game/art/RoomMenuBarArt.h"

namespace art {

namespace {

// clang-format off

// 'f' the frame's red, 's' shades in blue on red, 'h' the dark red half blocks.
constexpr ColourKey kBarPalette[] = {{'f', 78}, {'s', 65}, {'h', 4}};

constexpr char const* kBarGlyphs[] = {
    "                                        ",
    "                                      ░ ",
    "▄░░▒▒▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▒▒░░░░░ ",
    "░▒▒▓▓",
    "▀░░▒▒▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▒▒░░",
};
constexpr char const* kBarKeys[] = {
    ".......................................f",
    "......................................ss",
    "hsssssssssssssssssssssssssssssssssssssss",
    "sssss",
    "hsssssssssssssssssssssssssssssssssss",
};
constexpr ArtLayer kBarLayers[] = {{0, 0, kBarGlyphs, kBarKeys}};

constexpr char const* kEndGlyphs[] = {"▓▓▒▒░░"};
constexpr char const* kEndKeys[] = {"ssssss"};
constexpr ArtLayer kEndLayers[] = {{32, 3, kEndGlyphs, kEndKeys}};

// clang-format on

}  // namespace

CellArt const kRoomMenuBar{kBarPalette, kBarLayers};
CellArt const kRoomMenuBarEnd{kBarPalette, kEndLayers};

}  // namespace art
