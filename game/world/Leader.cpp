#include "game/world/Leader.h"

#include <cstring>

#include "game/world/GameRandom.h"
#include "game/world/SillyString.h"

namespace {

struct LeaderRow {
    char const* name;
    bool flag;
    int performance;
    int navigation;
    int maintenance;
    int research;
    int military;
};

constexpr LeaderRow kLeaders[Leader::kTypes] = {
    {"Carolla", true, 100, 6, 6, 6, 6},          {"Emerson", false, 100, 6, 6, 6, 6},
    {"Pinsky", false, 100, 10, 8, 1, 5},         {"Scruggs", false, 100, 1, 10, 5, 8},
    {"Blobby the Blob", false, 100, 1, 1, 1, 1}, {"Hyde", false, 100, 1, 1, 5, 8},
    {"Kryptal", true, 100, 8, 5, 1, 10},         {"Nozawa", true, 100, 3, 3, 4, 4},
    {"Dr. Dobbs", true, 100, 10, 1, 10, 1},
};

constexpr LeaderRow kBadLeader = {"BAD", false, 100, 1, 1, 1, 1};

LeaderRow const& RowFor(int type) {
    if (type < 0 || type >= Leader::kTypes) {
        return kBadLeader;
    }
    return kLeaders[type];
}

}  // namespace

Leader::Leader()
    : name{},
      type(-1),
      flag(false),
      performance(0),
      navigation(0),
      maintenance(0),
      research(0),
      military(0),
      performanceGate(false) {
    SetType(-1);
}

void Leader::SetType(int const& newType) {
    LeaderRow const& row = RowFor(newType);
    StringCopy(name, row.name);
    type = newType;
    flag = row.flag;
    performance = row.performance;
    navigation = row.navigation;
    maintenance = row.maintenance;
    research = row.research;
    military = row.military;
}

void Leader::GetName(char* const buffer) const { std::memcpy(buffer, name, kNameSize); }

void Leader::ChangePerformance(int const& change) {
    if (!performanceGate) {
        return;
    }
    performance += change;
    if (performance > 100) {
        performance = 100;
    }
    if (performance < 0) {
        performance = 0;
    }
}

void Leader::IncreaseSkill() {
    switch (GameRand() % 4) {
        case 0: ++maintenance; break;
        case 1: ++military; break;
        case 2: ++navigation; break;
        default: ++research; break;
    }
}
