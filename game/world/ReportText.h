// Shared wording of the morning's reports from the day's steps: bare numbers in bounded fields, place
// names and the two battle reports.
#pragma once

#include <cstddef>

// Appends `value` in decimal with no blanks or commas. The field shows at most `width` digits
// (up to 10): a longer number keeps its lowest digits, as the report fields have always shown it.
// A negative value appends nothing.
void AppendNumber(char* text, std::size_t size, int value, int width);
template <std::size_t N>
void AppendNumber(char (&text)[N], int value, int width) {
    AppendNumber(text, N, value, width);
}

// Where a craft is based, as the saucer reports name it: "Mothership" for place 0, otherwise
// "Sector " and the letter of that sector ("Sector ?" for a place that is no sector).
void PlaceName(char* name, std::size_t size, int place);
template <std::size_t N>
void PlaceName(char (&name)[N], int place) {
    PlaceName(name, N, place);
}

// "Battle Report: Fighers have destroyed ... enemy fighters, and taken ... casualties"
void FighterReport(char* text, std::size_t size, int destroyed, int lost);
template <std::size_t N>
void FighterReport(char (&text)[N], int destroyed, int lost) {
    FighterReport(text, N, destroyed, lost);
}

// "Battle Report: Bombers have destroyed ... enemy soilders, destroyed ... structures, and taken
// ... casualties"
void BomberReport(char* text, std::size_t size, int killed, int structures, int lost);
template <std::size_t N>
void BomberReport(char (&text)[N], int killed, int structures, int lost) {
    BomberReport(text, N, killed, structures, lost);
}
