#include "game/screens/RoomMenuLoop.h"

#include "game/screens/MapCursor.h"
#include "game/screens/RoomMenuKeys.h"
#include "game/ui/ScreenFrame.h"

namespace {

constexpr int kRoomColour = 78;
constexpr char kEnter = 13;
constexpr char kEscape = 27;

}  // namespace

void RedrawRoomMenu(con::Handle hOut, char const* const (&texts)[kRoomMenuItems], int selected) {
    ClearScreen(hOut, kRoomColour, false);
    PaintRoomMenu(texts, selected);
}

void RunRoomMenu(con::Handle hOut, con::Handle hIn, char const* const (&texts)[kRoomMenuItems],
                 std::function<bool(int item)> const& choose) {
    OpenRoomMenu(hOut, texts);
    int selected = 1;
    for (;;) {
        con::KeyRecord key{};
        if (!ReadKeyPress(hIn, key) || MoveRoomMenuHighlight(texts, selected, key.virtualKey)) {
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
