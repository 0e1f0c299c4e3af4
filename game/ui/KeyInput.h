// Reading the player's keys from the console.
//
// Blocking screens read one record at a time and act only on key presses (a
// key going down); releases pass by. A console that cannot be read at all (a
// lost or wrong input handle) answers every read with an Escape press, which
// leaves every blocking screen, so no loop waiting on such a console spins.
// The polling screens (the title, the main deck, the Super Freighter) look
// for a waiting key once a pass instead and never block.
#pragma once

#include <cstdint>

#include "platform/Console.h"

// The Escape press that stands for a console that cannot be read.
inline constexpr con::KeyRecord kLostConsoleKey{con::KEY_EVENT, true, con::VK_ESCAPE, 27};

// What one read of the console gave.
enum class KeyRead : uint8_t {
    Press,  // a key going down
    Other,  // a release, or a record that is no key event
    Lost,   // no record could be read: the record holds kLostConsoleKey
};

// Reads one input record, leaving whatever waits behind it.
KeyRead ReadKeyRecord(con::Handle hIn, con::KeyRecord& record);

// Reads one input record and discards whatever else waits. True when it is a
// key press (releases and other records are false). When no record can be
// read at all the answer is an Escape press, so a screen waiting on a lost
// console leaves instead of spinning.
bool ReadKeyPress(con::Handle hIn, con::KeyRecord& record);

// Waits for the next key press; releases pass by. Keys that wait behind it
// stay, for screens that take the keys one by one as they come. A console
// that cannot be read gives an Escape press.
con::KeyRecord NextKeyPress(con::Handle hIn);

// A polling screen's look at the keyboard: when a key waits, one record is
// read, and true means it was a key press. Nothing is flushed: the screen
// flushes at the end of its pass.
bool PollKeyPress(con::Handle hIn, con::KeyRecord& record);
