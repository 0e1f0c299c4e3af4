// The day's battles: fighter and bomber strikes on Earth's sectors and the battle reports.
#include <algorithm>

#include "game/world/GameRandom.h"
#include "game/world/Globals.h"
#include "game/world/Message.h"
#include "game/world/ReportText.h"
#include "game/world/Saturate.h"
#include "game/world/SillyString.h"

namespace {

// Squares 0 to 14 are scanned for a target; the last square never is.
constexpr int kScannedSquares = Sector::kSquares - 1;
constexpr int kBombMaterials = 7;
// The loss test: 5000 over the pilot's navigation x performance, moved by up to 5 either way.
constexpr long long kLossScale = 5000;

struct Skills {
    long long navigation = 0;
    long long performance = 0;
    long long military = 0;
};

// The crew member at that seat (0 pilot, 1 gunner); an empty seat has all skills 0.
Skills SeatSkills(Aircraft& craft, int seat) {
    CrewNode const* node = craft.GetCrewQueue()->GetCrewNode(seat);
    if (node == nullptr) {
        return {};
    }
    Crew const& member = node->crew;
    return {member.GetNavigation(), member.GetPerformance(), member.GetMilitary()};
}

// The last of the scanned squares whose count is above 0; square 0 when none is.
template <typename Count>
SubSector& TargetSquare(Sector& sector, Count count) {
    int target = 0;
    for (int square = 0; square < kScannedSquares; ++square) {
        if (count(*sector.GetSubSector(square, -1)) > 0.0) {
            target = square;
        }
    }
    return *sector.GetSubSector(target, -1);
}

// "Sector <letter> reports that there are no remaining enemy <what> left!"
void PostNothingLeft(Sector const& sector, char const* what) {
    char const letter[2] = {sector.GetLetter(), '\0'};
    char text[Message::kTextSize];
    StringSlam(text, "Sector ", letter);
    StringAppend(text, " reports that there are no remaining enemy ");
    StringAppend(text, what);
    StringAppend(text, " left!");
    Globals::GetMessages()->enqueue(text, 4);
}

// What one strike does to a square's count: report an empty square, or take the hit off it and
// add it to the day's total.
template <typename Get, typename Add>
void Hit(Sector const& sector, SubSector& square, int amount, int& total, char const* what, Get get,
         Add add) {
    if (amount <= 0) {
        return;
    }
    if ((square.*get)() <= 0.0) {
        PostNothingLeft(sector, what);
        return;
    }
    (square.*add)(-amount);
    total = SaturatingAdd(total, amount);
}

// Soldiers killed and structures destroyed per point of the gunner's military x performance:
// a fresh draw mod `span` plus `base` each; a span of 0 makes no draw and does nothing.
struct BombFigures {
    int soldierSpan;
    int soldierBase;
    int structureSpan;
    int structureBase;
};

constexpr BombFigures kBombFigures[kBombKinds] = {
    {50, 80, 10, 10},    // FLACK
    {100, 160, 20, 20},  // Plasma Fusion Bomb
    {25, 40, 30, 30},    // Liquiferno Napalm Bomb
    {150, 240, 0, 0},    // Neuronutralizer Gas: people only
};

int Figure(long long m, int span, int base) {
    if (span == 0) {
        return 0;
    }
    return ClampToInt(m * (GameRand() % span + base));
}

bool IsStrikeMission(Mission mission) { return mission == MISSION_ATTACK || mission == MISSION_BOMB; }

}  // namespace

bool Globals::LossTest(Aircraft& craft, int& lost) {
    int const r1 = GameRand();
    Skills const pilot = SeatSkills(craft, 0);
    long long const skill = pilot.navigation * pilot.performance;
    // A pilot with no skill at all (a Human, or an empty seat) is as hard to hit as a pilot of
    // skill 1, rather than dividing by nothing.
    long long const q = skill == 0 ? kLossScale : kLossScale / skill;
    int const r2 = GameRand();
    long long const divisor = q + r2 % 10 - 5;
    if (divisor < 1 || r1 % divisor != 0) {
        return false;
    }
    AirQueue* home = GetPlaceAirQueue(craft.GetHome());
    if (home == nullptr) {
        return false;
    }
    int const before = home->GetTotal();
    home->dequeue(craft);  // frees the craft with its crew and bombs
    if (home->GetTotal() == before) {
        return false;  // not in its home's list: nothing was freed
    }
    lost = SaturatingAdd(lost, 1);
    return true;
}

