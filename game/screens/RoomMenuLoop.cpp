#include "game/screens/RoomMenuLoop.h"

#include "game/ui/ScreenFrame.h"

namespace {

constexpr int kRoomColour = 78;
constexpr char kEnter = 13;
constexpr char kEscape = 27;

}  // namespace

void RedrawRoomMenu(con::Handle hOut, RoomItemPaint const& paint, int selected) {
    ClearScreen(hOut, kRoomColour, false);
    PaintRoomItems(paint, selected);
}

void RunRoomMenu(con::Handle hOut, con::Handle hIn, RoomItemPaint const& paint,
                 std::function<bool(int item)> const& choose,
                 std::function<void(int now, int left)> const& moved) {
    OpenRoomMenu(hOut, paint);
    int selected = 1;
    if (moved) {
        moved(selected, 0);
    }
    for (;;) {
        con::KeyRecord key{};
        int const left = selected;
        if (!ReadRoomMenuKey(hIn, paint, selected, key)) {
            if (moved && selected != left) {
                moved(selected, left);
            }
            continue;
        }
        if (key.character == kEnter && !choose(selected)) {
            return;
        }
        if (key.character == kEscape) {
            LeaveRoom();
            return;
        }
    }
}
