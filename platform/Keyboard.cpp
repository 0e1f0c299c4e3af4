#include "platform/Keyboard.h"

namespace con {

namespace {

// Keyboard codes for punctuation (US layout); never the codes of arrows or
// page keys.
uint16_t OemCode(char c) {
    switch (c) {
        case ';':
        case ':': return 186;
        case '=':
        case '+': return 187;
        case ',':
        case '<': return 188;
        case '-':
        case '_': return 189;
        case '.':
        case '>': return 190;
        case '/':
        case '?': return 191;
        case '`':
        case '~': return 192;
        case '[':
        case '{': return 219;
        case '\\':
        case '|': return 220;
        case ']':
        case '}': return 221;
        case '\'':
        case '"': return 222;
        case '!': return '1';
        case '@': return '2';
        case '#': return '3';
        case '$': return '4';
        case '%': return '5';
        case '^': return '6';
        case '&': return '7';
        case '*': return '8';
        case '(': return '9';
        case ')': return '0';
        default: return 0;
    }
}

}  // namespace

KeyRecord KeyRecordFor(char character) {
    KeyRecord r;
    // Plain ASCII tests: the locale may call bytes above 127 letters.
    auto const c = static_cast<unsigned char>(character);
    r.character = character;
    if (c == '\r' || c == '\n') {
        r.virtualKey = VK_RETURN;
        r.character = 13;
    } else if (c == 27) {
        r.virtualKey = VK_ESCAPE;
    } else if (c == 8 || c == 127) {
        r.virtualKey = VK_BACK;
        r.character = 8;
    } else if (c == '\t') {
        r.virtualKey = VK_TAB;
    } else if (c == ' ') {
        r.virtualKey = VK_SPACE;
    } else if (c >= 1 && c <= 26) {
        r.virtualKey = static_cast<uint16_t>('A' + c - 1);  // Ctrl+letter
    } else if (c >= 'a' && c <= 'z') {
        r.virtualKey = static_cast<uint16_t>(c - 'a' + 'A');
    } else if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
        r.virtualKey = c;
    } else {
        r.virtualKey = OemCode(character);
    }
    return r;
}

}  // namespace con
