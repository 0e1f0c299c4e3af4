#include "game/screens/LivingQuarters.h"

#include <algorithm>
#include <memory>

#include "game/art/LivingQuartersArt.h"
#include "game/screens/RoomMenuKeys.h"
#include "game/screens/RoomMenuLoop.h"
#include "game/ui/CrewCard.h"
#include "game/ui/GuiFunctions.h"
#include "game/ui/KeyInput.h"
#include "game/ui/Portraits.h"
#include "game/ui/ScreenFrame.h"
#include "game/world/Globals.h"
#include "game/world/SillyString.h"

namespace {

constexpr int kRoomColour = 78;
constexpr int kWhite = 15;
constexpr int kChosen = 12;         // the work rate under the chooser's cursor
constexpr int kComment = 14;        // what Emerson says
constexpr int kPickedColour = 225;  // a picked-up member, and the focused column's title

enum Item : int { kAssignJobs = 1, kAutoAssign = 2, kSchedules = 3, kCoffee = 4, kReturn = 5 };

// The coffee item runs two characters past the others; the bar's right end
// closes it off.
constexpr char const* kItemTexts[kRoomMenuItems] = {
    "  Assign Crew Jobs         ",   "  Auto Assign/Sort Crew    ", "  Change Work Schedules    ",
    "  Have Coffee with Emerson   ", "  Return to Main Deck      ",
};

// ---- Job columns ----------------------------------------------------------------

struct ColumnPlace {
    char const* title;
    int x;
    int width;
};
constexpr ColumnPlace kColumnPlaces[kJobColumns] = {
    {"  RESEARCH   ", 4, 22},
    {" MAINTENANCE ", 28, 22},
    {"    OTHER    ", 52, 23},
};
constexpr int kTitleRow = 2;
constexpr int kListRow = 4;
// A picked-up member's name is lit this wide in every column.
constexpr int kPickedWidth = 22;

Mothership& Ship() { return *Globals::GetMothership(); }
CrewQueue& ShipCrew() { return *Ship().GetCrewQueue(); }

// The view brought within a list of `count` rows: the window no further down
// than a full last page and the cursor on a row that exists.
void FitView(ScrollState& state, int count) {
    state.top = std::clamp(state.top, 0, std::max(count - kJobColumnVisible, 0));
    state.offset =
        std::clamp(state.offset, 0, std::max(std::min(count - state.top, kJobColumnVisible) - 1, 0));
}

// The row of a column that shows the member at that crew-list index; -1 when
// none does.
int RowOfMember(CrewJobColumns const& columns, int column, int member) {
    for (int row = 0; row < columns.counts[column]; ++row) {
        if (columns.indices[column][row] == member) {
            return row;
        }
    }
    return -1;
}

// Paints a column once, without a highlight.
void DrawColumn(con::Handle hOut, con::Handle hIn, CrewJobsView& view, int column) {
    ColumnPlace const& place = kColumnPlaces[column];
    ScrollList(hOut, hIn, view.columns.rows[column], place.x, kListRow, place.width, kJobColumnVisible,
               view.columns.counts[column], true, view.states[column], true, false);
}

void DrawTitles(int focus) {
    for (int column = 0; column < kJobColumns; ++column) {
        PrintAt(kColumnPlaces[column].title, kColumnPlaces[column].x, kTitleRow,
                column == focus ? kPickedColour : kWhite);
    }
}

// The next column in a direction (+1 right, -1 left, round the ends) that has
// members; the column itself when no other has.
int NextFilledColumn(CrewJobColumns const& columns, int column, int step) {
    for (int n = 1; n < kJobColumns; ++n) {
        int const next = (column + step * n + kJobColumns) % kJobColumns;
        if (columns.counts[next] > 0) {
            return next;
        }
    }
    return column;
}

// Puts the focused column's window and cursor on the picked member, keeping
// the cursor where it stands when the member is already in view.
void FollowPicked(CrewJobsView& view) {
    int const row = RowOfMember(view.columns, view.focus, view.picked);
    if (row < 0) {
        return;
    }
    ScrollState& state = view.states[view.focus];
    if (row < state.top) {
        state.top = row;
    } else if (row >= state.top + kJobColumnVisible) {
        state.top = row - kJobColumnVisible + 1;
    }
    state.offset = row - state.top;
    view.carriedRow = state.offset;
}

// Where a member stands in the crew list after MoveNode(from, to).
int IndexAfterMove(int from, int to, int total) {
    if (to == 0) {
        return 0;
    }
    if (to >= total) {
        return total - 1;
    }
    return to > from ? to - 1 : to;
}

// ---- Menu ------------------------------------------------------------------------

void PaintItem(Item item, int colour) { PaintRoomMenuItem(item, kItemTexts[item - 1], colour); }

constexpr RoomItemPainters kPainters = {
    QuartersItemAssignJobs, QuartersItemAutoAssign, QuartersItemSchedules,
    QuartersItemCoffee,     QuartersItemReturn,
};

void OpenCrewJobs(con::Handle hOut, con::Handle hIn) {
    ClearScreen(hOut, kRoomColour, true);
    art::DrawCellArt(art::kCrewJobsFrame, 0, 0, art::kCrewJobsFrameColour);
    int lastResult = 0;
    AssignCrewJobs(hOut, hIn, &lastResult);
}

void OpenSchedules(con::Handle hOut, con::Handle hIn) {
    ClearScreen(hOut, kRoomColour, true);
    PrintAt("SELECT A WORK RATE", 22, 3, kWhite);
    ChangeWorkSchedule(hOut, hIn, Ship().GetWorkRate() + 1);
}

void OpenCoffee(con::Handle hOut, con::Handle hIn) {
    LeaveRoom();
    CoffeeWithEmerson(hOut, hIn);
    LeaveRoom();
}

}  // namespace

