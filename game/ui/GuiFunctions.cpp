#include "game/ui/GuiFunctions.h"

#include <cstdint>
#include <cstring>
#include <iomanip>
#include <ostream>

#include "platform/Console.h"

namespace {

// Attribute and cursor for one call's output; returns the console stream.
std::ostream& Begin(int x, int y, int color) {
    con::Handle const out = con::GetStdHandle(con::STD_OUTPUT_HANDLE);
    con::SetConsoleTextAttribute(out, static_cast<uint16_t>(color));
    con::SetConsoleCursorPosition(out, con::Coord{static_cast<int16_t>(x), static_cast<int16_t>(y)});
    return con::Out();
}

// Writes `length` characters of `text` at (x, y), padded with blanks to `pad`
// columns when `pad` is larger.
void PrintSpan(char const* text, int length, int x, int y, int color, int pad) {
    std::ostream& out = Begin(x, y, color);
    out.write(text, length);
    for (int i = length; i < pad; ++i) {
        out.put(' ');
    }
}

}  // namespace

void PrintAt(char const* text, int x, int y, int color) { Begin(x, y, color) << text; }

void PrintAt(char character, int x, int y, int color) { Begin(x, y, color) << character; }

void PrintAt(int number, int x, int y, int color) { Begin(x, y, color) << number; }

void PrintAt(unsigned int number, int x, int y, int color) { Begin(x, y, color) << number; }

void PrintAt(double value, int x, int y, int color) { Begin(x, y, color) << value; }

void PrintPadded(char const* text, int x, int y, int color, int width) {
    Begin(x, y, color) << std::left << std::setw(width) << text << std::right;
}

void PrintPadded(int number, int x, int y, int color, int width) {
    Begin(x, y, color) << std::left << std::setw(width) << number << std::right;
}

void PrintWrapped(char const* text, int x, int y, int width, int color) {
    if (width < 1) {
        width = 1;  // a line must hold something, or the text never ends
    }
    int const n = static_cast<int>(std::strlen(text));
    int const fill = width + 1;  // columns of the last line
    int p = 0;
    int row = y;
    int limit = width;  // index sought back from for this line's break blank
    while (p < n - fill) {
        int brk = limit;
        while (brk > p && text[brk] != ' ') {
            --brk;
        }
        if (text[brk] == ' ') {
            // A blank at the very start of the line (after a double blank)
            // still breaks: the line is empty and the blank is dropped.
            PrintSpan(text + p, brk - p, x, row, color, 0);
            p = brk + 1;
        } else {
            // No blank in reach: break the word at the line's limit.
            int const take = limit - p > 0 ? limit - p : 1;
            PrintSpan(text + p, take, x, row, color, 0);
            p += take;
        }
        ++row;
        limit = p + width - 1;
    }
    PrintSpan(text + p, n - p, x, row, color, fill);
}
