#include "game/world/PlaceLists.h"

#include <algorithm>

long long SumCraftSizes(AirQueue& craft) {
    long long sum = 0;
    int const total = craft.GetTotal();
    for (int i = 0; i < total; ++i) {
        sum += craft.GetNode(i)->aircraft.GetSize();
    }
    return sum;
}

void DumpCraftList(std::ostream& out, AirQueue& craft, int most) {
    out << craft.GetTotal() << ' ';
    for (int i = 0; i < std::min(craft.GetTotal(), most); ++i) {
        out << craft.GetNode(i)->aircraft << ' ';
    }
}

void DumpCrewList(std::ostream& out, CrewQueue& crew, int most) {
    out << crew.GetTotal() << ' ';
    for (int i = 0; i < std::min(crew.GetTotal(), most); ++i) {
        out << crew.GetCrewNode(i)->crew << ' ';
    }
}
