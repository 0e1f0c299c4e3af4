#include "game/screens/EndDay.h"

#include "game/screens/GameOver.h"
#include "game/world/GameRandom.h"
#include "game/world/Globals.h"
#include "game/world/SillyString.h"

namespace {

// Set while the ship's famine has been shown with the food warning, so the
// warning comes once a famine. It lasts the whole run, across new games.
bool foodWarningShown = false;

// A bunker's crew eats one food each a day; below this many days' food left they complain.
constexpr int kBunkerLowFoodDays = 4;

constexpr int kRiotMorale = 10;
constexpr int kAgitatedMorale = 20;
// Climbing out of the atmosphere takes this much.
constexpr int kOrbitFuel = 10000;
constexpr int kLowFuel = 50000;

void Post(char const* text, int type) { Globals::GetMessages()->enqueue(text, type); }

void PostFreighterNews(int countdown) {
    switch (countdown) {
        case 3: Post("The Super Freighter will arrive in orbit in 3 days!", 3); break;
        case 2: Post("The Super Freighter will arrive in orbit in 2 days!", 3); break;
        case 1: Post("The Super Freighter will arrive in orbit tomorrow!", 3); break;
        case 0: Post("The Super Freighter has arrived in orbit!", 5); break;
        case -1:
        case -2:
        case -3:
        case -4:
        case -5: Post("The Super Freighter is currently in orbit!", 4); break;
        case Globals::kFreighterLastOrbitDay: Post("The Super Freighter leaves tomorrow!", 5); break;
        default: break;
    }
}

// The ship's meal, the famine warning and the crew's mood.
void FeedMothership(con::Handle hIn, con::Handle hOut) {
    Mothership* ship = Globals::GetMothership();
    ship->BurnFood();
    if (ship->GetFood() == 0) {
        Post("Your mothership has run out of food!", 6);
    }

    // The morale read here is yesterday's: today's change comes after.
    if (ship->GetFood() > 0 || ship->GetMorale() == 0) {
        foodWarningShown = false;
    } else if (!foodWarningShown) {
        NoFoodWarning(hOut, hIn);
        foodWarningShown = true;
    }

    ship->UpdateMorale();
    int const morale = ship->GetMorale();
    if (morale < kRiotMorale) {
        Post("Frequent Riots in the crew quarters! The natives are restless sir! Do something!", 6);
    } else if (morale < kAgitatedMorale) {
        Post("Emerson mentioned something about the crew becoming agitated, you may want to check that out",
             5);
    }
}

// "Bunker " and the sector's letter, then the rest and its tail.
void PostBunkerNews(char letter, char const* rest, char const* tail, int type) {
    char const letterText[2] = {letter, '\0'};
    char text[Message::kTextSize];
    StringSlam(text, "Bunker ", letterText);
    StringAppend(text, rest);
    StringAppend(text, tail);
    Post(text, type);
}

// Each bunker, built or not, feeds its crew. With nothing left to eat they eat one of their own.
void FeedBunkers() {
    Map* earth = Globals::GetMap();
    for (int number = 1; number <= Map::kSectors; ++number) {
        Sector* sector = earth->GetSector(number, -1);
        Bunker* bunker = sector->GetBunker();
        bunker->BurnFood();
        CrewQueue* crew = bunker->GetCrewQueue();
        int const total = crew->GetTotal();
        if (bunker->GetFood() == 0 && total > 0) {
            CrewNode* victim = crew->GetCrewNode(GameRand() % total);
            // The name is taken while the member is still on the list.
            char name[Crew::kNameSize + 1];
            victim->crew.GetName(name);
            StringAppend(name, "!");
            PostBunkerNews(sector->GetLetter(),
                           " is out of food. The crew there turned to canibalism and ate ", name, 5);
            crew->dequeue(victim->crew);
        } else if (bunker->GetFood() < kBunkerLowFoodDays * total) {
            PostBunkerNews(sector->GetLetter(),
                           " is low on food. Get them some before they start eating each other!", "", 5);
        }
    }
}

void PostFuelNews(int fuel) {
    if (fuel < kOrbitFuel) {
        Post(
            "We dont even have enough fuel to get into orbit! Perhaps we should use an alternative energy "
            "source... I'll talk to Hyde.",
            6);
    } else if (fuel < kLowFuel) {
        Post("Were running low on fuel in the mothership.", 4);
    }
}

// Each way the game ends is tested on its own, so a day can show two or three end screens.
void TestEndOfGame(con::Handle hIn, con::Handle hOut) {
    Mothership* ship = Globals::GetMothership();
    if (ship->GetFuel() == 0) {
        GameOverNoFuel(hOut, hIn);
        Globals::SetGameOver(true);
    }
    if (ship->GetMorale() == 0) {
        GameOverCrew(hOut, hIn);
        Globals::SetGameOver(true);
    }
    // Not a sum of the counts: squares driven below 0 must not hide people left elsewhere.
    if (Globals::GetMap()->IsConquered()) {
        GameWon(hOut, hIn);
        Globals::SetGameOver(true);
    }
}

}  // namespace

void EndDay(con::Handle hIn, con::Handle hOut) {
    Globals::NextDay();
    Globals::TickSuperFreighter();
    PostFreighterNews(Globals::GetFreighterCountdown());

    FeedMothership(hIn, hOut);
    FeedBunkers();

    Globals::ProcessTransfers();
    Globals::ProcessSaucerMissions();
    Globals::ProcessBunkerConstruction();
    Globals::ProcessBattles();

    Mothership* ship = Globals::GetMothership();
    ship->Travel();
    PostFuelNews(ship->GetFuel());

    TestEndOfGame(hIn, hOut);
}
