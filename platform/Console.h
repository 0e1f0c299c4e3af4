// The console layer: the only part of the game that talks to a terminal.
//
// The game was laid out for a text console with an 80 x 25 buffer of cells, a
// current text attribute, a cursor and a queue of key records. This header
// gives the game that console under the names and argument shapes the game's
// screens use, backed by one of two back ends: the real terminal (ncursesw)
// or a virtual console that tests drive.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>

namespace con {

inline constexpr int kColumns = 80;
inline constexpr int kRows = 25;

// Opaque handle: only tells input from output.
using Handle = int;
inline constexpr int STD_INPUT_HANDLE = -10;
inline constexpr int STD_OUTPUT_HANDLE = -11;
inline constexpr Handle kInputHandle = 1;
inline constexpr Handle kOutputHandle = 2;
inline constexpr Handle kInvalidHandle = -1;

struct Coord {
    int16_t X = 0;
    int16_t Y = 0;
};

// Inclusive rectangle, as the console window is given.
struct Rect {
    int16_t Left = 0;
    int16_t Top = 0;
    int16_t Right = 0;
    int16_t Bottom = 0;
};

struct CursorInfo {
    uint32_t size = 25;  // 1-100, percent of the cell the cursor fills
    bool visible = true;
};

struct BufferInfo {
    Coord size;            // buffer columns x rows
    Coord cursor;          // cursor position
    uint16_t attributes;   // current text attribute
    Rect window;           // visible window, in buffer coordinates
    Coord maximumWindow;   // largest window this buffer allows
};

inline constexpr uint16_t KEY_EVENT = 1;

// One key event. Every record handed to the game is a key event.
struct KeyRecord {
    uint16_t eventType = KEY_EVENT;
    bool keyDown = true;
    uint16_t virtualKey = 0;
    char character = 0;
};

// Virtual-key codes the game reads.
enum VirtualKey : uint16_t {
    VK_BACK = 8,
    VK_TAB = 9,
    VK_RETURN = 13,
    VK_ESCAPE = 27,
    VK_SPACE = 32,
    VK_PRIOR = 33,  // Page Up
    VK_NEXT = 34,   // Page Down
    VK_END = 35,
    VK_HOME = 36,
    VK_LEFT = 37,
    VK_UP = 38,
    VK_RIGHT = 39,
    VK_DOWN = 40,
    VK_INSERT = 45,
    VK_DELETE = 46,
    VK_F1 = 112,  // F1-F12: 112-123
};

// Input mode bit: processed input only (no line input, no echo).
inline constexpr uint32_t ENABLE_PROCESSED_INPUT = 1;

// ---- The calls the screens make -------------------------------------------
Handle GetStdHandle(int which);
bool SetConsoleMode(Handle input, uint32_t mode);
bool SetConsoleTextAttribute(Handle output, uint16_t attribute);
bool SetConsoleCursorPosition(Handle output, Coord position);
bool SetConsoleCursorInfo(Handle output, CursorInfo const* info);
bool GetConsoleCursorInfo(Handle output, CursorInfo* info);
bool GetConsoleScreenBufferInfo(Handle output, BufferInfo* info);
Coord GetLargestConsoleWindowSize(Handle output);
bool SetConsoleScreenBufferSize(Handle output, Coord size);
bool SetConsoleWindowInfo(Handle output, bool absolute, Rect const* window);
// Blocks until a record waits, then hands out the oldest (at most `length`,
// in practice one). Every key-down handed out is later followed by its release.
bool ReadConsoleInputA(Handle input, KeyRecord* buffer, uint32_t length, uint32_t* read);
bool FlushConsoleInputBuffer(Handle input);
// True when a key-down record waits; removes nothing. Waits briefly when
// nothing is there, so polling loops never spin a core; on the terminal, once
// a polling screen has stood still for about a second, waits for the next key.
int _kbhit();
void Sleep(uint32_t milliseconds);

// Stands in for running "cls": every cell blank in the current attribute,
// cursor at (0, 0).
void ClearConsole();

// Writes bytes at the cursor in the current attribute (see ScreenModel::Put).
void Write(char const* bytes, std::size_t count);
// The console text stream: an unbuffered stream over Write, for the game's
// stream-style printing (field widths, numbers).
std::ostream& Out();

}  // namespace con
