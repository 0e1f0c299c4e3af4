#include "game/screens/RoomMenuKeys.h"

#include "game/ui/KeyInput.h"
#include "game/ui/ScreenFrame.h"

namespace {

constexpr int kRoomColour = 78;

}  // namespace

RoomItemPaint PaintWith(RoomItemPainters const& painters) {
    return [&painters](int item, int colour) {
        if (item >= 1 && item <= kRoomMenuItems) {
            painters[item - 1](colour);
        }
    };
}

void OpenRoomMenu(con::Handle hOut, RoomItemPaint const& paint) {
    HideCursor(hOut);
    ClearScreen(hOut, kRoomColour, true);
    HideCursor(hOut);
    PaintRoomItems(paint, 1);
}

bool MoveRoomMenuHighlight(RoomItemPaint const& paint, int& selected, uint16_t virtualKey) {
    if (virtualKey != con::VK_UP && virtualKey != con::VK_DOWN) {
        return false;
    }
    int const left = selected;
    selected = virtualKey == con::VK_UP ? (selected + kRoomMenuItems - 2) % kRoomMenuItems + 1
                                        : selected % kRoomMenuItems + 1;
    paint(selected, kRoomMenuHighlight);
    paint(left, kRoomMenuNormal);
    return true;
}

bool ReadRoomMenuKey(con::Handle hIn, RoomItemPaint const& paint, int& selected, con::KeyRecord& key) {
    return ReadKeyPress(hIn, key) && !MoveRoomMenuHighlight(paint, selected, key.virtualKey);
}

void LeaveRoom() { ClearInWhite(); }
