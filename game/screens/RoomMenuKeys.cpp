#include "game/screens/RoomMenuKeys.h"

#include "game/ui/ColorFunctions.h"
#include "game/ui/ScreenFrame.h"

namespace {

constexpr int kRoomColour = 78;

}  // namespace

void OpenRoomMenu(con::Handle hOut, char const* const (&texts)[kRoomMenuItems]) {
    HideCursor(hOut);
    ClearScreen(hOut, kRoomColour, true);
    HideCursor(hOut);
    PaintRoomMenu(texts, 1);
}

bool MoveRoomMenuHighlight(char const* const (&texts)[kRoomMenuItems], int& selected, uint16_t virtualKey) {
    if (virtualKey != con::VK_UP && virtualKey != con::VK_DOWN) {
        return false;
    }
    int const left = selected;
    selected = virtualKey == con::VK_UP ? (selected + kRoomMenuItems - 2) % kRoomMenuItems + 1
                                        : selected % kRoomMenuItems + 1;
    PaintRoomMenuItem(selected, texts[selected - 1], kRoomMenuHighlight);
    PaintRoomMenuItem(left, texts[left - 1], kRoomMenuNormal);
    return true;
}

void LeaveRoom() {
    SetColor(15);
    con::ClearConsole();
}
