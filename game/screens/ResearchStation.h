// The scientific research station: its menu, and the research assignments,
// where the research crew is shared out over the technologies that can be
// researched now, each with an estimate of the days it needs, and where Enter
// completes the highlighted technology at once.
#pragma once

#include "game/screens/DeckRoom.h"
#include "game/ui/ScrollList.h"
#include "platform/Console.h"

class TechBase;

// The room's menu loop; returns when the player leaves the room. The room the
// main deck had highlighted is not used.
void ResearchMenu(con::Handle hOut, con::Handle hIn, DeckRoom room);

// The assignments screen; returns on Escape.
void ResearchAssignments(con::Handle hOut, con::Handle hIn);

// The side panel of the menu's first item: the research capability and the
// number of technologies open to research, or what to do first.
void ShowResearchSummary();

// Mothership crew members whose job is research.
int CountResearchCrew();
// Technologies of the tree that can be researched now.
int CountAvailableTechs();

// Both find the technology by its exact name among the whole tree; a name that
// matches none changes nothing. Shares stay within 0-100.
void ChangeTechShare(char const* name, int delta);
void SetTechPercent(char const* name, double percent);

// The technologies open to research, in tree order, as the assignment lists
// show them: the name, the share as a number and as "  25%", the percent done
// as "   0%", the research points still to go and the technology itself. The
// tree never opens more than 16 at once; rows past the table are not kept.
inline constexpr int kMaxResearchRows = 24;
struct ResearchRows {
    int count = 0;
    ListRow names[kMaxResearchRows] = {};
    ListRow shareTexts[kMaxResearchRows] = {};
    int shares[kMaxResearchRows] = {};
    ListRow percentTexts[kMaxResearchRows] = {};
    int remaining[kMaxResearchRows] = {};
    TechBase* techs[kMaxResearchRows] = {};
};

// Fills the rows from the tree. With nothing to research the first row tells
// so: "List is empty.", "N/A " and " N/A  ".
void CollectResearchRows(ResearchRows& rows);

// Days until a technology is done at the points a day that the capability
// and its share give (capability x share / 100, whole points): at least 1, or
// 0 when no estimate can be made (no share, no capability, nothing left, or
// less than a point a day).
int ResearchDaysLeft(int capability, int share, int remaining);
