#include "game/world/Alltechs.h"

#include <array>
#include <cstring>
#include <utility>

#include "game/world/CrewQueue.h"
#include "game/world/Globals.h"

namespace {

struct TechRow {
    char const* id;
    char const* name;
    int requirements;
    char const* leadsTo[Branches::kSlots];
    int cost;
};

// The tree as it stands at the start of a game; only the five with no requirement are open.
constexpr TechRow kTree[Alltechs::kTechCount] = {
    {"A1", "CARGO EXPANSION", 0, {"A2", "", "", ""}, 500},
    {"A2", "Incinerator", 1, {"A3", "", "", ""}, 600},
    {"A3", "Incinerator to Energy", 1, {"", "", "", ""}, 600},
    {"B1", "MOTHERSHIP ENGINE #1", 0, {"B2", "B6", "", ""}, 500},
    {"B2", "Mothership Engine #2", 1, {"B3", "B7", "", ""}, 700},
    {"B3", "Mothership Engine #3", 1, {"B4", "B8", "", ""}, 1000},
    {"B4", "Mothership Engine #4", 1, {"B5", "B9", "BA", ""}, 1500},
    {"B5", "Long Range Capsules", 1, {"", "", "", ""}, 700},
    {"B6", "Barge Ship", 1, {"", "", "", ""}, 500},
    {"B7", "Small Craft Engines", 1, {"BB", "BC", "BD", ""}, 700},
    {"B8", "Capsule Nuke Weapon", 3, {"", "", "", ""}, 2500},
    {"B9", "Saucers Stealth Engine", 1, {"", "", "", ""}, 1500},
    {"BA", "Engine Factor 6", 1, {"", "", "", ""}, 2500},
    {"BB", "Saucer Engine Upgrade", 1, {"", "", "", ""}, 1500},
    {"BC", "Bomber Engine Upgrade", 1, {"", "", "", ""}, 1500},
    {"BD", "Fighter Engine Upgrade", 1, {"", "", "", ""}, 3000},
    {"C1", "HOVER FUEL REDUCTION ", 0, {"C2", "", "", ""}, 500},
    {"C2", "Travel Fuel Reduction", 1, {"C3", "", "", ""}, 700},
    {"C3", "Energy Shield Fuel Reduction", 1, {"C4", "", "", ""}, 1000},
    {"C4", "Ion Cannon Fuel Reduction", 1, {"", "", "", ""}, 1500},
    {"D1", "STUDY THE ENEMY!", 0, {"D2", "", "", ""}, 500},
    {"D2", "Fleepion Cluture Studies", 1, {"D3", "D6", "", ""}, 500},
    {"D3", "Population Study", 1, {"D4", "", "", ""}, 500},
    {"D4", "Human Biology", 1, {"D5", "", "", ""}, 600},
    {"D5", "Entertainment Artifacts", 1, {"", "", "", ""}, 700},
    {"D6", "Radio communications", 1, {"D7", "", "", ""}, 1000},
    {"D7", "Earths impression", 1, {"D8", "", "", ""}, 1000},
    {"D8", "Accurate enemy calculations", 1, {"D9", "", "", ""}, 1200},
    {"D9", "Early warning attacks", 1, {"DA", "DB", "DC", ""}, 1000},
    {"DA", "Human Super Base Locations", 1, {"", "", "", ""}, 1500},
    {"DB", "Take me to your leader", 1, {"", "", "", ""}, 2500},
    {"DC", "Earth Negotiate Surrender", 1, {"", "", "", ""}, 2500},
    {"E1", "THE ART OF WAR", 2, {"E3", "E2", "", ""}, 700},
    {"E2", "Ground Weapons", 1, {"E7", "", "", ""}, 700},
    {"E3", "Military Tactics", 1, {"E4", "", "", ""}, 700},
    {"E4", "Resource Gathering", 1, {"E5", "E6", "", ""}, 700},
    {"E5", "Saucer Cargo hold Increase", 1, {"", "", "", ""}, 700},
    {"E6", "Barge Cargo hold Increase", 1, {"", "", "", ""}, 700},
    {"E7", "Aircraft weapon systems", 1, {"EA", "EB", "EC", "E8"}, 2500},
    {"E8", "MOTHERSHIIP WEAPONS!", 1, {"ED", "E9", "B8", "F4"}, 500},
    {"E9", "Upgrade gunner spots", 1, {"", "", "", ""}, 1000},
    {"EA", "Bomber Payload Capacity", 1, {"", "", "", ""}, 700},
    {"EB", "Fighter Weapon systems", 1, {"", "", "", ""}, 700},
    {"EC", "New Bomb", 1, {"EE", "EF", "EG", ""}, 700},
    {"ED", "Shield upgrade", 1, {"", "", "", ""}, 1500},
    {"EE", "New Bomb 1", 1, {"", "", "", ""}, 1000},
    {"EF", "New Bomb 2", 1, {"", "", "", ""}, 1500},
    {"EG", "New Bomb 3", 1, {"", "", "", ""}, 2500},
    {"F1", "SCIENCE FICTION!", 0, {"F2", "F3", "F4", ""}, 1500},
    {"F2", "Teleportation", 1, {"F5", "", "", ""}, 2500},
    {"F3", "Genetics", 1, {"F6", "", "", ""}, 2500},
    {"F4", "Psychic powers", 1, {"", "", "", ""}, 2500},
    {"F5", "ION CANNON!", 2, {"", "", "", ""}, 2500},
    {"F6", "Widow DNA", 1, {"", "", "", ""}, 2500},
};

TechBase MakeTech(TechRow const& row) {
    return TechBase(false, row.requirements == 0, row.requirements, 0.0, row.id, row.name,
                    Branches(row.leadsTo[0], row.leadsTo[1], row.leadsTo[2], row.leadsTo[3]), row.cost, "");
}

template <std::size_t... I>
std::array<TechBase, Alltechs::kTechCount> BuildTree(std::index_sequence<I...>) {
    return {MakeTech(kTree[I])...};
}

}  // namespace

