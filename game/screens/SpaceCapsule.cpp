#include "game/screens/SpaceCapsule.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "game/art/DockingBayArt.h"
#include "game/screens/DockLists.h"
#include "game/screens/EarthMapWidgets.h"
#include "game/screens/GroundCampaign.h"
#include "game/screens/TargetPickerWidgets.h"
#include "game/ui/CrewCard.h"
#include "game/ui/GuiFunctions.h"
#include "game/ui/KeyInput.h"
#include "game/ui/ScreenFrame.h"
#include "game/world/Globals.h"
#include "game/world/SillyString.h"

namespace {

constexpr int kRoomColour = 78;
constexpr int kFrameColour = 2;
constexpr int kWhite = 15;
constexpr int kYellow = 14;
constexpr int kCursorColour = 241;
constexpr int kEditedColour = 225;
constexpr int kAnswerColour = 240;

// What a capsule carries.
constexpr int kCapsuleCrew = 20;
constexpr int kCapsuleCargo = 20000;
constexpr int kFirstStep = 10000;

constexpr ListColumn kCrewColumn{4, 4, 21, 14};
constexpr ListColumn kOnboardColumn{27, 4, 21, 14};

// The cargo panel and the launch box.
constexpr int kTitleRow = 2;
constexpr int kCargoTitleX = 50;
constexpr int kLaunchTitleX = 52;
constexpr int kLaunchTitleY = 8;
constexpr int kLabelX = 50;
constexpr int kFoodRow = 4;
constexpr int kMaterialsRow = 5;
constexpr int kDigitsX = 61;
constexpr int kDigits = 5;
constexpr int kDestinationX = 52;
constexpr int kDestinationLabelY = 10;
constexpr int kDestinationLineY = 11;
constexpr int kLaunchX = 61;
constexpr int kLaunchY = 13;
constexpr int kAnswerY = 15;
constexpr int kYesX = 60;
constexpr int kNoX = 66;
constexpr int kCardTop = 19;
constexpr int kCardBottom = 21;

// Places the sites may stand on: Mountains, Desert, Rubble and ruins.
constexpr int kRuins = 8;
bool IsSiteLand(int landType) {
    return landType == SubSector::kMountains || landType == SubSector::kDesert ||
           landType == SubSector::kRubble || landType == kRuins;
}
char const* SiteLandName(int landType) {
    switch (landType) {
        case SubSector::kMountains: return "Mountain";
        case SubSector::kDesert: return "Desert";
        case SubSector::kRubble: return "Rubble";
        case kRuins: return "Ruins";
        default: return "";
    }
}

SubSector* SquareOf(int sector, int index) {
    Sector* const place = Globals::GetMap()->GetSector(sector, -1);
    return place != nullptr && IsSubSector(index) ? place->GetSubSector(index, -1) : nullptr;
}

// A number left-aligned and padded with blanks to the width, so a shorter one
// wipes a longer one.
template <std::size_t N>
void PrintCleanNumber(int value, int x, int y) {
    char text[N + 1];
    NumberToText(value, text, false, static_cast<int>(N));
    CleanNumberText(text, static_cast<int>(N));
    PrintAt(text, x, y, kYellow);
}

enum class Focus { Crew, Onboard, Cargo };

// The panel's cursor.
enum Field : int {
    kFood = 0,
    kMaterials = 1,
    kEditFood = 2,
    kEditMaterials = 3,
    kDestination = 4,
    kLaunch = 5
};

// The crew list of the capsule on the screen, while the screen is open.
CrewQueue* loadingCapsule = nullptr;

class CapsuleScreen {
public:
    CapsuleScreen(con::Handle hOut, con::Handle hIn)
        : hOut_(hOut),
          hIn_(hIn),
          ship_(*Globals::GetMothership()),
          onboard_(kCapsuleCrew),
          entryFood_(ship_.GetFood()),
          entryMaterials_(ship_.GetMaterials()) {
        loadingCapsule = &onboard_;
    }

    CapsuleScreen(CapsuleScreen const&) = delete;
    CapsuleScreen& operator=(CapsuleScreen const&) = delete;

    // However the screen is left, short of a launch, the crew and the stock
    // go back to the ship.
    ~CapsuleScreen() {
        if (!launched_) {
            ReturnToShip();
        }
        loadingCapsule = nullptr;
    }

