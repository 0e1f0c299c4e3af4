#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "tests/support/ScreenHarness.h"
#include "tests/support/WorldHelpers.h"

#include "game/screens/EndDay.h"
#include "game/world/GameRandom.h"
#include "game/world/Globals.h"
#include "platform/VirtualConsole.h"

namespace {

using testing_support::BunkerOf;
using testing_support::ClearEarth;
using testing_support::ForgetMessages;
using testing_support::In;
using testing_support::Out;
using testing_support::Posted;
using testing_support::PostedMessages;
using testing_support::Ship;
using testing_support::TrimmedText;

std::string const kFoodWarning = "Carolla says, \"Captain, we are running low on food.\"";
std::string const kNoFuel = "Your ship has no fuel and you die.";
std::string const kMutiny = "You go sleep that night in your warm comfy bed.";
std::string const kVictory = "You destroyed America!";
std::string const kRiots = "Frequent Riots in the crew quarters! The natives are restless sir! Do something!";
std::string const kAgitated =
    "Emerson mentioned something about the crew becoming agitated, you may want to check that out";
std::string const kNoOrbitFuel =
    "We dont even have enough fuel to get into orbit! Perhaps we should use an alternative energy source... "
    "I'll talk to Hyde.";

// Runs one end of day on the console `vc`, noting the first story line of every screen that waits
// for a key. True when the day ran through with the keys given.
bool RunDay(con::VirtualConsole& vc, std::vector<std::string>* screens = nullptr) {
    vc.onWait = [screens](con::VirtualConsole& console) {
        if (screens != nullptr) {
            screens->push_back(TrimmedText(console, 1, 1));
        }
    };
    bool const ran = testing_support::RunScreen([] { EndDay(In(), Out()); });
    vc.onWait = nullptr;
    return ran;
}

// Runs days that show no screen, and forgets their messages.
void QuietDays(int days) {
    con::ScopedVirtualConsole vc;
    for (int i = 0; i < days; ++i) {
        ASSERT_TRUE(RunDay(*vc)) << "day " << Globals::GetDay() << " showed a screen";
        ForgetMessages();
    }
}

TEST(EndDay, OneQuietDayWithTheStartingCrew) {
    con::ScopedVirtualConsole vc;
    ASSERT_EQ(Ship().GetCrewQueue()->GetTotal(), 33);
    ASSERT_EQ(Ship().GetLeaderQueue()->GetTotal(), 9);
    std::size_t const draws = GameRandDraws();

    ASSERT_TRUE(RunDay(*vc)) << "no screen waits for a key";
    EXPECT_EQ(Globals::GetDay(), 2);
    EXPECT_EQ(Globals::GetFreighterCountdown(), 29);
    EXPECT_EQ(Ship().GetFood(), 1000 - (33 + 9 + 1)) << "the crew, the advisors and the captain eat";
    EXPECT_EQ(Ship().GetMorale(), 100) << "the regular schedule keeps morale";
    EXPECT_EQ(Ship().GetFuel(), 150000) << "the ship stays in orbit";
    EXPECT_EQ(PostedMessages(), Posted{});
    EXPECT_EQ(GameRandDraws(), draws) << "nothing happened that needs a draw";
    EXPECT_FALSE(Globals::GetGameOver());
}

TEST(EndDay, TheFreighterCountsDownArrivesStaysAndLeaves) {
    for (int i = 0; i < 26; ++i) {
        Globals::TickSuperFreighter();
    }
    ASSERT_EQ(Globals::GetFreighterCountdown(), 4);
    con::ScopedVirtualConsole vc;
    Posted const expected[] = {
        {{3, "The Super Freighter will arrive in orbit in 3 days!"}},
        {{3, "The Super Freighter will arrive in orbit in 2 days!"}},
        {{3, "The Super Freighter will arrive in orbit tomorrow!"}},
        {{5, "The Super Freighter has arrived in orbit!"}},
        {{4, "The Super Freighter is currently in orbit!"}},
        {{4, "The Super Freighter is currently in orbit!"}},
        {{4, "The Super Freighter is currently in orbit!"}},
        {{4, "The Super Freighter is currently in orbit!"}},
        {{4, "The Super Freighter is currently in orbit!"}},
        {{5, "The Super Freighter leaves tomorrow!"}},
        {},
        {},
    };
    for (Posted const& news : expected) {
        ASSERT_TRUE(RunDay(*vc));
        EXPECT_EQ(PostedMessages(), news) << "countdown " << Globals::GetFreighterCountdown();
        ForgetMessages();
    }
    EXPECT_EQ(Globals::GetFreighterCountdown(), 29) << "gone, and back in 30 days";
}

TEST(EndDay, TheFoodWarningComesOncePerFamine) {
    con::ScopedVirtualConsole vc;
    Posted const outOfFood = {{6, "Your mothership has run out of food!"}};
    int const eaters = 33 + 9 + 1;

    Ship().SetFood(eaters);
    std::vector<std::string> screens;
    vc->Escape();
    ASSERT_TRUE(RunDay(*vc, &screens));
    EXPECT_EQ(screens, std::vector<std::string>{kFoodWarning});
    EXPECT_EQ(PostedMessages(), outOfFood);
    EXPECT_EQ(Ship().GetMorale(), 85) << "a hungry crew loses heart";
    EXPECT_FALSE(Globals::GetGameOver()) << "hunger alone does not end the game";
    ForgetMessages();

    ASSERT_TRUE(RunDay(*vc)) << "the same famine: no screen";
    EXPECT_EQ(PostedMessages(), outOfFood) << "but the message every day";
    ForgetMessages();

    Ship().SetFood(eaters + 1);
    ASSERT_TRUE(RunDay(*vc)) << "one food left over ends the famine";
    EXPECT_EQ(PostedMessages(), Posted{});

    Ship().SetFood(eaters);
    screens.clear();
    vc->Escape();
    ASSERT_TRUE(RunDay(*vc, &screens));
    EXPECT_EQ(screens, std::vector<std::string>{kFoodWarning}) << "a new famine is warned of again";
    EXPECT_EQ(vc->ScriptLeft(), 0u);
}

TEST(EndDay, MoraleWarnings) {
    Ship().SetWorkRate(4);  // every day costs 15
    QuietDays(4);
    ASSERT_EQ(Ship().GetMorale(), 40);
    Ship().SetWorkRate(3);  // every day costs 3
    con::ScopedVirtualConsole vc;
    for (int day = 0; day < 6; ++day) {
        ASSERT_TRUE(RunDay(*vc));
    }
    ASSERT_EQ(Ship().GetMorale(), 22);
    EXPECT_EQ(PostedMessages(), Posted{});

    ASSERT_TRUE(RunDay(*vc));
    ASSERT_EQ(Ship().GetMorale(), 19);
    EXPECT_EQ(PostedMessages(), (Posted{{5, kAgitated}}));
    ForgetMessages();

    for (int day = 0; day < 3; ++day) {
        ASSERT_TRUE(RunDay(*vc));
    }
    ASSERT_EQ(Ship().GetMorale(), 10);
    EXPECT_EQ(PostedMessages(), (Posted{{5, kAgitated}, {5, kAgitated}, {5, kAgitated}}));
    ForgetMessages();

    ASSERT_TRUE(RunDay(*vc));
    ASSERT_EQ(Ship().GetMorale(), 7);
    EXPECT_EQ(PostedMessages(), (Posted{{6, kRiots}}));
}

TEST(EndDay, MoraleWarningsAtFifteenTwentyAndFive) {
    Ship().SetWorkRate(4);
    QuietDays(5);
    ASSERT_EQ(Ship().GetMorale(), 25);
    con::ScopedVirtualConsole vc;
    struct Day {
        int workRate;
        int morale;
        Posted news;
    };
    Day const days[] = {
        {0, 30, {}},
        {4, 15, {{5, kAgitated}}},
        {0, 20, {}},
        {4, 5, {{6, kRiots}}},
    };
    for (Day const& day : days) {
        Ship().SetWorkRate(day.workRate);
        ASSERT_TRUE(RunDay(*vc));
        ASSERT_EQ(Ship().GetMorale(), day.morale);
        EXPECT_EQ(PostedMessages(), day.news) << "morale " << day.morale;
        ForgetMessages();
    }
}

TEST(EndDay, ABunkerWithoutFoodEatsOneOfItsCrew) {
    Bunker& bunker = BunkerOf(1);
    bunker.SetVisible(true);  // built: no construction news
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(bunker.GetCrewQueue()->enqueue(RACE_POVOLNIAN, false));
    }
    bunker.ChangeFood(3);
    // The longest name a member can have goes into the message whole.
    bunker.GetCrewQueue()->GetCrewNode(1)->crew.NameCrew("Zzyzx Quonderblatts");
    char names[3][Crew::kNameSize];
    for (int i = 0; i < 3; ++i) {
        bunker.GetCrewQueue()->GetCrewNode(i)->crew.GetName(names[i]);
    }
    ASSERT_EQ(std::string(names[1]).size(), Crew::kNameSize - 1);