void QuartersItemAssignJobs(int colour) { PaintItem(kAssignJobs, colour); }
void QuartersItemAutoAssign(int colour) { PaintItem(kAutoAssign, colour); }
void QuartersItemSchedules(int colour) { PaintItem(kSchedules, colour); }
void QuartersItemCoffee(int colour) { PaintItem(kCoffee, colour); }
void QuartersItemReturn(int colour) { PaintItem(kReturn, colour); }

void LivingQuartersMenu(con::Handle hOut, con::Handle hIn, DeckRoom /*room*/) {
    RunRoomMenu(hOut, hIn, PaintWith(kPainters), [&](int item) {
        switch (item) {
            case kAssignJobs:
                if (ShipCrew().GetTotal() == 0) {
                    PrintAt("There are no crewmembers!", 4, 12, kWhite);
                    return true;
                }
                OpenCrewJobs(hOut, hIn);
                break;
            case kSchedules: OpenSchedules(hOut, hIn); break;
            case kCoffee: OpenCoffee(hOut, hIn); break;
            case kReturn: ClearScreen(hOut, kRoomColour, false); return false;
            default: return true;  // Auto Assign/Sort Crew does nothing
        }
        RedrawRoomMenu(hOut, PaintWith(kPainters), item);
        return true;
    });
}

// ---- Crew jobs ---------------------------------------------------------------------

JobColumn JobColumnOf(Job job) {
    if (job >= JOB_RESEARCH && job <= JOB_UNUSED_6) {
        return kResearchColumn;
    }
    return job >= JOB_REPAIR_SHIP ? kMaintenanceColumn : kOtherColumn;
}

Job ArrivalJob(JobColumn column) {
    switch (column) {
        case kResearchColumn: return JOB_RESEARCH;
        case kMaintenanceColumn: return JOB_REPAIR_SHIP;
        default: return JOB_IDLE;
    }
}

