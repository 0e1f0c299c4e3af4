#include "platform/TerminalType.h"

#include <unistd.h>

#ifndef NCURSES_WIDECHAR
#define NCURSES_WIDECHAR 1
#endif
#include <ncursesw/curses.h>
// After the curses header, and in a file of its own: the terminal database's
// header defines every capability's name (columns, lines...) as a macro.
#include <ncursesw/term.h>

namespace con {

namespace {

bool HasString(char const* capability) {
    char const* value = tigetstr(capability);
    return value != nullptr && value != reinterpret_cast<char const*>(-1) && *value != '\0';
}

}  // namespace

std::string TerminalTypeProblem(char const* term) {
    std::string const name = term != nullptr ? term : "";
    if (name.empty()) {
        return "TERM is not set, so the terminal type is unknown (set TERM)";
    }
    // setupterm reads the description and asks the terminal for its settings
    // and size; it writes nothing and changes no mode. The description it
    // makes current is dropped again, so the curses screen starts afresh.
    TERMINAL* const previous = cur_term;
    int found = 0;
    int const status = setupterm(name.c_str(), STDOUT_FILENO, &found);
    bool const described = found == 1 && cur_term != nullptr;
    bool const placesCursor = described && HasString("cup");
    bool const clears = described && HasString("clear");
    if (cur_term != nullptr && cur_term != previous) {
        del_curterm(cur_term);
    }
    set_curterm(previous);
    // A type the database lacks, or one only good for "some terminal", is
    // refused as unknown.
    if (status != OK && !described) {
        return "unknown terminal type \"" + name + "\" (set TERM)";
    }
    if (placesCursor && clears) {
        return {};
    }
    char const* const lacks = !placesCursor && !clears ? "can do neither"
                              : !placesCursor          ? "cannot place the cursor"
                                                       : "cannot clear the screen";
    return "the game needs a terminal that can place the cursor and clear the screen; terminal type \"" +
           name + "\" " + lacks + " (set TERM)";
}

}  // namespace con
