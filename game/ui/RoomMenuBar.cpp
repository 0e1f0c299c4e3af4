#include "game/ui/RoomMenuBar.h"

#include "game/art/RoomMenuBarArt.h"
#include "game/ui/GuiFunctions.h"
#include "game/world/SillyString.h"

namespace {

constexpr int kBarColumn = 38;
constexpr int kRowsPerItem = 4;
// Columns from the text's start to the frame's right side bar.
constexpr int kTextRoom = 78 - (kBarColumn + art::kRoomMenuTextDx);

}  // namespace

void PaintRoomMenuItem(int item, char const* text, int colour) {
    if (item < 1 || item > kRoomMenuItems) {
        return;  // its rows would lie off the screen or over the status bar
    }
    int const top = kRowsPerItem * item - 3;
    art::DrawCellArt(art::kRoomMenuBar, kBarColumn, top);
    char shown[kTextRoom + 1];
    StringCopy(shown, text);
    PrintAt(shown, kBarColumn + art::kRoomMenuTextDx, top + art::kRoomMenuTextDy, colour);
    art::DrawCellArt(art::kRoomMenuBarEnd, kBarColumn, top);
}

void PaintRoomItems(RoomItemPaint const& paint, int selected) {
    for (int item = 1; item <= kRoomMenuItems; ++item) {
        paint(item, item == selected ? kRoomMenuHighlight : kRoomMenuNormal);
    }
}
