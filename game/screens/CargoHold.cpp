#include "game/screens/CargoHold.h"

#include <algorithm>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

#include "game/screens/RoomMenuKeys.h"
#include "game/screens/RoomMenuLoop.h"
#include "game/ui/ColorFunctions.h"
#include "game/ui/GuiFunctions.h"
#include "game/ui/KeyInput.h"
#include "game/ui/ScreenFrame.h"
#include "game/ui/YesNoPrompt.h"
#include "game/world/Globals.h"
#include "game/world/SillyString.h"
#include "platform/Cp437.h"

namespace {

constexpr int kViewColour = 96;  // the views and the Incinerator
constexpr int kWhite = 15;
constexpr int kStars = 6;
constexpr int kPromptColour = 14;

enum Item : int { kArtifacts = 1, kBombs = 2, kHives = 3, kIncinerator = 4, kReturn = 5 };

constexpr char const* kItemTexts[kRoomMenuItems] = {
    "  View your Artifacts      ", "  View Bombs on board      ", "  View Hives in Incubation ",
    "  Visit The Incinerator    ", "  Return to Main Deck      ",
};

void PaintItem(Item item, int colour) { PaintRoomMenuItem(item, kItemTexts[item - 1], colour); }

constexpr RoomItemPainters kPainters = {
    CargoItemArtifacts, CargoItemBombs, CargoItemHives, CargoItemIncinerator, CargoItemReturn,
};

constexpr int kArtifactsPerVisit = 5;

Mothership& Ship() { return *Globals::GetMothership(); }

// Room left in the hold, afresh before every addition.
int FreeCargo() { return Mothership::kCargoSpace - Ship().GetCargo(); }

// The two row tables the room lends its views and the Incinerator.
struct CargoTables {
    ListRow cargo[kCargoListRows];
    ListRow burn[kCargoListRows];
};

// The egg list keeps its view from one visit to the next, for the whole run.
ScrollState eggListState;

// "Total ...: " at the top of a view, the full count after it.
void PrintTotal(char const* label, int count) {
    PrintAt(label, 2, 1, kWhite);
    PrintAt(count, 2 + static_cast<int>(std::char_traits<char>::length(label)), 1, kWhite);
}

int Listed(int count) { return std::clamp(count, 0, kCargoListRows); }

void ShowList(con::Handle hOut, con::Handle hIn, ListRow const* rows, int y, int visible, int count,
              ScrollState& state) {
    ScrollList(hOut, hIn, rows, 2, y, 40, visible, count, false, state, false, false);
}

void ViewArtifacts(con::Handle hOut, con::Handle hIn, ListRow* rows) {
    ClearScreen(hOut, kViewColour, true);
    Mothership& ship = Ship();
    ship.ChangeArtifacts(kArtifactsPerVisit);
    PrintAt("*****************************************", 2, 2, kStars);
    PrintTotal("Total Artifacts: ", ship.GetArtifacts());
    int const count = Listed(ship.GetArtifacts());
    for (int i = 0; i < count; ++i) {
        char name[kCargoNameSize];
        GetArtifactName(name);
        StringCopy(rows[i], name);
    }
    ScrollState fresh;
    ShowList(hOut, hIn, rows, 3, 12, count, fresh);
}

void ViewBombs(con::Handle hOut, con::Handle hIn, ListRow* rows) {
    ClearScreen(hOut, kViewColour, true);
    BombQueue& bombs = *Ship().GetBombQueue();
    bombs.enqueue(BOMB_PLASMA_FUSION, FreeCargo());
    bombs.enqueue(BOMB_LIQUIFERNO_NAPALM, FreeCargo());
    PrintTotal("Total Bombs: ", bombs.GetTotal());
    int count = 0;
    for (BombNode* node = bombs.GetNode(0); node != nullptr && count < kCargoListRows; node = node->next) {
        rows[count][0] = '\0';
        GetBombName(*node, rows[count++], kListRowSize);
    }
    ScrollState fresh;
    ShowList(hOut, hIn, rows, 2, 12, count, fresh);
}

// Each row the hive's egg name, in list order; returns the rows filled.
int EggRows(ListRow* rows) {
    int count = 0;
    for (HiveNode* node = Ship().GetHiveQueue()->GetNode(0); node != nullptr && count < kCargoListRows;
         node = node->next) {
        rows[count][0] = '\0';
        GetEggName(node->hive.GetType(), rows[count], kListRowSize);
        ++count;
    }
    return count;
}

void ViewHives(con::Handle hOut, con::Handle hIn, ListRow* rows) {
    ClearScreen(hOut, kViewColour, true);
    PrintTotal("Total Eggs: ", Ship().GetHiveQueue()->GetTotal());
    int const count = EggRows(rows);
    ShowList(hOut, hIn, rows, 2, 20, count, eggListState);
}

void VisitIncinerator(con::Handle hOut, con::Handle hIn, CargoTables& tables) {
    Ship().GetHiveQueue()->enqueue(RACE_POVOLNIAN, FreeCargo());
    IncineratorMenu(tables.cargo, tables.burn, hIn, hOut);
}

}  // namespace

