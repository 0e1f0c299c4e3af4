#include "game/screens/ResearchStation.h"

#include <algorithm>

#include "game/art/ResearchArt.h"
#include "game/screens/RoomMenuKeys.h"
#include "game/screens/RoomMenuLoop.h"
#include "game/ui/GuiFunctions.h"
#include "game/ui/RoomMenuBar.h"
#include "game/ui/ScreenFrame.h"
#include "game/world/Globals.h"
#include "game/world/SillyString.h"

namespace {

constexpr int kRoomColour = 78;
constexpr int kTextColour = 15;
constexpr int kFrameColour = 2;

constexpr char const* kItems[kRoomMenuItems] = {
    "  Research Assignments     ", "  View Completed Research  ", "  Chat with Hyde           ",
    "  Biology Reports          ", "  Return to Main Deck      ",
};
enum Item : int {
    kAssignmentsItem = 1,
    kCompletedItem = 2,
    kChatItem = 3,
    kBiologyItem = 4,
    kReturnItem = 5
};

void PaintItem(Item item, int colour) { PaintRoomMenuItem(item, kItems[item - 1], colour); }

// The side panel left of the menu.
constexpr int kPanelX = 4;
constexpr int kPanelWidth = 34;
constexpr int kPanelFirstRow = 1;
constexpr int kPanelLastRow = 22;

// The assignment lists: names and shares side by side, fifteen rows each.
constexpr int kListTop = 4;
constexpr int kVisibleRows = 15;
constexpr int kNamesX = 4;
constexpr int kNamesWidth = 28;
constexpr int kSharesX = 35;
constexpr int kSharesWidth = 13;
constexpr int kShareStep = 5;
constexpr int kAllTheCrew = 100;
constexpr int kPercentX = 23;
constexpr int kTotalsRow = 21;
constexpr int kDaysX = 72;
constexpr int kDaysWidth = 4;  // up to 3000 days: the dearest technology at a point a day

void BlankPanel() {
    for (int row = kPanelFirstRow; row <= kPanelLastRow; ++row) {
        PrintPadded("", kPanelX, row, kTextColour, kPanelWidth);
    }
}

// Each item's side panel, shown while it is highlighted.
void ShowItemPanel(int item) {
    static constexpr void (*kPanels[kRoomMenuItems])() = {
        ShowResearchSummary,  ResearchPanelCompleted, ResearchPanelChat,
        ResearchPanelBiology, ResearchPanelReturn,
    };
    if (item >= 1 && item <= kRoomMenuItems) {
        kPanels[item - 1]();
    }
}

constexpr RoomItemPainters kPainters = {
    ResearchItemAssignments, ResearchItemCompleted, ResearchItemChat, ResearchItemBiology, ResearchItemReturn,
};

void DrawAssignmentsFrame() { art::DrawCellArt(art::kResearchFrame, 0, 0, kFrameColour); }

// The view the names list is about to show: the cursor on an entry, the window
// no further down than a full last page. The list keeps to the same rule, so
// the share lit beside it belongs to the technology it highlights, even after
// the last row was completed and the list grew shorter.
void KeepViewInList(ScrollState& view, int total) {
    int const last = std::max(total - 1, 0);
    int const offset = std::min(std::clamp(view.offset, 0, kVisibleRows - 1), last);
    int top = std::max(view.top, 0);
    int const selected = std::clamp(top + offset, 0, last);
    top = std::min(top, std::max(total - kVisibleRows, 0));
    view = {top, selected - top};
}

int ListedShares(ResearchRows const& rows) {
    int total = 0;
    for (int i = 0; i < rows.count; ++i) {
        total += rows.shares[i];
    }
    return total;
}

// A number right-aligned in four columns, then "%".
void PercentText(int value, ListRow& out) {
    char number[5];
    NumberToText(value, number, false, 4);
    StringSlam(out, number, "%");
}

// Calls `fill` with each technology open to research and the row it gets,
// slot 0 first, for as many as the tables hold; returns how many there were.
template <typename Fill>
int ForEachOpenTech(Fill const& fill) {
    int row = 0;
    for (int i = 0; i < Alltechs::kTechCount && row < kMaxResearchRows; ++i) {
        TechBase* tech = Globals::GetTechs()->GetTech(i);
        if (tech->IsResearchable()) {
            fill(row++, *tech);
        }
    }
    return row;
}

}  // namespace

