#include "game/ui/CrewCard.h"

#include <array>

#include "game/ui/GuiFunctions.h"

namespace {

constexpr int kLabelColour = 15;
constexpr int kValueColour = 14;

// The card's own race names; a few differ from what other screens call them.
constexpr std::array<char const*, 15> kRaceNames = {
    "BAD",     "Povolnian", "Grekkp", "Mako",    "Uberfleck", "Woot Woot", "Mududu", "Clucktillian",
    "Oblivio", "Deorian",   nullptr,  "Ivinian", "Blob",      "Probe",     "Human",
};
constexpr int kSexedRace = 10;  // named by sex: see RaceName

constexpr std::array<char const*, 20> kJobSentences = {
    "Maxin' & Relaxin'!",
    "Defending the mothership in a plasma gun turret.",
    "Special factor 6!!!!",
    "Researching new technologies.",
    "Error!!!!",
    "Error!!!!",
    "Error!!!!",
    "Repairing the mothership.",
    "Building a new ion cannon for the mothership.",
    "Upgrading the engine speed of the mothership.",
    "Building a Woot Woot robot.",
    "Building a space capsule.",
    "Building a scout saucer.",
    "Building a fighter jet.",
    "Building a hulk bomber.",
    "Building a cargo barge.",
    "Building a plasma fusion bombs.",
    "Building a liquiferno napalm bombs.",
    "Building a neronutralizer gas bombs.",
    "Building a crater-maker nuclear bombs.",
};
// Whatever job a Human has, this is what the card says.
constexpr char kHumanSentence[] = "Jibbering in a corner, screaming in fear.";

char const* RaceName(CrewType race, bool female) {
    int const value = static_cast<int>(race);
    if (value == kSexedRace) {
        return female ? "Hampster" : "Widow";
    }
    if (value < 0 || value >= static_cast<int>(kRaceNames.size())) {
        return "Error";
    }
    return kRaceNames[static_cast<std::size_t>(value)];
}

char const* JobSentence(Crew const& member) {
    if (member.GetRace() == RACE_HUMAN) {
        return kHumanSentence;
    }
    int const job = static_cast<int>(member.GetJobIndex());
    if (job < 0 || job >= static_cast<int>(kJobSentences.size())) {
        return "Error!!!!";
    }
    return kJobSentences[static_cast<std::size_t>(job)];
}

// The labels, each with trailing blanks over the field of the value that
// follows it.
struct Label {
    char const* text;
    int x;
    int y;
};
constexpr Label kNameLabel{"NAME:                   ", 4, 19};
constexpr Label kRaceLabel{"RACE:                   ", 4, 20};
constexpr Label kPerformanceLabel{"PERFORMANCE:    ", 28, 20};
constexpr Label kSexLabel{"SEX:       ", 28, 19};
constexpr Label kResearchLabel{"RESEARCH:    ", 46, 19};
constexpr Label kMaintenanceLabel{"MAINTENANCE:    ", 60, 19};
constexpr Label kMilitaryLabel{"MILITARY:    ", 46, 20};
constexpr Label kNavigationLabel{"NAVIGATION:    ", 60, 20};
constexpr Label kJobLabel{"JOB:                                                            ", 4, 21};
constexpr std::array<Label, 9> kLabels = {kNameLabel,     kRaceLabel,       kPerformanceLabel,
                                          kSexLabel,      kResearchLabel,   kMaintenanceLabel,
                                          kMilitaryLabel, kNavigationLabel, kJobLabel};

void Put(Label const& label) { PrintAt(label.text, label.x, label.y, kLabelColour); }

}  // namespace

void ShowCrewInfo(int index, CrewQueue& crew) {
    CrewNode const* node = crew.GetCrewNode(index);
    if (node == nullptr) {
        // No member there (an empty list): an empty card, nothing made up.
        for (Label const& label : kLabels) {
            Put(label);
        }
        return;
    }
    Crew const& member = node->crew;
    char name[Crew::kNameSize];
    member.GetName(name);

    // In this order: a label drawn after a value covers what of it runs into
    // the label's cells.
    Put(kNameLabel);
    Put(kRaceLabel);
    PrintAt(RaceName(member.GetRace(), member.GetMorF()), 10, 20, kValueColour);
    PrintAt(name, 10, 19, kValueColour);
    Put(kPerformanceLabel);
    PrintAt(member.GetPerformance(), 41, 20, kValueColour);
    Put(kSexLabel);
    PrintAt(member.GetMorF() ? "Female" : "Male", 33, 19, kValueColour);
    Put(kResearchLabel);
    PrintAt(member.GetResearch(), 56, 19, kValueColour);
    Put(kMaintenanceLabel);
    PrintAt(member.GetMaintenance(), 73, 19, kValueColour);
    Put(kMilitaryLabel);
    PrintAt(member.GetMilitary(), 56, 20, kValueColour);
    Put(kNavigationLabel);
    PrintAt(member.GetNavigation(), 73, 20, kValueColour);
    Put(kJobLabel);
    PrintAt(JobSentence(member), 9, 21, kValueColour);
}
