// What a crew member is doing. Only research counts in the rules; the living
// quarters group 3-6 as research, 7 and above as maintenance, 0-2 as other.
#pragma once

enum Job : int {
    JOB_IDLE = 0,
    JOB_GUNNER = 1,      // in a plasma gun turret
    JOB_FACTOR_SIX = 2,  // the duty the crew card calls factor 6
    JOB_RESEARCH = 3,
    JOB_UNUSED_4 = 4,
    JOB_UNUSED_5 = 5,
    JOB_UNUSED_6 = 6,
    JOB_REPAIR_SHIP = 7,
    JOB_BUILD_ION_CANNON = 8,
    JOB_UPGRADE_ENGINE = 9,
    JOB_BUILD_ROBOT = 10,
    JOB_BUILD_CAPSULE = 11,
    JOB_BUILD_SAUCER = 12,
    JOB_BUILD_FIGHTER = 13,
    JOB_BUILD_BOMBER = 14,
    JOB_BUILD_BARGE = 15,
    JOB_BUILD_PLASMA_BOMB = 16,
    JOB_BUILD_NAPALM_BOMB = 17,
    JOB_BUILD_GAS_BOMB = 18,
    JOB_BUILD_NUCLEAR_BOMB = 19,
};

inline constexpr int kJobs = 20;
