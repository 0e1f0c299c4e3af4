// The fragments crew names are made of, race by race. Each table holds exactly
// as many rows as the generator draws from, none longer than its limit, so
// that every name fits the 19 characters of a crew member's name.
#pragma once

#include <span>

using NameTable = std::span<char const* const>;

namespace nametables {

extern NameTable const kPovolnianLong;      // 30 rows, at most 15 characters
extern NameTable const kPovolnianShort;     // 41 rows, at most 10 characters
extern NameTable const kPovolnianSuffix;    // 5 rows, at most 3 characters
extern NameTable const kGrekkpStem;         // 65 rows, at most 6 characters
extern NameTable const kGrekkpFemale;       // 47 rows, at most 7 characters
extern NameTable const kGrekkpMale;         // 63 rows, at most 8 characters
extern NameTable const kMakoStem;           // 76 rows, at most 4 characters
extern NameTable const kMakoEnding;         // 76 rows, at most 8 characters
extern NameTable const kUberfleckStem;      // 74 rows, at most 6 characters
extern NameTable const kUberfleckEnding;    // 66 rows, at most 8 characters
extern NameTable const kMududuStem;         // 63 rows, at most 5 characters
extern NameTable const kMududuEnding;       // 88 rows, at most 9 characters
extern NameTable const kOblivionStem;       // 52 rows, at most 5 characters
extern NameTable const kOblivionEnding;     // 59 rows, at most 8 characters
extern NameTable const kDeorianStem;        // 145 rows, at most 5 characters
extern NameTable const kDeorianEnding;      // 104 rows, at most 8 characters
extern NameTable const kHampsterPet;        // 106 rows, at most 15 characters
extern NameTable const kIvinianTreeStem;    // 41 rows, at most 7 characters
extern NameTable const kIvinianFlowerEnd;   // 32 rows, at most 6 characters
extern NameTable const kIvinianFlowerStem;  // 38 rows, at most 6 characters
extern NameTable const kIvinianTreeEnd;     // 38 rows, at most 6 characters
extern NameTable const kHumanMale;          // 274 rows, at most 12 characters
extern NameTable const kHumanFemale;        // 303 rows, at most 10 characters
extern NameTable const kJokeName;           // 9 rows, at most 17 characters

// Woot Woot serial codes: the whole set (48), capital letters (26), digits (10).
extern char const kWootWootAll[];
extern char const kWootWootLetters[];
extern char const kWootWootDigits[];

}  // namespace nametables
