// Program entry.
#include "game/ui/ColorFunctions.h"
#include "game/ui/GuiFunctions.h"
#include "platform/Console.h"
#include "platform/TerminalConsole.h"

int main() {
    con::ScopedTerminal terminal;
    con::Handle const hIn = con::GetStdHandle(con::STD_INPUT_HANDLE);
    con::Handle const hOut = con::GetStdHandle(con::STD_OUTPUT_HANDLE);
    con::CursorInfo const hidden{100, false};
    con::SetConsoleCursorInfo(hOut, &hidden);

    // A plain start screen until the title menu takes its place.
    SetColor(15);
    con::ClearConsole();
    PrintAt("MOTHERSHIP HARVEST", 31, 11, 14);
    PrintAt("Press any key", 33, 13, 7);
    con::KeyRecord key;
    uint32_t read = 0;
    do {
        con::ReadConsoleInputA(hIn, &key, 1, &read);
    } while (read != 1 || !key.keyDown);

    con::SetConsoleCursorPosition(hOut, con::Coord{0, 24});
    return 0;
}
