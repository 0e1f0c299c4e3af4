#include "game/world/ReportText.h"

#include "game/world/Globals.h"
#include "game/world/SillyString.h"

namespace {

constexpr int kMostDigits = 10;  // every int fits

}  // namespace

void AppendNumber(char* text, std::size_t size, int value, int width) {
    int const field = width < kMostDigits ? width : kMostDigits;
    char digits[kMostDigits + 1];
    NumberToText(value, digits, false, field);
    CleanNumberText(digits, field);
    StringCutAtBlank(digits);
    StringAppend(text, size, digits);
}

void PlaceName(char* name, std::size_t size, int place) {
    if (place == 0) {
        StringCopy(name, size, "Mothership");
        return;
    }
    Sector const* sector = Globals::GetMap()->GetSector(place, -1);
    char const letter[2] = {sector != nullptr ? sector->GetLetter() : '?', '\0'};
    StringSlam(name, size, "Sector ", letter);
}

void FighterReport(char* text, std::size_t size, int destroyed, int lost) {
    StringCopy(text, size, "Battle Report: Fighers have destroyed ");
    AppendNumber(text, size, destroyed, 4);
    StringAppend(text, size, " enemy fighters, and taken ");
    AppendNumber(text, size, lost, 4);
    StringAppend(text, size, " casualties");
}

void BomberReport(char* text, std::size_t size, int killed, int structures, int lost) {
    StringCopy(text, size, "Battle Report: Bombers have destroyed ");
    AppendNumber(text, size, killed, 9);
    StringAppend(text, size, " enemy soilders, destroyed ");
    AppendNumber(text, size, structures, 9);
    StringAppend(text, size, " structures, and taken ");
    AppendNumber(text, size, lost, 3);
    StringAppend(text, size, " casualties");
}
