#include "game/screens/AircraftMissions.h"

#include "game/art/DockingBayArt.h"
#include "game/screens/DockLists.h"
#include "game/screens/EarthMapWidgets.h"
#include "game/screens/TargetPickerWidgets.h"
#include "game/ui/GuiFunctions.h"
#include "game/ui/ScreenFrame.h"

namespace {

constexpr int kRoomColour = 78;
constexpr int kFrameColour = 2;
constexpr int kTitleRow = 2;
constexpr int kWhite = 15;

constexpr ListColumn kCraftColumn{19, 4, 21, 14};
constexpr ListColumn kMissionColumn{42, 4, 33, 14};

// ---- The missions each type of craft offers ---------------------------------
enum class Target { None, BuiltBunker, AnySector };

struct MissionRow {
    char const* text;
    Mission mission;
    Target target;
};

struct TypeMissions {
    int rows;
    int crewNeeded;  // for the type's own missions (rows 2 on)
    MissionRow row[5];
};

constexpr MissionRow kInactive{"Inactive", MISSION_INACTIVE, Target::None};
constexpr MissionRow kTravel{"Travel", MISSION_TRAVEL, Target::BuiltBunker};
// Travel needs someone aboard to fly, whatever the type.
constexpr int kTravelCrew = 1;

constexpr TypeMissions kMissionsByType[kAircraftTypes + 1] = {
    {5,
     1,
     {kInactive,
      kTravel,
      {"Scout", MISSION_SCOUT, Target::AnySector},
      {"Abduct Large Lifeforms", MISSION_ABDUCT_LARGE, Target::AnySector},
      {"Abduct Intelligent Lifeforms", MISSION_ABDUCT_INTELLIGENT, Target::AnySector}}},
    {5,
     2,
     {kInactive,
      kTravel,
      {"Attack Destination", MISSION_ATTACK, Target::AnySector},
      {"Defend Destination", MISSION_DEFEND, Target::BuiltBunker},
      {"Escorting Local Craft", MISSION_ESCORT, Target::None}}},
    {3, 2, {kInactive, kTravel, {"Bomb Destination", MISSION_BOMB, Target::AnySector}}},
    {3,
     1,
     {kInactive, kTravel, {"Shuttle Cargo to Destination", MISSION_SHUTTLE_CARGO, Target::BuiltBunker}}},
    // A craft of no known type can only rest or travel.
    {2, 1, {kInactive, kTravel}},
};

TypeMissions const& MissionsOf(AircraftType type) {
    return kMissionsByType[type >= 0 && type < kAircraftTypes ? type : kAircraftTypes];
}

// The row of the craft's current mission; the first row when its type does
// not offer it.
int RowOfMission(TypeMissions const& missions, Mission mission) {
    for (int row = 0; row < missions.rows; ++row) {
        if (missions.row[row].mission == mission) {
            return row;
        }
    }
    return 0;
}

// ---- The target picker ---------------------------------------------------------
constexpr int kHomeColour = 13;
constexpr int kTargetColour = 14;

void DrawTargetView(Aircraft& craft) {
    DrawPickerMiniMaps(kPickerMapX, kPickerMapY);
    DrawLocationMarker(kPickerMapX, kPickerMapY, craft.GetDestination(), kTargetColour);
    DrawLocationMarker(kPickerMapX, kPickerMapY, craft.GetHome(), kHomeColour);
    if (DrawChoicePanel("Ship's Target", craft.GetHome() != craft.GetDestination(),
                        " target selected.      ")) {
        ShowTargetField(kChoicePanelX, kChoicePanelY + 1, true, kWhite, kTargetColour,
                        craft.GetDestination());
    }
}

bool BunkerBuilt(int sector) {
    Sector* const place = Globals::GetMap()->GetSector(sector, -1);
    return place != nullptr && place->GetBunker()->GetVisible();
}

// ---- The screen ------------------------------------------------------------------
enum class Column { Location, Aircraft, Mission };

class MissionScreen {
public:
    MissionScreen(con::Handle hOut, con::Handle hIn) : hOut_(hOut), hIn_(hIn) {}

    void Run() {
        DrawMissionFrame(hOut_);
        locations_.Build();
        for (;;) {
            PaintTitle(" LOCATION ", LocationColumn::kColumn.x, kTitleRow, column_ == Column::Location);
            PaintTitle(" AIRCRAFT ", kCraftColumn.x, kTitleRow, column_ == Column::Aircraft);
            PaintTitle(" MISSION  ", kMissionColumn.x, kTitleRow, column_ == Column::Mission);
            switch (column_) {
                case Column::Location:
                    if (!LocationPass()) {
                        return;
                    }
                    break;
                case Column::Aircraft: AircraftPass(); break;
                case Column::Mission: MissionPass(); break;
            }
        }
    }

private:
    int Location() const { return locations_.Location(); }
    int CraftIndex() const { return CursorIndex(craftState_); }
    Aircraft* Craft() const {
        return craftRows_.Entries() > 0 ? PlaceCraft(Location(), CraftIndex()) : nullptr;
    }

