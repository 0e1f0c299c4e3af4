#include "game/world/Crew.h"

#include "game/world/GameRandom.h"
#include "game/world/NameGenerator.h"
#include "game/world/SillyString.h"

namespace {

struct RaceRow {
    char const* name;  // written before the name generator runs; null keeps the name
    int performance;
    int navigation;
    int maintenance;
    int research;
    int military;
    Job job;
    bool canChangePerformance;
    bool raceFlag;
};

constexpr RaceRow kRaces[kCrewTypes] = {
    {"BAD", 0, 1, 1, 1, 1, JOB_IDLE, false, true},
    {nullptr, 50, 5, 8, 10, 1, JOB_RESEARCH, false, true},  // Povolnian
    {"Grekkp", 50, 6, 6, 6, 6, JOB_IDLE, false, true},
    {"Mako", 50, 10, 8, 1, 5, JOB_REPAIR_SHIP, false, true},
    {"Uberfleck", 50, 1, 10, 5, 8, JOB_REPAIR_SHIP, false, true},
    {"Woot Woot", 50, 9, 9, 3, 9, JOB_GUNNER, false, false},
    {"Mududu", 50, 8, 5, 1, 10, JOB_GUNNER, false, true},
    {"Clucktillian", 50, 10, 1, 10, 1, JOB_RESEARCH, false, true},
    {"Oblivion", 50, 1, 8, 8, 1, JOB_RESEARCH, false, false},
    {"Deorian", 100, 3, 3, 4, 4, JOB_IDLE, true, true},
    {"Hampster", 50, 1, 1, 1, 10, JOB_IDLE, true, false},
    {"Ivinian", 50, 5, 1, 1, 5, JOB_IDLE, false, true},
    {"Blob", 25, 1, 1, 1, 1, JOB_IDLE, false, false},
    {"Probe", 50, 4, 4, 4, 4, JOB_IDLE, false, false},
    {"Human", 0, 4, 4, 4, 4, JOB_IDLE, true, false},
};

}  // namespace

Crew::Crew()
    : name{},
      race(RACE_INVALID),
      MorF(false),
      performance(50),
      navigation(1),
      maintenance(1),
      research(1),
      military(1),
      canChangePerformance(false),
      raceFlag(false),
      job(JOB_IDLE) {
    StringCopy(name, "BAD");
}

void Crew::GetName(char* const buffer) const { StringCopy(buffer, kNameSize, name); }

void Crew::NameCrew(char const* const newName) { StringCopy(name, newName); }

void Crew::SetType(CrewType const& newRace, bool const& female) {
    RaceRow const& row = kRaces[ValidCrewType(newRace)];
    if (row.name != nullptr) {
        StringCopy(name, row.name);
    }
    race = newRace;
    MorF = female;
    MakeName(race, name, MorF);
    performance = row.performance;
    maintenance = row.maintenance;
    military = row.military;
    navigation = row.navigation;
    research = row.research;
    canChangePerformance = row.canChangePerformance;
    job = row.job;
    raceFlag = row.raceFlag;
}

void Crew::ChangePerformance(int const& change) {
    if (!canChangePerformance) {
        return;
    }
    long const changed = static_cast<long>(performance) + change;
    performance = changed > 100 ? 100 : changed < 0 ? 0 : static_cast<int>(changed);
}

int Crew::IncreaseSkill() {
    int draw = GameRand() % 4;
    if (draw < 0) {
        draw += 4;
    }
    switch (draw) {
        case 0: ++maintenance; break;
        case 1: ++military; break;
        case 2: ++navigation; break;
        default: ++research; break;
    }
    return draw;
}

std::ostream& operator<<(std::ostream& out, Crew const& crew) {
    char name[Crew::kNameSize];
    crew.GetName(name);
    return out << name << ' ' << static_cast<int>(crew.GetRace()) << ' ' << static_cast<int>(crew.GetJob())
               << ' ' << crew.GetMaintenance() << ' ' << crew.GetMilitary() << ' ' << crew.GetResearch()
               << ' ' << crew.GetNavigation() << ' ' << (crew.GetMorF() ? 1 : 0) << ' '
               << crew.GetPerformance() << ' ';
}