    void Run() {
        DrawCapsuleFrame(hOut_);
        PaintPanelLabels();
        PrintRemainingCrew();
        PrintRemainingCargo();
        while (!done_) {
            switch (focus_) {
                case Focus::Crew: CrewPass(); break;
                case Focus::Onboard: OnboardPass(); break;
                case Focus::Cargo: CargoPass(); break;
            }
        }
    }

private:
    CrewQueue& ShipCrew() { return *ship_.GetCrewQueue(); }
    void FillCrew() { FillCrewRows(&ShipCrew(), crewRows_, nullptr); }
    void FillOnboard() { FillCrewRows(&onboard_, onboardRows_, nullptr); }

    // ---- Drawing -------------------------------------------------------------
    static void PaintTitles(bool crew, bool onboard, bool cargo, bool launch) {
        PaintTitle("   CREW   ", kCrewColumn.x, kTitleRow, crew);
        PaintTitle(" ONBOARD  ", kOnboardColumn.x, kTitleRow, onboard);
        PaintTitle("  CARGO   ", kCargoTitleX, kTitleRow, cargo);
        PaintTitle("  LAUNCH  ", kLaunchTitleX, kLaunchTitleY, launch);
    }

    // The panel's three labels, each in its colour; kKeep leaves one as it stands.
    static constexpr int kKeep = -1;
    static void PaintLabels(int food, int materials, int destination) {
        if (food != kKeep) {
            PrintAt("Food:", kLabelX, kFoodRow, food);
        }
        if (materials != kKeep) {
            PrintAt("Materials:", kLabelX, kMaterialsRow, materials);
        }
        if (destination != kKeep) {
            PrintAt("Select Destination", kDestinationX, kDestinationLabelY, destination);
        }
    }

    static void PaintPanelLabels() {
        PaintLabels(kWhite, kWhite, kKeep);
        PrintAt("00000", kDigitsX, kFoodRow, kWhite);
        PrintAt("00000", kDigitsX, kMaterialsRow, kWhite);
        PrintAt("Select Destination", kDestinationX, kDestinationLabelY, kWhite);
        PrintAt("Remaining", 38, 1, kWhite);
        PrintAt("Space:", 38, 2, kWhite);
        PrintAt("Remaining", 61, 1, kWhite);
        PrintAt("Space:", 61, 2, kWhite);
    }

    void PrintRemainingCrew() const { PrintCleanNumber<3>(kCapsuleCrew - onboard_.GetTotal(), 45, 2); }
    void PrintRemainingCargo() const {
        PrintCleanNumber<9>(kCapsuleCargo - capsuleFood_ - capsuleMaterials_, 68, 2);
    }

    // The value over the "00000" template, its last digit in the template's.
    static void PaintValue(int row, int value) {
        char text[16] = {};
        std::to_chars(text, text + sizeof text - 1, value);
        PrintAt("00000", kDigitsX, row, kWhite);
        PrintAt(text, kDigitsX + kDigits - static_cast<int>(std::strlen(text)), row, kWhite);
    }

    // The five digits while they are edited, the one of the step's place lit.
    // Past the units (step 0) the digits are left as they stand.
    void PaintDigits(int row, int value) const {
        if (step_ == 0) {
            return;
        }
        int place = kFirstStep;
        for (int i = 0; i < kDigits; ++i, place /= 10) {
            char const digit = static_cast<char>('0' + value / place % 10);
            PrintAt(digit, kDigitsX + i, row, place == step_ ? kCursorColour : kWhite);
        }
    }

    void PaintDestinationLine() const {
        Sector* const sector = Globals::GetMap()->GetSector(destination_, -1);
        SubSector const* const square = SquareOf(destination_, site_);
        if (sector == nullptr) {
            return;
        }
        PrintAt("Sector", kDestinationX, kDestinationLineY, kYellow);
        PrintAt(sector->GetLetter(), 59, kDestinationLineY, kYellow);
        if (square != nullptr) {
            PrintAt(SiteLandName(square->GetType()), 61, kDestinationLineY, kYellow);
        }
    }

    void PaintAnswers() const {
        PrintAt("yes", kYesX, kAnswerY, answerYes_ ? kAnswerColour : kWhite);
        PrintAt("no", kNoX, kAnswerY, answerYes_ ? kWhite : kAnswerColour);
    }

