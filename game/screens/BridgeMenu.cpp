#include "game/screens/BridgeMenu.h"

#include "game/screens/GroundCampaign.h"
#include "game/screens/IonCannon.h"
#include "game/screens/Navigation.h"
#include "game/screens/RoomMenuKeys.h"
#include "game/ui/KeyInput.h"
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

void PaintBridgeItem(int item, int colour) {
    using Painter = void (*)(int);
    constexpr Painter kPainters[kBridgeItems] = {BridgeItemStatus, BridgeItemNavigate, BridgeItemRadio,
                                                 BridgeItemIonCannon, BridgeItemReturn};
    if (item >= kStatusItem && item <= kReturnItem) {
        kPainters[item - 1](colour);
    }
}

void PaintBridgeItems(int selected) {
    for (int item = kStatusItem; item <= kReturnItem; ++item) {
        PaintBridgeItem(item, item == selected ? kRoomMenuHighlight : kRoomMenuNormal);
    }
}

}  // namespace

void BridgeItemStatus(int colour) { PaintRoomMenuItem(kStatusItem, kBridgeItemTexts[0], colour); }
void BridgeItemNavigate(int colour) { PaintRoomMenuItem(kNavigateItem, kBridgeItemTexts[1], colour); }
void BridgeItemRadio(int colour) { PaintRoomMenuItem(kRadioItem, kBridgeItemTexts[2], colour); }
void BridgeItemIonCannon(int colour) { PaintRoomMenuItem(kIonCannonItem, kBridgeItemTexts[3], colour); }
void BridgeItemReturn(int colour) { PaintRoomMenuItem(kReturnItem, kBridgeItemTexts[4], colour); }

void BridgeMenu(con::Handle hOut, con::Handle hIn, DeckRoom room) {
    HideCursor(hOut);
    ClearScreen(hOut, kFrameColour, true);
    HideCursor(hOut);
    int selected = kStatusItem;
    PaintBridgeItems(selected);
    while (true) {
        con::KeyRecord key{};
        if (!ReadKeyPress(hIn, key)) {
            continue;
        }
        if (key.virtualKey == con::VK_UP) {
            // The new item lit, the one just left (below it) plain.
            selected = selected == kStatusItem ? kReturnItem : selected - 1;
            PaintBridgeItem(selected, kRoomMenuHighlight);
            PaintBridgeItem(selected == kReturnItem ? kStatusItem : selected + 1, kRoomMenuNormal);
        } else if (key.virtualKey == con::VK_DOWN) {
            selected = selected == kReturnItem ? kStatusItem : selected + 1;
            PaintBridgeItem(selected, kRoomMenuHighlight);
            PaintBridgeItem(selected == kStatusItem ? kReturnItem : selected - 1, kRoomMenuNormal);
        } else if (key.character == 13 && selected != kRadioItem) {
            if (selected == kReturnItem) {
                LeaveRoom();
                return;
            }
            con::ClearConsole();
            if (selected == kStatusItem) {
                GroundCampaignStatus(hOut, hIn, room);
            } else if (selected == kNavigateItem) {
                NavigateMothership(hOut, hIn, room);
            } else {
                SuperIonCannonControl(hOut, hIn);
                if (Globals::GetGameOver()) {
                    return;  // the cannon's last shot ended the game
                }
            }
            ClearScreen(hOut, kFrameColour, false);
            PaintBridgeItems(selected);
        } else if (key.character == 27) {
            LeaveRoom();
            return;
        }
    }
}
