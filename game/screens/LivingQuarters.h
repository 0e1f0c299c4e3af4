// The living quarters: the room where the captain runs the crew. Its menu
// leads to the crew-jobs screen (three job columns; members are picked up,
// carried between the columns and up and down, and put down again), the
// work-rate chooser that drives the crew's morale, and coffee with Emerson,
// who tells how the crew feels.
#pragma once

#include "game/screens/DeckRoom.h"
#include "game/ui/ScrollList.h"
#include "game/world/Job.h"
#include "platform/Console.h"

// The room's menu loop; returns when the player leaves the room. The room the
// deck had highlighted is not read.
void LivingQuartersMenu(con::Handle hOut, con::Handle hIn, DeckRoom room);

// The five menu items in a colour: 241 highlighted, 31 plain.
void QuartersItemAssignJobs(int colour);
void QuartersItemAutoAssign(int colour);
void QuartersItemSchedules(int colour);
void QuartersItemCoffee(int colour);
void QuartersItemReturn(int colour);

// ---- The crew-jobs screen ------------------------------------------------------

// The three columns, left to right.
enum JobColumn : int {
    kResearchColumn = 0,     // jobs 3 to 6
    kMaintenanceColumn = 1,  // jobs 7 and above
    kOtherColumn = 2,        // jobs below 3
};
inline constexpr int kJobColumns = 3;
// One column can hold the whole crew.
inline constexpr int kJobColumnRows = 250;
// Rows each column shows at a time.
inline constexpr int kJobColumnVisible = 14;

// The column a member with that job stands in.
JobColumn JobColumnOf(Job job);
// The job a member is given on arriving in a column.
Job ArrivalJob(JobColumn column);

// The crew sorted into the columns: each row's name and the index in the
// ship's crew list of the member it shows, in crew-list order.
struct CrewJobColumns {
    ListRow rows[kJobColumns][kJobColumnRows];
    int indices[kJobColumns][kJobColumnRows];
    int counts[kJobColumns];
};

// Fills the columns from the mothership's crew list.
void SortCrewByJob(CrewJobColumns& columns);

// What the screen keeps between passes.
struct CrewJobsView {
    CrewJobColumns columns;
    ScrollState states[kJobColumns];
    int focus = kResearchColumn;
    int carriedRow = 0;   // the cursor row handed to the next column that takes the focus
    bool moving = false;  // a member is picked up
    int picked = -1;      // the crew-list index of the picked member
};

// The screen, over the frame its caller drew. `lastResult` holds the last
// list result; the screen ends when it becomes -1 (Escape), so it must not be
// -1 on entry.
void AssignCrewJobs(con::Handle hOut, con::Handle hIn, int* lastResult);

// Carries the member under the focused column's cursor one step: Up and Down
// swap it with its neighbour in the column, Left and Right move it into the
// next column (with that column's job), Enter or Escape put it down. Returns
// true while the member stays picked up; afterwards `picked` holds its crew-
// list index and the focus is on its column.
bool MoveCrewJob(con::Handle hOut, con::Handle hIn, CrewJobsView& view);

// ---- Work rate and coffee ---------------------------------------------------------

// The work-rate chooser, starting on line 1-5 (work rate + 1). Enter or
// Escape stores the line chosen as the ship's work rate.
void ChangeWorkSchedule(con::Handle hOut, con::Handle hIn, int line);

// Coffee with Emerson in the lounge, until a key is pressed.
void CoffeeWithEmerson(con::Handle hOut, con::Handle hIn);
