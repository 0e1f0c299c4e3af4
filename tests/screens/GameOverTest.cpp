#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "tests/support/ScreenHarness.h"

#include "game/screens/GameOver.h"
#include "game/ui/ColorFunctions.h"
#include "game/ui/Portraits.h"
#include "game/world/Globals.h"
#include "platform/VirtualConsole.h"

namespace {

using testing_support::In;
using testing_support::Out;
using Screen = void (*)(con::Handle, con::Handle);
using Portrait = void (*)(int, int);

struct Line {
    int x;
    int y;
    int color;
    std::string text;
};

// Shows a screen on a console left dirty in a highlight colour and checks its lines, the prompt,
// that every other row is cleared to white on black, and its portrait cell for cell.
void ExpectScreen(Screen screen, std::vector<Line> lines, Portrait portrait = nullptr, int px = 0,
                  int py = 0) {
    con::ScopedVirtualConsole vc;
    vc->Fill('x', 240);
    SetColor(240);
    vc->Escape();
    ASSERT_TRUE(testing_support::RunScreen([&] { screen(Out(), In()); }));

    lines.push_back({0, 23, 15, "<Press Any Key To End Game> Brannoc's Test..."});
    bool written[con::kRows] = {};
    for (Line const& line : lines) {
        int const end = line.x + static_cast<int>(line.text.size());
        EXPECT_EQ(vc->Text(line.y, line.x, end), line.text);
        EXPECT_EQ(vc->AttrAt(line.x, line.y), line.color) << line.text;
        EXPECT_EQ(vc->AttrAt(end - 1, line.y), line.color) << line.text;
        EXPECT_EQ(vc->Text(line.y, end), std::string(con::kColumns - end, ' ')) << line.text;
        written[line.y] = true;
    }
    for (int row = 0; row < con::kRows; ++row) {
        if (!written[row] && (portrait == nullptr || row < py || row >= py + 17)) {
            EXPECT_EQ(vc->Text(row), std::string(80, ' ')) << "row " << row;
            EXPECT_EQ(vc->AttrAt(79, row), 15) << "row " << row;
        }
    }
    if (portrait != nullptr) {
        EXPECT_EQ(vc->Text(py, 0, px), std::string(px, ' ')) << "left of the portrait";
        std::string const shown = vc->Picture(px, py, 40, 17);
        std::string const colours = vc->Attributes(px, py, 40, 17);
        SetColor(15);
        con::ClearConsole();
        portrait(px, py);
        EXPECT_EQ(shown, vc->Picture(px, py, 40, 17));
        EXPECT_EQ(colours, vc->Attributes(px, py, 40, 17));
    }
    EXPECT_FALSE(Globals::GetGameOver()) << "the caller sets the flag";
}

TEST(GameOverScreens, MutinyIsTheEatenVariantWithoutFoodAndTheOverworkVariantWithIt) {
    Globals::GetMothership()->SetFood(0);
    ExpectScreen(GameOverCrew,
                 {{1, 1, 12, "You go sleep that night in your warm comfy bed."},
                  {2, 2, 12, "Unfortunately your crew have no food and they decide it's your fault."},
                  {3, 3, 12, "Your crew decides to eat you because they are hungry! YUM YUM!"},
                  {0, 21, 14, "YOU ARE DEAD CAPTAIN! KRYPTAL ATE YOU!"},
                  {0, 22, 14, "KRYPTAL DRINK BLOOD...LITERALY!! NEXT TIME REMEMBER TO FEED YOUR CREW!"}},
                 Kryptal, 19, 4);
    Globals::GetMothership()->SetFood(1);
    ExpectScreen(GameOverCrew,
                 {{1, 1, 12, "You go sleep that night in your warm comfy bed."},
                  {2, 2, 12, "Unfortunately your crew hates you and you are killed in your sleep"},
                  {3, 3, 12, "As you fade from existance you smell the faint scent of Kryptal's Perfume."},
                  {0, 21, 14, "YOU ARE DEAD CAPTAIN! KRYPTAL KICKED YOUR SEAT REGION!"},
                  {0, 22, 14, "KRYPTAL DRINK BLOOD! NEXT TIME DONT OVERWORK YOUR CREW!"}},
                 Kryptal, 19, 4);
}

TEST(GameOverScreens, OutOfFuelAtTheEndOfADayAndAfterTheIonCannon) {
    ExpectScreen(GameOverNoFuel, {{1, 1, 12, "Your ship has no fuel and you die."},
                                  {2, 2, 12, "Next time, don't listen to those liberal pinkos."},
                                  {3, 3, 12, "Suck up all the oil and fuel resources you need."},
                                  {10, 4, 15, "SHIP GO BOOM"},
                                  {0, 21, 14, "YOU ARE DEAD CAPTAIN! YOUR SHIP RAN OUT OF FUEL!"},
                                  {0, 22, 14, "YOUR PRETTY MOTHERSHIP CRASHED INTO THE GROUND! GOOD BYE!"}});
    ExpectScreen(GameOverIonFuel, {{1, 1, 12, "Your ship has no fuel and you die."},
                                   {2, 2, 12, "Maybe you should check your fuel levels next time"},
                                   {3, 3, 12, "before you fire your Ion Cannon."},
                                   {10, 6, 15, "AT LEAST YA WENT OUT WITH A BANG!"},
                                   {0, 21, 14, "YOU ARE DEAD CAPTAIN! YOUR SHIP RAN OUT OF FUEL!"},
                                   {0, 22, 14, "YOUR PRETTY MOTHERSHIP CRASHED INTO THE GROUND! GOOD BYE!"}});
}

TEST(GameOverScreens, FoodWarningAndVictory) {
    ExpectScreen(NoFoodWarning,
                 {{1, 1, 12, "Carolla says, \"Captain, we are running low on food.\""},
                  {0, 21, 14, "Hurry Find some food... Or prepare to die"},
                  {0, 22, 14, "at the hands of your crew! They'll turn you to Stew!"}},
                 Carolla, 19, 2);
    ExpectScreen(GameWon, {{1, 1, 12, "You destroyed America!"},
                           {2, 2, 12, "You Owned EVERYONE"},
                           {3, 3, 12, "Now the Povolnians have a new home."},
                           {10, 6, 15, "PAT YOURSELF ON THE BACK! GREAT JOB!"},
                           {0, 21, 14, "YOU WIN THE GAME!"},
                           {0, 22, 14, "YOU GOT MAD SKILLS!"}});
}

TEST(GameOverScreens, AnyKeyDownEndsThemAndAReleaseDoesNot) {
    for (Screen screen : {GameOverCrew, GameOverNoFuel, GameOverIonFuel, NoFoodWarning, GameWon}) {
        con::ScopedVirtualConsole vc;
        vc->Record(con::KeyRecord{con::KEY_EVENT, false, con::VK_RETURN, 13});
        EXPECT_FALSE(testing_support::RunScreen([&] { screen(Out(), In()); })) << "a release alone";

        vc->Record(con::KeyRecord{con::KEY_EVENT, false, con::VK_SPACE, ' '}).Up();
        EXPECT_TRUE(testing_support::RunScreen([&] { screen(Out(), In()); })) << "an arrow";
        vc->Type("q");
        EXPECT_TRUE(testing_support::RunScreen([&] { screen(Out(), In()); })) << "a letter";
    }
}

}  // namespace
