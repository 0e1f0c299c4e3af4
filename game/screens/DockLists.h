// What the docking bay's list screens share: the places craft and crew stand
// in, the names those places go by, row tables sized for the lists they show,
// and the one-key reads of the blocking screens.
//
// A place (location) is 0 for the mothership's dock and crew, or 1-24 for the
// bunker of that sector.
#pragma once

#include <cstddef>
#include <memory>

#include "game/ui/ScrollList.h"
#include "game/world/AirQueue.h"
#include "game/world/CrewQueue.h"
#include "game/world/Globals.h"
#include "platform/Console.h"

// ---- Places ------------------------------------------------------------------
inline constexpr int kMothershipPlace = 0;
inline constexpr int kPlaces = Globals::kPlaces;  // the ship and the 24 sectors' bunkers

// The craft at that index of a place's list; null when there is none.
Aircraft* PlaceCraft(int location, int index);

// "Mothership" for 0; "Bunker " and the sector's letter for a sector whose
// bunker is built. Any other place gives false and leaves the buffer as it was.
bool GetLocationName(char* buffer, std::size_t size, int location);
template <std::size_t N>
bool GetLocationName(char (&buffer)[N], int location) {
    return GetLocationName(buffer, N, location);
}

// ---- Row tables ----------------------------------------------------------------
// A list's rows, as many as the list holds: a dock may stand a couple of
// hundred craft, a bunker as many as have flown in. A list with no entries
// can show a placeholder row, which is shown but stands for nothing.
class RowTable {
public:
    // Drops the rows and makes room for `entries` rows.
    void Reset(int entries);
    // Row `index` (below the room made) takes the text, cut to a row's size.
    void Set(int index, char const* text);
    // No entries: one row with this text is shown instead.
    void SetPlaceholder(char const* text);

    ListRow const* Rows() const { return rows_.get(); }
    ListRow const& Row(int index) const { return rows_[index]; }
    // The real entries, and the rows the list box is given (a placeholder
    // counts as one row).
    int Entries() const { return entries_; }
    int Shown() const { return placeholder_ ? 1 : entries_; }
    bool IsPlaceholder() const { return placeholder_; }

private:
    void MakeRoom(int rows);

    std::unique_ptr<ListRow[]> rows_;
    int room_ = 0;
    int entries_ = 0;
    bool placeholder_ = false;
};

// The places a list screen offers: the mothership first, then every built
// bunker in sector order, each with its code.
struct LocationList {
    RowTable rows;
    int codes[kPlaces] = {};
    // The code of the place at that row; the mothership for a row that is none.
    int CodeAt(int row) const { return row >= 0 && row < rows.Entries() ? codes[row] : kMothershipPlace; }
};
void BuildLocationList(LocationList& list);

// One row per craft of the place, by name, in list order; "No Ships Here"
// when there are none.
void FillCraftRows(int location, RowTable& rows);
// One row per member, by name, in list order; with no members, the
// placeholder when one is given, else no row at all.
void FillCrewRows(CrewQueue* crew, RowTable& rows, char const* placeholder);

// ---- List columns ------------------------------------------------------------------
// A list column of a screen: where it stands and how wide its rows are.
struct ListColumn {
    int x;
    int y;
    int width;
    int visible;
};

// One step of the list box over the rows, in step mode.
int StepList(con::Handle hOut, con::Handle hIn, RowTable const& rows, ListColumn const& column,
             ScrollState& state, bool sideKeys = true);
// Paints the rows once without a highlight.
void PaintList(con::Handle hOut, con::Handle hIn, RowTable const& rows, ListColumn const& column,
               ScrollState& state);
// Repaints the row under the cursor highlighted, as the chosen row of a
// column the player has moved on from.
void MarkChosenRow(RowTable const& rows, ListColumn const& column, ScrollState const& state);
// Blanks the rows of a column (the list's width, its scroll bar left alone).
void BlankColumn(ListColumn const& column);
// A step's answer that goes back to the column on the left (Escape or Left),
// or on to the column on the right (Enter or Right).
inline bool GoesLeft(int answer) { return answer == kScrollEscape || answer == kScrollLeft; }
inline bool GoesRight(int answer) { return answer == kScrollStepEnter || answer == kScrollRight; }
// The index under the cursor.
inline int CursorIndex(ScrollState const& state) { return state.top + state.offset; }
// Paints a column title, highlighted while its column has the keys.
void PaintTitle(char const* title, int x, int y, bool active);
// After a member left a list of `count`: the window moves up a row when it
// would show rows past the end; with keepCursorOnEntry, a cursor left below
// the last member is brought back onto it.
void ScrollUpAfterRemoval(ScrollState& state, int count, int visible, bool keepCursorOnEntry);

// ---- Moving crew -------------------------------------------------------------------
// The member at that index goes to the head of `to`; it leaves `from` only
// when `to` took it. Returns whether it moved.
bool MoveMember(CrewQueue& from, int index, CrewQueue& to);

// ---- The LOCATION column ---------------------------------------------------------------
// The column the loading and mission screens open on: the places, built once
// when the screen opens, and the view of them.
class LocationColumn {
public:
    static constexpr ListColumn kColumn{4, 4, 13, 14};
    enum class Answer { Stay, Leave, Choose };

    void Build() { BuildLocationList(list_); }
    // The place under the cursor.
    int Location() const { return list_.CodeAt(CursorIndex(state_)); }
    // Whether the columns to its right are to show the place under the cursor
    // afresh: at the start, and after every answer of the list that was a row.
    bool Moved() const { return lastAnswer_ >= 0; }
    // One step of the list beside the screen's AIRCRAFT list: that list's
    // cursor goes back to its top and, when the place under the cursor is to
    // be shown afresh, the list is filled with its craft and painted. Escape
    // leaves the screen; Enter or Right chooses the place (its row stays
    // marked) when it has craft.
    Answer Step(con::Handle hOut, con::Handle hIn, RowTable& craftRows, ListColumn const& craftColumn,
                ScrollState& craftState);
    // Paints the list without a highlight but for the chosen row's mark.
    void PaintChosen(con::Handle hOut, con::Handle hIn);

private:
    LocationList list_;
    ScrollState state_;
    int lastAnswer_ = 0;
};
