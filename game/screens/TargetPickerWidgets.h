// What the docking bay's map pickers share: the DOCK box standing for the
// mothership under the Earth map, the highlight movers between sector boxes
// and that box, and the one-line field naming a place. The sector boxes,
// mini-maps and markers are the Earth map widgets'.
//
// Places here are 0 (the mothership), 1-24 (a sector) and the ship's box code
// 407, which a picker stores as 0.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/Console.h"

// The DOCK box of a picker whose map stands at (x, y) has its corner at
// (x + 16, y + 17), where the navigation map has its ORBIT box. It is reached
// from sectors 3 and 4 above it and 21 and 22 (the map's bottom row).
inline constexpr int kDockBoxDx = 16;
inline constexpr int kDockBoxDy = 17;

// Corners and sides in the colour, then " D   O   C   K  " in white from the
// cell after the left side; its last blank falls on the right side.
void DrawDockBox(int x, int y, int colour);

// Sector box `old` back to a plain frame (when redrawOld is set) and box `now`
// highlighted, on the map at (x, y); letters yellow where the sector's bunker
// is built, else white. Places that are no sector draw nothing.
void MoveTargetHighlight(int x, int y, int now, int old, bool redrawOld);
// The same where either place may be the DOCK box: `old` plain, `now`
// highlighted, each being sector 3, 4, 21, 22 or the DOCK box; any other
// place draws nothing.
void MoveDockHighlight(int x, int y, int now, int old);

// "Sector:" in the label colour at (x, y), then at (x + 8, y) "Mothership" for
// the ship (0 or 407), or a sector's letter and ten blanks that wipe a longer
// name. Without the label only a sector's letter, at (x, y).
void ShowTargetField(int x, int y, bool withLabel, int labelColour, int valueColour, int location);
// The same, for the place under a picker's cursor.
void ShowSelectionField(int x, int y, bool withLabel, int labelColour, int valueColour, int location);

// ---- What the pickers' maps share --------------------------------------------
// The 24 sector boxes of the map at (x, y), plain, letters marking the built
// bunkers.
void DrawPickerSectors(int x, int y);
// Every sector's mini-map inside its box; they wipe the arrows round the
// letters.
void DrawEveryMiniMap(int x, int y);
// The mini-maps, then the rows above and below the DOCK label, wiping its
// arrows.
void DrawPickerMiniMaps(int x, int y);
// An arrow key on a picker's map: the cursor (a sector or the DOCK box, 407)
// moves as on the navigation map, and the highlight follows it. Letters are
// redrawn marking the built bunkers when bunkerLetters is set, else white.
void MovePickerCursor(int x, int y, int& cursor, uint16_t virtualKey, bool& fromLeft, bool bunkerLetters);
// One pass of a picker's keys: the place under the cursor is shown under
// "Highlighted Selection" at (3, 18) with `field`, a key is read and an arrow
// moves the cursor. Returns the character of any other key pressed (13 Enter,
// 27 Escape), else 0.
using PlaceField = void (*)(int x, int y, bool withLabel, int labelColour, int valueColour, int location);
char ReadPickerKey(con::Handle hIn, int x, int y, int& cursor, bool& fromLeft, bool bunkerLetters,
                   PlaceField field = ShowSelectionField);

// ---- The target pickers ------------------------------------------------------
// Their map stands where the navigation map does.
inline constexpr int kPickerMapX = 15;
inline constexpr int kPickerMapY = 1;

// A target picker opens on the bridge's map colour without the Escape hint,
// its title in 62 at (20, 0), the sector boxes plain with their letters
// marking the built bunkers, the DOCK box, and the place under the cursor
// (a sector, or the ship's box code for the DOCK box) highlighted.
void OpenTargetPicker(con::Handle hOut, char const* title, int cursor);

// What Enter on a target picker leads to.
enum class PickerEnter : uint8_t { Redraw, Leave };
// Runs a target picker's keys from `cursor`: `view` paints what the map
// shows, first and again after every Enter answered with Redraw; Enter hands
// the place under the cursor (a sector or the ship's box code) to `enter`.
// Returns false on Escape, true when `enter` answered Leave.
bool RunTargetPicker(con::Handle hIn, int cursor, std::function<void()> const& view,
                     std::function<PickerEnter(int place)> const& enter);
