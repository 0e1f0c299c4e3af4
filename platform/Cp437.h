// Code page 437 as Unicode: how the game's bytes look on a UTF-8 terminal.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace con {

// The Unicode code point shown for a byte (0 shows as a blank, 1-31 and 127 as
// their traditional glyphs: smileys, suits, arrows).
char32_t Cp437ToUnicode(uint8_t byte);
// The same as UTF-8 bytes.
std::string Cp437ToUtf8(uint8_t byte);
// A readable ASCII stand-in for terminals without UTF-8.
char Cp437ToAscii(uint8_t byte);
// The byte whose glyph is this code point, or -1 (for tests that write
// pictures in the glyphs a player sees).
int UnicodeToCp437(char32_t code);
// A UTF-8 text turned into code page 437 bytes: a character the code page
// lacks becomes '?', a byte that does not begin a well-formed character is
// kept as it is.
std::string Utf8ToCp437(std::string_view utf8);

}  // namespace con
