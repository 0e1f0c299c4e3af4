#include "game/ui/ColorFunctions.h"

#include <cstdint>

#include "platform/Console.h"

void SetColor(ColorCode color) {
    con::SetConsoleTextAttribute(con::GetStdHandle(con::STD_OUTPUT_HANDLE), static_cast<uint16_t>(color));
}
