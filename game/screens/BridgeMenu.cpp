#include "game/screens/BridgeMenu.h"

#include "game/screens/GroundCampaign.h"
#include "game/screens/IonCannon.h"
#include "game/screens/Navigation.h"
#include "game/screens/RoomMenuKeys.h"
#include "game/screens/RoomMenuLoop.h"
#include "game/ui/RoomMenuBar.h"
#include "game/ui/ScreenFrame.h"
#include "game/world/Globals.h"

char const* const kBridgeItemTexts[kBridgeItems] = {
    "  Ground Campaign Status   ", "  Navigate Mothership      ", "  Radio Communications     ",
    "  Super Ion Cannon Control ", "  Return to Main Deck      ",
};

namespace {

enum BridgeItem : int {
    kStatusItem = 1,
    kNavigateItem = 2,
    kRadioItem = 3,
    kIonCannonItem = 4,
    kReturnItem = 5,
};

constexpr RoomItemPainters kPainters = {BridgeItemStatus, BridgeItemNavigate, BridgeItemRadio,
                                        BridgeItemIonCannon, BridgeItemReturn};

}  // namespace

void BridgeItemStatus(int colour) { PaintRoomMenuItem(kStatusItem, kBridgeItemTexts[0], colour); }
void BridgeItemNavigate(int colour) { PaintRoomMenuItem(kNavigateItem, kBridgeItemTexts[1], colour); }
void BridgeItemRadio(int colour) { PaintRoomMenuItem(kRadioItem, kBridgeItemTexts[2], colour); }
void BridgeItemIonCannon(int colour) { PaintRoomMenuItem(kIonCannonItem, kBridgeItemTexts[3], colour); }
void BridgeItemReturn(int colour) { PaintRoomMenuItem(kReturnItem, kBridgeItemTexts[4], colour); }

void BridgeMenu(con::Handle hOut, con::Handle hIn, DeckRoom room) {
    RunRoomMenu(hOut, hIn, PaintWith(kPainters), [&](int item) {
        if (item == kRadioItem) {
            return true;  // the radio is listed but does nothing
        }
        if (item == kReturnItem) {
            LeaveRoom();
            return false;
        }
        con::ClearConsole();
        switch (item) {
            case kStatusItem: GroundCampaignStatus(hOut, hIn, room); break;
            case kNavigateItem: NavigateMothership(hOut, hIn, room); break;
            default:  // the ion cannon
                SuperIonCannonControl(hOut, hIn);
                if (Globals::GetGameOver()) {
                    return false;  // the cannon's last shot ended the game
                }
                break;
        }
        RedrawRoomMenu(hOut, PaintWith(kPainters), item);
        return true;
    });
}
