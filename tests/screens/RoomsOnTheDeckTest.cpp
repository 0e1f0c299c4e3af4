// The research station, engineering and the Super Freighter entered from the
// main deck as the player does it: the real rooms, and the deck again after.
#include <gtest/gtest.h>
#include <string>

#include "tests/support/ScreenHarness.h"
#include "tests/support/WorldHelpers.h"

#include "game/screens/MainDeck.h"
#include "game/screens/ResearchStation.h"
#include "game/world/Globals.h"
#include "platform/VirtualConsole.h"

namespace {

using testing_support::In;
using testing_support::Out;
using testing_support::PlaceShipAbove;
using testing_support::RunScreen;
using testing_support::Ship;

bool RunDeck(DeckRoom room) {
    return RunScreen([room] { MainDeck(In(), Out(), room); });
}

TEST(FreighterFromTheDeck, InOrbitOnlyWhileItsCountdownIsZeroOrBelow) {
    EXPECT_FALSE(FreighterPresent()) << "30 days away at the start";
    for (int day = 30; day > 1; --day) {
        Globals::TickSuperFreighter();
    }
    EXPECT_EQ(Globals::GetFreighterCountdown(), 1);
    EXPECT_FALSE(FreighterPresent());
    EXPECT_EQ(DeckRoomAfterMove(DeckRoom::Library, con::VK_DOWN, FreighterPresent()), DeckRoom::Library);
    for (int countdown = 0; countdown >= -6; --countdown) {
        Globals::TickSuperFreighter();
        EXPECT_EQ(Globals::GetFreighterCountdown(), countdown);
        EXPECT_TRUE(FreighterPresent()) << countdown;
    }
    // Away from orbit the ship cannot reach it, whatever the countdown.
    PlaceShipAbove(5);
    EXPECT_FALSE(FreighterPresent());
    EXPECT_EQ(DeckRoomAfterMove(DeckRoom::Library, con::VK_DOWN, FreighterPresent()), DeckRoom::Library);
    PlaceShipAbove(0);
    EXPECT_TRUE(FreighterPresent());
    Globals::TickSuperFreighter();
    EXPECT_FALSE(FreighterPresent()) << "gone after its last day in orbit";
}

TEST(FreighterFromTheDeck, TheShuttleBringsTheCaptainBackToTheShip) {
    while (Globals::GetFreighterCountdown() > 0) {
        Globals::TickSuperFreighter();
    }
    con::ScopedVirtualConsole vc;
    DrawMothership(Out());
    // Down to the freighter's tag, in, Right to the showroom and back, then
    // the shuttle.
    vc->Down().Enter().Idle(2).Right().Idle(2).Left().Idle(2).Enter().Idle(2);
    EXPECT_FALSE(RunDeck(DeckRoom::Library)) << "back on the deck, which runs on";
    EXPECT_EQ(vc->Text(16, 3, 22), "║ SUPER FREIGHTER ║") << "the ship again, the freighter beside it";
    EXPECT_EQ(vc->AttrAt(3, 16), 14) << "its tag still highlighted";
    EXPECT_EQ(vc->Text(19, 0, 17), " SUPER FREIGHTER:");
    EXPECT_EQ(vc->NowMs(), 560u + 560u) << "the tag's blink and the shuttle's";
}

TEST(EngineeringFromTheDeck, TheShieldedShipOnReturn) {
    con::ScopedVirtualConsole vc;
    DrawMothership(Out());
    vc->Enter().Down().Down().Down().Enter().Escape().Idle(2);
    EXPECT_FALSE(RunDeck(DeckRoom::Engineering));
    EXPECT_TRUE(Ship().GetShields());
    EXPECT_EQ(Ship().GetFuel(), 149950);
    EXPECT_EQ(vc->AttrAt(5, 9), 10) << "the hull is green";
    EXPECT_EQ(vc->Text(11, 25, 46), "║    ENGINEERING    ║");
    EXPECT_EQ(vc->Text(24, 6, 19), "FUEL: 149,950");
}

TEST(ResearchFromTheDeck, ATechnologyCompletedStaysCompleted) {
    con::ScopedVirtualConsole vc;
    DrawMothership(Out());
    vc->Enter().Enter().Down().Right().Enter().Escape().Escape().Idle(2);
    EXPECT_FALSE(RunDeck(DeckRoom::Research));
    EXPECT_TRUE(Globals::GetTechs()->FindTech("B1")->GetResearched());
    EXPECT_EQ(Globals::GetTechs()->FindTech("B1")->GetShare(), 5);
    EXPECT_EQ(CountAvailableTechs(), 6) << "B2 and B6 instead of B1";
    EXPECT_EQ(vc->Text(19, 0, 10), " RESEARCH:") << "the deck again";
}

}  // namespace
