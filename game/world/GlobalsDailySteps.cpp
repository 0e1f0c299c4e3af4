// The day's craft missions and bunker work: transfers, saucer missions and construction.
#include "game/world/GameRandom.h"
#include "game/world/Globals.h"
#include "game/world/Message.h"
#include "game/world/ReportText.h"
#include "game/world/SillyString.h"

namespace {

// Scouts map squares 0 to 14 in order; once those are done, the last square completes the sector.
constexpr int kLastSquare = Sector::kSquares - 1;
constexpr int kScoutCounter = 100;
constexpr int kShipHunt = 30;
constexpr int kBunkerHunt = 15;
constexpr int kDaysWidth = 5;

void Post(char const* text, int type) { Globals::GetMessages()->enqueue(text, type); }

// "Saucer located in <place>" followed by `rest`.
void PostSaucerReport(int place, char const* rest, int type) {
    char where[Message::kTextSize];
    PlaceName(where, place);
    char text[Message::kTextSize];
    StringSlam(text, "Saucer located in ", where);
    StringAppend(text, rest);
    Post(text, type);
}

void Scout(int place, Aircraft& craft, Sector& target) {
    int square = 0;
    while (square < kLastSquare && target.GetSubSector(square, -1)->GetVisible()) {
        ++square;
    }
    target.GetSubSector(square, -1)->SetVisible();
    if (square == kLastSquare) {
        PostSaucerReport(
            place, " has successfully mapped all sub-sectors in its destination sector. It is now inactive.",
            4);
        craft.SetMission(MISSION_INACTIVE);
    } else {
        PostSaucerReport(place, " has successfully mapped a new sub-sector", 2);
        target.ChangeCounter(kScoutCounter);
    }
}

void HuntFood(int place) {
    if (place == 0) {
        Globals::GetMothership()->ChangeFood(kShipHunt);
    } else {
        Globals::GetMap()->GetSector(place, -1)->GetBunker()->ChangeFood(kBunkerHunt);
    }
    PostSaucerReport(
        place, " found a herd Large edible lifeforms. They has been added to the local food supply.", 1);
}

// The first crew member aboard searches; with nobody aboard there is no search and no draw.
void SearchCrew(int place, Aircraft& craft) {
    CrewNode const* searcher = craft.GetCrewQueue()->GetCrewNode(0);
    if (searcher == nullptr) {
        return;
    }
    Crew const& member = searcher->crew;
    int const roll = GameRand() % 100;
    if (roll > member.GetPerformance() / 10 * member.GetNavigation()) {
        return;
    }
    bool const female = GameRand() % 2 == 0;
    // A full crew list turns the newcomer away, and then there is nothing to report.
    if (!Globals::GetPlaceCrewQueue(place)->enqueue(RACE_HUMAN, female)) {
        return;
    }
    PostSaucerReport(place, " found a Fleepion. It has been added to the local crew.", 3);
}

}  // namespace

AirQueue* Globals::GetPlaceAirQueue(int place) {
    if (place == 0) {
        return Mother.GetAirQueue();
    }
    Sector* sector = Earth.GetSector(place, -1);
    return sector != nullptr ? sector->GetBunker()->GetAirQueue() : nullptr;
}

CrewQueue* Globals::GetPlaceCrewQueue(int place) {
    if (place == 0) {
        return Mother.GetCrewQueue();
    }
    Sector* sector = Earth.GetSector(place, -1);
    return sector != nullptr ? sector->GetBunker()->GetCrewQueue() : nullptr;
}

void Globals::CountAllCrew() {
    [[maybe_unused]] int total = 0;
    for (int place = 0; place < kPlaces; ++place) {
        total += GetPlaceCrewQueue(place)->GetTotal();
    }
}

void Globals::ProcessTransfers() {
    for (int place = 0; place < kPlaces; ++place) {
        AirQueue& here = *GetPlaceAirQueue(place);
        for (int i = 0; i < here.GetTotal(); ++i) {
            Aircraft& craft = here.GetNode(i)->aircraft;
            int const destination = craft.GetDestination();
            // A craft bound for its own home has nowhere to go and stays on its mission.
            if (craft.GetMission() != MISSION_TRAVEL || destination == craft.GetHome()) {
                continue;
            }
            AirQueue* there = GetPlaceAirQueue(destination);
            if (there == nullptr || !there->enqueue(craft)) {
                continue;
            }
            Aircraft& arrived = there->GetNode(0)->aircraft;
            arrived.SetHome(destination);
            arrived.SetMission(MISSION_INACTIVE);
            arrived.GetCrewQueue()->UnloadCrew(GetPlaceCrewQueue(destination));
            here.dequeue(craft);
            --i;  // the craft that followed it now has this index
        }
    }
}

void Globals::ProcessSaucerMissions() {
    for (int place = 0; place < kPlaces; ++place) {
        AirQueue& here = *GetPlaceAirQueue(place);
        int const count = here.GetTotal();
        for (int i = 0; i < count; ++i) {
            AircraftNode* node = here.GetNode(i);
            if (node == nullptr) {
                break;
            }
            Aircraft& craft = node->aircraft;
            Sector* target = Earth.GetSector(craft.GetDestination(), -1);
            if (target == nullptr) {
                continue;  // bound for the ship: no saucer mission is flown
            }
            // Each check reads the mission afresh: a scout that finishes is inactive for the rest.
            if (craft.GetMission() == MISSION_SCOUT) {
                Scout(place, craft, *target);
            }
            if (craft.GetMission() == MISSION_ABDUCT_LARGE) {
                HuntFood(place);
            }
            if (craft.GetMission() == MISSION_ABDUCT_INTELLIGENT) {
                SearchCrew(place, craft);
            }
        }
    }
}

void Globals::ProcessBunkerConstruction() {
    for (int number = 1; number <= Map::kSectors; ++number) {
        Sector& sector = *Earth.GetSector(number, -1);
        Bunker& bunker = *sector.GetBunker();
        if (bunker.GetCrewQueue()->GetTotal() < 1 || bunker.GetVisible()) {
            continue;
        }
        int const days = bunker.BuildBunker();
        char const letter[2] = {sector.GetLetter(), '\0'};
        char text[Message::kTextSize];
        if (bunker.GetVisible()) {
            StringSlam(text, "Bunker sucessfully built in sector ", letter);
            Post(text, 4);
            continue;
        }
        StringSlam(text, "Bunker in sector ", letter);
        if (days >= 1) {
            StringAppend(text, " has ");
            AppendNumber(text, days, kDaysWidth);
            StringAppend(text, " days until it's built.");
            Post(text, 2);
        } else {
            StringAppend(text, " will be ready for use tomorrow!");
            Post(text, 3);
        }
    }
}
