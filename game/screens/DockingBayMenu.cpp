#include "game/screens/DockingBayMenu.h"

#include "game/screens/AircraftMissions.h"
#include "game/screens/CraftList.h"
#include "game/screens/DockLists.h"
#include "game/screens/LoadCargoAndCrew.h"
#include "game/screens/RoomMenuKeys.h"
#include "game/screens/RoomMenuLoop.h"
#include "game/screens/SpaceCapsule.h"
#include "game/ui/GuiFunctions.h"
#include "game/ui/RoomMenuBar.h"
#include "game/world/Globals.h"

namespace {

constexpr int kWhite = 15;

enum Item : int { kViewShipsItem = 1, kLoadItem = 2, kMissionsItem = 3, kCapsuleItem = 4, kReturnItem = 5 };

constexpr char const* kItemTexts[kRoomMenuItems] = {
    "  View Ships in Dock       ", "  Load Cargo And Crew      ", "  Assign Aircraft Missions ",
    "  Launch Space Capsule     ", "  Return to Main Deck      ",
};

// The ready capsules, shown beside the menu while its item is highlighted.
constexpr int kCapsuleTextX = 4;
constexpr int kCapsuleTextY = 16;
void ShowReadyCapsules() {
    PrintAt("Ready Space Capsules:", kCapsuleTextX, kCapsuleTextY, kWhite);
    PrintAt(Globals::GetMothership()->GetCapsules(), 26, kCapsuleTextY, kWhite);
}
void HideReadyCapsules(int width) { PrintPadded(" ", kCapsuleTextX, kCapsuleTextY, kWhite, width); }

void PaintItem(Item item, int colour) { PaintRoomMenuItem(item, kItemTexts[item - 1], colour); }

constexpr RoomItemPainters kPainters = {DockItemViewShips, DockItemLoad, DockItemMissions, DockItemCapsule,
                                        DockItemReturn};

}  // namespace

void DockItemViewShips(int colour) { PaintItem(kViewShipsItem, colour); }
void DockItemLoad(int colour) { PaintItem(kLoadItem, colour); }
void DockItemMissions(int colour) { PaintItem(kMissionsItem, colour); }
void DockItemCapsule(int colour) { PaintItem(kCapsuleItem, colour); }
void DockItemReturn(int colour) { PaintItem(kReturnItem, colour); }

void DockingBayMenu(con::Handle hOut, con::Handle hIn, DeckRoom /*room*/) {
    auto const choose = [hOut, hIn](int item) {
        switch (item) {
            case kViewShipsItem: SelectAircraft(hOut, hIn, kMothershipPlace); break;
            case kLoadItem: LoadCargoAndCrew(hOut, hIn); break;
            case kMissionsItem: AssignAircraftMissions(hOut, hIn); break;
            case kCapsuleItem:
                if (Globals::GetMothership()->GetCapsules() == 0) {
                    return true;  // nothing to launch: Enter does nothing
                }
                LaunchSpaceCapsule(hOut, hIn);
                break;
            default: LeaveRoom(); return false;
        }
        RedrawRoomMenu(hOut, PaintWith(kPainters), item);
        if (item == kCapsuleItem) {
            ShowReadyCapsules();
        }
        return true;
    };
    auto const moved = [](int now, int left) {
        if (now == kCapsuleItem) {
            ShowReadyCapsules();
        } else if (left == kCapsuleItem) {
            HideReadyCapsules(now == kMissionsItem ? 28 : 30);
        }
    };
    RunRoomMenu(hOut, hIn, PaintWith(kPainters), choose, moved);
}
