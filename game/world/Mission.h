// What a craft has been ordered to do; the daily steps act on scouting (1),
// attack (2), travel (4), the two abductions (5, 6) and bombing (9).
#pragma once

enum Mission : int {
    MISSION_INACTIVE = 0,
    MISSION_SCOUT = 1,
    MISSION_ATTACK = 2,
    MISSION_DEFEND = 3,
    MISSION_TRAVEL = 4,
    MISSION_ABDUCT_LARGE = 5,
    MISSION_ABDUCT_INTELLIGENT = 6,
    MISSION_SHUTTLE_CARGO = 7,
    MISSION_ESCORT = 8,
    MISSION_BOMB = 9,
};

inline constexpr int kMissions = 10;
