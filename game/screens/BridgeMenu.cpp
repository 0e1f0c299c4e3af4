#include "game/screens/BridgeMenu.h"

#include "game/screens/GroundCampaign.h"
#include "game/screens/IonCannon.h"
#include "game/screens/MapCursor.h"
#include "game/screens/Navigation.h"
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

void PaintItem(int item, int colour) { PaintRoomMenuItem(item, kBridgeItemTexts[item - 1], colour); }

void PaintMenu(int selected) {
    for (int item = 1; item <= kBridgeItems; ++item) {
        PaintItem(item, item == selected ? kRoomMenuHighlight : kRoomMenuNormal);
    }
}

}  // namespace

void BridgeMenu(con::Handle hOut, con::Handle hIn, DeckRoom /*room*/) {
    HideCursor(hOut);
    ClearScreen(hOut, kFrameColour, true);
    HideCursor(hOut);
    int selected = kStatusItem;
    PaintMenu(selected);
    while (true) {
        con::KeyRecord key{};
        if (!ReadKeyPress(hIn, key)) {
            continue;
        }
        if (key.virtualKey == con::VK_UP) {
            int const left = selected;
            selected = selected == 1 ? kBridgeItems : selected - 1;
            PaintItem(selected, kRoomMenuHighlight);
            PaintItem(left, kRoomMenuNormal);
        } else if (key.virtualKey == con::VK_DOWN) {
            int const left = selected;
            selected = selected == kBridgeItems ? 1 : selected + 1;
            PaintItem(selected, kRoomMenuHighlight);
            PaintItem(left, kRoomMenuNormal);
        } else if (key.character == 13) {
            if (selected == kRadioItem) {
                continue;
            }
            con::ClearConsole();
            switch (selected) {
                case kStatusItem: GroundCampaignStatus(hOut, hIn); break;
                case kNavigateItem: NavigateMothership(hOut, hIn); break;
                case kIonCannonItem: SuperIonCannonControl(hOut, hIn); break;
                default: return;  // back to the main deck
            }
            if (Globals::GetGameOver()) {
                return;  // the cannon's last shot ended the game
            }
            ClearScreen(hOut, kFrameColour, false);
            PaintMenu(selected);
        } else if (key.character == 27) {
            con::ClearConsole();
            return;
        }
    }
}
