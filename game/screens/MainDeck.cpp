#include "game/screens/MainDeck.h"

#include <array>
#include <utility>

#include "game/art/ShipArt.h"
#include "game/screens/RoomTags.h"
#include "game/screens/Rooms.h"
#include "game/ui/GuiFunctions.h"
#include "game/ui/KeyInput.h"
#include "game/ui/ScreenFrame.h"
#include "game/world/Globals.h"

namespace {

constexpr int kPictureColour = 15;
constexpr int kShieldColour = 10;
constexpr int kTagColour = 15;

constexpr int kHeaderRow = 19;
constexpr int kFirstLineRow = 20;
constexpr int kHeaderColour = 32;  // black on green
constexpr int kLineColour = 128;   // black on dark grey
constexpr int kLineWidth = 76;

struct RoomDescription {
    char const* header;
    char const* lines[3];
};

constexpr std::array<RoomDescription, kDeckRooms> kDescriptions = {{
    {" NAVIGATION:",
     {"This is the bridge of the super mothership. You can navigate the mothership",
      "from this room. You can also check on the status of the sectors on the", "ground below."}},
    {" LIBRARY:",
     {"This is the captain's quarters where you can look up information about",
      "anything using the intergalactinet. You can also look up information about",
      "your crew members. This is also where you can summon your advisors for help."}},
    {" RESEARCH:",
     {"This is the Scientific Research Facility. You can start, check on and end",
      "scientific research. You can also send and recieve radio transmissions from", "the enemy forces."}},
    {" ENGINEERING:",
     {"This is the Engineering Department. You can check the status of your ships",
      "and order the maintenance and repair of them. You can also do really cool",
      "stuff like build new ships and weapons."}},
    {" LIVING:",
     {"This is the crew's living quarters. Here you can assign your crew different",
      "jobs and positions. You can also have a few cups of coffee with your crew",
      "and see the status of their morale."}},
    {" CARGO:",
     {"This is the Cargo Space. You can check on the inventory of the mothership",
      "here, including fuel, food, material resources, weaponry, bowling shoes and", "more!"}},
    {" DOCKING:",
     {"This is the Docking Bay. Here you can launch ships, saucers and capsules to",
      "the planet below. This area is also the staging area for loading the ships",
      "with supplies and crew. This place is thursday like grapes."}},
    {" SUPER FREIGHTER:",
     {"The super freighter is in orbit! You can shuttle across and purchase and",
      "recruit new mercinaries. You can also schmooz with the sleeze of the galaxy.",
      "You can also make money here either by gambling or selling your artifacts."}},
}};

// Where each arrow leads, by room: Left, Up, Right, Down; -1 leads nowhere.
constexpr int kNowhere = -1;
constexpr int kSuperFreighter = static_cast<int>(DeckRoom::SuperFreighter);
constexpr std::array<std::array<int, 4>, kDeckRooms> kMoves = {{
    {kNowhere, kNowhere, 2, kNowhere},  // bridge
    {kNowhere, 2, 3, kSuperFreighter},  // library
    {0, 4, 5, 1},                       // research
    {1, kNowhere, 6, kNowhere},         // engineering
    {kNowhere, kNowhere, kNowhere, 2},  // living quarters
    {2, kNowhere, kNowhere, 6},         // cargo
    {3, 5, kNowhere, kNowhere},         // docking bay
    {kNowhere, 1, kNowhere, kNowhere},  // Super Freighter
}};

// The rooms' tags as the shielded picture draws them, bridge first.
constexpr DeckRoom kShieldedTagOrder[] = {DeckRoom::Navigation, DeckRoom::Living,      DeckRoom::Research,
                                          DeckRoom::Library,    DeckRoom::Engineering, DeckRoom::Cargo,
                                          DeckRoom::Docking};

constexpr int kHighlightColour = 14;
constexpr int kStatusColour = 32;  // black on green
constexpr char kEnter = 13;

// The screen tests stand in for the rooms', if any.
std::function<void(DeckRoom)>* roomScreens = nullptr;

bool IsDeckRoom(DeckRoom room) {
    int const index = static_cast<int>(room);
    return index >= 0 && index < kDeckRooms;
}

bool IsArrow(uint16_t virtualKey) { return virtualKey >= con::VK_LEFT && virtualKey <= con::VK_DOWN; }

void RunRoomScreen(con::Handle hIn, con::Handle hOut, DeckRoom room) {
    if (roomScreens != nullptr) {
        (*roomScreens)(room);
        return;
    }
    switch (room) {
        case DeckRoom::Navigation: BridgeMenu(hOut, hIn, room); break;
        case DeckRoom::Library: LibraryMenu(hOut, hIn, room); break;
        case DeckRoom::Research: ResearchMenu(hOut, hIn, room); break;
        case DeckRoom::Engineering: EngineeringMenu(hOut, hIn, room); break;
        case DeckRoom::Living: LivingQuartersMenu(hOut, hIn, room); break;
        case DeckRoom::Cargo: CargoMenu(hOut, hIn, room); break;
        case DeckRoom::Docking: DockingBayMenu(hOut, hIn, room); break;
        case DeckRoom::SuperFreighter: SuperFreighterMenu(hIn, hOut); break;
    }
}

// Blinks the room's tag, runs its screen, and unless the room ended the game
// puts the ship back on the screen as the shields now show it.
void EnterRoom(con::Handle hIn, con::Handle hOut, DeckRoom room) {
    BlinkRoomTag(room);
    RunRoomScreen(hIn, hOut, room);
    if (Globals::GetGameOver()) {
        return;
    }
    if (Globals::GetMothership()->GetShields()) {
        DrawMothershipShielded(hOut);
    } else {
        DrawMothership(hOut);
    }
}

}  // namespace

