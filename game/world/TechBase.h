// One technology of the research tree and the ids of those it leads to.
#pragma once

#include <cstddef>

// Up to four ids of two characters; filled slots come first, an empty text marks an empty slot.
struct Branches {
    static constexpr int kSlots = 4;
    static constexpr std::size_t kIdSize = 3;

    Branches(char const* first = "", char const* second = "", char const* third = "",
             char const* fourth = "");

    char ids[kSlots][kIdSize];
};

class TechBase {
public:
    static constexpr std::size_t kIdSize = 3;
    static constexpr std::size_t kNameSize = 60;
    static constexpr std::size_t kDescriptionSize = 300;

    TechBase(bool researched, bool available, int requirements, double percent, char const* const id,
             char const* const name, Branches branches, int cost, char const* const description);

    // No open requirement and not yet finished.
    bool IsResearchable();
    bool GetResearched() const { return researched; }
    bool GetAvailable() const { return available; }
    int GetRequirements() const { return requirements; }
    // One requirement closed; the technology opens when none is left.
    void DelReq();

    // Reaching 100 percent finishes the technology; the remaining points follow the percent.
    void SetPercent(double value);
    void AddPercent(double value);
    double GetPercent() const { return percent; }

    Branches GetReq() const { return branches; }
    bool GetUpdated() const { return updated; }
    bool SetUpdated(bool value);

    void GetID(char* buffer) const;    // at least kIdSize chars
    void GetName(char* buffer) const;  // at least kNameSize chars
    char const* Id() const { return id; }
    char const* Name() const { return name; }

    // Shares are kept within 0..100.
    void SetShare(int value);
    void ChangeShare(int change);
    int GetShare() const { return share; }

    // Points spent on it; the percent follows the points.
    void SubtractRemaining(int points);
    int GetCost() const { return cost; }
    int GetRemaining() const { return remaining; }

private:
    void FollowPercent();

    bool researched;
    bool available;
    int requirements;
    double percent;
    char id[kIdSize];
    char name[kNameSize];
    char description[kDescriptionSize];
    Branches branches;
    bool updated;
    int share;
    int cost;
    int remaining;
};
