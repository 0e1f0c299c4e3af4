// Monkey play: the whole game driven on the virtual console by a seeded stream
// of random key presses, with the world's invariants checked after every key.
//
// Every run plays in a forked child, so each starts from the world as it was
// built at start-up and a crash, a sanitizer report or a hang ends only the
// child. When a run fails, the parent shrinks the keys (dropping keys while the
// same fault stays) and reports the seed and the shortest sequence it found, in
// the notation `Replay` reads, so the fault becomes a plain regression test.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Console.h"
#include "platform/VirtualConsole.h"

namespace monkey {

// One step of a run: a key press (its release follows by the console's rule),
// a lone record as it is (a release nobody pressed), or a number of polls with
// nothing pressed, so animated screens get passes of their own.
struct Step {
    con::KeyRecord record{};
    long idlePolls = 0;  // > 0: an idle step, the record is not used
};

using Steps = std::vector<Step>;

// ---- Key notation -----------------------------------------------------------
// Steps separated by blanks: Up Down Left Right Enter Esc PgUp PgDn Space Back
// Tab Home End Del Ins F1; a single printable character stands for itself
// ("y", "7", "c"); "idle:N" is N empty polls; "rel:VK" is a lone release of
// that virtual key; "chr:N" is the key of character code N.
std::string FormatSteps(Steps const& steps);
// Throws std::invalid_argument on a word it does not know.
Steps ParseSteps(std::string const& text);

// ---- The random stream ----------------------------------------------------
// `count` key presses from `seed`, weighted towards the keys the game reads
// (arrows, Enter, Escape, the page keys, Space, Y/N, digits, the library's
// single keys), with now and then a burst of one key, a stray release, an
// unused key, or a few idle polls between presses.
Steps RandomSteps(uint64_t seed, std::size_t count);
// Key presses in a run (idle steps and lone releases not counted).
std::size_t CountPresses(Steps const& steps);

// ---- The world's invariants -------------------------------------------------
// Crew members and craft in the whole world: on the ship, in every bunker,
// aboard every craft, and in a capsule being loaded.
struct Census {
    int crew = 0;
    int craft = 0;
    bool operator==(Census const&) const = default;
};
Census TakeCensus();
// What is wrong with the world now, or empty: food or fuel below 0 anywhere,
// the ship's artifacts or capsules below 0, its location, morale or work rate
// out of their ranges, a list whose count differs from the nodes its
// walk finds, a list over its capacity, a message queue out of type order or a
// message without its terminator.
std::string WorldFault();

// ---- Running ----------------------------------------------------------------
// What a run is given: the program to run (it is restarted whenever it
// returns), the steps, and the seed of the world's random draws.
using Program = std::function<void(con::Handle hIn, con::Handle hOut)>;

// The whole game as the program entry runs it, from the title menu.
void WholeGame(con::Handle hIn, con::Handle hOut);

struct Outcome {
    bool failed = false;
    std::string kind;         // a short fixed phrase: the same fault gives the same kind
    std::string detail;       // what was seen, for the report
    std::size_t steps = 0;    // steps taken when the fault was seen (the fault lies within them)
    std::size_t presses = 0;  // key presses among them
    // How far the run got: days ended, games ended, and who was left.
    int daysEnded = 0;
    int gamesEnded = 0;
    Census census;
};

// Plays in this process on a fresh virtual console: the world's random draws
// seeded with `seed` (the starting crew drawn anew from it, as at start-up),
// the invariants checked after every key. The world is changed for good.
Outcome PlayHere(Program const& program, Steps const& steps, unsigned seed);

// Plays in a forked child and reports what it saw, a crash (a signal, such as a
// sanitizer's abort) or a hang (no end within `timeoutSeconds`) included.
// With `quiet` the child's error output is thrown away.
Outcome Play(Program const& program, Steps const& steps, unsigned seed, int timeoutSeconds = 120,
             bool quiet = false);

// Drops keys from a failing run while it keeps failing with the same kind of
// fault, within a budget of attempts and seconds. Returns the shortest steps
// found (the given steps, cut at the fault, when nothing shorter fails).
Steps Shrink(Program const& program, Steps const& steps, unsigned seed, Outcome const& failure,
             int maxAttempts = 4000, int maxSeconds = 120);

// Plays `presses` random key presses of stream `seed` in the whole game; on a
// fault, shrinks it and returns a report with the seed and the shortest
// sequence; empty when the run held.
std::string MonkeyRun(uint64_t seed, std::size_t presses, Program const& program = WholeGame);

// Replays a sequence in the notation above (as a failure report prints it) in
// a forked child with the world seeded as in the report.
Outcome Replay(unsigned seed, std::string const& keys, Program const& program = WholeGame);
// The same with the keys read from a file (a report writes a sequence too
// long to print to one).
Outcome ReplayFile(unsigned seed, std::string const& path, Program const& program = WholeGame);

}  // namespace monkey
