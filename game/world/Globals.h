// The whole state of a game: the ship, Earth, the research tree, the morning's messages, the day,
// the credits, the Super Freighter's countdown and whether the game is over.
#pragma once

#include "game/world/Alltechs.h"
#include "game/world/Map.h"
#include "game/world/MessageQueue.h"
#include "game/world/Mothership.h"

class Globals {
public:
    static constexpr int kStartDay = 1;
    static constexpr int kStartCredits = 5000;
    static constexpr int kFreighterDays = 30;
    // The freighter stays in orbit while the countdown is 0 down to this.
    static constexpr int kFreighterLastOrbitDay = -6;

    // Runs the starting loadout on the ship; built once, at start-up.
    Globals();

    static Mothership* GetMothership() { return &Mother; }
    static MessageQueue* GetMessages() { return &Messages; }
    static Map* GetMap() { return &Earth; }
    static Alltechs* GetTechs() { return &Techs; }

    static int GetDay() { return Day; }
    static void NextDay() { ++Day; }
    static int GetCredits() { return Credits; }
    static int GetFreighterCountdown() { return FreighterCountdown; }
    static void TickSuperFreighter();
    static bool GetGameOver() { return GameOver; }
    static void SetGameOver(bool over) { GameOver = over; }

    // The ship's starting loadout: four craft, 33 crew and the nine advisors. Callable on any
    // ship so a fresh world can be built apart from the global one.
    static void StartingLoadout(Mothership& ship);
    // Takes the world back to a new game's start; the research tree and the messages stay.
    static void ResetGame();

    // Places a craft can stand in: 0 the ship's dock, 1-24 the bunker of that sector.
    static constexpr int kPlaces = Map::kSectors + 1;
    // The craft and crew lists of a place; null for a number that is no place.
    static AirQueue* GetPlaceAirQueue(int place);
    static CrewQueue* GetPlaceCrewQueue(int place);
    // Walks the crew of the ship and of every bunker (not those aboard craft) and counts them,
    // keeping no result; nothing in the game calls it.
    static void CountAllCrew();

    // ---- The day's steps. The end of the day runs them in this order, after the meals and
    // before the ship's travel. They change the world and queue the morning's reports, show
    // nothing on the screen, and make every random draw through GameRand in a fixed order.

    // Craft on a travel mission move to their destination's list, become inactive there and
    // unload all but their first two crew into the destination's crew, room permitting.
    static void ProcessTransfers();
    // Saucers scout their destination one square a day, hunt food and search for crew.
    static void ProcessSaucerMissions();
    // A day's work on every bunker that has crew and is not built yet, with its progress report.
    static void ProcessBunkerConstruction();
    // Every fighter and bomber strike of the day, then one battle report for each arm that struck.
    // A strike on a destination that is no sector is not made: no draw, no cost, no report.
    static void ProcessBattles();

    struct FighterTotals {
        int lost = 0;
        int destroyed = 0;  // enemy fighters: air defences removed
    };
    struct BomberTotals {
        int lost = 0;
        int killed = 0;  // enemy soldiers: population removed
        int structures = 0;
    };
    // One craft's strike on sector `target`; a craft's pilot is its first crew member and its
    // gunner the second, and a missing one counts as all skills 0. Returns true when the craft
    // was lost: it has been taken off its home's list and freed with its crew and bombs, so the
    // caller must not touch it again. A target that is no sector changes nothing and draws nothing.
    static bool FighterStrike(int target, Aircraft& craft, FighterTotals& totals);
    static bool BomberStrike(int target, Aircraft& craft, BomberTotals& totals);

private:
    // After each strike: two draws decide whether the craft is shot down; a lost craft is freed
    // and counted in `lost`. Returns whether it was lost.
    static bool LossTest(Aircraft& craft, int& lost);

    static Mothership Mother;
    static Map Earth;
    static Alltechs Techs;
    static MessageQueue Messages;
    static int Day;
    static int Credits;
    static int FreighterCountdown;
    static bool GameOver;
};