    void PaintPanel() const {
        bool const inCargo = field_ <= kEditMaterials;
        PaintTitle("  CARGO   ", kCargoTitleX, kTitleRow, inCargo);
        PaintTitle("  LAUNCH  ", kLaunchTitleX, kLaunchTitleY, !inCargo);
        switch (field_) {
            case kFood:
                PaintLabels(kCursorColour, kWhite, kKeep);
                PaintValue(kFoodRow, capsuleFood_);
                break;
            case kMaterials:
                PaintLabels(kWhite, kCursorColour, kWhite);
                PaintValue(kMaterialsRow, capsuleMaterials_);
                break;
            case kEditFood:
                PaintLabels(kEditedColour, kKeep, kKeep);
                PaintDigits(kFoodRow, capsuleFood_);
                break;
            case kEditMaterials:
                PaintLabels(kKeep, kEditedColour, kKeep);
                PaintDigits(kMaterialsRow, capsuleMaterials_);
                break;
            case kDestination:
                PaintLabels(kWhite, kWhite, kCursorColour);
                PrintAt("   ", kYesX, kAnswerY, kWhite);
                PrintAt("  ", kNoX, kAnswerY, kWhite);
                if (HasTarget()) {
                    PrintAt("LAUNCH", kLaunchX, kLaunchY, kWhite);
                    PaintDestinationLine();
                } else {
                    PrintPadded(" ", kDestinationX, kDestinationLineY, kWhite, 17);
                }
                break;
            default:
                PaintLabels(kWhite, kWhite, kWhite);
                PrintAt("LAUNCH", kLaunchX, kLaunchY, kCursorColour);
                PaintDestinationLine();
                PaintAnswers();
                break;
        }
    }

    void BlankCard() const {
        for (int row = kCardTop; row <= kCardBottom; ++row) {
            PrintPadded(" ", 4, row, kFrameColour, 72);
        }
    }

    // ---- The two lists -----------------------------------------------------------
    // One step of a crew list, the card of the member under its cursor shown
    // while the last answer was a row. An empty list sends the keys on as Left.
    int StepCrew(CrewQueue& crew, RowTable const& rows, ListColumn const& column, ScrollState& state) {
        int const count = rows.Entries();
        if (lastAnswer_ >= 0 && count > 0) {
            ShowCrewInfo(std::min(CursorIndex(state), count - 1), crew);
        }
        int const answer = StepList(hOut_, hIn_, rows, column, state);
        lastAnswer_ = count == 0 ? kScrollLeft : answer;
        return lastAnswer_;
    }

    void CrewPass() {
        PaintTitles(true, false, false, false);
        FillCrew();
        int const answer = StepCrew(ShipCrew(), crewRows_, kCrewColumn, crewState_);
        onboardState_.offset = crewState_.offset;
        switch (answer) {
            case kScrollEscape: done_ = true; break;
            case kScrollLeft: focus_ = Focus::Cargo; break;
            case kScrollRight: focus_ = onboard_.GetTotal() > 0 ? Focus::Onboard : Focus::Cargo; break;
            case kScrollStepEnter: Board(); break;
            default: break;
        }
    }

    void OnboardPass() {
        PaintTitles(false, true, false, false);
        FillOnboard();
        PrintRemainingCrew();
        onboardState_.offset = std::max(std::min(onboardState_.offset, onboardRows_.Entries() - 1), 0);
        int const answer = StepCrew(onboard_, onboardRows_, kOnboardColumn, onboardState_);
        crewState_.offset = onboardState_.offset;
        switch (answer) {
            case kScrollEscape: done_ = true; break;
            case kScrollLeft: focus_ = ShipCrew().GetTotal() > 0 ? Focus::Crew : Focus::Cargo; break;
            case kScrollRight: focus_ = Focus::Cargo; break;
            case kScrollStepEnter: Unboard(); break;
            default: break;
        }
    }

    // The highlighted member of the ship goes aboard; it leaves the ship only
    // when the capsule took it (it holds 20).
    void Board() {
        MoveMember(ShipCrew(), CursorIndex(crewState_), onboard_);
        FillCrew();
        ScrollUpAfterRemoval(crewState_, crewRows_.Entries(), kCrewColumn.visible, false);
        FillOnboard();
        PrintRemainingCrew();
        PaintList(hOut_, hIn_, onboardRows_, kOnboardColumn, onboardState_);
    }

    // The highlighted member aboard goes back; it leaves the capsule only when
    // the ship's list took it.
    void Unboard() {
        MoveMember(onboard_, CursorIndex(onboardState_), ShipCrew());
        FillOnboard();
        ScrollUpAfterRemoval(onboardState_, onboardRows_.Entries(), kOnboardColumn.visible, true);
        FillCrew();
        PaintList(hOut_, hIn_, crewRows_, kCrewColumn, crewState_);
    }