void ResearchItemAssignments(int colour) { PaintItem(kAssignmentsItem, colour); }
void ResearchItemCompleted(int colour) { PaintItem(kCompletedItem, colour); }
void ResearchItemChat(int colour) { PaintItem(kChatItem, colour); }
void ResearchItemBiology(int colour) { PaintItem(kBiologyItem, colour); }
void ResearchItemReturn(int colour) { PaintItem(kReturnItem, colour); }

void ResearchPanelCompleted() { BlankPanel(); }
void ResearchPanelChat() { BlankPanel(); }
void ResearchPanelBiology() { BlankPanel(); }
void ResearchPanelReturn() { BlankPanel(); }

void ViewCompletedResearch() {}

int CountResearchCrew() {
    CrewQueue* crew = Globals::GetMothership()->GetCrewQueue();
    int count = 0;
    for (int i = 0; i < crew->GetTotal(); ++i) {
        count += crew->GetCrewNode(i)->crew.GetJobIndex() == JOB_RESEARCH ? 1 : 0;
    }
    return count;
}

int CountAvailableTechs() {
    int count = 0;
    for (int i = 0; i < Alltechs::kTechCount; ++i) {
        count += Globals::GetTechs()->GetTech(i)->IsResearchable() ? 1 : 0;
    }
    return count;
}

void ChangeTechShare(char const* name, int delta) {
    if (TechBase* tech = Globals::GetTechs()->FindTechByName(name)) {
        tech->ChangeShare(delta);
    }
}

void SetTechPercent(char const* name, double percent) {
    if (TechBase* tech = Globals::GetTechs()->FindTechByName(name)) {
        tech->SetPercent(percent);
    }
}

void CollectTechNames(ListRow (&rows)[kMaxResearchRows]) {
    if (ForEachOpenTech([&rows](int row, TechBase& tech) { StringCopy(rows[row], tech.Name()); }) == 0) {
        StringCopy(rows[0], "List is empty.");
    }
}

void CollectTechShares(ListRow (&rows)[kMaxResearchRows], int (&shares)[kMaxResearchRows], int& count) {
    count = ForEachOpenTech([&](int row, TechBase& tech) {
        shares[row] = tech.GetShare();
        PercentText(shares[row], rows[row]);
    });
    if (count == 0) {
        StringCopy(rows[0], "N/A ");
    }
}

void CollectTechPercents(ListRow (&rows)[kMaxResearchRows], int& count) {
    count = ForEachOpenTech(
        [&rows](int row, TechBase& tech) { PercentText(static_cast<int>(tech.GetPercent()), rows[row]); });
    if (count == 0) {
        StringCopy(rows[0], " N/A  ");
    }
}

void CollectTechRemaining(int (&values)[kMaxResearchRows]) {
    ForEachOpenTech([&values](int row, TechBase& tech) { values[row] = tech.GetRemaining(); });
}

void CollectTechPointers(TechBase* (&techs)[kMaxResearchRows]) {
    ForEachOpenTech([&techs](int row, TechBase& tech) { techs[row] = &tech; });
}

void CollectResearchRows(ResearchRows& rows) {
    rows = ResearchRows{};
    CollectTechNames(rows.names);
    CollectTechShares(rows.shareTexts, rows.shares, rows.count);
    CollectTechPercents(rows.percentTexts, rows.count);
    CollectTechRemaining(rows.remaining);
    CollectTechPointers(rows.techs);
}

int ResearchDaysLeft(int capability, int share, int remaining) {
    if (capability < 1 || share < 1 || remaining < 1) {
        return 0;
    }
    long long const perDay = static_cast<long long>(capability) * share / 100;
    if (perDay < 1) {
        return 0;
    }
    return static_cast<int>(std::max<long long>(remaining / perDay, 1));
}

