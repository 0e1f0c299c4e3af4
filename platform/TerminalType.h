// What a terminal type can do, as the terminal database describes it. The
// game draws by placing the cursor and clears the screen between screens; a
// terminal that can do neither shows a line of glyphs and nothing readable
// after it, so such a terminal is refused before anything is written to it.
#pragma once

#include <string>

namespace con {

// Why the game cannot run on terminal type `term` (TERM's value, null when
// unset), or "" when it can. Only reads: the description is looked up on a
// throwaway, and the terminal's modes and screen are left as they are.
std::string TerminalTypeProblem(char const* term);

}  // namespace con
