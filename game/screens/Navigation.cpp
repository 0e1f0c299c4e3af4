#include "game/screens/Navigation.h"

#include "game/screens/EarthMapWidgets.h"
#include "game/screens/MapCursor.h"
#include "game/ui/GuiFunctions.h"
#include "game/ui/ScreenFrame.h"
#include "game/world/Globals.h"

namespace {

constexpr int kFrameColour = 48;
constexpr int kMapX = 15;
constexpr int kMapY = 1;

constexpr int kDestinationColour = 14;
constexpr int kLocationColour = 13;

constexpr int kCursorPanelX = 3;
constexpr int kPanelTitleRow = 18;

void DrawShipPanel() {
    Mothership const* const ship = Globals::GetMothership();
    int const location = ship->GetLocation();
    int const destination = ship->GetDestination();
    for (int sector = kFirstSector; sector <= kLastSector; ++sector) {
        DrawSectorMiniMap(sector, SectorBoxX(kMapX, sector) + 1, SectorBoxY(kMapY, sector) + 1);
    }
    // The mini-maps have wiped the sector arrows; the orbit arrows go here.
    DrawOrbitMarker(kMapX, kMapY, 0);
    // The location last, so its colour wins when both are one place.
    DrawLocationMarker(kMapX, kMapY, destination, kDestinationColour);
    DrawLocationMarker(kMapX, kMapY, location, kLocationColour);
    if (DrawChoicePanel("Mothership's Destination", location != destination,
                        " destination selected.      ")) {
        ShowSectorField(kChoicePanelX, kChoicePanelY + 1, true, 15, 14, destination);
        ShowTravelField(kChoicePanelX, kChoicePanelY + 2, destination);
    }
}

}  // namespace

int NavigationAfterArrow(int cursor, uint16_t virtualKey, bool& fromLeft) {
    if (cursor == kShipBoxCode) {
        if (virtualKey == con::VK_UP) {
            return fromLeft ? 21 : 22;
        }
        if (virtualKey == con::VK_DOWN) {
            return fromLeft ? 3 : 4;
        }
        return cursor;
    }
    if ((virtualKey == con::VK_UP && (cursor == 3 || cursor == 4)) ||
        (virtualKey == con::VK_DOWN && (cursor == 21 || cursor == 22))) {
        fromLeft = cursor == 3 || cursor == 21;
        return kShipBoxCode;
    }
    return SectorAfterArrow(cursor, virtualKey);
}

void NavigateMothership(con::Handle hOut, con::Handle hIn, DeckRoom /*room*/) {
    ClearScreen(hOut, kFrameColour, false);
    DrawEarthMap(kMapX, kMapY, kPlainFrame, true, kLetterColour);
    DrawSectorBoxI(kMapX, kMapY, kHighlightFrame, kLetterColour);
    int cursor = 1;
    bool fromLeft = true;
    bool redraw = true;
    while (true) {
        if (redraw) {
            DrawShipPanel();
            redraw = false;
        }
        PrintAt("Highlighted Selection", kCursorPanelX, kPanelTitleRow, 15);
        ShowSectorField(kCursorPanelX, kPanelTitleRow + 1, true, 15, 14, cursor);
        ShowTravelField(kCursorPanelX, kPanelTitleRow + 2, cursor);

        char const key = ReadMapKey(hIn, [&cursor, &fromLeft](uint16_t arrow) {
            int const old = cursor;
            cursor = NavigationAfterArrow(cursor, arrow, fromLeft);
            if (cursor == kShipBoxCode || old == kShipBoxCode) {
                if (cursor != old) {
                    MoveOrbitHighlight(kMapX, kMapY, cursor, old);
                }
            } else {
                MoveSectorHighlight(kMapX, kMapY, cursor, old);
            }
        });
        if (key == 13) {
            Globals::GetMothership()->SetDestination(cursor == kShipBoxCode ? 0 : cursor);
            redraw = true;
        } else if (key == 27) {
            return;
        }
    }
}
