#include "game/art/LivingQuartersArt.h"

namespace art {

namespace {

// clang-format off

// Columns inside the frame: RESEARCH 4-26, MAINTENANCE 28-50, OTHER 52-75,
// each list's scroll bar in the column's last cell.
constexpr char kCrewJobsFrameGlyphs[] = R"(
╔═════════════╗         ╔═════════════╗         ╔═════════════╗
║             ║         ║             ║         ║             ║
╠═════════════╩═════════╬═════════════╩═════════╬═════════════╩══════════╗
║                       ║                       ║                        ║
║                       ║                       ║                        ║
║                       ║                       ║                        ║
║                       ║                       ║                        ║
║                       ║                       ║                        ║
║                       ║                       ║                        ║
║                       ║                       ║                        ║
║                       ║                       ║                        ║
║                       ║                       ║                        ║
║                       ║                       ║                        ║
║                       ║                       ║                        ║
║                       ║                       ║                        ║
║                       ║                       ║                        ║
║                       ║                       ║                        ║
╠═══════════════════════╩═══════════════════════╩════════════════════════╣
║                                                                        ║
║                                                                        ║
║                                                                        ║
╚════════════════════════════════════════════════════════════════════════╝
)";

// clang-format on

constexpr ArtLayer kCrewJobsFrameLayers[] = {{3, 1, kCrewJobsFrameGlyphs}};

struct MoraleBand {
    int lowest;  // the band runs from here up to the next band's lowest - 1
    char const* comment;
};

// From the top band down; every band is ten points wide.
constexpr MoraleBand kMoraleBands[] = {
    {91,
     R"(Emerson says, "Word on the street is the morale is at an all-time high. You've done a wonderful job keeping everyone happy.  Which brings up the question are we actually doing ANY work??" )"},
    {81,
     R"(Emerson says, "Word on the street is the crew is really excited and motivated about the campaign. Now might be a perfect time to get some major projects done." )"},
    {71,
     R"(Emerson says, "Word on the street is life is wonderful and everyone loves their hours.  The free doughnuts in the morning are really making people chipper." )"},
    {61,
     R"(Emerson says, "Word on the street is the crew is enthused and lively, but there has been talk about including a mini-bar in the work rooms though." Emerson then winks at you and smiles.)"},
    {51,
     R"(Emerson says, "Word on the street is everyone is content with their work, and all projects seem to be running smoothly." )"},
    {41,
     R"(Emerson says, "Word on the street is everything seems to be running fine and normal.  There's room for improvement, but things could be alot worse." )"},
    {31,
     R"(Emerson says, "Word on the street is some of the crew are not content with their work, and there has been talk of improvement.  You should throw in some nap time!" )"},
    {21,
     R"(Emerson says, "Word on the street is everyone is really stressed out.  I would consider giving some vacation time to relieve the anxiety." )"},
    {11,
     R"(Emerson says, "Word on the street is everyone is down and depressed.  You might want to give people leave-time before things get really bad." )"},
    {1,
     R"(Emerson says, "Word on the street is the crew members are talking behind your back.  I'd be cautious if I were you.  I would reconsider the way you do things before it's too late." )"},
};

constexpr int kHighestMorale = 100;

}  // namespace

CellArt const kCrewJobsFrame{{}, kCrewJobsFrameLayers};

char const kLoungeParagraph[] =
    "You walk into the main lounge, located in the crew's living quarters. The room hums with chatter from "
    "the off-duty shift, and the smell of burnt coffee hangs over the tables. Through the viewport the blue "
    "curve of Earth turns slowly below. In the far corner you find Emerson hunched over a steaming mug and a "
    "pile of reports. He waves you over, pours you a cup of the ship's bitter brew and pushes a plate of old "
    "doughnuts your way. After a long sip he sets the mug down, glances round the lounge and turns to you "
    "with a serious look on his face...";

char const kPartyParagraph[] =
    "Loud music blares across the lounge as you see your crew having a party. Somebody has rigged the red "
    "alert lights to flash in time with the beat, and the whole off-duty shift is dancing beneath them. "
    "Mududu gunners stomp on the tables, four Uberflecks spin each other around the coffee machine and a "
    "conga line of Povolnians snakes past the viewport waving glow sticks over their heads. Streamers hang "
    "from the air ducts, the floor is sticky with spilled punch and somebody has taped a party hat to the "
    "bulkhead's fire alarm. You push your way through the cheering crowd, ducking a flying creamy doughnut, "
    "until at last you reach Emerson...";

char const kPartyLine[] =
    R"(Emerson says, "Word on the street is....WOO-HOOO!! PAR-TAY.....Oh yeah!" While dancing like crazy on )"
    R"(top of the table, Emerson spills his coffee. "Huh? Oh crud!!" exclaims Emerson, "Ah well... PARTY! )"
    R"(WOOOOOOOO!" )";

char const* MoraleComment(int morale) {
    if (morale > kHighestMorale) {
        return nullptr;
    }
    for (MoraleBand const& band : kMoraleBands) {
        if (morale >= band.lowest) {
            return band.comment;
        }
    }
    return nullptr;
}

}  // namespace art