    bool LocationPass() {
        LocationColumn::Answer const answer =
            locations_.Step(hOut_, hIn_, craftRows_, kCraftColumn, craftState_);
        if (answer == LocationColumn::Answer::Choose) {
            column_ = Column::Aircraft;
        }
        return answer != LocationColumn::Answer::Leave;
    }

    void AircraftPass() {
        int const answer = StepList(hOut_, hIn_, craftRows_, kCraftColumn, craftState_);
        if (answer >= 0) {
            ShowMissions();
        } else if (GoesLeft(answer)) {
            BlankColumn(kMissionColumn);
            column_ = Column::Location;
        } else if (GoesRight(answer)) {
            if (Craft() != nullptr) {
                MarkChosenRow(craftRows_, kCraftColumn, craftState_);
                ShowMissions();
                column_ = Column::Mission;
            }
        }
    }

    // The mission list of the craft under the cursor, its cursor on the
    // craft's mission.
    void ShowMissions() {
        Aircraft* const craft = Craft();
        if (craft == nullptr) {
            return;
        }
        TypeMissions const& missions = MissionsOf(craft->GetType());
        missionRows_.Reset(missions.rows);
        for (int row = 0; row < missions.rows; ++row) {
            missionRows_.Set(row, missions.row[row].text);
        }
        missionState_ = {0, RowOfMission(missions, craft->GetMission())};
        PaintList(hOut_, hIn_, missionRows_, kMissionColumn, missionState_);
        MarkChosenRow(missionRows_, kMissionColumn, missionState_);
    }

    void MissionPass() {
        int const row = ScrollList(hOut_, hIn_, missionRows_.Rows(), kMissionColumn.x, kMissionColumn.y,
                                   kMissionColumn.width, kMissionColumn.visible, missionRows_.Shown(), true,
                                   missionState_, false, false);
        column_ = Column::Aircraft;
        Aircraft* const craft = Craft();
        if (row < 0 || craft == nullptr) {
            return;
        }
        TypeMissions const& missions = MissionsOf(craft->GetType());
        if (row >= missions.rows) {
            return;
        }
        MissionRow const& chosen = missions.row[row];
        int const aboard = craft->GetCrewQueue()->GetTotal();
        if (chosen.mission == MISSION_INACTIVE) {
            craft->SetMission(MISSION_INACTIVE);
        } else if (chosen.mission == MISSION_TRAVEL) {
            if (aboard >= kTravelCrew) {
                bool const moving = SelectAircraftTarget(hOut_, hIn_, Location(), CraftIndex(), false);
                craft->SetMission(moving ? MISSION_TRAVEL : MISSION_INACTIVE);
                RedrawAfterPicker();
            }
        } else if (aboard >= missions.crewNeeded) {
            if (chosen.target != Target::None) {
                SelectAircraftTarget(hOut_, hIn_, Location(), CraftIndex(),
                                     chosen.target == Target::AnySector);
                RedrawAfterPicker();
            }
            craft->SetMission(chosen.mission);
        }
    }

    void RedrawAfterPicker() {
        DrawMissionFrame(hOut_);
        locations_.PaintChosen(hOut_, hIn_);
    }

    con::Handle hOut_;
    con::Handle hIn_;
    Column column_ = Column::Location;
    LocationColumn locations_;
    RowTable craftRows_;
    RowTable missionRows_;
    ScrollState craftState_;
    ScrollState missionState_;
};

}  // namespace

void DrawMissionFrame(con::Handle hOut) {
    ClearScreen(hOut, kRoomColour, true);
    art::DrawCellArt(art::kMissionFrame, 0, 0, kFrameColour);
}

void AssignAircraftMissions(con::Handle hOut, con::Handle hIn) { MissionScreen(hOut, hIn).Run(); }

bool SelectAircraftTarget(con::Handle hOut, con::Handle hIn, int location, int craftIndex, bool anySector) {
    Aircraft* const craft = PlaceCraft(location, craftIndex);
    if (craft == nullptr) {
        return false;
    }
    int const cursor = location == kMothershipPlace ? kShipBoxCode : location;
    OpenTargetPicker(hOut, "SELECT A TARGET SECTOR FOR THIS AIRCRAFT", cursor);
    craft->SetDestination(location);
    RunTargetPicker(
        hIn, cursor, [craft] { DrawTargetView(*craft); },
        [craft, anySector](int place) {
            if (place == kShipBoxCode) {
                craft->SetDestination(kMothershipPlace);
            } else if (anySector || BunkerBuilt(place)) {
                craft->SetDestination(place);
            }
            return PickerEnter::Redraw;
        });
    return craft->GetHome() != craft->GetDestination();
}

void DrawArrowMarker(int x, int y, int colour) { DrawSectorMarker(x, y, colour); }
