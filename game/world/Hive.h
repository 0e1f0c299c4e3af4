// A hive of eggs of one race, carried in the mothership's cargo hold.
#pragma once

#include <cstddef>
#include <ostream>

#include "game/world/CrewType.h"

class Hive {
public:
    // Room for the longest egg name ("Woot Woot Eggs shouldnt exist", 29 characters).
    static constexpr std::size_t kNameSize = 32;
    static constexpr int kValue = 90;

    // Race 0, value 90, named "BAD".
    Hive();
    Hive(Hive const&) = default;
    // Copies name, race and value.
    Hive& operator=(Hive const&) = default;

    // Names the hive after the race's eggs; race 12 has no egg name and keeps the one it had.
    void SetType(CrewType const& race);
    // Copies as much of the name as the buffer holds, always terminated.
    void GetName(char* buffer, std::size_t size) const;
    template <std::size_t N>
    void GetName(char (&buffer)[N]) const {
        GetName(buffer, N);
    }
    void SetName(char const* text);
    CrewType GetType() const { return type; }
    int GetValue() const { return value; }

private:
    char name[kNameSize];
    CrewType type;
    int value;
};

// Name, value and race, each followed by a blank.
std::ostream& operator<<(std::ostream& out, Hive& hive);
