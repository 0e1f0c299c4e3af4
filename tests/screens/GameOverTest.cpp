#include <gtest/gtest.h>
#include <string>

#include "tests/support/ScreenHarness.h"

#include "game/screens/GameOver.h"
#include "game/ui/ColorFunctions.h"
#include "game/ui/Portraits.h"
#include "game/world/Globals.h"
#include "platform/VirtualConsole.h"

namespace {

using Screen = void (*)(con::Handle, con::Handle);

std::string const kPrompt = "<Press Any Key To End Game> Brannoc's Test...";

// Runs a screen on a console left dirty in a highlight colour, ended by one Escape.
void ShowOnDirtyConsole(con::VirtualConsole& vc, Screen screen) {
    vc.Fill('x', 240);
    SetColor(240);
    vc.Escape();
    ASSERT_TRUE(testing_support::RunScreen([&] {
        screen(con::GetStdHandle(con::STD_OUTPUT_HANDLE), con::GetStdHandle(con::STD_INPUT_HANDLE));
    }));
}

void ExpectLine(con::VirtualConsole& vc, int x, int y, int color, std::string const& text) {
    EXPECT_EQ(vc.Text(y, x, x + static_cast<int>(text.size())), text) << "row " << y;
    EXPECT_EQ(vc.AttrAt(x, y), color) << "row " << y;
    EXPECT_EQ(vc.AttrAt(x + static_cast<int>(text.size()) - 1, y), color) << "row " << y;
}

// The prompt on row 23, and every cell of a row no text reaches cleared to white on black.
void ExpectPromptAndClearedRows(con::VirtualConsole& vc, int firstBlankRow, int lastBlankRow) {
    ExpectLine(vc, 0, 23, 15, kPrompt);
    for (int row = firstBlankRow; row <= lastBlankRow; ++row) {
        EXPECT_EQ(vc.Text(row), std::string(80, ' ')) << "row " << row;
        EXPECT_EQ(vc.AttrAt(0, row), 15) << "row " << row;
    }
    EXPECT_EQ(vc.Text(24), std::string(80, ' '));
    EXPECT_EQ(vc.AttrAt(79, 24), 15);
}

// The portrait cells of a screen, as the portrait draws them alone on a cleared screen.
void ExpectPortrait(con::VirtualConsole& vc, void (*portrait)(int, int), int x, int y) {
    std::string const shown = vc.Picture(x, y, 40, 17);
    std::string const shownColours = vc.Attributes(x, y, 40, 17);
    SetColor(15);
    con::ClearConsole();
    portrait(x, y);
    EXPECT_EQ(shown, vc.Picture(x, y, 40, 17));
    EXPECT_EQ(shownColours, vc.Attributes(x, y, 40, 17));
}

TEST(GameOverScreens, MutinyWithoutFoodIsTheEatenVariantWithKryptal) {
    con::ScopedVirtualConsole vc;
    Globals::GetMothership()->SetFood(0);
    ShowOnDirtyConsole(*vc, GameOverCrew);
    ExpectLine(*vc, 1, 1, 12, "You go sleep that night in your warm comfy bed.");
    ExpectLine(*vc, 2, 2, 12, "Unfortunately your crew have no food and they decide it's your fault.");
    ExpectLine(*vc, 3, 3, 12, "Your crew decides to eat you because they are hungry! YUM YUM!");
    ExpectLine(*vc, 0, 21, 14, "YOU ARE DEAD CAPTAIN! KRYPTAL ATE YOU!");
    ExpectLine(*vc, 0, 22, 14, "KRYPTAL DRINK BLOOD...LITERALY!! NEXT TIME REMEMBER TO FEED YOUR CREW!");
    ExpectPromptAndClearedRows(*vc, 0, 0);
    EXPECT_EQ(vc->Text(4, 0, 19), std::string(19, ' ')) << "left of the portrait stays clear";
    ExpectPortrait(*vc, Kryptal, 19, 4);
    EXPECT_FALSE(Globals::GetGameOver()) << "the caller sets the flag";
}

TEST(GameOverScreens, MutinyWithFoodLeftIsTheOverworkVariant) {
    con::ScopedVirtualConsole vc;
    Globals::GetMothership()->SetFood(1);
    ShowOnDirtyConsole(*vc, GameOverCrew);
    ExpectLine(*vc, 1, 1, 12, "You go sleep that night in your warm comfy bed.");
    ExpectLine(*vc, 2, 2, 12, "Unfortunately your crew hates you and you are killed in your sleep");
    ExpectLine(*vc, 3, 3, 12, "As you fade from existance you smell the faint scent of Kryptal's Perfume.");
    ExpectLine(*vc, 0, 21, 14, "YOU ARE DEAD CAPTAIN! KRYPTAL KICKED YOUR SEAT REGION!");
    ExpectLine(*vc, 0, 22, 14, "KRYPTAL DRINK BLOOD! NEXT TIME DONT OVERWORK YOUR CREW!");
    ExpectPromptAndClearedRows(*vc, 0, 0);
    ExpectPortrait(*vc, Kryptal, 19, 4);
}

TEST(GameOverScreens, NoFuel) {
    con::ScopedVirtualConsole vc;
    ShowOnDirtyConsole(*vc, GameOverNoFuel);
    ExpectLine(*vc, 1, 1, 12, "Your ship has no fuel and you die.");
    ExpectLine(*vc, 2, 2, 12, "Next time, don't listen to those liberal pinkos.");
    ExpectLine(*vc, 3, 3, 12, "Suck up all the oil and fuel resources you need.");
    ExpectLine(*vc, 10, 4, 15, "SHIP GO BOOM");
    ExpectLine(*vc, 0, 21, 14, "YOU ARE DEAD CAPTAIN! YOUR SHIP RAN OUT OF FUEL!");
    ExpectLine(*vc, 0, 22, 14, "YOUR PRETTY MOTHERSHIP CRASHED INTO THE GROUND! GOOD BYE!");
    ExpectPromptAndClearedRows(*vc, 5, 20);
    EXPECT_FALSE(Globals::GetGameOver());
}

TEST(GameOverScreens, IonCannonFuel) {
    con::ScopedVirtualConsole vc;
    ShowOnDirtyConsole(*vc, GameOverIonFuel);
    ExpectLine(*vc, 1, 1, 12, "Your ship has no fuel and you die.");
    ExpectLine(*vc, 2, 2, 12, "Maybe you should check your fuel levels next time");
    ExpectLine(*vc, 3, 3, 12, "before you fire your Ion Cannon.");
    ExpectLine(*vc, 10, 6, 15, "AT LEAST YA WENT OUT WITH A BANG!");
    ExpectLine(*vc, 0, 21, 14, "YOU ARE DEAD CAPTAIN! YOUR SHIP RAN OUT OF FUEL!");
    ExpectLine(*vc, 0, 22, 14, "YOUR PRETTY MOTHERSHIP CRASHED INTO THE GROUND! GOOD BYE!");
    ExpectPromptAndClearedRows(*vc, 4, 5);
    ExpectPromptAndClearedRows(*vc, 7, 20);
}

TEST(GameOverScreens, FoodWarningShowsCarollaAndLeavesTheGameRunning) {
    con::ScopedVirtualConsole vc;
    ShowOnDirtyConsole(*vc, NoFoodWarning);
    ExpectLine(*vc, 1, 1, 12, "Carolla says, \"Captain, we are running low on food.\"");
    ExpectLine(*vc, 0, 21, 14, "Hurry Find some food... Or prepare to die");
    ExpectLine(*vc, 0, 22, 14, "at the hands of your crew! They'll turn you to Stew!");
    ExpectPromptAndClearedRows(*vc, 0, 0);
    EXPECT_EQ(vc->Text(19, 0, 80), std::string(80, ' ')) << "Carolla ends on row 18";
    ExpectPortrait(*vc, Carolla, 19, 2);
    EXPECT_FALSE(Globals::GetGameOver());
}

TEST(GameOverScreens, Victory) {
    con::ScopedVirtualConsole vc;
    ShowOnDirtyConsole(*vc, GameWon);
    ExpectLine(*vc, 1, 1, 12, "You destroyed America!");
    ExpectLine(*vc, 2, 2, 12, "You Owned EVERYONE");
    ExpectLine(*vc, 3, 3, 12, "Now the Povolnians have a new home.");
    ExpectLine(*vc, 10, 6, 15, "PAT YOURSELF ON THE BACK! GREAT JOB!");
    ExpectLine(*vc, 0, 21, 14, "YOU WIN THE GAME!");
    ExpectLine(*vc, 0, 22, 14, "YOU GOT MAD SKILLS!");
    ExpectPromptAndClearedRows(*vc, 7, 20);
    EXPECT_FALSE(Globals::GetGameOver());
}

TEST(GameOverScreens, AnyKeyDownEndsThemAndAReleaseDoesNot) {
    Screen const screens[] = {GameOverCrew, GameOverNoFuel, GameOverIonFuel, NoFoodWarning, GameWon};
    con::Handle const hOut = con::GetStdHandle(con::STD_OUTPUT_HANDLE);
    con::Handle const hIn = con::GetStdHandle(con::STD_INPUT_HANDLE);
    for (Screen screen : screens) {
        con::ScopedVirtualConsole vc;
        vc->Record(con::KeyRecord{con::KEY_EVENT, false, con::VK_RETURN, 13});
        EXPECT_FALSE(testing_support::RunScreen([&] { screen(hOut, hIn); })) << "a release alone";

        vc->Record(con::KeyRecord{con::KEY_EVENT, false, con::VK_SPACE, ' '}).Up();
        EXPECT_TRUE(testing_support::RunScreen([&] { screen(hOut, hIn); })) << "an arrow";
        EXPECT_EQ(vc->ScriptLeft(), 0u);

        vc->Type("q");
        EXPECT_TRUE(testing_support::RunScreen([&] { screen(hOut, hIn); })) << "a letter";
    }
}

}  // namespace