    con::ScopedVirtualConsole vc;
    std::size_t const draws = GameRandDraws();
    ScriptGameRand({7});  // 7 % 3: the second member
    ASSERT_TRUE(RunDay(*vc));
    EXPECT_EQ(GameRandDraws(), draws + 1);
    EXPECT_EQ(PostedMessages(), (Posted{{5, std::string("Bunker I is out of food. The crew there turned to "
                                                        "canibalism and ate ") +
                                                names[1] + "!"}}));
    CrewQueue& crew = *bunker.GetCrewQueue();
    ASSERT_EQ(crew.GetTotal(), 2);
    char left[Crew::kNameSize];
    crew.GetCrewNode(0)->crew.GetName(left);
    EXPECT_STREQ(left, names[0]);
    crew.GetCrewNode(1)->crew.GetName(left);
    EXPECT_STREQ(left, names[2]);
    ForgetMessages();

    ASSERT_TRUE(RunDay(*vc)) << "one a day";
    EXPECT_EQ(crew.GetTotal(), 1);
}

TEST(EndDay, ABunkerShortOfFoodComplains) {
    Bunker& bunker = BunkerOf(24);
    bunker.SetVisible(true);
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(bunker.GetCrewQueue()->enqueue(RACE_MUDUDU, true));
    }
    con::ScopedVirtualConsole vc;
    bunker.ChangeFood(3 + 11);
    ASSERT_TRUE(RunDay(*vc));
    EXPECT_EQ(bunker.GetFood(), 11);
    EXPECT_EQ(PostedMessages(),
              (Posted{{5, "Bunker K is low on food. Get them some before they start eating each other!"}}));
    ForgetMessages();

    bunker.ChangeFood(-11 + 3 + 12);
    ASSERT_TRUE(RunDay(*vc));
    EXPECT_EQ(bunker.GetFood(), 12);
    EXPECT_EQ(PostedMessages(), Posted{}) << "four days' food is enough";
    EXPECT_EQ(bunker.GetCrewQueue()->GetTotal(), 3);
}

