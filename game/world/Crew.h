// One crew member: a name, a race, a sex, four skills, a performance rating
// and a job. A member is built blank and given its race by SetType, which also
// names it.
#pragma once

#include <cstddef>
#include <ostream>

#include "game/world/CrewType.h"
#include "game/world/Job.h"

class Crew {
public:
    static constexpr std::size_t kNameSize = 20;  // 19 characters and the terminator

    // "BAD", race 0, male, performance 50, every skill 1, job 0, both flags clear.
    Crew();

    // Copies the name into the caller's buffer of at least kNameSize chars.
    void GetName(char* const buffer) const;
    // Renames the member; a longer name is cut to 19 characters.
    void NameCrew(char const* const newName);

    CrewType GetRace() const { return race; }
    bool GetMorF() const { return MorF; }  // false male, true female
    int GetPerformance() const { return performance; }
    int GetNavigation() const { return navigation; }
    int GetMaintenance() const { return maintenance; }
    int GetResearch() const { return research; }
    int GetMilitary() const { return military; }
    Job GetJob() const { return job; }
    Job GetJobIndex() const { return job; }
    bool GetCanChangePerformance() const { return canChangePerformance; }
    bool GetRaceFlag() const { return raceFlag; }
    void SetJob(Job newJob) { job = newJob; }

    // Gives the member a race and sex: the race's skills, performance, job and
    // flags, and a generated name. A race outside the table gets the invalid
    // race's values and the name "BAD" (the race itself is kept as given).
    void SetType(CrewType const& newRace, bool const& female);

    // Adds the change and keeps the result within 0-100, for the races whose
    // performance can change; the others keep theirs.
    void ChangePerformance(int const& change);
    // One draw picks the skill that grows by 1: 0 maintenance, 1 military,
    // 2 navigation, 3 research. Returns the draw.
    int IncreaseSkill();

    Crew(Crew const&) = default;
    Crew& operator=(Crew const&) = default;

private:
    char name[kNameSize];
    CrewType race;
    bool MorF;
    int performance;
    int navigation;
    int maintenance;
    int research;
    int military;
    bool canChangePerformance;
    bool raceFlag;
    Job job;
};

// The name, then race, job, maintenance, military, research, navigation, sex
// (0 male, 1 female) and performance, each after one blank, and a final blank.
std::ostream& operator<<(std::ostream& out, Crew const& crew);