void DrawShipPicture(con::Handle hOut, bool shielded, bool freighterPresent) {
    ClearInWhite();
    HideCursor(hOut);
    int const colour = shielded ? kShieldColour : kPictureColour;
    for (int row = 0; row < kShipPictureRows; ++row) {
        PrintAt(ShipPictureRow(shielded, row).c_str(), 0, row, colour);
    }
    if (shielded) {
        for (DeckRoom room : kShieldedTagOrder) {
            DrawRoomTag(room, kTagColour);
        }
    }
    if (freighterPresent) {
        DrawSuperFreighterTag(kTagColour);
    }
}

void DrawRoomDescription(DeckRoom room) {
    int const index = static_cast<int>(room);
    if (index < 0 || index >= kDeckRooms) {
        return;
    }
    RoomDescription const& description = kDescriptions[static_cast<std::size_t>(index)];
    PrintPadded(description.header, 0, kHeaderRow, kHeaderColour, con::kColumns);
    for (int i = 0; i < 3; ++i) {
        int const row = kFirstLineRow + i;
        PrintAt("  ", 0, row, kHeaderColour);
        PrintPadded(description.lines[i], 2, row, kLineColour, kLineWidth);
        PrintAt("  ", 2 + kLineWidth, row, kHeaderColour);
    }
}

DeckRoom DeckRoomAfterMove(DeckRoom room, uint16_t virtualKey, bool freighterPresent) {
    int const index = static_cast<int>(room);
    if (index < 0 || index >= kDeckRooms || virtualKey < con::VK_LEFT || virtualKey > con::VK_DOWN) {
        return room;
    }
    int const target = kMoves[static_cast<std::size_t>(index)][virtualKey - con::VK_LEFT];
    if (target == kNowhere) {
        return room;
    }
    bool const freighterMove = target == kSuperFreighter || index == kSuperFreighter;
    if (freighterMove && !freighterPresent) {
        return room;
    }
    return static_cast<DeckRoom>(target);
}

bool FreighterPresent() {
    return Globals::GetFreighterCountdown() <= 0 && Globals::GetMothership()->GetLocation() == 0;
}

void DrawMothership(con::Handle hOut) { DrawShipPicture(hOut, false, FreighterPresent()); }

void DrawMothershipShielded(con::Handle hOut) { DrawShipPicture(hOut, true, FreighterPresent()); }

void MainDeckMoveHook() {}

void MainDeck(con::Handle hIn, con::Handle hOut, DeckRoom room) {
    DeckRoom highlighted = IsDeckRoom(room) ? room : DeckRoom::Navigation;
    for (;;) {
        if (Globals::GetGameOver()) {
            return;
        }
        bool const freighter = FreighterPresent();
        // The freighter's room shows only while the freighter is there.
        if (highlighted != DeckRoom::SuperFreighter || freighter) {
            DrawRoomTag(highlighted, kHighlightColour);
            DrawRoomDescription(highlighted);
        }
        DrawStatusBar(hOut, kStatusColour);
        // Releases are read and dropped: only a key going down acts.
        if (con::KeyRecord record{}; PollKeyPress(hIn, record)) {
            if (IsArrow(record.virtualKey)) {
                DeckRoom const next = DeckRoomAfterMove(highlighted, record.virtualKey, freighter);
                if (next != highlighted) {
                    MainDeckMoveHook();
                    DrawRoomTag(highlighted, kTagColour);
                    highlighted = next;
                    DrawRoomTag(highlighted, kHighlightColour);
                }
            } else if (record.character == kEnter) {
                EnterRoom(hIn, hOut, highlighted);
            }
        }
        con::FlushConsoleInputBuffer(hIn);
    }
}

ScopedRoomScreens::ScopedRoomScreens(std::function<void(DeckRoom)> screen)
    : screen_(std::move(screen)), previous_(roomScreens) {
    roomScreens = &screen_;
}

ScopedRoomScreens::~ScopedRoomScreens() { roomScreens = previous_; }
