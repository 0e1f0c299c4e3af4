// Giving craft their missions: a place, one of its craft and a mission from
// the list its type offers, in three columns; missions that send the craft
// somewhere open a map on which the target is chosen. The day's steps fly
// them.
#pragma once

#include "platform/Console.h"

// The screen; returns on Escape in the LOCATION column.
void AssignAircraftMissions(con::Handle hOut, con::Handle hIn);

// The framed clear with the Escape hint and the screen's column frame.
void DrawMissionFrame(con::Handle hOut);

// The target map for the craft at that index of the place's list (0 the
// mothership's dock, 1-24 a sector's bunker). It opens with the craft's
// destination reset to the place, so the craft has no target; Enter on a
// sector makes it the target (only a sector with a built bunker unless
// anySector), Enter on the DOCK box makes the mothership the target (0).
// Returns, after Escape, whether the craft's destination differs from its
// home. A craft that is not there gives false and shows nothing.
bool SelectAircraftTarget(con::Handle hOut, con::Handle hIn, int location, int craftIndex, bool anySector);

// Four arrows round the cell (x + 4, y + 2), the middle of a sector box whose
// corner is at (x, y): up above it, left and right beside it, down below it.
// No screen draws it.
void DrawArrowMarker(int x, int y, int colour);
