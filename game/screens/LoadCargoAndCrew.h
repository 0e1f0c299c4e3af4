// Moving crew between a place (the mothership or a built bunker) and one of
// the craft based there: four columns, LOCATION, AIRCRAFT, CREW and ONBOARD,
// walked with Left and Right. A member moves only when the list it goes to
// takes it; nothing else (stocks, bombs, cargo) is touched.
#pragma once

#include "platform/Console.h"

// The screen; returns on Escape in the LOCATION column.
void LoadCargoAndCrew(con::Handle hOut, con::Handle hIn);

// The framed clear with the Escape hint and the screen's column frame.
void DrawLoadFrame(con::Handle hOut);
