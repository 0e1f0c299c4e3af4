// The main deck: the ship picture cut into eight rooms, the description of
// the highlighted room, and the way the arrow keys lead from room to room.
#pragma once

#include <cstdint>
#include <functional>

#include "game/screens/DeckRoom.h"
#include "platform/Console.h"

// Clears the console (hiding the cursor at the top left) and draws the ship:
// the plain picture in white, or with shields up the green hull with every
// room tag in white over it; then the Super Freighter's tag when the
// freighter is present.
void DrawShipPicture(con::Handle hOut, bool shielded, bool freighterPresent);

// The highlighted room's description on rows 19 to 22: the header in black on
// green, three lines in black on grey between green side cells. Every room's
// description fills the same cells, so the next one covers it whole.
void DrawRoomDescription(DeckRoom room);

// The room an arrow key (by its virtual-key code) leads to from `room`, or
// `room` itself when that key leads nowhere from there. The Super Freighter
// is reached from the library and left for it only while it is present.
DeckRoom DeckRoomAfterMove(DeckRoom room, uint16_t virtualKey, bool freighterPresent);

// The Super Freighter can be visited: its countdown has run out and the ship
// is in orbit.
bool FreighterPresent();

// The ship picture, plain or shielded, with the freighter's tag while it is
// present.
void DrawMothership(con::Handle hOut);
void DrawMothershipShielded(con::Handle hOut);

// Called before the highlight moves to another room; does nothing yet.
void MainDeckMoveHook();

// The game's main loop: the player walks the deck with the arrows and enters
// the highlighted room with Enter, until the game is over. The caller has
// drawn the ship; `room` is highlighted first.
void MainDeck(con::Handle hIn, con::Handle hOut, DeckRoom room);

// For tests: while one lives, entering any room runs `screen` in place of the
// room's own screen.
class ScopedRoomScreens {
public:
    explicit ScopedRoomScreens(std::function<void(DeckRoom)> screen);
    ~ScopedRoomScreens();
    ScopedRoomScreens(ScopedRoomScreens const&) = delete;
    ScopedRoomScreens& operator=(ScopedRoomScreens const&) = delete;

private:
    std::function<void(DeckRoom)> screen_;
    std::function<void(DeckRoom)>* previous_;
};
