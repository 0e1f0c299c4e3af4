#include "game/screens/DockingBayMenu.h"

#include "game/screens/AircraftMissions.h"
#include "game/screens/CraftList.h"
#include "game/screens/DockLists.h"
#include "game/screens/LoadCargoAndCrew.h"
#include "game/screens/MapCursor.h"
#include "game/screens/RoomMenuKeys.h"
#include "game/screens/SpaceCapsule.h"
#include "game/ui/GuiFunctions.h"
#include "game/ui/RoomMenuBar.h"
#include "game/ui/ScreenFrame.h"
#include "game/world/Globals.h"

namespace {

constexpr int kRoomColour = 78;
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

// After a screen of the room: the frame without the hint and the menu.
void Redraw(con::Handle hOut, int selected) {
    ClearScreen(hOut, kRoomColour, false);
    PaintRoomMenu(kItemTexts, selected);
}

}  // namespace

void DockItemViewShips(int colour) {
    PaintRoomMenuItem(kViewShipsItem, kItemTexts[kViewShipsItem - 1], colour);
}
void DockItemLoad(int colour) { PaintRoomMenuItem(kLoadItem, kItemTexts[kLoadItem - 1], colour); }
void DockItemMissions(int colour) { PaintRoomMenuItem(kMissionsItem, kItemTexts[kMissionsItem - 1], colour); }
void DockItemCapsule(int colour) { PaintRoomMenuItem(kCapsuleItem, kItemTexts[kCapsuleItem - 1], colour); }
void DockItemReturn(int colour) { PaintRoomMenuItem(kReturnItem, kItemTexts[kReturnItem - 1], colour); }

void DockingBayMenu(con::Handle hOut, con::Handle hIn, DeckRoom /*room*/) {
    OpenRoomMenu(hOut, kItemTexts);
    int selected = kViewShipsItem;
    for (;;) {
        con::KeyRecord key;
        if (!ReadKeyPress(hIn, key)) {
            continue;
        }
        int const left = selected;
        if (MoveRoomMenuHighlight(kItemTexts, selected, key.virtualKey)) {
            if (selected == kCapsuleItem) {
                ShowReadyCapsules();
            } else if (left == kCapsuleItem) {
                HideReadyCapsules(selected == kMissionsItem ? 28 : 30);
            }
            continue;
        }
        if (key.character == 27) {
            LeaveRoom();
            return;
        }
        if (key.character != 13) {
            continue;
        }
        switch (selected) {
            case kViewShipsItem:
                SelectAircraft(hOut, hIn, kMothershipPlace);
                Redraw(hOut, selected);
                break;
            case kLoadItem:
                LoadCargoAndCrew(hOut, hIn);
                Redraw(hOut, selected);
                break;
            case kMissionsItem:
                AssignAircraftMissions(hOut, hIn);
                Redraw(hOut, selected);
                break;
            case kCapsuleItem:
                if (Globals::GetMothership()->GetCapsules() > 0) {
                    LaunchSpaceCapsule(hOut, hIn);
                    Redraw(hOut, selected);
                    ShowReadyCapsules();
                }
                break;
            default: LeaveRoom(); return;
        }
    }
}
