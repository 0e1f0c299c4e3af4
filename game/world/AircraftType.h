// The four kinds of craft. Any other value reads as the invalid type "BAD!".
#pragma once

enum AircraftType : int {
    SAUCER_TRANSPORT = 0,
    STEALTH_FIGHTER = 1,
    HULK_BOMBER = 2,
    CARGO_BARGE = 3,
};

inline constexpr int kAircraftTypes = 4;
