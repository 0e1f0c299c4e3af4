// A test-only program for the terminal back end: draws known glyphs in known
// colours on a real terminal and shows the key records it reads, so a test can
// drive it in tmux and read the pane.
//
// Layout (80 x 25):
//   row 0          "TERMPROBE", the mode and the process id
//   rows 1-4       code page 437 bytes 0-255, 64 a row, in attribute 7
//   rows 6-21      attribute bg * 16 + fg at column fg of row 6 + bg, drawn as
//                  the hexadecimal digit of fg
//   row 23         "downs=N ups=M": key-down and release records read so far
//   row 24         "key N: vk=V ch=C", the last key-down and its number
//   cell (79, 24)  byte 4 (a diamond) in attribute 30, the bottom-right cell
//
// Modes (first argument): "read" (default) blocks in ReadConsoleInputA;
// "poll" polls _kbhit, reads one record and flushes on every pass, as the
// animated screens do. "throw" is "read" that throws on F9.
// Keys: F2 shows the cursor at (5, 23); F10 ends the program with status 0,
// and once the terminal is given back it prints "termprobe: N keys read".
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <unistd.h>

#include "platform/Console.h"
#include "platform/TerminalConsole.h"

namespace {

con::Handle Out() { return con::GetStdHandle(con::STD_OUTPUT_HANDLE); }

void Put(int x, int y, uint16_t attribute, char const* text, std::size_t length) {
    con::SetConsoleTextAttribute(Out(), attribute);
    con::SetConsoleCursorPosition(Out(), con::Coord{static_cast<int16_t>(x), static_cast<int16_t>(y)});
    con::Write(text, length);
}

void PutLine(int y, char const* text) {
    char line[41];
    std::snprintf(line, sizeof line, "%-40s", text);
    Put(0, y, 15, line, 40);
}

void DrawProbe(char const* mode) {
    con::SetConsoleTextAttribute(Out(), 7);
    con::ClearConsole();
    char title[60];
    std::snprintf(title, sizeof title, "TERMPROBE %s pid=%d", mode, static_cast<int>(getpid()));
    Put(0, 0, 15, title, std::strlen(title));
    for (int b = 0; b < 256; ++b) {
        char const byte = static_cast<char>(b);
        Put(b % 64, 1 + b / 64, 7, &byte, 1);
    }
    for (int a = 0; a < 256; ++a) {
        char const digit = "0123456789ABCDEF"[a & 15];
        Put(a & 15, 6 + (a >> 4), static_cast<uint16_t>(a), &digit, 1);
    }
    char const diamond = 4;
    Put(79, 24, 30, &diamond, 1);
    PutLine(23, "downs=0 ups=0");
    con::CursorInfo const hidden{100, false};
    con::SetConsoleCursorInfo(Out(), &hidden);
}

struct Counts {
    int downs = 0;
    int ups = 0;
    bool cursorShown = false;
};

// Shows a record; returns false when it ends the program.
bool Show(con::KeyRecord const& r, Counts& counts, bool throwOnF9) {
    char line[41];
    if (!r.keyDown) {
        ++counts.ups;
    } else {
        ++counts.downs;
        std::snprintf(line, sizeof line, "key %d: vk=%d ch=%d", counts.downs, r.virtualKey,
                      static_cast<int>(static_cast<unsigned char>(r.character)));
        PutLine(24, line);
    }
    std::snprintf(line, sizeof line, "downs=%d ups=%d", counts.downs, counts.ups);
    PutLine(23, line);
    if (r.keyDown && r.virtualKey == con::VK_F1 + 1) {
        con::CursorInfo const shown{25, true};
        con::SetConsoleCursorInfo(Out(), &shown);
        counts.cursorShown = true;
    }
    if (counts.cursorShown) {
        con::SetConsoleCursorPosition(Out(), con::Coord{5, 23});
    }
    if (!r.keyDown) {
        return true;
    }
    if (r.virtualKey == con::VK_F1 + 8 && throwOnF9) {
        throw std::runtime_error("the probe was asked to fail");
    }
    return r.virtualKey != con::VK_F1 + 9;
}

// Reads and shows keys until F10.
void Run(char const* mode, Counts& counts) {
    con::ScopedTerminal terminal;
    DrawProbe(mode);
    con::Handle const in = con::GetStdHandle(con::STD_INPUT_HANDLE);
    bool const poll = std::strcmp(mode, "poll") == 0;
    bool const throwOnF9 = std::strcmp(mode, "throw") == 0;
    for (;;) {
        con::KeyRecord r;
        uint32_t n = 0;
        if (poll) {
            if (con::_kbhit() != 0) {
                con::ReadConsoleInputA(in, &r, 1, &n);
            }
            con::FlushConsoleInputBuffer(in);
            if (n == 0) {
                continue;
            }
        } else {
            con::ReadConsoleInputA(in, &r, 1, &n);
        }
        if (!Show(r, counts, throwOnF9)) {
            return;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    Counts counts;
    Run(argc > 1 ? argv[1] : "read", counts);
    std::printf("termprobe: %d keys read\n", counts.downs);
    return 0;
}
