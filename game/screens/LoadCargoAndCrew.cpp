#include "game/screens/LoadCargoAndCrew.h"

#include "game/art/DockingBayArt.h"
#include "game/screens/DockLists.h"
#include "game/ui/ScreenFrame.h"

namespace {

constexpr int kRoomColour = 78;
constexpr int kFrameColour = 2;
constexpr int kTitleRow = 2;

constexpr ListColumn kCraftColumn{19, 4, 16, 14};
constexpr ListColumn kCrewColumn{37, 4, 18, 14};
constexpr ListColumn kOnboardColumn{57, 4, 18, 14};

enum class Column { Location, Aircraft, Crew, Onboard };

class LoadScreen {
public:
    LoadScreen(con::Handle hOut, con::Handle hIn) : hOut_(hOut), hIn_(hIn) {}

    void Run() {
        DrawLoadFrame(hOut_);
        locations_.Build();
        for (;;) {
            PaintTitles();
            switch (column_) {
                case Column::Location:
                    if (!LocationPass()) {
                        return;
                    }
                    break;
                case Column::Aircraft: AircraftPass(); break;
                case Column::Crew: CrewPass(); break;
                case Column::Onboard: OnboardPass(); break;
            }
        }
    }

private:
    int Location() const { return locations_.Location(); }
    CrewQueue* PlaceCrew() const { return Globals::GetPlaceCrewQueue(Location()); }
    Aircraft* Craft() const {
        return craftRows_.Entries() > 0 ? PlaceCraft(Location(), CursorIndex(craftState_)) : nullptr;
    }
    CrewQueue* Aboard() const {
        Aircraft* const craft = Craft();
        return craft != nullptr ? craft->GetCrewQueue() : nullptr;
    }
    bool PlaceHasCrew() const { return crewRows_.Entries() > 0; }
    bool CraftHasCrew() const {
        CrewQueue const* const aboard = Aboard();
        return aboard != nullptr && aboard->GetTotal() > 0;
    }

    void FillCrew() { FillCrewRows(PlaceCrew(), crewRows_, "No Crew Here"); }
    void FillOnboard() { FillCrewRows(Aboard(), onboardRows_, nullptr); }

    void PaintTitles() const {
        PaintTitle(" LOCATION ", LocationColumn::kColumn.x, kTitleRow, column_ == Column::Location);
        PaintTitle(" AIRCRAFT ", kCraftColumn.x, kTitleRow, column_ == Column::Aircraft);
        PaintTitle("   CREW   ", kCrewColumn.x, kTitleRow, column_ == Column::Crew);
        PaintTitle(" ONBOARD  ", kOnboardColumn.x, kTitleRow, column_ == Column::Onboard);
    }

    bool LocationPass() {
        crewState_ = {};
        if (locations_.Moved()) {
            FillCrew();
            PaintList(hOut_, hIn_, crewRows_, kCrewColumn, crewState_);
        }
        LocationColumn::Answer const answer =
            locations_.Step(hOut_, hIn_, craftRows_, kCraftColumn, craftState_);
        if (answer == LocationColumn::Answer::Choose) {
            column_ = Column::Aircraft;
        }
        return answer != LocationColumn::Answer::Leave;
    }

    void AircraftPass() {
        crewState_ = {};
        if (lastCraftAnswer_ >= 0) {
            FillOnboard();
            PaintList(hOut_, hIn_, onboardRows_, kOnboardColumn, onboardState_);
        }
        int const answer = StepList(hOut_, hIn_, craftRows_, kCraftColumn, craftState_);
        lastCraftAnswer_ = answer;
        if (GoesLeft(answer)) {
            BlankColumn(kOnboardColumn);
            column_ = Column::Location;
        } else if (GoesRight(answer)) {
            MarkChosenRow(craftRows_, kCraftColumn, craftState_);
            FillCrew();
            FillOnboard();
            if (PlaceHasCrew()) {
                column_ = Column::Crew;
            } else if (CraftHasCrew()) {
                column_ = Column::Onboard;
            }
        }
    }

    void CrewPass() {
        int const answer = StepList(hOut_, hIn_, crewRows_, kCrewColumn, crewState_);
        onboardState_.offset = crewState_.offset;
        if (GoesLeft(answer)) {
            column_ = Column::Aircraft;
        } else if (answer == kScrollRight) {
            if (CraftHasCrew()) {
                column_ = Column::Onboard;
            }
        } else if (answer == kScrollStepEnter) {
            MoveAboard();
        }
    }

    void OnboardPass() {
        FillOnboard();
        int const answer = StepList(hOut_, hIn_, onboardRows_, kOnboardColumn, onboardState_);
        crewState_.offset = onboardState_.offset;
        if (GoesLeft(answer)) {
            column_ = PlaceHasCrew() ? Column::Crew : Column::Aircraft;
        } else if (answer == kScrollRight) {
            column_ = Column::Crew;
        } else if (answer == kScrollStepEnter) {
            MoveAshore();
        }
    }

    // The highlighted member of the place goes aboard the craft; it leaves the
    // place only when the craft took it.
    void MoveAboard() {
        CrewQueue* const from = PlaceCrew();
        CrewQueue* const to = Aboard();
        if (from == nullptr || to == nullptr || !PlaceHasCrew()) {
            return;  // the placeholder row stands for no one
        }
        if (!MoveMember(*from, CursorIndex(crewState_), *to)) {
            return;
        }
        FillCrew();
        ScrollUpAfterRemoval(crewState_, crewRows_.Entries(), kCrewColumn.visible, false);
        FillOnboard();
        PaintList(hOut_, hIn_, onboardRows_, kOnboardColumn, onboardState_);
    }

    // The highlighted member aboard goes back to the place; it leaves the craft
    // only when the place took it.
    void MoveAshore() {
        CrewQueue* const from = Aboard();
        CrewQueue* const to = PlaceCrew();
        if (from == nullptr || to == nullptr || onboardRows_.Entries() == 0) {
            return;
        }
        if (!MoveMember(*from, CursorIndex(onboardState_), *to)) {
            return;
        }
        FillOnboard();
        ScrollUpAfterRemoval(onboardState_, onboardRows_.Entries(), kOnboardColumn.visible, true);
        FillCrew();
        PaintList(hOut_, hIn_, crewRows_, kCrewColumn, crewState_);
    }

    con::Handle hOut_;
    con::Handle hIn_;
    Column column_ = Column::Location;
    LocationColumn locations_;
    RowTable craftRows_;
    RowTable crewRows_;
    RowTable onboardRows_;
    ScrollState craftState_;
    ScrollState crewState_;
    ScrollState onboardState_;
    int lastCraftAnswer_ = 0;  // a row (or 0 at the start) refreshes the ONBOARD column
};

}  // namespace

void DrawLoadFrame(con::Handle hOut) {
    ClearScreen(hOut, kRoomColour, true);
    art::DrawCellArt(art::kLoadFrame, 0, 0, kFrameColour);
}

void LoadCargoAndCrew(con::Handle hOut, con::Handle hIn) { LoadScreen(hOut, hIn).Run(); }
