#include "game/world/Message.h"

#include <cstdint>
#include <cstring>

#include "game/ui/ColorFunctions.h"
#include "game/ui/GuiFunctions.h"
#include "game/world/SillyString.h"
#include "platform/Console.h"

Message::Message() : text{}, flag(false), type(0) { StringCopy(text, "Message input failed"); }

Message::Message(char const* const newText, int newType) : text{}, flag(false), type(newType) {
    StringCopy(text, newText);
}

void Message::SetText(char const* const newText) { StringCopy(text, newText); }

bool Message::operator==(Message const& other) const { return std::strcmp(text, other.text) == 0; }

int Message::ColorOf(int type) {
    switch (type) {
        case 6: return 12;
        case 5: return 14;
        case 4:
        case 3: return 10;
        case 2:
        case 1: return 3;
        case 0: return 5;
        default: return 240;
    }
}

void Message::Print(int x, int y) const {
    int const color = ColorOf(type);
    SetColor(color);
    con::SetConsoleCursorPosition(con::GetStdHandle(con::STD_OUTPUT_HANDLE),
                                  con::Coord{static_cast<int16_t>(x), static_cast<int16_t>(y)});
    PrintWrapped(text, x, y, kWrapWidth, color);
}
