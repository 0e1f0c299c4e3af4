// The research tree: 54 technologies in six groups, A to F.
#pragma once

#include <array>

#include "game/world/TechBase.h"

class Alltechs {
public:
    static constexpr int kTechCount = 54;

    Alltechs();

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