void SortCrewByJob(CrewJobColumns& columns) {
    std::fill(std::begin(columns.counts), std::end(columns.counts), 0);
    int index = 0;
    for (CrewNode* node = ShipCrew().GetCrewNode(0); node != nullptr; node = node->next, ++index) {
        int const column = JobColumnOf(node->crew.GetJobIndex());
        int& count = columns.counts[column];
        if (count >= kJobColumnRows) {
            continue;  // a column holds a full ship's crew; a longer list shows its first ones
        }
        char name[Crew::kNameSize];
        node->crew.GetName(name);
        StringCopy(columns.rows[column][count], name);
        columns.indices[column][count] = index;
        ++count;
    }
}

void AssignCrewJobs(con::Handle hOut, con::Handle hIn, int* lastResult) {
    auto view = std::make_unique<CrewJobsView>();
    CrewJobColumns& columns = view->columns;
    SortCrewByJob(columns);
    // The columns with members, right to left, so the focus ends on the
    // leftmost of them.
    int focus = -1;
    for (int column = kJobColumns - 1; column >= 0; --column) {
        if (columns.counts[column] > 0) {
            DrawColumn(hOut, hIn, *view, column);
            focus = column;
        }
    }
    if (focus < 0) {
        return;  // no crew to sort
    }
    view->focus = focus;

    while (*lastResult != kScrollEscape) {
        int const column = view->focus;
        ColumnPlace const& place = kColumnPlaces[column];
        DrawTitles(column);
        view->states[column].offset = view->carriedRow;

        int result = kScrollStepEnter;
        if (view->moving) {
            DrawColumn(hOut, hIn, *view, column);
        } else {
            result =
                ScrollList(hOut, hIn, columns.rows[column], place.x, kListRow, place.width, kJobColumnVisible,
                           columns.counts[column], true, view->states[column], false, true);
        }
        view->carriedRow = view->states[column].offset;

        if (result >= 0) {
            ShowCrewInfo(columns.indices[column][result], ShipCrew());
        } else if (result == kScrollStepEnter) {
            view->moving = MoveCrewJob(hOut, hIn, *view);
            SortCrewByJob(columns);
            for (int c = 0; c < kJobColumns; ++c) {
                FitView(view->states[c], columns.counts[c]);
            }
            // The cursor stays on the member it carried, wherever the move put it.
            FollowPicked(*view);
            // The column it left shows it no more; its new column is painted
            // by the next pass.
            DrawColumn(hOut, hIn, *view, column);
        } else if (result == kScrollLeft || result == kScrollRight) {
            view->focus = NextFilledColumn(columns, column, result == kScrollRight ? 1 : -1);
        } else if (result == kScrollNoEntry) {
            view->focus = NextFilledColumn(columns, column, 1);
        }
        *lastResult = result;
    }
}