    // ---- The cargo panel ---------------------------------------------------------
    bool HasTarget() const { return destination_ != 0 && IsSubSector(site_); }

    void CargoPass() {
        PaintTitle("   CREW   ", kCrewColumn.x, kTitleRow, false);
        PaintTitle(" ONBOARD  ", kOnboardColumn.x, kTitleRow, false);
        // While the load is edited the status bar shows what the ship keeps.
        ship_.SetFood(entryFood_ - capsuleFood_);
        ship_.SetMaterials(entryMaterials_ - capsuleMaterials_);
        RefreshFood(hOut_, kRoomColour);
        RefreshMaterials(hOut_, kRoomColour);
        BlankCard();
        PrintRemainingCargo();
        PaintPanel();

        con::KeyRecord key{};
        if (!ReadKeyPress(hIn_, key)) {
            return;
        }
        switch (key.virtualKey) {
            case con::VK_UP: Up(); return;
            case con::VK_DOWN: Down(); return;
            case con::VK_RIGHT: Right(); return;
            case con::VK_LEFT: Left(); return;
            default: break;
        }
        if (key.character == 13) {
            Enter();
        } else if (key.character == 27) {
            Escape();
        }
    }

    bool Editing() const { return field_ == kEditFood || field_ == kEditMaterials; }
    void StopEditing() { field_ = field_ == kEditFood ? kFood : kMaterials; }
    void StartEditing(Field field) {
        field_ = field;
        step_ = kFirstStep;
    }

    int& Edited() { return field_ == kEditFood ? capsuleFood_ : capsuleMaterials_; }

    void Up() {
        if (Editing()) {
            int& value = Edited();
            int const other = field_ == kEditFood ? capsuleMaterials_ : capsuleFood_;
            int const stock = field_ == kEditFood ? entryFood_ : entryMaterials_;
            value += step_;
            value = std::min(value, kCapsuleCargo - other);
            value = std::max(std::min(value, stock), 0);
        } else if (field_ == kMaterials) {
            field_ = kFood;
        } else if (field_ == kDestination) {
            field_ = kMaterials;
        } else if (field_ == kLaunch) {
            field_ = kDestination;
        }
    }

    void Down() {
        if (Editing()) {
            int& value = Edited();
            value = std::max(value - step_, 0);
        } else if (field_ == kFood) {
            field_ = kMaterials;
        } else if (field_ == kMaterials) {
            field_ = kDestination;
        } else if (field_ == kDestination && HasTarget()) {
            field_ = kLaunch;
        }
    }

    void Right() {
        if (Editing()) {
            step_ /= 10;
        } else if (field_ == kFood) {
            StartEditing(kEditFood);
        } else if (field_ == kMaterials) {
            StartEditing(kEditMaterials);
        } else if (field_ == kLaunch) {
            answerYes_ = false;
        }
    }

    void Left() {
        if (Editing()) {
            step_ = step_ == 0 ? 10 : step_ * 10;
            if (step_ > kFirstStep) {
                StopEditing();
            }
        } else if (field_ == kLaunch) {
            answerYes_ = true;
        } else {
            LeavePanel();
        }
    }

    void Enter() {
        if (Editing()) {
            StopEditing();
        } else if (field_ == kFood) {
            StartEditing(kEditFood);
        } else if (field_ == kMaterials) {
            StartEditing(kEditMaterials);
        } else if (field_ == kDestination) {
            ChooseDestination();
        } else if (answerYes_) {
            Launch();
        } else {
            field_ = kDestination;
        }
    }

    void Escape() {
        if (Editing()) {
            StopEditing();
        } else if (field_ == kLaunch) {
            field_ = kDestination;
        } else {
            done_ = true;
        }
    }

    // Left out of the panel: back to the capsule's crew, or the ship's when
    // the capsule has none, on the row of the field that was left. Only the
    // two stock labels go back to white.
    void LeavePanel() {
        PaintLabels(kWhite, kWhite, kKeep);
        if (onboard_.GetTotal() > 0) {
            focus_ = Focus::Onboard;
            onboardState_.offset = field_;
        } else {
            focus_ = Focus::Crew;
            crewState_.offset = field_;
        }
        field_ = kFood;
    }

