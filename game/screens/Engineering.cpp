#include "game/screens/Engineering.h"

#include "game/screens/GameOver.h"
#include "game/screens/RoomMenuKeys.h"
#include "game/screens/RoomMenuLoop.h"
#include "game/ui/RoomMenuBar.h"
#include "game/ui/ScreenFrame.h"
#include "game/world/Globals.h"

namespace {

constexpr int kRoomColour = 78;

enum Item : int { kAssignmentsItem = 1, kProjectsItem = 2, kChatItem = 3, kShieldsItem = 4, kReturnItem = 5 };

constexpr char const* kItemTexts[kRoomMenuItems] = {
    "  Engineering Assignments  ", "  View Completed Projects  ", "  Chat with Scruggs        ", nullptr,
    "  Return to Main Deck      ",
};

void PaintItem(Item item, int colour) { PaintRoomMenuItem(item, kItemTexts[item - 1], colour); }

// The shield switch as the shields stand now.
void PaintShieldsNow(int colour) { EngineeringItemShields(colour, Globals::GetMothership()->GetShields()); }

constexpr RoomItemPainters kPainters = {
    EngineeringItemAssignments, EngineeringItemProjects, EngineeringItemChat, PaintShieldsNow,
    EngineeringItemReturn,
};

// Flips the shields and shows it on the switch. Switching them on burns fuel;
// true when that took the last of it and the game is over.
bool SwitchShields(con::Handle hOut, con::Handle hIn) {
    Mothership* ship = Globals::GetMothership();
    ship->ToggleShields();
    EngineeringItemShields(kRoomMenuHighlight, ship->GetShields());
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

void EngineeringItemAssignments(int colour) { PaintItem(kAssignmentsItem, colour); }
void EngineeringItemProjects(int colour) { PaintItem(kProjectsItem, colour); }
void EngineeringItemChat(int colour) { PaintItem(kChatItem, colour); }
void EngineeringItemShields(int colour, bool shields) {
    PaintRoomMenuItem(kShieldsItem, shields ? " Shields (Current:ON)      " : " Shields (Current:OFF)     ",
                      colour);
}
void EngineeringItemReturn(int colour) { PaintItem(kReturnItem, colour); }

void EngineeringMenu(con::Handle hOut, con::Handle hIn, DeckRoom /*room*/) {
    RunRoomMenu(hOut, hIn, PaintWith(kPainters), [hOut, hIn](int item) {
        if (item == kShieldsItem) {
            return !SwitchShields(hOut, hIn);
        }
        if (item == kReturnItem) {
            LeaveRoom();
            return false;
        }
        return true;  // the other items do nothing yet
    });
}
