#include "game/screens/DockLists.h"

#include <algorithm>
#include <cstring>

#include "game/ui/GuiFunctions.h"
#include "game/world/Globals.h"
#include "game/world/SillyString.h"

namespace {

constexpr int kPlainColour = 15;
constexpr int kChosenColour = 241;
constexpr int kActiveTitleColour = 225;

Sector* SectorOf(int location) {
    return location >= 1 && location < kPlaces ? Globals::GetMap()->GetSector(location, -1) : nullptr;
}

}  // namespace

Aircraft* PlaceCraft(int location, int index) {
    AirQueue* const craft = Globals::GetPlaceAirQueue(location);
    AircraftNode* const node = craft != nullptr ? craft->GetNode(index) : nullptr;
    return node != nullptr ? &node->aircraft : nullptr;
}

bool GetLocationName(char* buffer, std::size_t size, int location) {
    if (location == kMothershipPlace) {
        StringCopy(buffer, size, "Mothership");
        return true;
    }
    Sector* const sector = SectorOf(location);
    if (sector == nullptr || !sector->GetBunker()->GetVisible()) {
        return false;
    }
    char const letter[2] = {sector->GetLetter(), '\0'};
    StringSlam(buffer, size, "Bunker ", letter);
    return true;
}

void RowTable::MakeRoom(int rows) {
    rows = std::max(rows, 1);
    if (rows > room_) {
        rows_ = std::make_unique<ListRow[]>(static_cast<std::size_t>(rows));
        room_ = rows;
    }
}

void RowTable::Reset(int entries) {
    entries = std::max(entries, 0);
    MakeRoom(entries);
    entries_ = entries;
    placeholder_ = false;
    for (int i = 0; i < entries_; ++i) {
        rows_[i][0] = '\0';
    }
}

void RowTable::Set(int index, char const* text) {
    if (index >= 0 && index < entries_) {
        StringCopy(rows_[index], text);
    }
}

void RowTable::SetPlaceholder(char const* text) {
    Reset(0);
    StringCopy(rows_[0], text);
    placeholder_ = true;
}

void BuildLocationList(LocationList& list) {
    ListRow names[kPlaces];
    int count = 0;
    for (int location = 0; location < kPlaces; ++location) {
        if (GetLocationName(names[count], location)) {
            list.codes[count++] = location;
        }
    }
    list.rows.Reset(count);
    for (int row = 0; row < count; ++row) {
        list.rows.Set(row, names[row]);
    }
}

void FillCraftRows(int location, RowTable& rows) {
    AirQueue* const craft = Globals::GetPlaceAirQueue(location);
    int const total = craft != nullptr ? craft->GetTotal() : 0;
    if (total == 0) {
        rows.SetPlaceholder("No Ships Here");
        return;
    }
    rows.Reset(total);
    for (int i = 0; i < total; ++i) {
        char name[Aircraft::kNameSize];
        craft->GetNode(i)->aircraft.GetName(name);
        rows.Set(i, name);
    }
}

void FillCrewRows(CrewQueue* crew, RowTable& rows, char const* placeholder) {
    int const total = crew != nullptr ? crew->GetTotal() : 0;
    if (total == 0 && placeholder != nullptr) {
        rows.SetPlaceholder(placeholder);
        return;
    }
    rows.Reset(total);
    for (int i = 0; i < total; ++i) {
        char name[Crew::kNameSize];
        crew->GetCrewNode(i)->crew.GetName(name);
        rows.Set(i, name);
    }
}

int StepList(con::Handle hOut, con::Handle hIn, RowTable const& rows, ListColumn const& column,
             ScrollState& state, bool sideKeys) {
    return ScrollList(hOut, hIn, rows.Rows(), column.x, column.y, column.width, column.visible, rows.Shown(),
                      sideKeys, state, false, true);
}

void PaintList(con::Handle hOut, con::Handle hIn, RowTable const& rows, ListColumn const& column,
               ScrollState& state) {
    ScrollList(hOut, hIn, rows.Rows(), column.x, column.y, column.width, column.visible, rows.Shown(), false,
               state, true, false);
}

void MarkChosenRow(RowTable const& rows, ListColumn const& column, ScrollState const& state) {
    int const index = CursorIndex(state);
    if (index < 0 || index >= rows.Shown()) {
        return;
    }
    char text[kListRowSize + 1] = {};
    std::memcpy(text, rows.Row(index), strnlen(rows.Row(index), kListRowSize));
    PrintPadded(text, column.x, column.y + state.offset, kChosenColour, column.width);
}

void BlankColumn(ListColumn const& column) {
    for (int i = 0; i < column.visible; ++i) {
        PrintPadded(" ", column.x, column.y + i, kPlainColour, column.width);
    }
}

void PaintTitle(char const* title, int x, int y, bool active) {
    PrintAt(title, x, y, active ? kActiveTitleColour : kPlainColour);
}

void ScrollUpAfterRemoval(ScrollState& state, int count, int visible, bool keepCursorOnEntry) {
    if (state.top >= count - visible && state.top != 0) {
        --state.top;
    }
    if (keepCursorOnEntry && state.offset + state.top == count && state.top != 0) {
        state.top = count - state.offset - 1;
    }
}

bool MoveMember(CrewQueue& from, int index, CrewQueue& to) {
    CrewNode* const node = from.GetCrewNode(index);
    if (node == nullptr || !to.enqueue(node->crew)) {
        return false;
    }
    from.dequeue(node->crew);
    return true;
}

LocationColumn::Answer LocationColumn::Step(con::Handle hOut, con::Handle hIn, RowTable& craftRows,
                                            ListColumn const& craftColumn, ScrollState& craftState) {
    craftState = {};
    if (Moved()) {
        FillCraftRows(Location(), craftRows);
        PaintList(hOut, hIn, craftRows, craftColumn, craftState);
    }
    bool const placeHasCraft = craftRows.Entries() > 0;
    lastAnswer_ = StepList(hOut, hIn, list_.rows, kColumn, state_);
    if (lastAnswer_ == kScrollEscape) {
        return Answer::Leave;
    }
    if (GoesRight(lastAnswer_) && placeHasCraft) {
        MarkChosenRow(list_.rows, kColumn, state_);
        return Answer::Choose;
    }
    return Answer::Stay;
}

void LocationColumn::PaintChosen(con::Handle hOut, con::Handle hIn) {
    PaintList(hOut, hIn, list_.rows, kColumn, state_);
    MarkChosenRow(list_.rows, kColumn, state_);
}
