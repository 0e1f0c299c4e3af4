#include "game/screens/Library.h"

#include "game/art/BiosPageArt.h"
#include "game/screens/EndDay.h"
#include "game/screens/MorningReport.h"
#include "game/screens/RoomMenuKeys.h"
#include "game/screens/RoomMenuLoop.h"
#include "game/ui/GuiFunctions.h"
#include "game/ui/Portraits.h"
#include "game/ui/RoomMenuBar.h"
#include "game/ui/ScreenFrame.h"
#include "game/ui/YesNoPrompt.h"
#include "game/world/Globals.h"

namespace {

constexpr ColorCode kWhite = 15;
constexpr ColorCode kFrame = 78;
constexpr ColorCode kPromptFrame = 2;

enum LibraryItem : int {
    kInternet = 1,
    kEndTurn = 2,
    kBios = 3,
    kSummon = 4,
    kReturn = 5,
};

constexpr char const* kItemTexts[kRoomMenuItems] = {
    "  Interglactanet           ", "  End Turn Factor 6        ", "  Personel Bios            ",
    "  Summon Crew Member       ", "  Return to Main Deck      ",
};

// What the single keys add.
constexpr int kStockGift = 400;

void PaintItem(int item, ColorCode color) { PaintRoomMenuItem(item, kItemTexts[item - 1], color); }

constexpr RoomItemPainters kPainters = {LibraryItemInternet, LibraryItemEndTurn, LibraryItemBios,
                                        LibraryItemSummon, LibraryItemReturn};

// The room's frame without the Escape hint, and its five items.
void DrawLibrary(con::Handle hOut, int selected) { RedrawRoomMenu(hOut, PaintWith(kPainters), selected); }

// The dock takes a craft only when its free space holds it; a refusal shows nothing.
void AddCraft(AircraftType type) {
    Mothership* ship = Globals::GetMothership();
    ship->GetAirQueue()->enqueue(type, Mothership::kDockSpace - ship->GetDock(), 0);
}

// The single keys that add to the ship (lower case only); any other key does nothing.
void AddToShip(con::Handle hOut, char key) {
    Mothership* ship = Globals::GetMothership();
    switch (key) {
        case '1': AddCraft(SAUCER_TRANSPORT); break;
        case '2': AddCraft(CARGO_BARGE); break;
        case '3': AddCraft(STEALTH_FIGHTER); break;
        case '4': AddCraft(HULK_BOMBER); break;
        case 'c': ship->ChangeCapsules(1); break;
        case 'f':
            ship->ChangeFood(kStockGift);
            RefreshFood(hOut, kFrame);
            break;
        case 'g':
            ship->ChangeFuel(kStockGift);
            RefreshFuel(hOut, kFrame);
            break;
        case 'm':
            ship->ChangeMaterials(kStockGift);
            RefreshMaterials(hOut, kFrame);
            break;
        case 'p': ship->GetCrewQueue()->enqueue(RACE_POVOLNIAN, false); break;
        default: break;
    }
}

// "End Day?": on yes the day ends, the morning report follows when the game goes on and there is
// news, and the library is left (true). On no the library is drawn again.
bool EndTheDay(con::Handle hOut, con::Handle hIn, DeckRoom room) {
    con::ClearConsole();
    if (!ConfirmEndDay(hOut, hIn, room)) {
        SetColor(kWhite);
        DrawLibrary(hOut, kEndTurn);
        return false;
    }
    EndDay(hIn, hOut);
    if (!Globals::GetGameOver() && Globals::GetMessages()->GetTotal() > 0) {
        MorningMessages(hOut, hIn);
    }
    return true;
}

void ShowBios(con::Handle hOut, con::Handle hIn) {
    ClearInWhite();
    PersonelBios(hOut, hIn);
    ClearInWhite();
    DrawLibrary(hOut, kBios);
}

}  // namespace

void LibraryItemInternet(ColorCode color) { PaintItem(kInternet, color); }
void LibraryItemEndTurn(ColorCode color) { PaintItem(kEndTurn, color); }
void LibraryItemBios(ColorCode color) { PaintItem(kBios, color); }
void LibraryItemSummon(ColorCode color) { PaintItem(kSummon, color); }
void LibraryItemReturn(ColorCode color) { PaintItem(kReturn, color); }

void LibraryMenu(con::Handle hOut, con::Handle hIn, DeckRoom room) {
    RoomItemPaint const paint = PaintWith(kPainters);
    HideCursor(hOut);
    ClearScreen(hOut, kFrame, false);
    con::SetConsoleCursorPosition(hOut, con::Coord{0, 0});
    PaintRoomItems(paint, kInternet);

    int selected = kInternet;
    bool running = true;
    while (running) {
        con::KeyRecord record;
        if (!ReadRoomMenuKey(hIn, paint, selected, record)) {
            continue;
        }
        if (record.character == '\r') {
            switch (selected) {
                case kEndTurn: running = !EndTheDay(hOut, hIn, room); break;
                case kBios: ShowBios(hOut, hIn); break;
                case kReturn:
                    con::ClearConsole();
                    running = false;
                    break;
                default: break;  // the net and the summoning are not open yet
            }
        } else if (record.character == '\x1b') {
            con::ClearConsole();
            running = false;
        } else {
            AddToShip(hOut, record.character);
        }
    }
}

bool ConfirmEndDay(con::Handle hOut, con::Handle hIn, DeckRoom /*room*/) {
    ClearInWhite();
    ClearScreen(hOut, kPromptFrame, false);
    PrintAt("End Day?", 35, 10, 14);
    return AskYesNo(hIn, 34, 11);
}

void DrawBackButton() { art::DrawCellArt(art::kBiosBackButton, 0, 0); }
void DrawMenuButton() { art::DrawCellArt(art::kBiosMenuButton, 0, 0); }
void DrawNextButton() { art::DrawCellArt(art::kBiosNextButton, 0, 0); }
void DrawBiosFrame() { art::DrawCellArt(art::kBiosFrame, 0, 0); }

void PersonelBios(con::Handle /*hOut*/, con::Handle hIn) {
    DrawBackButton();
    DrawMenuButton();
    DrawNextButton();
    DrawBiosFrame();
    Kryptal(2, 2);
    WaitForKey(hIn);
}