    void ChooseDestination() {
        destination_ = SelectCapsuleTarget(hOut_, hIn_, &site_);
        DrawCapsuleFrame(hOut_);
        PaintTitles(false, false, false, true);
        PaintPanelLabels();
        PaintValue(kFoodRow, capsuleFood_);
        PaintValue(kMaterialsRow, capsuleMaterials_);
        PrintRemainingCrew();
        PrintRemainingCargo();
        FillOnboard();
        PaintList(hOut_, hIn_, onboardRows_, kOnboardColumn, onboardState_);
        FillCrew();
        PaintList(hOut_, hIn_, crewRows_, kCrewColumn, crewState_);
        if (destination_ != 0) {
            answerYes_ = false;
            field_ = kLaunch;
        }
    }

    // ---- Leaving ---------------------------------------------------------------------
    // The capsule's crew, food and materials go to the sector's bunker with
    // the site. Members the bunker has no room for go back to the ship they
    // came from.
    void Launch() {
        Sector* const sector = Globals::GetMap()->GetSector(destination_, -1);
        if (sector == nullptr || !IsSubSector(site_) || ship_.GetCapsules() <= 0) {
            return;  // nowhere to go, or no capsule to go in
        }
        Bunker& bunker = *sector->GetBunker();
        bunker.SetSubSector(site_);
        bunker.ChangeFood(capsuleFood_);
        bunker.ChangeMaterials(capsuleMaterials_);
        entryFood_ -= capsuleFood_;
        entryMaterials_ -= capsuleMaterials_;
        capsuleFood_ = 0;
        capsuleMaterials_ = 0;
        ship_.SetFood(entryFood_);
        ship_.SetMaterials(entryMaterials_);
        Unload(*bunker.GetCrewQueue(), &ShipCrew());
        ship_.ChangeCapsules(-1);
        launched_ = true;
        PrintAt("CAPSULE LAUNCHED", 56, 14, kYellow);
        WaitForKey(hIn_);
        done_ = true;
    }

    void ReturnToShip() {
        Unload(ShipCrew(), nullptr);
        ship_.SetFood(entryFood_);
        ship_.SetMaterials(entryMaterials_);
    }

    // Every member aboard, the first first, to the head of `to` or, when that
    // list is full, of `otherwise`; a member leaves the capsule only when a
    // list took it.
    void Unload(CrewQueue& to, CrewQueue* otherwise) {
        int index = 0;
        while (CrewNode* const node = onboard_.GetCrewNode(index)) {
            if (to.enqueue(node->crew) || (otherwise != nullptr && otherwise->enqueue(node->crew))) {
                onboard_.dequeue(node->crew);
            } else {
                ++index;
            }
        }
    }

    con::Handle hOut_;
    con::Handle hIn_;
    Mothership& ship_;
    CrewQueue onboard_;
    int entryFood_;
    int entryMaterials_;
    int capsuleFood_ = 0;
    int capsuleMaterials_ = 0;
    int destination_ = 0;
    int site_ = -1;
    bool answerYes_ = false;
    Focus focus_ = Focus::Crew;
    int field_ = kFood;
    int step_ = kFirstStep;
    ScrollState crewState_;
    ScrollState onboardState_;
    RowTable crewRows_;
    RowTable onboardRows_;
    int lastAnswer_ = 0;  // the crew card is shown while the last list answer is a row
    bool launched_ = false;
    bool done_ = false;
};

// ---- The pickers ---------------------------------------------------------------------
constexpr int kMapX = kPickerMapX;
constexpr int kMapY = kPickerMapY;
constexpr int kMapColour = 48;
constexpr int kPickerTitleColour = 62;
constexpr int kShipMarkerColour = 13;
constexpr int kDestinationMarkerColour = 14;
constexpr int kSelectionRow = 18;

int CountCraft(AirQueue& craft, AircraftType type) {
    int count = 0;
    for (int i = 0; i < craft.GetTotal(); ++i) {
        count += craft.GetNode(i)->aircraft.GetType() == type ? 1 : 0;
    }
    return count;
}

}  // namespace

void DrawCapsuleFrame(con::Handle hOut) {
    ClearScreen(hOut, kRoomColour, true);
    art::DrawCellArt(art::kCapsuleFrame, 0, 0, kFrameColour);
}

CrewQueue* LoadingCapsuleCrew() { return loadingCapsule; }

void LaunchSpaceCapsule(con::Handle hOut, con::Handle hIn) {
    CapsuleScreen screen(hOut, hIn);
    screen.Run();
}

