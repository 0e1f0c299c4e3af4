#include "game/screens/BridgeMenu.h"

#include "game/screens/GroundCampaign.h"
#include "game/screens/IonCannon.h"
#include "game/screens/MapCursor.h"
#include "game/screens/Navigation.h"
#include "game/screens/RoomMenuKeys.h"
#include "game/ui/RoomMenuBar.h"
#include "game/ui/ScreenFrame.h"
#include "game/world/Globals.h"

char const* const kBridgeItemTexts[kBridgeItems] = {
    "  Ground Campaign Status   ", "  Navigate Mothership      ", "  Radio Communications     ",
    "  Super Ion Cannon Control ", "  Return to Main Deck      ",
};

namespace {

constexpr int kFrameColour = 78;

enum BridgeItem : int {
    kStatusItem = 1,
    kNavigateItem = 2,
    kRadioItem = 3,
    kIonCannonItem = 4,
    kReturnItem = 5,
};

}  // namespace

void BridgeMenu(con::Handle hOut, con::Handle hIn, DeckRoom /*room*/) {
    OpenRoomMenu(hOut, kBridgeItemTexts);
    int selected = kStatusItem;
    while (true) {
        con::KeyRecord key{};
        if (!ReadKeyPress(hIn, key) || MoveRoomMenuHighlight(kBridgeItemTexts, selected, key.virtualKey)) {
            continue;
        }
        if (key.character == 13 && selected != kRadioItem) {
            if (selected == kReturnItem) {
                LeaveRoom();
                return;
            }
            con::ClearConsole();
            switch (selected) {
                case kStatusItem: GroundCampaignStatus(hOut, hIn); break;
                case kNavigateItem: NavigateMothership(hOut, hIn); break;
                default: SuperIonCannonControl(hOut, hIn); break;
            }
            if (Globals::GetGameOver()) {
                return;  // the cannon's last shot ended the game
            }
            ClearScreen(hOut, kFrameColour, false);
            PaintRoomMenu(kBridgeItemTexts, selected);
        } else if (key.character == 27) {
            LeaveRoom();
            return;
        }
    }
}
