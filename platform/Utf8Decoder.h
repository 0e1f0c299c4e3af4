// UTF-8 read a byte at a time, as a terminal's bytes come in: only
// well-formed characters (no overlong forms, no surrogates, nothing past
// U+10FFFF), and a byte that fits no character is told at once, not after the
// bytes that should have followed it.
#pragma once

#include <cstdint>

namespace con {

class Utf8Decoder {
public:
    enum class Step {
        Character,  // the byte ended a character, which Code() holds
        More,       // the byte began or continued a character that needs more
        Stray,      // the byte can begin no character, and is dropped
        Cut,        // the byte cannot continue the character begun: that
                    // character is dropped and the byte is not taken
    };

    Step Add(uint8_t byte);
    char32_t Code() const { return code_; }
    // A character is begun and not yet ended.
    bool Pending() const { return needed_ > 0; }
    // Drops the character begun.
    void Drop() { needed_ = 0; }

private:
    char32_t code_ = 0;
    int needed_ = 0;  // bytes still to come of the character begun
    // The range of the next byte of it: narrower than 80-BF only right after
    // a lead byte, where the narrower range keeps out overlong forms,
    // surrogates and code points past U+10FFFF.
    uint8_t low_ = 0x80;
    uint8_t high_ = 0xBF;
};

}  // namespace con
