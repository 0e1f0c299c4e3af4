// The console on a real terminal, through ncursesw: what players run.
//
// The model (80 x 25 cells of code page 437 bytes and attributes) stays the
// truth; at every wait point the terminal is brought up to date with it,
// writing only the cells that changed since the last time. Terminal input is
// read here, not by the curses library, and a TerminalReader makes key
// records of its bytes, with the keyboard codes the game reads. A terminal
// smaller than 80 x 25 shows one line asking for more room and the game waits,
// never seeing the resize.
//
// A polling screen whose polls have changed nothing for about a second (no
// cell, no cursor, no pause in between) is at rest: its next poll waits for a
// key, a resize or a signal instead of timing out, so a still screen costs no
// wake-ups. Screens that animate change the model between polls and never rest;
// their polls ask the terminal only every 32nd pass, which waits up to 32 ms.
// Every wait watches the terminal and a pipe that the resize signal writes
// to, so that neither a key nor a resize is kept waiting.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Backend.h"
#include "platform/TerminalReader.h"

struct screen;  // the curses library's own

namespace con {

// The terminal cannot be used (not a terminal, or an unknown terminal type).
class TerminalUnavailable : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// How one attribute is shown: terminal (ANSI) colour numbers and whether
// bold stands in for a bright foreground.
struct TerminalColours {
    int foreground = 7;
    int background = 0;
    bool bold = false;
    bool operator==(TerminalColours const&) const = default;
};

// The console's colour numbers have red and blue swapped against the
// terminal's (1 blue, 4 red there; 1 red, 4 blue here); bit 8 is bright in both.
int AnsiColour(int consoleColour);
// Colours for an attribute on a terminal with `colours` colours (16 or more:
// exact; 8: bright foregrounds in bold, and a foreground that would vanish
// into its background is made readable).
TerminalColours ColoursFor(uint16_t attribute, int colours);

// The line shown while the terminal is too small.
std::string SizeMessage(int columns, int rows);
// That line broken at blanks into lines of at most `columns` characters, so a
// narrow terminal shows it whole.
std::vector<std::string> SizeMessageLines(int columns, int rows);

class TerminalConsole : public Backend {
public:
    // Takes over the terminal on standard input and output; throws
    // TerminalUnavailable when there is none.
    TerminalConsole();
    ~TerminalConsole() override;

    void Fetch(std::deque<KeyRecord>& queue, bool block) override;
    void Discard() override;
    void Sleep(uint32_t milliseconds) override;
    void Present() override;

    // Gives the terminal back (cursor shown, colours reset, echo and line
    // mode back); done by the destructor, at most once.
    void Restore();

    bool Utf8() const { return utf8_; }
    int Colours() const { return colours_; }

private:
    struct Look {
        short pair = 0;
        unsigned attributes = 0;
        bool ready = false;
    };

    enum class Input { Key, Resize, None };
    // The next key, or a resize, waiting up to `waitMs` (-1: as long as it
    // takes; 0: not at all) for one. A resize (or a continue after a stop) is
    // told once, whenever its signal landed; the size itself is followed by
    // SyncSize.
    Input NextInput(int waitMs, KeyRecord& key);
    // Reads what the terminal has into the reader, without waiting; returns
    // the bytes read. ReadWaiting first asks whether anything waits, for
    // callers that have not just been told so by a poll.
    int ReadTerminal();
    int ReadWaiting();
    // Notes that the terminal has nothing more to read now.
    void ReadToTheEnd();
    // The terminal's input modes while the game has it: no flow control, and
    // reads that never wait.
    void TakeInputModes();
    // Tells the reader the keys of the terminal's description.
    void DescribeKeys();
    Look const& LookFor(uint16_t attribute);
    void DrawCell(int x, int y, Cell const& cell);
    // Follows a resize the curses library has not yet been told of.
    void SyncSize();
    bool TooSmall() const;
    // Whether this poll finds the screen at rest; notes what the poll saw.
    bool AtRest();
    // While the terminal is too small: the size line, and a wait (blocking,
    // no timeout) for resizes until it is large enough.
    void WaitForRoom();
    void HandleTerminalLoss();

    ::screen* screen_ = nullptr;
    bool restored_ = false;
    bool utf8_ = false;
    int colours_ = 0;
    int pairsAvailable_ = 0;
    short nextPair_ = 1;
    std::array<short, 256> pairFor_{};  // by terminal foreground * 16 + background
    std::array<Look, 256> looks_{};
    // What the terminal shows, to write only what changed.
    std::array<std::array<Cell, kColumns>, kRows> shown_{};
    bool redrawAll_ = true;
    bool quietSincePoll_ = false;   // the last poll found nothing, and nothing happened since
    int pollsSinceWait_ = 0;        // polls since the last one that waited
    bool askNext_ = false;          // a pause came: the next poll looks at the terminal
    int resizeReadFd_ = -1;         // the resize signal's pipe, the end waits watch
    TerminalReader reader_{false};  // set for the locale once it is known
    int emptyWakeUps_ = 0;          // wake-ups in a row for input that no read found
    // When the terminal was last read to its end, and whether the game has
    // paused since: for what waits unread when the time of a key begun is out.
    std::chrono::steady_clock::time_point readTo_{};
    bool pausedSinceRead_ = false;
    // What the last poll saw, to tell a still screen from one that moves.
    bool stirred_ = true;  // a key, a pause or a resize since the last poll
    uint64_t polledGeneration_ = 0;
    Coord polledCursorAt_{-1, -1};
    bool polledCursorShown_ = false;
    int stillPolls_ = 0;  // polls in a row that found nothing changed
    std::chrono::steady_clock::time_point stillSince_;
    uint64_t shownGeneration_ = 0;
    int shownCursor_ = -1;  // curses cursor mode last set
    Coord shownCursorAt_{-1, -1};
};

// Installs a terminal back end for the life of a scope (the program entry's),
// with the guards that give the terminal back on every way out. When there is
// no usable terminal it says so on standard error and exits with status 1.
class ScopedTerminal {
public:
    ScopedTerminal();
    ~ScopedTerminal();
    ScopedTerminal(ScopedTerminal const&) = delete;
    ScopedTerminal& operator=(ScopedTerminal const&) = delete;
    TerminalConsole& operator*() { return *console_; }
    TerminalConsole* operator->() { return console_.get(); }

private:
    std::unique_ptr<TerminalConsole> console_;
    Backend* previous_ = nullptr;
};

}  // namespace con