void CargoItemArtifacts(int colour) { PaintItem(kArtifacts, colour); }
void CargoItemBombs(int colour) { PaintItem(kBombs, colour); }
void CargoItemHives(int colour) { PaintItem(kHives, colour); }
void CargoItemIncinerator(int colour) { PaintItem(kIncinerator, colour); }
void CargoItemReturn(int colour) { PaintItem(kReturn, colour); }

void CargoMenu(con::Handle hOut, con::Handle hIn, DeckRoom /*room*/) {
    auto tables = std::make_unique<CargoTables>();
    RunRoomMenu(hOut, hIn, PaintWith(kPainters), [&](int item) {
        switch (item) {
            case kArtifacts: ViewArtifacts(hOut, hIn, tables->cargo); break;
            case kBombs: ViewBombs(hOut, hIn, tables->cargo); break;
            case kHives: ViewHives(hOut, hIn, tables->cargo); break;
            case kIncinerator: VisitIncinerator(hOut, hIn, *tables); break;
            default: return false;  // the main deck draws the ship over the room
        }
        RedrawRoomMenu(hOut, PaintWith(kPainters), item);
        return true;
    });
}

// ---- Names ----------------------------------------------------------------------------------

void GetArtifactName(char (&out)[kCargoNameSize]) {
    constexpr std::size_t kLongest = kCargoNameSize - 1;
    // Enough bytes for the longest name in four-byte characters after a
    // byte-order mark, and a carriage return ending the line there.
    constexpr std::size_t kBytesRead = 3 + 4 * kLongest + 1;
    std::string line;
    std::ifstream file(kArtifactFile, std::ios::binary);
    for (int c = file.get(); file && c != '\n' && line.size() < kBytesRead; c = file.get()) {
        line += static_cast<char>(c);
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();  // a line ended the way another system ends them
    }
    // A byte-order mark that some editors put first is no part of the name.
    std::string_view text = line;
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    // The file is UTF-8, as text files are here; each character shows as its
    // glyph on the console, and the limit counts characters, not bytes.
    std::string name = con::Utf8ToCp437(text);
    name.resize(std::min(name.size(), kLongest));
    // Five glyphs live at the bytes the console takes as bell, backspace,
    // tab, line feed and carriage return: written out, they would move the
    // cursor instead of drawing, so they show as a glyph the page lacks does.
    auto const movesTheCursor = [](char c) { return c == 7 || c == 8 || c == 9 || c == 10 || c == 13; };
    std::replace_if(name.begin(), name.end(), movesTheCursor, '?');
    StringCopy(out, name.c_str());
}

void GetBombName(BombNode const& node, char* out, std::size_t size) {
    if (node.bomb >= 0 && node.bomb < kBombKinds) {
        StringCopy(out, size, BombName(node.bomb));
    }
}

