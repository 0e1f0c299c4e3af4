// Pictures and texts are written in the source with the glyphs a player sees
// (UTF-8), so a reader can see them; the console takes code page 437 bytes.
#pragma once

#include <string>
#include <vector>

// The lines of a block of UTF-8 text as code page 437 bytes. A block written
// as a raw string starts with a line break, which is skipped, as is a last
// empty line; every other line is kept as it is, blanks included.
std::vector<std::string> ArtLines(char const* utf8Block);

// Prints one line of a picture at (x, y) in a colour, leaving the cells under
// its leading and trailing blanks untouched: a picture drawn over another
// screen covers only the cells it draws.
void PrintArtLine(std::string const& line, int x, int y, int colour);
