// One of the nine advisors aboard the mothership.
#pragma once

#include <cstddef>

class Leader {
public:
    static constexpr int kTypes = 9;
    static constexpr std::size_t kNameSize = 20;

    // A blank advisor: the "BAD" row, type -1, until SetType names one.
    Leader();

    // Types 0-8; any other type gives the "BAD" row and is stored as given.
    void SetType(int const& type);

    void GetName(char* const buffer) const;  // buffer of at least kNameSize chars
    int GetType() const { return type; }
    bool GetFlag() const { return flag; }
    int GetPerformance() const { return performance; }
    int GetNavigation() const { return navigation; }
    int GetMaintenance() const { return maintenance; }
    int GetResearch() const { return research; }
    int GetMilitary() const { return military; }

    // Acts only while the performance gate is open, which nothing opens yet.
    void ChangePerformance(int const& change);
    // One draw: 0 maintenance, 1 military, 2 navigation, 3 research.
    void IncreaseSkill();

private:
    char name[kNameSize];
    int type;
    bool flag;
    int performance;
    int navigation;
    int maintenance;
    int research;
    int military;
    bool performanceGate;
};
