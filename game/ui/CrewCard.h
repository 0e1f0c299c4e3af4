// The crew card: three rows at the bottom of a screen (rows 19 to 21) with one
// crew member's name, race, sex, performance, four skills and what the member
// is doing. The crew-job screen and the space-capsule screen draw it for the
// member under their list's cursor each time the cursor moves.
#pragma once

#include "game/world/CrewQueue.h"

// Draws the card of the member at that index of the list. The labels carry
// blanks that wipe the values of a card drawn before; an index outside the
// list draws the labels alone, an empty card.
void ShowCrewInfo(int index, CrewQueue& crew);
