#include "game/screens/GameOver.h"

#include "game/ui/ColorFunctions.h"
#include "game/ui/GuiFunctions.h"
#include "game/ui/Portraits.h"
#include "game/ui/ScreenFrame.h"
#include "game/world/Globals.h"

namespace {

constexpr ColorCode kWhite = 15;
constexpr ColorCode kStory = 12;    // the three lines that tell what happened
constexpr ColorCode kVerdict = 14;  // the two lines that sum it up

// Every one of these screens ends with the same line, the food warning too.
constexpr char kEndPrompt[] = "<Press Any Key To End Game> Brannoc's Test...";

using Portrait = void (*)(int x, int y);

struct PortraitPlace {
    Portrait draw;
    int x;
    int y;
};

// A white line some screens shout between the story and the verdict.
struct Shout {
    int x;
    int y;
    char const* text;
};

// Every screen has the same shape: up to three lines of story stepping in
// from (1, 1), a shout, two verdict lines on rows 21 and 22, and a portrait.
struct EndScreen {
    char const* story[3];
    Shout shout;
    char const* verdict[2];
    PortraitPlace portrait;
};

// Texts first, then the portrait over whatever they leave, then the prompt and the wait.
void ShowEndScreen(con::Handle hIn, EndScreen const& screen) {
    // The console clears in the current colour: white on black, whatever was last printed.
    ClearInWhite();
    for (int line = 0; line < 3; ++line) {
        if (screen.story[line] != nullptr) {
            PrintAt(screen.story[line], line + 1, line + 1, kStory);
        }
    }
    if (screen.shout.text != nullptr) {
        PrintAt(screen.shout.text, screen.shout.x, screen.shout.y, kWhite);
    }
    PrintAt(screen.verdict[0], 0, 21, kVerdict);
    PrintAt(screen.verdict[1], 0, 22, kVerdict);
    if (screen.portrait.draw != nullptr) {
        screen.portrait.draw(screen.portrait.x, screen.portrait.y);
    }
    PrintAt(kEndPrompt, 0, 23, kWhite);
    WaitForKey(hIn);
}

constexpr char kAsleep[] = "You go sleep that night in your warm comfy bed.";
constexpr char kNoFuel[] = "Your ship has no fuel and you die.";
constexpr char kDeadOfNoFuel[] = "YOU ARE DEAD CAPTAIN! YOUR SHIP RAN OUT OF FUEL!";
constexpr char kCrashed[] = "YOUR PRETTY MOTHERSHIP CRASHED INTO THE GROUND! GOOD BYE!";

constexpr EndScreen kEatenByCrew = {
    {kAsleep, "Unfortunately your crew have no food and they decide it's your fault.",
     "Your crew decides to eat you because they are hungry! YUM YUM!"},
    {},
    {"YOU ARE DEAD CAPTAIN! KRYPTAL ATE YOU!",
     "KRYPTAL DRINK BLOOD...LITERALY!! NEXT TIME REMEMBER TO FEED YOUR CREW!"},
    {Kryptal, 19, 4},
};

constexpr EndScreen kKilledByCrew = {
    {kAsleep, "Unfortunately your crew hates you and you are killed in your sleep",
     "As you fade from existance you smell the faint scent of Kryptal's Perfume."},
    {},
    {"YOU ARE DEAD CAPTAIN! KRYPTAL KICKED YOUR SEAT REGION!",
     "KRYPTAL DRINK BLOOD! NEXT TIME DONT OVERWORK YOUR CREW!"},
    {Kryptal, 19, 4},
};

constexpr EndScreen kOutOfFuel = {
    {kNoFuel, "Next time, don't listen to those liberal pinkos.",
     "Suck up all the oil and fuel resources you need."},
    {10, 4, "SHIP GO BOOM"},
    {kDeadOfNoFuel, kCrashed},
    {},
};

constexpr EndScreen kIonFuel = {
    {kNoFuel, "Maybe you should check your fuel levels next time", "before you fire your Ion Cannon."},
    {10, 6, "AT LEAST YA WENT OUT WITH A BANG!"},
    {kDeadOfNoFuel, kCrashed},
    {},
};

constexpr EndScreen kFoodWarning = {
    {"Carolla says, \"Captain, we are running low on food.\""},
    {},
    {"Hurry Find some food... Or prepare to die", "at the hands of your crew! They'll turn you to Stew!"},
    {Carolla, 19, 2},
};

constexpr EndScreen kVictory = {
    {"You destroyed America!", "You Owned EVERYONE", "Now the Povolnians have a new home."},
    {10, 6, "PAT YOURSELF ON THE BACK! GREAT JOB!"},
    {"YOU WIN THE GAME!", "YOU GOT MAD SKILLS!"},
    {},
};

}  // namespace

void GameOverCrew(con::Handle /*hOut*/, con::Handle hIn) {
    bool const starving = Globals::GetMothership()->GetFood() <= 0;
    ShowEndScreen(hIn, starving ? kEatenByCrew : kKilledByCrew);
}

void GameOverNoFuel(con::Handle /*hOut*/, con::Handle hIn) { ShowEndScreen(hIn, kOutOfFuel); }

void GameOverIonFuel(con::Handle /*hOut*/, con::Handle hIn) { ShowEndScreen(hIn, kIonFuel); }

void NoFoodWarning(con::Handle /*hOut*/, con::Handle hIn) { ShowEndScreen(hIn, kFoodWarning); }

void GameWon(con::Handle /*hOut*/, con::Handle hIn) { ShowEndScreen(hIn, kVictory); }
