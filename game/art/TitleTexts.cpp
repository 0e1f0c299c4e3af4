#include "game/art/TitleTexts.h"

#include "game/art/CellArt.h"
#include "platform/Cp437.h"

namespace {

// Shown beside the menu while VIEW CREDITS is highlighted.
constexpr char kCreditsPanel[] = R"(
GAME DESIGN             MIRA QUENBY
PROGRAMMING            ODO VANTREES
SHIP SYSTEMS          ILSE MARROWAY
CONSOLE ARTWORK        TESS LORIMER
STORY                  PELL ANSTREY
WORLD RULES           KIP DUNSTABLE
TESTING               JUNO FARRELLY
COW WRANGLING          BRAM OKELLET
CATERING                  CANCELLED
)";

struct CreditText {
    char const* role;
    char const* name;
};

constexpr CreditText kEndCredits[] = {
    {"PUBLISHER", "Hungry Moon Publishing"},
    {"EXECUTIVE PRODUCER", "Mira Quenby"},
    {"PRODUCER", "Pell Anstrey"},
    {"TECHNICAL DIRECTOR", "Odo Vantrees"},
    {"DESIGNER", "Mira Quenby"},
    {"ART DIRECTOR", "Tess Lorimer"},
    {"PRODUCT MANAGER", "Kip Dunstable"},
    {"LEAD TESTER", "Juno Farrelly"},
    {"PROGRAMMERS", "Odo Vantrees, Ilse Marroway, Bram Okellet"},
};

// The currency's name takes byte 162 (an o with an acute accent on the
// console) for each c and a dollar sign for each s.
constexpr char kBackStory[] = R"story(
The Povolnian race is starving. Ten years of failed harvests have emptied
the granaries of every Povolnian world, and what little food is left will
not last another winter. So the Council of Elders has done what no proud
Povolnian ever wished to do: it has hired the Skarnels, the mercenaries of
the galaxy, who lend their motherships to any civilization in need of new
resources and ask no questions about where those resources come from.

This is not the first time such a move has been made.
A Skarnel contract always runs for 5500 days ("Roughly 15 years") and not
a day more. When the time is up, the Skarnels take their ship back, whether
the job is done or not. The Council has paid them an initial 1,000,000
óo$mió óredit$ and promised a reward of up to 100,000,000 óo$mió óredit$
if the ship comes home with food enough to feed Povolnia.
You are the captain of that ship. Your crew is 30 volunteer Povolnians,
hungry and far from home, and your target is a small blue planet that its
natives call Earth. The Earthlings will not hand over their planet without
a fight. Keep your crew fed, keep your fuel tanks full, and harvest Earth
before the 5500 days run out. Povolnia is counting on you, Captain.
)story";

constexpr char kInstructions[] = R"(
Use Left Arrow to Move Left
Use Right Arrow to Move Right
Use Down Arrow to Move Down
Use Up Arrow to Move Up
Use ESC Key to Exit out a Menu
Use ENTER to Select a Option
)";

}  // namespace

std::vector<std::string> const& CreditsPanelLines() { return art::KeptArtLines<kCreditsPanel>(); }

std::vector<CreditEntry> const& EndCredits() {
    static std::vector<CreditEntry> const entries = [] {
        std::vector<CreditEntry> out;
        for (CreditText const& credit : kEndCredits) {
            out.push_back({con::Utf8ToCp437(credit.role), con::Utf8ToCp437(credit.name)});
        }
        return out;
    }();
    return entries;
}

std::vector<std::string> const& BackStoryLines() { return art::KeptArtLines<kBackStory>(); }

std::vector<std::string> const& InstructionLines() { return art::KeptArtLines<kInstructions>(); }
