#include "game/world/Hive.h"

#include "game/world/SillyString.h"

namespace {

// Egg names by race; the empty row (race 12) leaves the name as it was.
constexpr char const* kEggNames[] = {
    "BAD",          "Povolnian Eggs",    "Grekkp Eggs",
    "Mako Eggs",    "Uberfleck Eggs",    "Woot Woot Eggs shouldnt exist",
    "Mududu Eggs",  "Clucktillian Eggs", "Oblivion Eggs",
    "Deorian Eggs", "Hampster Eggs",     "Ivinian Eggs",
    nullptr,        "Probe Eggs",        "Human Eggs",
};
constexpr int kRaces = sizeof(kEggNames) / sizeof(kEggNames[0]);

}  // namespace

Hive::Hive() : name{}, type(RACE_INVALID), value(kValue) { StringCopy(name, "BAD"); }

void Hive::SetType(CrewType const& race) {
    int const row = static_cast<int>(race);
    char const* eggs = (row >= 0 && row < kRaces) ? kEggNames[row] : kEggNames[0];
    if (eggs != nullptr) {
        StringCopy(name, eggs);
    }
    type = race;
    value = kValue;
}

void Hive::GetName(char* buffer, std::size_t size) const { StringCopy(buffer, size, name); }

void Hive::SetName(char const* text) { StringCopy(name, text); }

std::ostream& operator<<(std::ostream& out, Hive& hive) {
    char name[Hive::kNameSize];
    hive.GetName(name);
    out << name << ' ' << hive.GetValue() << ' ' << static_cast<int>(hive.GetType()) << ' ';
    return out;
}