bool MoveCrewJob(con::Handle /*hOut*/, con::Handle hIn, CrewJobsView& view) {
    CrewJobColumns const& columns = view.columns;
    CrewQueue& crew = ShipCrew();
    int const column = view.focus;
    ScrollState& state = view.states[column];
    int const count = columns.counts[column];
    int const row = state.top + state.offset;
    if (row < 0 || row >= count) {
        return false;  // nothing under the cursor to carry
    }
    int const member = columns.indices[column][row];
    view.picked = member;
    PrintPadded(columns.rows[column][row], kColumnPlaces[column].x, kListRow + state.offset, kPickedColour,
                kPickedWidth);

    for (;;) {
        con::KeyRecord const key = NextKeyPress(hIn);
        switch (key.virtualKey) {
            case con::VK_RETURN:
            case con::VK_ESCAPE: return false;
            case con::VK_UP:
                if (row == 0) {
                    continue;
                }
                view.picked = columns.indices[column][row - 1];
                crew.SwapNodes(member, view.picked);
                if (--state.offset < 0) {
                    state.offset = 0;
                    --state.top;
                }
                return true;
            case con::VK_DOWN:
                if (row >= count - 1) {
                    continue;
                }
                view.picked = columns.indices[column][row + 1];
                crew.SwapNodes(member, view.picked);
                if (++state.offset >= kJobColumnVisible) {
                    state.offset = kJobColumnVisible - 1;
                    ++state.top;
                }
                return true;
            case con::VK_LEFT:
            case con::VK_RIGHT: {
                int const step = key.virtualKey == con::VK_RIGHT ? 1 : -1;
                auto const target = static_cast<JobColumn>((column + step + kJobColumns) % kJobColumns);
                crew.GetCrewNode(member)->crew.SetJob(ArrivalJob(target));
                // Into the target column at the cursor's screen row: at the
                // head of the list for its first row, in front of the member
                // shown there, or at the end of the list below its last one.
                int const targetRow = view.states[target].top + state.offset;
                int to = crew.GetTotal();
                if (state.offset == 0 && view.states[target].top == 0) {
                    to = 0;
                } else if (targetRow < columns.counts[target]) {
                    to = columns.indices[target][targetRow];
                }
                crew.MoveNode(member, to);
                view.picked = IndexAfterMove(member, to, crew.GetTotal());
                // The column it left is a row shorter: a window at its end
                // comes up a row.
                if (state.top >= count - kJobColumnVisible && state.top > 0) {
                    --state.top;
                }
                view.focus = target;
                return true;
            }
            default: continue;
        }
    }
}

// ---- Work rate ------------------------------------------------------------------------

namespace {

constexpr int kWorkRates = 5;
constexpr char const* kWorkRateLines[kWorkRates] = {
    "1) All Ship Party Mode ",  "2) Slacker Mode ", "3) Plan 925 ",
    "4) All Work and No Play ", "5) Nazi Regime ",
};
constexpr int kChoicesX = 22;
constexpr int kChoicesY = 5;

void DrawWorkRates(int selected) {
    PrintAt("Choices: ", kChoicesX, kChoicesY, kWhite);
    for (int line = 1; line <= kWorkRates; ++line) {
        PrintAt(kWorkRateLines[line - 1], kChoicesX, kChoicesY + line, line == selected ? kChosen : kWhite);
    }
}

}  // namespace

void ChangeWorkSchedule(con::Handle /*hOut*/, con::Handle hIn, int line) {
    int selected = std::clamp(line, 1, kWorkRates);
    DrawWorkRates(selected);
    for (;;) {
        switch (NextKeyPress(hIn).virtualKey) {
            case con::VK_UP:
                selected = selected == 1 ? kWorkRates : selected - 1;
                DrawWorkRates(selected);
                break;
            case con::VK_DOWN:
                selected = selected == kWorkRates ? 1 : selected + 1;
                DrawWorkRates(selected);
                break;
            case con::VK_RETURN:
            case con::VK_ESCAPE: Ship().SetWorkRate(selected - 1); return;
            default: break;
        }
    }
}

// ---- Coffee -------------------------------------------------------------------------------

void CoffeeWithEmerson(con::Handle /*hOut*/, con::Handle hIn) {
    constexpr int kParagraphWidth = 38;
    constexpr int kCommentWidth = 78;
    if (Ship().GetWorkRate() != 0) {
        Emerson(40, 0);
        PrintWrapped(art::kLoungeParagraph, 1, 1, kParagraphWidth, kWhite);
        if (char const* comment = art::MoraleComment(Ship().GetMorale())) {
            PrintWrapped(comment, 1, 19, kCommentWidth, kComment);
        }
    } else {
        Emerson(40, 1);
        PrintWrapped(art::kPartyParagraph, 1, 1, kParagraphWidth, kWhite);
        PrintWrapped(art::kPartyLine, 1, 20, kCommentWidth, kComment);
    }
    PrintAt("<<PRESS ANY KEY TO CONTINUE>>", 26, 24, kWhite);
    WaitForKey(hIn);
}
