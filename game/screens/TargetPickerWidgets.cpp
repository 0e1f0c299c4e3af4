#include "game/screens/TargetPickerWidgets.h"

#include "game/screens/EarthMapWidgets.h"
#include "game/screens/MapCursor.h"
#include "game/screens/Navigation.h"
#include "game/ui/GuiFunctions.h"
#include "game/ui/ScreenFrame.h"
#include "game/world/Globals.h"

namespace {

// The map boxes the DOCK box is reached from.
bool BesideDockBox(int place) { return place == 3 || place == 4 || place == 21 || place == 22; }

void DrawTargetBox(int x, int y, int sector, int frameColour) {
    if (IsSector(sector)) {
        DrawSectorBox(sector, SectorBoxX(x, sector), SectorBoxY(y, sector), frameColour,
                      BunkerLetterColour(sector));
    }
}

// One place of a move through the DOCK box, in a frame colour.
void DrawDockPlace(int x, int y, int place, int frameColour) {
    if (place == kShipBoxCode) {
        DrawDockBox(x + kDockBoxDx, y + kDockBoxDy, frameColour);
    } else if (BesideDockBox(place)) {
        DrawTargetBox(x, y, place, frameColour);
    }
}

}  // namespace

// The label is one blank wider than the ORBIT label and covers the right side
// on its row: the box shows that side only at its corners.
void DrawDockBox(int x, int y, int colour) { DrawShipBox(x, y, colour, " D   O   C   K  "); }

void MoveTargetHighlight(int x, int y, int now, int old, bool redrawOld) {
    if (redrawOld) {
        DrawTargetBox(x, y, old, kPlainFrame);
    }
    DrawTargetBox(x, y, now, kHighlightFrame);
}

void MoveDockHighlight(int x, int y, int now, int old) {
    DrawDockPlace(x, y, old, kPlainFrame);
    DrawDockPlace(x, y, now, kHighlightFrame);
}

void ShowTargetField(int x, int y, bool withLabel, int labelColour, int valueColour, int location) {
    char const letter[2] = {
        IsSector(location) ? Globals::GetMap()->GetSector(location, -1)->GetLetter() : '\0', '\0'};
    if (!withLabel) {
        if (IsSector(location)) {
            PrintAt(letter, x, y, valueColour);
        }
        return;
    }
    PrintAt("Sector:", x, y, labelColour);
    if (IsShipPlace(location)) {
        PrintAt("Mothership", x + 8, y, valueColour);
    } else if (IsSector(location)) {
        PrintAt(letter, x + 8, y, valueColour);
        PrintAt("          ", x + 9, y, valueColour);
    }
}

void ShowSelectionField(int x, int y, bool withLabel, int labelColour, int valueColour, int location) {
    ShowTargetField(x, y, withLabel, labelColour, valueColour, location);
}

void DrawPickerSectors(int x, int y) {
    for (int sector = kFirstSector; sector <= kLastSector; ++sector) {
        DrawTargetBox(x, y, sector, kPlainFrame);
    }
}

void DrawEveryMiniMap(int x, int y) {
    for (int sector = kFirstSector; sector <= kLastSector; ++sector) {
        DrawSectorMiniMap(sector, SectorBoxX(x, sector) + 1, SectorBoxY(y, sector) + 1);
    }
}

void DrawPickerMiniMaps(int x, int y) {
    DrawEveryMiniMap(x, y);
    constexpr char kInside[] = "               ";  // the 15 cells between the DOCK box's corners
    PrintAt(kInside, x + kDockBoxDx + 1, y + kDockBoxDy, 15);
    PrintAt(kInside, x + kDockBoxDx + 1, y + kDockBoxDy + 2, 15);
}

void MovePickerCursor(int x, int y, int& cursor, uint16_t virtualKey, bool& fromLeft, bool bunkerLetters) {
    int const old = cursor;
    cursor = NavigationAfterArrow(cursor, virtualKey, fromLeft);
    if (cursor == old) {
        return;
    }
    if (cursor == kShipBoxCode || old == kShipBoxCode) {
        MoveDockHighlight(x, y, cursor, old);
    } else if (bunkerLetters) {
        MoveTargetHighlight(x, y, cursor, old, true);
    } else {
        MoveSectorHighlight(x, y, cursor, old);
    }
}

void OpenTargetPicker(con::Handle hOut, char const* title, int cursor) {
    ClearScreen(hOut, 48, false);
    PrintAt(title, 20, 0, 62);
    DrawPickerSectors(kPickerMapX, kPickerMapY);
    DrawDockBox(kPickerMapX + kDockBoxDx, kPickerMapY + kDockBoxDy,
                cursor == kShipBoxCode ? kHighlightFrame : kPlainFrame);
    MoveTargetHighlight(kPickerMapX, kPickerMapY, cursor, 0, false);
}

bool RunTargetPicker(con::Handle hIn, int cursor, std::function<void()> const& view,
                     std::function<PickerEnter(int place)> const& enter) {
    bool fromLeft = true;
    bool redraw = true;
    for (;;) {
        if (redraw) {
            view();
            redraw = false;
        }
        char const key = ReadPickerKey(hIn, kPickerMapX, kPickerMapY, cursor, fromLeft, true);
        if (key == 13) {
            if (enter(cursor) == PickerEnter::Leave) {
                return true;
            }
            redraw = true;
        } else if (key == 27) {
            return false;
        }
    }
}

char ReadPickerKey(con::Handle hIn, int x, int y, int& cursor, bool& fromLeft, bool bunkerLetters,
                   PlaceField field) {
    PrintAt("Highlighted Selection", 3, 18, 15);
    field(3, 19, true, 15, 14, cursor);
    return ReadMapKey(
        hIn, [&](uint16_t arrow) { MovePickerCursor(x, y, cursor, arrow, fromLeft, bunkerLetters); });
}
