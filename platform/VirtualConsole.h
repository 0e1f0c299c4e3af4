// A console in memory for tests: the same model as the terminal, a script of
// key presses and a clock that Sleep advances without waiting.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Backend.h"

namespace con {

// Thrown when the game waits for a key after the script is used up, so a test
// of any loop ends.
class ScriptExhausted : public std::runtime_error {
public:
    ScriptExhausted() : std::runtime_error("key script exhausted") {}
};

class VirtualConsole : public Backend {
public:
    VirtualConsole() = default;

    // ---- The script ----------------------------------------------------
    // A key press (its release follows by the console's rule).
    VirtualConsole& Press(uint16_t virtualKey, char character = 0);
    VirtualConsole& Up() { return Press(VK_UP); }
    VirtualConsole& Down() { return Press(VK_DOWN); }
    VirtualConsole& Left() { return Press(VK_LEFT); }
    VirtualConsole& Right() { return Press(VK_RIGHT); }
    VirtualConsole& PageUp() { return Press(VK_PRIOR); }
    VirtualConsole& PageDown() { return Press(VK_NEXT); }
    VirtualConsole& Enter() { return Press(VK_RETURN, 13); }
    VirtualConsole& Escape() { return Press(VK_ESCAPE, 27); }
    VirtualConsole& Space() { return Press(VK_SPACE, ' '); }
    VirtualConsole& Backspace() { return Press(VK_BACK, 8); }
    // One press per character, with the code a keyboard gives it.
    VirtualConsole& Type(std::string const& text);
    // Any record as it is, key-down or not (for tests of release handling).
    VirtualConsole& Record(KeyRecord const& record);
    // Lets `polls` polls of `_kbhit` pass with nothing pressed.
    VirtualConsole& Idle(long polls);
    // Polls allowed after the script ends before `_kbhit` throws.
    long pollsAfterScript = 1000;
    std::size_t ScriptLeft() const { return script_.size(); }

    // The record a keyboard gives for a character (letters by their upper
    // case code, digits, punctuation by its keyboard code, Enter, Escape...).
    static KeyRecord RecordFor(char character);

    // ---- The clock -------------------------------------------------------
    uint64_t NowMs() const { return clockMs_; }
    // Called at every Sleep, before the clock advances.
    std::function<void(VirtualConsole&, uint32_t)> onSleep;
    // Called at every poll of _kbhit and every blocking read (a wait point).
    std::function<void(VirtualConsole&)> onWait;

    // ---- Reading the screen ----------------------------------------------
    uint8_t ByteAt(int x, int y) const { return Model().At(x, y).byte; }
    uint16_t AttrAt(int x, int y) const { return Model().At(x, y).attribute; }
    // Cells [x0, x1) of a row as UTF-8, code page 437 glyphs as Unicode.
    std::string Text(int y, int x0 = 0, int x1 = kColumns) const;
    // A rectangle as UTF-8 lines joined by '\n' (no trailing newline).
    std::string Picture(int x, int y, int width, int height) const;
    // The whole screen, for failure messages.
    std::string Dump() const;
    // A rectangle's attributes in decimal, one line per row, separated by
    // blanks.
    std::string Attributes(int x, int y, int width, int height) const;
    Coord Cursor() const { return Model().Cursor(); }
    long DroppedWrites() const { return Model().droppedWrites; }
    long RefusedPositions() const { return Model().refusedPositions; }
    // Fills every cell with one byte and attribute (to see what a drawer
    // leaves untouched).
    void Fill(uint8_t byte, uint16_t attribute);

    // What the sizing calls set, in order.
    std::vector<std::string> sizingLog;

    // ---- Back end ----------------------------------------------------------
    void Fetch(std::deque<KeyRecord>& queue, bool block) override;
    void Sleep(uint32_t milliseconds) override;
    bool SetBufferSize(Coord size) override;
    bool SetWindow(Rect const& window) override;

private:
    struct Entry {
        KeyRecord record;
        long idlePolls = 0;  // > 0: an idle entry
    };
    std::deque<Entry> script_;
    long emptyPolls_ = 0;
    uint64_t clockMs_ = 0;
};

// Installs a virtual console for the life of a scope.
class ScopedVirtualConsole {
public:
    ScopedVirtualConsole() : previous_(Install(&console_)) {}
    ~ScopedVirtualConsole() { Install(previous_); }
    ScopedVirtualConsole(ScopedVirtualConsole const&) = delete;
    ScopedVirtualConsole& operator=(ScopedVirtualConsole const&) = delete;
    VirtualConsole& operator*() { return console_; }
    VirtualConsole* operator->() { return &console_; }

private:
    VirtualConsole console_;
    Backend* previous_;
};

}  // namespace con
