#include "game/screens/GameOver.h"

#include <span>

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

struct ScreenText {
    int x;
    int y;
    ColorCode color;
    char const* text;
};

using Portrait = void (*)(int x, int y);

struct PortraitPlace {
    Portrait draw;
    int x;
    int y;
};

// Texts first, then the portrait over whatever they leave, then the prompt and the wait.
void ShowEndScreen(con::Handle hIn, std::span<ScreenText const> texts, PortraitPlace portrait = {}) {
    // The console clears in the current colour: white on black, whatever was last printed.
    ClearInWhite();
    for (ScreenText const& line : texts) {
        PrintAt(line.text, line.x, line.y, line.color);
    }
    if (portrait.draw != nullptr) {
        portrait.draw(portrait.x, portrait.y);
    }
    PrintAt(kEndPrompt, 0, 23, kWhite);
    WaitForKey(hIn);
}

constexpr ScreenText kEatenByCrew[] = {
    {1, 1, kStory, "You go sleep that night in your warm comfy bed."},
    {2, 2, kStory, "Unfortunately your crew have no food and they decide it's your fault."},
    {3, 3, kStory, "Your crew decides to eat you because they are hungry! YUM YUM!"},
    {0, 21, kVerdict, "YOU ARE DEAD CAPTAIN! KRYPTAL ATE YOU!"},
    {0, 22, kVerdict, "KRYPTAL DRINK BLOOD...LITERALY!! NEXT TIME REMEMBER TO FEED YOUR CREW!"},
};

constexpr ScreenText kKilledByCrew[] = {
    {1, 1, kStory, "You go sleep that night in your warm comfy bed."},
    {2, 2, kStory, "Unfortunately your crew hates you and you are killed in your sleep"},
    {3, 3, kStory, "As you fade from existance you smell the faint scent of Kryptal's Perfume."},
    {0, 21, kVerdict, "YOU ARE DEAD CAPTAIN! KRYPTAL KICKED YOUR SEAT REGION!"},
    {0, 22, kVerdict, "KRYPTAL DRINK BLOOD! NEXT TIME DONT OVERWORK YOUR CREW!"},
};

constexpr ScreenText kNoFuel[] = {
    {1, 1, kStory, "Your ship has no fuel and you die."},
    {2, 2, kStory, "Next time, don't listen to those liberal pinkos."},
    {3, 3, kStory, "Suck up all the oil and fuel resources you need."},
    {10, 4, kWhite, "SHIP GO BOOM"},
    {0, 21, kVerdict, "YOU ARE DEAD CAPTAIN! YOUR SHIP RAN OUT OF FUEL!"},
    {0, 22, kVerdict, "YOUR PRETTY MOTHERSHIP CRASHED INTO THE GROUND! GOOD BYE!"},
};

constexpr ScreenText kIonFuel[] = {
    {1, 1, kStory, "Your ship has no fuel and you die."},
    {2, 2, kStory, "Maybe you should check your fuel levels next time"},
    {3, 3, kStory, "before you fire your Ion Cannon."},
    {10, 6, kWhite, "AT LEAST YA WENT OUT WITH A BANG!"},
    {0, 21, kVerdict, "YOU ARE DEAD CAPTAIN! YOUR SHIP RAN OUT OF FUEL!"},
    {0, 22, kVerdict, "YOUR PRETTY MOTHERSHIP CRASHED INTO THE GROUND! GOOD BYE!"},
};

constexpr ScreenText kFoodWarning[] = {
    {1, 1, kStory, "Carolla says, \"Captain, we are running low on food.\""},
    {0, 21, kVerdict, "Hurry Find some food... Or prepare to die"},
    {0, 22, kVerdict, "at the hands of your crew! They'll turn you to Stew!"},
};

constexpr ScreenText kVictory[] = {
    {1, 1, kStory, "You destroyed America!"},
    {2, 2, kStory, "You Owned EVERYONE"},
    {3, 3, kStory, "Now the Povolnians have a new home."},
    {10, 6, kWhite, "PAT YOURSELF ON THE BACK! GREAT JOB!"},
    {0, 21, kVerdict, "YOU WIN THE GAME!"},
    {0, 22, kVerdict, "YOU GOT MAD SKILLS!"},
};

}  // namespace

void GameOverCrew(con::Handle /*hOut*/, con::Handle hIn) {
    bool const starving = Globals::GetMothership()->GetFood() <= 0;
    ShowEndScreen(hIn, starving ? std::span<ScreenText const>(kEatenByCrew) : kKilledByCrew,
                  {Kryptal, 19, 4});
}

void GameOverNoFuel(con::Handle /*hOut*/, con::Handle hIn) { ShowEndScreen(hIn, kNoFuel); }

void GameOverIonFuel(con::Handle /*hOut*/, con::Handle hIn) { ShowEndScreen(hIn, kIonFuel); }

void NoFoodWarning(con::Handle /*hOut*/, con::Handle hIn) {
    ShowEndScreen(hIn, kFoodWarning, {Carolla, 19, 2});
}

void GameWon(con::Handle /*hOut*/, con::Handle hIn) { ShowEndScreen(hIn, kVictory); }