void GetEggName(CrewType race, char* out, std::size_t size) {
    // The hold's own names for eggs; Blob hives (race 12) have none.
    static constexpr char const* kEggNames[kCrewTypes] = {
        "BAD",         "Povolnian Eggs",    "Grekkp Eggs",
        "Mako Eggs",   "Uberfleck Eggs",    "Woot Woot Eggs shouldnt exist",
        "Mududu Eggs", "Clucktillian Eggs", "Oblivio Eggs",
        "Lemure Eggs", "Hampster Eggs",     "Ivinian Eggs",
        nullptr,       "Probe Eggs",        "Human Eggs",
    };
    char const* name = kEggNames[ValidCrewType(race)];
    if (name != nullptr) {
        StringCopy(out, size, name);
    }
}

void GetCrewListName(char const* name, char* out, std::size_t size) { StringCopy(out, size, name); }

// ---- A bunker in one line ----------------------------------------------------------------------

namespace {

// A label, ": " and the number right-aligned in nine places.
void FormatStock(char const* label, int amount, char* out, std::size_t size) {
    char number[10];
    NumberToText(amount, number, false, 9);
    char labelled[kListRowSize];
    StringSlam(labelled, label, ": ");
    StringSlam(out, size, labelled, number);
}

}  // namespace

void FormatFood(int food, char* out, std::size_t size) { FormatStock("Food ", food, out, size); }
void FormatFuel(int fuel, char* out, std::size_t size) { FormatStock("Fuel ", fuel, out, size); }
void FormatMaterials(int materials, char* out, std::size_t size) {
    FormatStock("Materials ", materials, out, size);
}

void BunkerSummary(int sector, char* out, std::size_t size) {
    if (size == 0) {
        return;
    }
    out[0] = '\0';
    Sector* place = Globals::GetMap()->GetSector(sector);
    if (place == nullptr) {
        return;
    }
    Bunker const& bunker = *place->GetBunker();
    char const letter[] = {place->GetLetter(), '\0'};
    char stock[kListRowSize];
    StringSlam(out, size, "Bunker ", letter);
    StringAppend(out, size, "- ");
    FormatFood(bunker.GetFood(), stock, sizeof stock);
    StringAppend(out, size, stock);
    StringAppend(out, size, " ");
    FormatFuel(bunker.GetFuel(), stock, sizeof stock);
    StringAppend(out, size, stock);
    StringAppend(out, size, " ");
    FormatMaterials(bunker.GetMaterials(), stock, sizeof stock);
    StringAppend(out, size, stock);
}

// ---- The Incinerator ---------------------------------------------------------------------------

