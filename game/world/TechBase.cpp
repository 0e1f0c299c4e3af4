#include "game/world/TechBase.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "game/world/SillyString.h"

namespace {

// A missing text (a branch slot left empty) reads as the empty one.
void CopyBounded(char* dest, char const* source, std::size_t size) {
    StringCopy(dest, size, source != nullptr ? source : "");
}

}  // namespace

Branches::Branches(char const* first, char const* second, char const* third, char const* fourth) : ids{} {
    char const* const texts[kSlots] = {first, second, third, fourth};
    for (int i = 0; i < kSlots; ++i) {
        CopyBounded(ids[i], texts[i], kIdSize);
    }
}

TechBase::TechBase(bool isResearched, bool isAvailable, int openRequirements, double donePercent,
                   char const* const techId, char const* const techName, Branches leadsTo, int techCost,
                   char const* const techDescription)
    : researched(isResearched),
      available(isAvailable),
      requirements(openRequirements),
      percent(donePercent),
      id{},
      name{},
      description{},
      branches(leadsTo),
      updated(false),
      share(0),
      cost(techCost),
      remaining(techCost) {
    CopyBounded(id, techId, kIdSize);
    CopyBounded(name, techName, kNameSize);
    CopyBounded(description, techDescription, kDescriptionSize);
}

bool TechBase::IsResearchable() {
    if (requirements > 0) {
        return false;
    }
    if (percent < 100.0) {
        return true;
    }
    available = false;
    return false;
}

void TechBase::DelReq() {
    --requirements;
    if (requirements <= 0) {
        available = true;
    }
}

void TechBase::FollowPercent() {
    if (percent >= 100.0) {
        researched = true;
        available = false;
        remaining = 0;
        return;
    }
    double const left = cost * (100.0 - std::max(percent, 0.0)) / 100.0;
    remaining = static_cast<int>(std::ceil(left));
}

void TechBase::SetPercent(double value) {
    percent = value;
    FollowPercent();
}

void TechBase::AddPercent(double value) {
    percent += value;
    FollowPercent();
}

bool TechBase::SetUpdated(bool value) {
    updated = value;
    return updated;
}

void TechBase::GetID(char* buffer) const { std::memcpy(buffer, id, kIdSize); }

void TechBase::GetName(char* buffer) const { std::memcpy(buffer, name, kNameSize); }

void TechBase::SetShare(int value) { share = std::clamp(value, 0, 100); }

void TechBase::ChangeShare(int change) { SetShare(share + change); }

void TechBase::SubtractRemaining(int points) {
    remaining = std::clamp(remaining - points, 0, cost > 0 ? cost : 0);
    if (cost <= 0 || remaining == 0) {
        SetPercent(100.0);
        return;
    }
    percent = 100.0 * (cost - remaining) / cost;
}
