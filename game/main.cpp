// Program entry: the console made ready for the game, then the title menu
// until the player chooses EXIT.
#include "game/screens/TitleMenu.h"
#include "game/ui/ScreenFrame.h"
#include "platform/Console.h"
#include "platform/TerminalConsole.h"

int main() {
    con::ScopedTerminal terminal;
    con::Handle const hIn = con::GetStdHandle(con::STD_INPUT_HANDLE);
    con::Handle const hOut = con::GetStdHandle(con::STD_OUTPUT_HANDLE);
    PrepareConsole(hIn, hOut);

    MainMenu(hIn, hOut);

    con::SetConsoleCursorPosition(hOut, con::Coord{0, 24});
    return 0;
}