Alltechs::Alltechs() : techPoints(0), techs(BuildTree(std::make_index_sequence<kTechCount>{})) {}

int Alltechs::GetTotalTech() { return GetTotalTech(*Globals::GetMothership()->GetCrewQueue()); }

int Alltechs::GetTotalTech(CrewQueue& crew) {
    int const members = crew.GetTotal();
    int total = 0;
    for (int i = 0; i < members; ++i) {
        Crew const& member = crew.GetCrewNode(i)->crew;
        if (member.GetJob() == 3) {
            total += member.GetResearch() * member.GetPerformance();
        }
    }
    techPoints = total / 150;
    return techPoints;
}

void Alltechs::Update(TechBase& tech) {
    if (tech.GetPercent() < 100.0 || tech.GetUpdated()) {
        return;
    }
    tech.SetUpdated(true);
    Branches const leadsTo = tech.GetReq();
    for (auto const& id : leadsTo.ids) {
        if (id[0] == '\0') {
            continue;
        }
        if (TechBase* next = FindTech(id)) {
            next->DelReq();
        }
    }
}

TechBase* Alltechs::GetTech(int index) {
    if (index < 0 || index >= kTechCount) {
        return nullptr;
    }
    return &techs[index];
}

TechBase* Alltechs::FindTech(char const* id) {
    for (TechBase& tech : techs) {
        if (std::strcmp(tech.Id(), id) == 0) {
            return &tech;
        }
    }
    return nullptr;
}

TechBase* Alltechs::FindTechByName(char const* name) {
    for (TechBase& tech : techs) {
        if (std::strcmp(tech.Name(), name) == 0) {
            return &tech;
        }
    }
    return nullptr;
}
