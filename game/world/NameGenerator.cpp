#include "game/world/NameGenerator.h"

#include "game/world/Crew.h"
#include "game/world/GameRandom.h"
#include "game/world/NameTables.h"
#include "game/world/SillyString.h"

using namespace nametables;

namespace {

// One draw, reduced to 0 .. count - 1.
int Draw(int count) {
    int const r = GameRand() % count;
    return r < 0 ? r + count : r;
}

int Draw(NameTable table) { return Draw(static_cast<int>(table.size())); }

void Append(char (&name)[Crew::kNameSize], char c) {
    char const one[2] = {c, '\0'};
    StringAppend(name, one);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsCapital(char c) { return c >= 'A' && c <= 'Z'; }

// A serial code: a digit and 2-5 capitals, a capital, a hyphen and 2-5
// digits, or a symbol and 2-5 characters of the whole set.
void WootWootName(char (&name)[Crew::kNameSize]) {
    int const length = Draw(4) + 2;
    char const first = kWootWootAll[Draw(48)];
    Append(name, first);
    if (IsDigit(first)) {
        for (int i = 0; i < length; ++i) {
            Append(name, kWootWootLetters[Draw(26)]);
        }
    } else if (IsCapital(first)) {
        Append(name, '-');
        for (int i = 0; i < length; ++i) {
            Append(name, kWootWootDigits[Draw(10)]);
        }
    } else {
        for (int i = 0; i < length; ++i) {
            Append(name, kWootWootAll[Draw(48)]);
        }
    }
}

void StemAndEnding(char (&name)[Crew::kNameSize], NameTable first, NameTable second) {
    int const a = Draw(first);
    int const b = Draw(second);
    StringAppend(name, first[a]);
    StringAppend(name, second[b]);
}

}  // namespace

void MakeName(CrewType const& race, char* const name, bool const& female) {
    char built[Crew::kNameSize] = "";
    switch (race) {
        case RACE_POVOLNIAN: {
            int const a = Draw(kPovolnianLong);
            int const b = Draw(kPovolnianShort);
            int const s = Draw(2);
            int const t = Draw(3);
            int const u = Draw(3);
            int const v = Draw(kPovolnianSuffix);
            if (s == 1) {
                if (t == 1) {
                    StringAppend(built, "Dr. ");
                }
                StringAppend(built, kPovolnianShort[b]);
                if (u == 1) {
                    StringAppend(built, " ");
                    StringAppend(built, kPovolnianSuffix[v]);
                }
            } else {
                StringAppend(built, kPovolnianLong[a]);
            }
            break;
        }
        case RACE_GREKKP: {
            int const a = Draw(kGrekkpStem);
            int const b = Draw(kGrekkpMale);
            int const c = Draw(kGrekkpFemale);
            StringAppend(built, kGrekkpStem[a]);
            StringAppend(built, female ? kGrekkpFemale[c] : kGrekkpMale[b]);
            break;
        }
        case RACE_MAKO: StemAndEnding(built, kMakoStem, kMakoEnding); break;
        case RACE_UBERFLECK: StemAndEnding(built, kUberfleckStem, kUberfleckEnding); break;
        case RACE_WOOT_WOOT: WootWootName(built); break;
        case RACE_MUDUDU: StemAndEnding(built, kMududuStem, kMududuEnding); break;
        case RACE_OBLIVION: StemAndEnding(built, kOblivionStem, kOblivionEnding); break;
        case RACE_DEORIAN: StemAndEnding(built, kDeorianStem, kDeorianEnding); break;
        case RACE_HAMPSTER: StringAppend(built, kHampsterPet[Draw(kHampsterPet)]); break;
        case RACE_IVINIAN:
            // A tree's beginning with a flower's end, or the other way round.
            if (Draw(2) == 0) {
                StemAndEnding(built, kIvinianTreeStem, kIvinianFlowerEnd);
            } else {
                StemAndEnding(built, kIvinianFlowerStem, kIvinianTreeEnd);
            }
            break;
        case RACE_PROBE:
        case RACE_HUMAN: {
            int const a = Draw(kHumanMale);
            int const b = Draw(kHumanFemale);
            int const j = Draw(25);
            int const k = Draw(kJokeName);
            if (j == 5) {
                StringAppend(built, kJokeName[k]);
            } else {
                StringAppend(built, female ? kHumanFemale[b] : kHumanMale[a]);
            }
            break;
        }
        default: return;  // no naming rule: the name stays
    }
    StringCopy(name, Crew::kNameSize, built);
}