int SelectCapsuleTarget(con::Handle hOut, con::Handle hIn, int* site) {
    OpenTargetPicker(hOut, "SELECT A TARGET SECTOR FOR THIS CAPSULE", kShipBoxCode);
    int target = 0;
    RunTargetPicker(
        hIn, kShipBoxCode,
        [] {
            DrawPickerMiniMaps(kMapX, kMapY);
            DrawLocationMarker(kMapX, kMapY, kMothershipPlace, kShipMarkerColour);
        },
        [&](int place) {
            if (place == kShipBoxCode) {
                return PickerEnter::Redraw;
            }
            int const existing = Globals::GetMap()->GetSector(place, -1)->GetBunker()->GetSubSector();
            int const chosen = IsSubSector(existing) ? existing : SelectBunkerSite(hOut, hIn, place);
            if (chosen >= 0) {
                if (site != nullptr) {
                    *site = chosen;
                }
                target = place;
            }
            return PickerEnter::Leave;
        });
    return target;
}

int SelectBunkerSite(con::Handle hOut, con::Handle hIn, int sector) {
    if (!IsSector(sector)) {
        return -1;
    }
    ClearScreen(hOut, kMapColour, true);
    DrawSubSectorGrid(kSquareGridX, kSquareGridY, kPlainFrame);
    MoveSubSectorHighlight(kSquareGridX, kSquareGridY, 0, -1);
    PrintAt("SELECT A PERMENANT LOCATION FOR THIS BUNKER", 20, 0, kPickerTitleColour);
    DrawSubSectorTiles(sector, kSquareTileX, kSquareTileY);
    MarkBunkerSquare(sector);

    int cursor = 0;
    for (;;) {
        char const key = NextSquareGridKey(hIn, sector, cursor);
        if (key == 13) {
            SubSector const* const square = SquareOf(sector, cursor);
            if (square != nullptr && square->GetVisible() && IsSiteLand(square->GetType())) {
                return cursor;
            }
        } else if (key == 27) {
            return -1;
        }
    }
}

Bunker* GetBunkerOfSector(int sector) {
    Sector* const place = Globals::GetMap()->GetSector(sector, -1);
    return place != nullptr && place->GetBunker()->GetVisible() ? place->GetBunker() : nullptr;
}

int ChooseCraftSector(con::Handle hOut, con::Handle hIn) {
    ClearScreen(hOut, kMapColour, false);
    DrawEarthMap(kMapX, kMapY, kPlainFrame, true, kLetterColour);
    DrawDockBox(kMapX + kDockBoxDx, kMapY + kDockBoxDy, kPlainFrame);
    int cursor = 1;
    MoveSectorHighlight(kMapX, kMapY, cursor, 0);
    bool fromLeft = true;

    DrawEveryMiniMap(kMapX, kMapY);
    Mothership const& ship = *Globals::GetMothership();
    DrawLocationMarker(kMapX, kMapY, ship.GetDestination(), kDestinationMarkerColour);
    DrawLocationMarker(kMapX, kMapY, ship.GetLocation(), kShipMarkerColour);
    PrintAt("Craft Total at Location:", 49, 18, kWhite);
    // The counts are those of the first sector's bunker; they do not follow the cursor.
    AirQueue& craft = *Globals::GetMap()->GetSector(1, -1)->GetBunker()->GetAirQueue();
    char const* const labels[] = {"Saucer: ", "Fighter: ", "Bomber: "};
    AircraftType const types[] = {SAUCER_TRANSPORT, STEALTH_FIGHTER, HULK_BOMBER};
    for (int i = 0; i < 3; ++i) {
        PrintPadded(" ", 49, 19 + i, kWhite, 26);
        PrintAt(labels[i], 49, 19 + i, kWhite);
        PrintAt(CountCraft(craft, types[i]), 49 + static_cast<int>(std::strlen(labels[i])), 19 + i, kYellow);
    }

    for (;;) {
        PrintAt("CHOOSE A SECTOR CONTAINING AIRCRAFT", 12, 0, kYellow);
        PrintPadded(" ", 3, kSelectionRow + 2, kWhite, 24);
        if (cursor == kShipBoxCode) {
            PrintAt("Mothership Dock", 3, kSelectionRow + 2, kYellow);
        } else if (GetBunkerOfSector(cursor) != nullptr) {
            PrintAt("Bunker built here", 3, kSelectionRow + 2, kWhite);
        } else {
            PrintAt("No bunker built here", 3, kSelectionRow + 2, kWhite);
        }

        char const key = ReadPickerKey(hIn, kMapX, kMapY, cursor, fromLeft, false, ShowTargetField);
        if (key == 13) {
            return cursor == kShipBoxCode ? kMothershipPlace : cursor;
        } else if (key == 27) {
            return -1;
        }
    }
}
