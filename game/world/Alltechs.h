// The research tree: 54 technologies in six groups, A to F.
#pragma once

#include <array>

#include "game/world/TechBase.h"

class CrewQueue;

class Alltechs {
public:
    static constexpr int kTechCount = 54;

    Alltechs();

    // The research crew's skill times performance, summed, then divided by 150; remembered.
    int GetTotalTech();
    int GetTotalTech(CrewQueue& crew);

    int GetTechPoints() const { return techPoints; }
    void SetTechPerc(int points) { techPoints = points; }

    // Passes a finished technology on to those it leads to, once.
    void Update(TechBase& tech);

    // Slot 0 (A1) to 53 (F6); null outside the tree.
    TechBase* GetTech(int index);
    // By two-character id or by exact name; null when no technology has it.
    TechBase* FindTech(char const* id);
    TechBase* FindTechByName(char const* name);

private:
    int techPoints;
    std::array<TechBase, kTechCount> techs;
};
