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

// The five menu items in a colour: 241 highlighted, 31 plain.
void ResearchItemAssignments(int colour);
void ResearchItemCompleted(int colour);
void ResearchItemChat(int colour);
void ResearchItemBiology(int colour);
void ResearchItemReturn(int colour);

// The side panel of the menu's first item: the research capability and the
// number of technologies open to research, or what to do first.
void ShowResearchSummary();
// The side panels of items 2 to 5: nothing to tell there, the panel is blank.
void ResearchPanelCompleted();
void ResearchPanelChat();
void ResearchPanelBiology();
void ResearchPanelReturn();

// The completed research: there is no record of it to show yet.
void ViewCompletedResearch();

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

// Each fills its table from the technologies open to research, slot 0 first;
// `count` is told how many there are. With nothing to research the first row
// of the names, shares and percents tells so: "List is empty.", "N/A " and
// " N/A  ".
void CollectTechNames(ListRow (&rows)[kMaxResearchRows]);
void CollectTechShares(ListRow (&rows)[kMaxResearchRows], int (&shares)[kMaxResearchRows], int& count);
void CollectTechPercents(ListRow (&rows)[kMaxResearchRows], int& count);
void CollectTechRemaining(int (&values)[kMaxResearchRows]);
void CollectTechPointers(TechBase* (&techs)[kMaxResearchRows]);

// Empties the rows and fills them all from the tree.
void CollectResearchRows(ResearchRows& rows);

// Days until a technology is done at the points a day that the capability
// and its share give (capability x share / 100, whole points): at least 1, or
// 0 when no estimate can be made (no share, no capability, nothing left, or
// less than a point a day).
int ResearchDaysLeft(int capability, int share, int remaining);