bool Globals::FighterStrike(int target, Aircraft& craft, FighterTotals& totals) {
    Sector* sector = Earth.GetSector(target, -1);
    if (sector == nullptr) {
        return false;
    }
    SubSector& square = TargetSquare(*sector, [](SubSector const& s) { return s.GetAirDefense(); });
    Skills const gunner = SeatSkills(craft, 1);
    int const damage = ClampToInt(gunner.military * gunner.performance / 10 + GameRand() % 4 - 2);
    Hit(*sector, square, damage, totals.destroyed, "air defences", &SubSector::GetAirDefense,
        &SubSector::AddAirDefense);
    bool const lost = LossTest(craft, totals.lost);
    sector->ChangeCounter(-totals.destroyed);
    return lost;
}

bool Globals::BomberStrike(int target, Aircraft& craft, BomberTotals& totals) {
    Sector* sector = Earth.GetSector(target, -1);
    if (sector == nullptr) {
        return false;
    }
    BombQueue& bombs = *craft.GetBombQueue();
    int counts[kBombKinds] = {};
    for (int i = 0; i < bombs.GetTotal(); ++i) {
        int const kind = bombs.GetNode(i)->bomb;
        if (kind >= 0 && kind < kBombKinds) {
            ++counts[kind];
        }
    }
    int const napalm = counts[BOMB_LIQUIFERNO_NAPALM];
    bool const byStructures = napalm > counts[BOMB_FLACK] && napalm > counts[BOMB_PLASMA_FUSION] &&
                              napalm > counts[BOMB_NEURONUTRALIZER_GAS];
    SubSector& square = byStructures
                            ? TargetSquare(*sector, [](SubSector const& s) { return s.GetStructures(); })
                            : TargetSquare(*sector, [](SubSector const& s) { return s.GetPopulation(); });

    // The first bomb aboard sets the figures; bombs are never used up.
    int killed = 0;
    int destroyed = 0;
    BombNode const* first = bombs.GetNode(0);
    if (first != nullptr && first->bomb >= 0 && first->bomb < kBombKinds) {
        BombFigures const& figures = kBombFigures[first->bomb];
        Skills const gunner = SeatSkills(craft, 1);
        long long const m = gunner.military * gunner.performance;
        killed = Figure(m, figures.soldierSpan, figures.soldierBase);
        destroyed = Figure(m, figures.structureSpan, figures.structureBase);
    }
    Hit(*sector, square, killed, totals.killed, "ground defences", &SubSector::GetPopulation,
        &SubSector::AddPopulation);
    Hit(*sector, square, destroyed, totals.structures, "structures", &SubSector::GetStructures,
        &SubSector::AddStructures);
    bool const lost = LossTest(craft, totals.lost);
    sector->ChangeCounter(-totals.killed);
    return lost;
}

void Globals::ProcessBattles() {
    FighterTotals fighters;
    BomberTotals bombers;
    int fighterStrikes = 0;
    int bomberStrikes = 0;

    for (int place = 0; place < kPlaces; ++place) {
        AirQueue& here = *GetPlaceAirQueue(place);
        int i = 0;
        while (i < here.GetTotal()) {
            Aircraft& craft = here.GetNode(i)->aircraft;
            Mission const mission = craft.GetMission();
            int const target = craft.GetDestination();
            // A strike needs a sector to strike: one bound for the ship is not flown at all.
            if (!IsStrikeMission(mission) || Earth.GetSector(target, -1) == nullptr) {
                ++i;
                continue;
            }
            bool lost = false;
            if (mission == MISSION_ATTACK) {
                if (craft.GetType() == STEALTH_FIGHTER) {
                    ++fighterStrikes;
                    lost = FighterStrike(target, craft, fighters);
                } else if (craft.GetType() == HULK_BOMBER) {
                    ++bomberStrikes;
                    lost = BomberStrike(target, craft, bombers);
                }
            } else {
                // A run takes what its store holds, up to its seven: no stock goes below 0.
                auto const takeMaterials = [](auto& store) {
                    store.ChangeMaterials(-std::clamp(store.GetMaterials(), 0, kBombMaterials));
                };
                if (place == 0) {
                    takeMaterials(Mother);
                } else {
                    takeMaterials(*Earth.GetSector(place, -1)->GetBunker());
                }
                ++bomberStrikes;
                lost = BomberStrike(target, craft, bombers);
            }
            // A lost craft is gone: the one that followed it now stands at this index.
            if (!lost) {
                ++i;
            }
        }
    }

    char text[Message::kTextSize];
    if (fighterStrikes > 0) {
        FighterReport(text, fighters.destroyed, fighters.lost);
        Messages.enqueue(text, 5);
    }
    if (bomberStrikes > 0) {
        BomberReport(text, bombers.killed, bombers.structures, bombers.lost);
        Messages.enqueue(text, 5);
    }
}
