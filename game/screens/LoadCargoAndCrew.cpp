#include "game/screens/LoadCargoAndCrew.h"

#include "game/art/DockingBayArt.h"
#include "game/screens/DockLists.h"
#include "game/ui/ScreenFrame.h"

namespace {

constexpr int kRoomColour = 78;
constexpr int kFrameColour = 2;
constexpr int kTitleRow = 2;

constexpr ListColumn kLocationColumn{4, 4, 13, 14};
constexpr ListColumn kCraftColumn{19, 4, 16, 14};
constexpr ListColumn kCrewColumn{37, 4, 18, 14};
constexpr ListColumn kOnboardColumn{57, 4, 18, 14};

enum class Column { Location, Aircraft, Crew, Onboard };

// Keeps a list's window from running past its end after a member left it.
void ScrollUpAfterRemoval(ScrollState& state, int count) {
    if (state.top >= count - kCrewColumn.visible && state.top != 0) {
        --state.top;
    }
}

class LoadScreen {
public:
    LoadScreen(con::Handle hOut, con::Handle hIn) : hOut_(hOut), hIn_(hIn) {}

    void Run() {
        DrawLoadFrame(hOut_);
        BuildLocationList(locations_);
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
    int Location() const { return locations_.CodeAt(CursorIndex(locationState_)); }
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
        PaintTitle(" LOCATION ", kLocationColumn.x, kTitleRow, column_ == Column::Location);
        PaintTitle(" AIRCRAFT ", kCraftColumn.x, kTitleRow, column_ == Column::Aircraft);
        PaintTitle("   CREW   ", kCrewColumn.x, kTitleRow, column_ == Column::Crew);
        PaintTitle(" ONBOARD  ", kOnboardColumn.x, kTitleRow, column_ == Column::Onboard);
    }

    bool LocationPass() {
        craftState_ = {};
        crewState_ = {};
        if (lastLocationAnswer_ >= 0) {
            FillCrew();
            PaintList(hOut_, hIn_, crewRows_, kCrewColumn, crewState_);
            FillCraftRows(Location(), craftRows_);
            PaintList(hOut_, hIn_, craftRows_, kCraftColumn, craftState_);
        }
        int const answer = StepList(hOut_, hIn_, locations_.rows, kLocationColumn, locationState_);
        lastLocationAnswer_ = answer;
        if (answer == kScrollEscape) {
            return false;
        }
        if ((answer == kScrollStepEnter || answer == kScrollRight) && craftRows_.Entries() > 0) {
            MarkChosenRow(locations_.rows, kLocationColumn, locationState_);
            column_ = Column::Aircraft;
        }
        return true;
    }

    void AircraftPass() {
        crewState_ = {};
        if (lastCraftAnswer_ >= 0) {
            FillOnboard();
            PaintList(hOut_, hIn_, onboardRows_, kOnboardColumn, onboardState_);
        }
        int const answer = StepList(hOut_, hIn_, craftRows_, kCraftColumn, craftState_);
        lastCraftAnswer_ = answer;
        if (answer == kScrollEscape || answer == kScrollLeft) {
            BlankColumn(kOnboardColumn);
            column_ = Column::Location;
        } else if (answer == kScrollStepEnter || answer == kScrollRight) {
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
        if (answer == kScrollEscape || answer == kScrollLeft) {
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
        if (answer == kScrollEscape || answer == kScrollLeft) {
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
        CrewNode* const node = from->GetCrewNode(CursorIndex(crewState_));
        if (node == nullptr || !to->enqueue(node->crew)) {
            return;
        }
        from->dequeue(node->crew);
        FillCrew();
        ScrollUpAfterRemoval(crewState_, crewRows_.Entries());
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
        CrewNode* const node = from->GetCrewNode(CursorIndex(onboardState_));
        if (node == nullptr || !to->enqueue(node->crew)) {
            return;
        }
        from->dequeue(node->crew);
        FillOnboard();
        int const count = onboardRows_.Entries();
        ScrollUpAfterRemoval(onboardState_, count);
        if (onboardState_.offset + onboardState_.top == count && onboardState_.top != 0) {
            onboardState_.top = count - onboardState_.offset - 1;
        }
        FillCrew();
        PaintList(hOut_, hIn_, crewRows_, kCrewColumn, crewState_);
    }

    con::Handle hOut_;
    con::Handle hIn_;
    Column column_ = Column::Location;
    LocationList locations_;
    RowTable craftRows_;
    RowTable crewRows_;
    RowTable onboardRows_;
    ScrollState locationState_;
    ScrollState craftState_;
    ScrollState crewState_;
    ScrollState onboardState_;
    // A row index (or 0 at the start) has the columns to its right refreshed.
    int lastLocationAnswer_ = 0;
    int lastCraftAnswer_ = 0;
};

}  // namespace

void DrawLoadFrame(con::Handle hOut) {
    ClearScreen(hOut, kRoomColour, true);
    art::DrawFrameArt(art::kLoadFrame, kFrameColour);
}

void LoadCargoAndCrew(con::Handle hOut, con::Handle hIn) { LoadScreen(hOut, hIn).Run(); }