TEST(EndDay, FuelWarnings) {
    con::ScopedVirtualConsole vc;
    Ship().SetFuel(50000);
    ASSERT_TRUE(RunDay(*vc));
    EXPECT_EQ(PostedMessages(), Posted{});

    Ship().SetFuel(30000);
    ASSERT_TRUE(RunDay(*vc));
    EXPECT_EQ(PostedMessages(), (Posted{{4, "Were running low on fuel in the mothership."}}));
    ForgetMessages();

    Ship().SetFuel(5000);
    ASSERT_TRUE(RunDay(*vc));
    EXPECT_EQ(PostedMessages(), (Posted{{6, kNoOrbitFuel}}));
    EXPECT_FALSE(Globals::GetGameOver());
}

TEST(EndDay, NoFuelAndNoMoraleShowBothScreensAndKeepTheNews) {
    Ship().SetWorkRate(4);
    QuietDays(6);
    ASSERT_EQ(Ship().GetMorale(), 10);

    con::ScopedVirtualConsole vc;
    Ship().SetFuel(0);
    std::vector<std::string> screens;
    vc->Escape().Escape();
    ASSERT_TRUE(RunDay(*vc, &screens));
    EXPECT_EQ(screens, (std::vector<std::string>{kNoFuel, kMutiny}));
    EXPECT_EQ(vc->Text(2, 2, 68), "Unfortunately your crew hates you and you are killed in your sleep")
        << "food is left: the overwork variant";
    EXPECT_TRUE(Globals::GetGameOver());
    EXPECT_EQ(PostedMessages(), (Posted{{6, kRiots}, {6, kNoOrbitFuel}})) << "kept for no one to read";
}

TEST(EndDay, AStarvedMutinyIsTheEatenVariant) {
    Ship().SetWorkRate(4);
    QuietDays(6);
    ASSERT_EQ(Ship().GetMorale(), 10);
    Ship().SetFood(0);
    Ship().SetWorkRate(2);  // a hungry crew loses 15 whatever the schedule

    con::ScopedVirtualConsole vc;
    std::vector<std::string> screens;
    vc->Escape().Escape();
    ASSERT_TRUE(RunDay(*vc, &screens));
    EXPECT_EQ(screens, (std::vector<std::string>{kFoodWarning, kMutiny}));
    EXPECT_EQ(vc->Text(2, 2, 71), "Unfortunately your crew have no food and they decide it's your fault.");
    EXPECT_TRUE(Globals::GetGameOver());
}

TEST(EndDay, VictoryOnAClearedWorldEvenAfterTheShipCrashed) {
    ClearEarth();
    ASSERT_TRUE(Globals::GetMap()->IsConquered());
    Ship().SetFuel(0);
    con::ScopedVirtualConsole vc;
    std::vector<std::string> screens;
    vc->Escape().Escape();
    ASSERT_TRUE(RunDay(*vc, &screens));
    EXPECT_EQ(screens, (std::vector<std::string>{kNoFuel, kVictory}));
    EXPECT_TRUE(Globals::GetGameOver());
}

TEST(EndDay, NoVictoryWhileAnyoneIsLeftThoughTheCountsSumToNothing) {
    ClearEarth();
    Globals::GetMap()->GetSector(5, -1)->GetSubSector(0)->AddPopulation(-100);
    Globals::GetMap()->GetSector(9, -1)->GetSubSector(15)->AddMilitary(100);
    ASSERT_EQ(Globals::GetMap()->GetPopulation(true), 0.0);
    con::ScopedVirtualConsole vc;
    ASSERT_TRUE(RunDay(*vc)) << "no screen";
    EXPECT_FALSE(Globals::GetGameOver());
}

}  // namespace
