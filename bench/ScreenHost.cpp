// One screen of the game on the real terminal, as the game shows it, for
// measurements that need a screen the title menu is far from: the Super
// Freighter, which otherwise waits thirty days of play.
//
//   screenhost freighter
#include <cstring>

#include "game/screens/SuperFreighterMenu.h"
#include "game/ui/ScreenFrame.h"
#include "platform/Console.h"
#include "platform/TerminalConsole.h"

int main(int argc, char** argv) {
    if (argc != 2 || std::strcmp(argv[1], "freighter") != 0) {
        return 2;
    }
    con::ScopedTerminal terminal;
    con::Handle const hIn = con::GetStdHandle(con::STD_INPUT_HANDLE);
    con::Handle const hOut = con::GetStdHandle(con::STD_OUTPUT_HANDLE);
    PrepareConsole(hIn, hOut);
    // Taking the shuttle back leaves the screen: it opens again.
    for (;;) {
        SuperFreighterMenu(hIn, hOut);
    }
}
