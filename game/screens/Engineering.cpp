#include "game/screens/Engineering.h"

#include "game/screens/GameOver.h"
#include "game/screens/MapCursor.h"
#include "game/screens/RoomMenuKeys.h"
#include "game/ui/RoomMenuBar.h"
#include "game/ui/ScreenFrame.h"
#include "game/world/Globals.h"

namespace {

constexpr int kRoomColour = 78;
constexpr int kShieldsItem = 4;
constexpr int kReturnItem = 5;

// The items as they read now: the shield switch shows the shields' state.
struct MenuTexts {
    char const* items[kRoomMenuItems];
    MenuTexts()
        : items{"  Engineering Assignments  ", "  View Completed Projects  ", "  Chat with Scruggs        ",
                Globals::GetMothership()->GetShields() ? " Shields (Current:ON)      "
                                                       : " Shields (Current:OFF)     ",
                "  Return to Main Deck      "} {}
};

// Flips the shields. Switching them on burns fuel; true when that took the
// last of it and the game is over.
bool SwitchShields(con::Handle hOut, con::Handle hIn) {
    Mothership* ship = Globals::GetMothership();
    ship->ToggleShields();
    PaintRoomMenuItem(kShieldsItem, MenuTexts().items[kShieldsItem - 1], kRoomMenuHighlight);
    if (!ship->GetShields()) {
        return false;
    }
    if (ship->GetFuel() > kShieldsFuel) {
        ship->ChangeFuel(-kShieldsFuel);
    } else {
        ship->SetFuel(0);
    }
    if (ship->GetFuel() == 0) {
        // The game-over screen now fills the console: no fuel field over it.
        GameOverNoFuel(hOut, hIn);
        Globals::SetGameOver(true);
        return true;
    }
    RefreshFuel(hOut, kRoomColour);
    return false;
}

}  // namespace

void EngineeringMenu(con::Handle hOut, con::Handle hIn, DeckRoom /*room*/) {
    OpenRoomMenu(hOut, MenuTexts().items);
    int selected = 1;
    for (;;) {
        con::KeyRecord key{};
        if (!ReadKeyPress(hIn, key)) {
            continue;
        }
        if (MoveRoomMenuHighlight(MenuTexts().items, selected, key.virtualKey)) {
            continue;
        }
        if (key.character == '\r') {
            if (selected == kShieldsItem && SwitchShields(hOut, hIn)) {
                return;
            }
            if (selected == kReturnItem) {
                LeaveRoom();
                return;
            }
        } else if (key.character == 27) {
            LeaveRoom();
            return;
        }
    }
}
