#include "game/screens/Engineering.h"

#include "game/screens/GameOver.h"
#include "game/screens/RoomMenuKeys.h"
#include "game/screens/RoomMenuLoop.h"
#include "game/ui/RoomMenuBar.h"
#include "game/ui/ScreenFrame.h"
#include "game/world/Globals.h"

namespace {

constexpr int kRoomColour = 78;
constexpr int kShieldsItem = 4;
constexpr int kReturnItem = 5;

char const* ShieldsText() {
    return Globals::GetMothership()->GetShields() ? " Shields (Current:ON)      "
                                                  : " Shields (Current:OFF)     ";
}

// Flips the shields and shows it on the switch. Switching them on burns fuel;
// true when that took the last of it and the game is over.
bool SwitchShields(con::Handle hOut, con::Handle hIn, char const* (&texts)[kRoomMenuItems]) {
    Mothership* ship = Globals::GetMothership();
    ship->ToggleShields();
    texts[kShieldsItem - 1] = ShieldsText();
    PaintRoomMenuItem(kShieldsItem, texts[kShieldsItem - 1], kRoomMenuHighlight);
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
    char const* texts[kRoomMenuItems] = {"  Engineering Assignments  ", "  View Completed Projects  ",
                                         "  Chat with Scruggs        ", ShieldsText(),
                                         "  Return to Main Deck      "};
    RunRoomMenu(hOut, hIn, texts, [hOut, hIn, &texts](int item) {
        if (item == kShieldsItem) {
            return !SwitchShields(hOut, hIn, texts);
        }
        if (item == kReturnItem) {
            LeaveRoom();
            return false;
        }
        return true;  // the other items do nothing yet
    });
}