namespace {

constexpr int kListY = 5;
constexpr int kListWidth = 35;
constexpr int kListVisible = 13;
constexpr int kCountWidth = 5;

// One of the Incinerator's two lists: where it stands, its rows and the item
// each row shows.
struct PileList {
    int x;
    ListRow* rows;
    int items[kCargoListRows];
    int count;
    ScrollState state;
};

// Sorts every item of the hold onto its list, in item order: the artifacts,
// the hives, then the crew. Marked items go to the pile to burn. Items that do
// not fit their list's rows are left out of it.
void SortItems(bool const (&marks)[kIncineratorMarks], PileList& cargo, PileList& burn) {
    cargo.count = 0;
    burn.count = 0;
    int item = 0;
    auto place = [&](char const* name) {
        bool const marked = item < kIncineratorMarks && marks[item];
        PileList& list = marked ? burn : cargo;
        if (list.count < kCargoListRows) {
            StringCopy(list.rows[list.count], kListRowSize, name);
            list.items[list.count++] = item;
        }
        ++item;
    };

    Mothership& ship = Ship();
    int const artifacts = ship.GetArtifacts();
    // Past the marks every item stays in the hold: no need to name artifacts
    // that the hold's list has no row for.
    for (int i = 0; i < artifacts && (item < kIncineratorMarks || cargo.count < kCargoListRows); ++i) {
        char artifact[kCargoNameSize];
        GetArtifactName(artifact);
        place(artifact);
    }
    item = std::max(item, artifacts);
    for (HiveNode* node = ship.GetHiveQueue()->GetNode(0); node != nullptr; node = node->next) {
        char eggs[kListRowSize] = "";
        GetEggName(node->hive.GetType(), eggs, sizeof eggs);
        place(eggs);
    }
    for (CrewNode* node = ship.GetCrewQueue()->GetCrewNode(0); node != nullptr; node = node->next) {
        char name[Crew::kNameSize];
        node->crew.GetName(name);
        char row[kListRowSize];
        GetCrewListName(name, row, sizeof row);
        place(row);
    }
}

void PrintTotals(int cargoCount, int burnCount, int fuelGained) {
    PrintAt("Total Items In Cargo:", 7, 19, kWhite);
    PrintPadded(cargoCount, 29, 19, kWhite, kCountWidth);
    PrintAt("Total Items In Incinerator:", 42, 19, kWhite);
    // Padded like the hold's count, so a pile going from 10 to 9 never reads 90.
    PrintPadded(burnCount, 70, 19, kWhite, kCountWidth);
    PrintAt("Total Fuel Gained From Destroying Items:", 20, 21, kWhite);
    PrintAt(fuelGained, 61, 21, kWhite);
}

int ShowPile(con::Handle hOut, con::Handle hIn, PileList& list, bool drawOnly) {
    return ScrollList(hOut, hIn, list.rows, list.x, kListY, kListWidth, kListVisible, list.count, true,
                      list.state, drawOnly, false);
}

}  // namespace

void IncineratorMenu(ListRow* cargoRows, ListRow* burnRows, con::Handle hIn, con::Handle hOut) {
    ClearScreen(hOut, kViewColour, true);
    PrintAt("Burn Resources In The Cargo Hold to make Fuel", 3, 2, kWhite);
    bool marks[kIncineratorMarks] = {};
    PileList cargoList{3, cargoRows, {}, 0, {}};
    PileList burnList{40, burnRows, {}, 0, {}};
    PileList* const cargo = &cargoList;
    PileList* const burn = &burnList;
    bool burnFocus = false;
    int const fuelGained = 0;  // burning is not built: nothing is destroyed yet

    for (;;) {
        SortItems(marks, *cargo, *burn);
        PrintTotals(cargo->count, burn->count, fuelGained);
        PileList& focused = burnFocus ? *burn : *cargo;
        PileList& other = burnFocus ? *cargo : *burn;
        ShowPile(hOut, hIn, other, true);
        if (focused.count == 0 && other.count > 0) {
            burnFocus = !burnFocus;
            continue;
        }
        if (focused.count == 0) {
            // Nothing in the hold at all: only Escape does anything.
            ShowPile(hOut, hIn, focused, true);
            con::KeyRecord key;
            if (ReadKeyPress(hIn, key) && key.virtualKey == con::VK_ESCAPE) {
                return;
            }
            continue;
        }

        int const result = ShowPile(hOut, hIn, focused, false);
        if (result >= 0) {
            int const item = focused.items[result];
            if (item < kIncineratorMarks) {
                marks[item] = !burnFocus;
            }
        } else if (result == kScrollRight) {
            burnFocus = burnFocus || burn->count > 0;
        } else if (result == kScrollLeft) {
            burnFocus = burnFocus && cargo->count == 0;
        } else if (result == kScrollEscape) {
            if (burn->count > 0) {
                ConfirmBurn(hOut, hIn);
            }
            return;
        }
    }
}

bool ConfirmBurn(con::Handle /*hOut*/, con::Handle hIn) {
    SetColor(kWhite);
    constexpr char kBlank[] = "                                    ";  // 36 blanks over the hold's list
    for (int y = 6; y <= 18; ++y) {
        PrintAt(kBlank, 2, y, kWhite);
    }
    PrintAt(kBlank, 2, 5, kWhite);
    PrintAt("Burn Resources for Fuel?", 8, 11, kPromptColour);
    return AskYesNo(hIn, 12, 12);
}
