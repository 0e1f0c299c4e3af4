// The races a crew member can be. Values outside 0-14 read as the invalid race.
#pragma once

enum CrewType : int {
    RACE_INVALID = 0,
    RACE_POVOLNIAN = 1,
    RACE_GREKKP = 2,
    RACE_MAKO = 3,
    RACE_UBERFLECK = 4,
    RACE_WOOT_WOOT = 5,
    RACE_MUDUDU = 6,
    RACE_CLUCKTILLIAN = 7,
    RACE_OBLIVION = 8,
    RACE_DEORIAN = 9,
    RACE_HAMPSTER = 10,
    RACE_IVINIAN = 11,
    RACE_BLOB = 12,
    RACE_PROBE = 13,
    RACE_HUMAN = 14,
};

inline constexpr int kCrewTypes = 15;

// The race itself for 0-14, the invalid race for anything else.
constexpr CrewType ValidCrewType(CrewType race) {
    return race >= 0 && race < kCrewTypes ? race : RACE_INVALID;
}