void ShowResearchSummary() {
    int const available = CountAvailableTechs();
    if (CountResearchCrew() != 0) {
        BlankPanel();
        PrintAt("Total Research Capablility: ", 4, 3, kTextColour);
        PrintAt(Globals::GetTechs()->GetTotalTech(), 32, 3, kTextColour);
        PrintAt("Total available assignments: ", 4, 5, kTextColour);
        PrintAt(available, 33, 5, kTextColour);
    } else {
        PrintAt("Go assign crew members to research", 4, 3, kTextColour);
        PrintAt("then come back to assign them to a", 4, 5, kTextColour);
        PrintAt("tech to research!", 4, 7, kTextColour);
    }
    if (available == 0) {
        // The whole row, so no tail of the line it replaces is left.
        PrintPadded("No assignments to research.", kPanelX, 5, kTextColour, kPanelWidth);
    }
}

void ResearchMenu(con::Handle hOut, con::Handle hIn, DeckRoom /*room*/) {
    auto const choose = [hOut, hIn](int item) {
        if (item == kAssignmentsItem) {
            if (CountResearchCrew() != 0 && CountAvailableTechs() != 0) {
                ResearchAssignments(hOut, hIn);
            }
            RedrawRoomMenu(hOut, PaintWith(kPainters), item);
            ShowResearchSummary();
        } else if (item == kCompletedItem) {
            ViewCompletedResearch();
            RedrawRoomMenu(hOut, PaintWith(kPainters), item);
        } else if (item == kReturnItem) {
            LeaveRoom();
            return false;
        }
        return true;
    };
    RunRoomMenu(hOut, hIn, PaintWith(kPainters), choose, [](int now, int /*left*/) { ShowItemPanel(now); });
}

void ResearchAssignments(con::Handle hOut, con::Handle hIn) {
    ClearScreen(hOut, kRoomColour, true);
    DrawAssignmentsFrame();
    int const capability = Globals::GetTechs()->GetTotalTech();
    PrintAt("Technology", 5, 2, kTextColour);
    PrintAt("% of Crew", 35, 2, kTextColour);
    PrintAt("Description", 51, 2, kTextColour);
    PrintAt("Total Research Capablility: ", 5, 20, kTextColour);
    PrintAt(capability, 33, 20, kTextColour);
    PrintAt("Total available assignments: ", 45, 20, kTextColour);
    PrintAt(CountAvailableTechs(), 74, 20, kTextColour);
    PrintAt("Number of turns until done: ", 44, kTotalsRow, kTextColour);
    PrintAt("Percent Completed: ", 5, kTotalsRow, kTextColour);

    ScrollState names{};
    ResearchRows rows;
    for (;;) {
        CollectResearchRows(rows);
        // An empty list still shows its one row, which says so.
        int const shown = std::max(rows.count, 1);
        KeepViewInList(names, shown);
        int const s = names.top + names.offset;

        ScrollState shares = names;
        ScrollList(hOut, hIn, rows.shareTexts, kSharesX, kListTop, kSharesWidth, kVisibleRows, shown, false,
                   shares, true, false);
        PrintPadded(rows.shareTexts[s], kSharesX, kListTop + names.offset, kRoomMenuHighlight, kSharesWidth);
        PrintAt(rows.percentTexts[s], kPercentX, kTotalsRow, kTextColour);
        int const days = ResearchDaysLeft(capability, rows.shares[s], rows.remaining[s]);
        if (days > 0) {
            PrintPadded(days, kDaysX, kTotalsRow, kTextColour, kDaysWidth);
        } else {
            PrintAt("N/A ", kDaysX, kTotalsRow, kTextColour);
        }

        int const answer = ScrollList(hOut, hIn, rows.names, kNamesX, kListTop, kNamesWidth, kVisibleRows,
                                      shown, true, names, false, true);
        if (answer == kScrollEscape) {
            return;
        }
        TechBase* tech = rows.techs[s];
        if (tech == nullptr) {
            continue;  // the empty list: nothing to share out or complete
        }
        if (answer == kScrollLeft) {
            ChangeTechShare(tech->Name(), -kShareStep);
        } else if (answer == kScrollRight) {
            if (ListedShares(rows) < kAllTheCrew) {
                ChangeTechShare(tech->Name(), kShareStep);
            }
        } else if (answer == kScrollStepEnter) {
            SetTechPercent(tech->Name(), 100.0);
            Globals::GetTechs()->Update(*tech);
        }
    }
}
