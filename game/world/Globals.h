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

private:
    static Mothership Mother;
    static Map Earth;
    static Alltechs Techs;
    static MessageQueue Messages;
    static int Day;
    static int Credits;
    static int FreighterCountdown;
    static bool GameOver;
};
