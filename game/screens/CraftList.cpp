#include "game/screens/CraftList.h"

#include <charconv>
#include <cstring>

#include "game/art/DockingBayArt.h"
#include "game/screens/DockLists.h"
#include "game/ui/GuiFunctions.h"
#include "game/ui/ScreenFrame.h"
#include "game/world/Globals.h"
#include "game/world/SillyString.h"

namespace {

constexpr int kRoomColour = 78;
constexpr int kWhite = 15;
constexpr int kYellow = 14;

constexpr ListColumn kCraftColumn{4, 6, 20, 12};

constexpr int kPanelX = 28;
constexpr int kPanelTop = 6;
constexpr int kPanelBottom = 16;
constexpr int kPanelWidth = 42;

// What a craft is about, as the panel says it. Craft in the mothership's dock
// and in a bunker share the texts up to shuttling; past that the dock has one
// more, and every other value reads as the table's last row.
constexpr char const* kDockMissions[] = {
    "Inactive",       "Scouting",         "Attacking", "Defending", "Traveling",
    "Abducting Cows", "Abducting Humans", "Shuttling", "Escorting", "No Job yet Assigned",
};
constexpr int kDockMissionTexts = 9;
constexpr char const* kBunkerMissions[] = {
    "Inactive",       "Scouting",         "Attacking", "Defending", "Traveling",
    "Abducting Cows", "Abducting Humans", "Shuttling", "Inactive*",
};
constexpr int kBunkerMissionTexts = 8;

char const* MissionText(int location, Mission mission) {
    int const value = static_cast<int>(mission);
    if (location == kMothershipPlace) {
        return kDockMissions[value >= 0 && value < kDockMissionTexts ? value : kDockMissionTexts];
    }
    return kBunkerMissions[value >= 0 && value < kBunkerMissionTexts ? value : kBunkerMissionTexts];
}

// Prints a label in white and returns the column after it, where its value goes.
int Label(char const* text, int x, int y) {
    PrintAt(text, x, y, kWhite);
    return x + static_cast<int>(std::strlen(text));
}

int NumberAfter(char const* label, int value, int x, int y) {
    char text[16] = {};
    std::to_chars(text, text + sizeof text - 1, value);
    int const at = Label(label, x, y);
    PrintAt(text, at, y, kWhite);
    return at + static_cast<int>(std::strlen(text));
}

// The letter of a sector, after its label; the ship (0) and anything that is
// no sector have none, and no sector is looked up for them.
void SectorLetterAt(int location, int x, int y) {
    if (location < 1 || location >= kPlaces) {
        return;
    }
    char const letter[2] = {Globals::GetMap()->GetSector(location, -1)->GetLetter(), '\0'};
    PrintAt(letter, x, y, kWhite);
}

}  // namespace

void GetCraftName(int location, char* out, int index) {
    char name[Aircraft::kNameSize] = "";
    if (Aircraft const* craft = PlaceCraft(location, index)) {
        craft->GetName(name);
    }
    StringCopy(out, Aircraft::kNameSize, name);
}

void ShowCraftStats(int location, int index) {
    for (int y = kPanelTop; y <= kPanelBottom; ++y) {
        PrintPadded(" ", kPanelX, y, kWhite, kPanelWidth);
    }
    Aircraft* const craft = PlaceCraft(location, index);
    if (craft == nullptr) {
        return;
    }
    char name[Aircraft::kNameSize];
    craft->GetName(name);
    PrintAt(name, kPanelX, 6, kYellow);
    Label("Resources: ", kPanelX, 7);
    NumberAfter("Food: ", craft->GetFood(), kPanelX, 8);
    NumberAfter("Fuel: ", craft->GetFuel(), kPanelX, 9);
    NumberAfter("Materials: ", craft->GetMaterials(), kPanelX, 10);

    CrewQueue const& crew = *craft->GetCrewQueue();
    int x = NumberAfter("Crew-", crew.GetTotal(), kPanelX, 11);
    if (crew.isfull()) {
        Label(" <FULL>", x, 11);
    } else {
        x = Label(" <OPEN>", x, 11);
        x = NumberAfter(" Artifacts-", craft->GetArtifacts(), x, 11);
        NumberAfter(" Bombs-", craft->GetBombQueue()->GetTotal(), x, 11);
    }
    NumberAfter("Cargo Space Used: ", craft->GetCargo(), kPanelX, 12);
    SectorLetterAt(craft->GetHome(), Label("Current Location: ", kPanelX, 13), 13);
    int const destination = Label("Current Destination: ", kPanelX, 14);
    if (craft->GetDestination() == craft->GetHome()) {
        PrintAt("Not Moving this turn", destination, 14, kWhite);
    } else {
        SectorLetterAt(craft->GetDestination(), destination, 14);
    }
    PrintAt(MissionText(location, craft->GetMission()), Label("Current Mission: ", kPanelX, 15), 15, kWhite);
}

int SelectAircraft(con::Handle hOut, con::Handle hIn, int location) {
    ClearInWhite();
    ClearScreen(hOut, kRoomColour, false);
    PrintAt("SELECT AN AIRCRAFT", 12, 0, kYellow);
    art::DrawCellArt(art::kCraftListFrame, 0, 0, kWhite);
    PrintAt("Press Escape to return to Dock menu", 30, 2, kWhite);

    RowTable rows;
    FillCraftRows(location, rows);
    if (rows.Entries() == 0) {
        PrintAt("You have no ships here!", 3, 17, kYellow);
        WaitForKey(hIn);
        return -1;
    }

    ScrollState state;
    for (;;) {
        int const answer = StepList(hOut, hIn, rows, kCraftColumn, state, false);
        ShowCraftStats(location, CursorIndex(state));
        if (answer == kScrollStepEnter) {
            return CursorIndex(state);
        }
        if (answer == kScrollEscape) {
            return -1;
        }
    }
}
