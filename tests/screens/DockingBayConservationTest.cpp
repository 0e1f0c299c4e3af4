// The docking bay's rule: whatever keys the player presses in its screens,
// every crew member and craft that existed is in exactly one place afterwards,
// and the food and materials of the ship and the bunkers add up. Checked over
// many seeded random worlds and key sequences, each screen of the room alone
// and the whole room from its menu.
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

#include "tests/screens/DockingBayWorld.h"

#include "game/screens/AircraftMissions.h"
#include "game/screens/CraftList.h"
#include "game/screens/DockingBayMenu.h"
#include "game/screens/LoadCargoAndCrew.h"
#include "game/screens/SpaceCapsule.h"

namespace {

using namespace dock_test;

constexpr int kSequences = 150;
constexpr int kKeysPerSequence = 70;
// Enough to climb out of the deepest screen: the site grid under the capsule's
// map under the capsule under the menu.
constexpr int kEscapesToLeave = 12;

int Pick(std::mt19937& rng, int below) { return std::uniform_int_distribution<int>(0, below - 1)(rng); }

template <std::size_t N>
int PickOf(std::mt19937& rng, int const (&values)[N]) {
    return values[Pick(rng, static_cast<int>(N))];
}

void Staff(std::mt19937& rng, CrewQueue& crew, int most) {
    int const wanted = std::min(most, crew.GetMaxCrew());
    while (crew.GetTotal() < wanted &&
           crew.enqueue(static_cast<CrewType>(1 + Pick(rng, 14)), Pick(rng, 2) == 1)) {
    }
}

void StaffCraft(std::mt19937& rng, AirQueue& craft) {
    for (int i = 0; i < craft.GetTotal(); ++i) {
        Aircraft& one = craft.GetNode(i)->aircraft;
        Staff(rng, *one.GetCrewQueue(), Pick(rng, one.GetMaxCrew() + 1));
    }
}

// A world where every move of the room can happen and be refused: full and
// empty crew lists on the ship, in bunkers and aboard craft, built bunkers
// with craft, sites already chosen, squares where a site may go, stocks from
// none to more than a capsule holds.
void RandomWorld(std::mt19937& rng) {
    Globals::ResetGame();
    Mothership& ship = Ship();
    ship.ChangeCapsules(Pick(rng, 4) - ship.GetCapsules());
    ship.SetFood(PickOf(rng, {0, 700, 15000, 45000}));
    ship.SetMaterials(PickOf(rng, {0, 300, 12000, 60000}));
    int const shipCrew = PickOf(rng, {0, 4, 33, 249, 250});
    ship.GetCrewQueue()->KillAllCrew();
    Staff(rng, *ship.GetCrewQueue(), shipCrew);
    StaffCraft(rng, *ship.GetAirQueue());

    AircraftType const types[] = {SAUCER_TRANSPORT, STEALTH_FIGHTER, HULK_BOMBER, CARGO_BARGE};
    for (int sector = 1; sector <= Globals::kPlaces - 1; ++sector) {
        Bunker& bunker = BunkerOf(sector);
        bunker.SetSubSector(Pick(rng, 2) == 0 ? Pick(rng, 16) : -1);
        for (int square = 0; square < 16; ++square) {
            if (Pick(rng, 3) == 0) {
                MapSquare(sector, square, Pick(rng, 9));
            }
        }
        if (Pick(rng, 2) == 0) {
            continue;
        }
        Staff(rng, *bunker.GetCrewQueue(), PickOf(rng, {0, 2, 45, 50}));
        if (Pick(rng, 2) == 0) {
            continue;  // a bunker still being built
        }
        bunker.SetVisible(true);
        for (int n = Pick(rng, 4); n > 0; --n) {
            bunker.GetAirQueue()->enqueue(types[Pick(rng, 4)], Mothership::kDockSpace, sector);
        }
        StaffCraft(rng, *bunker.GetAirQueue());
    }
    NameEveryone();
}

con::KeyRecord Press(uint16_t virtualKey, char character = 0) {
    return con::KeyRecord{con::KEY_EVENT, true, virtualKey, character};
}

void ScriptRandomKeys(std::mt19937& rng, con::VirtualConsole& vc, bool thenLeave) {
    con::KeyRecord const up = Press(con::VK_UP);
    con::KeyRecord const down = Press(con::VK_DOWN);
    con::KeyRecord const left = Press(con::VK_LEFT);
    con::KeyRecord const right = Press(con::VK_RIGHT);
    con::KeyRecord const enter = Press(con::VK_RETURN, 13);
    // Single keys, and a few runs of keys a player uses to go somewhere,
    // weighted so the player goes deep: more Enter, Right and Down than Escape.
    struct Keys {
        std::vector<con::KeyRecord> presses;
        int weight;
    };
    Keys const choices[] = {
        {{up}, 12},
        {{down}, 16},
        {{left}, 12},
        {{right}, 14},
        {{enter}, 20},
        {{Press(con::VK_ESCAPE, 27)}, 4},
        {{Press(con::VK_PRIOR)}, 3},
        {{Press(con::VK_NEXT)}, 3},
        {{con::VirtualConsole::RecordFor('y')}, 1},
        {{down, down, down, enter}, 3},  // the menu's capsule item, from the first
        {{down, down, enter}, 3},
        {{}, 6},  // a whole launch, below
    };
    int total = 0;
    for (Keys const& keys : choices) {
        total += keys.weight;
    }
    for (int i = 0; i < kKeysPerSequence; ++i) {
        int draw = Pick(rng, total);
        std::vector<con::KeyRecord> presses;
        for (Keys const& keys : choices) {
            if ((draw -= keys.weight) < 0) {
                presses = keys.presses;
                break;
            }
        }
        if (presses.empty()) {
            // Sideways to the cargo panel (how far depends on where the keys
            // stand), Select Destination, the map from its DOCK box down to a
            // sector of the top row and Enter; then yes and Enter at the
            // prompt when the sector had its site, or a square of its grid.
            presses.assign(1 + Pick(rng, 2), Pick(rng, 2) == 0 ? left : right);
            presses.insert(presses.end(), {down, down, enter, down});
            for (int n = Pick(rng, 6); n > 0; --n) {
                presses.push_back(right);
            }
            presses.insert(presses.end(), {enter, left, enter});
        }
        for (con::KeyRecord const& press : presses) {
            vc.Press(press.virtualKey, press.character);
        }
    }
    for (int i = 0; thenLeave && i < kEscapesToLeave; ++i) {
        vc.Escape();
    }
}

void ExpectListsWithinTheirRoom() {
    for (CrewQueue* crew : EveryCrewList()) {
        ASSERT_LE(crew->GetTotal(), crew->GetMaxCrew());
    }
}

struct RoomScreen {
    char const* name;
    std::function<void(std::mt19937&)> run;
    bool needsCapsule = false;  // the menu opens the capsule screen only with one ready
};

void PrintTo(RoomScreen const& screen, std::ostream* out) { *out << screen.name; }

class NothingLostOrDuplicated : public testing::TestWithParam<RoomScreen> {};

TEST_P(NothingLostOrDuplicated, OverRandomKeySequences) {
    for (int sequence = 0; sequence < kSequences; ++sequence) {
        std::mt19937 rng(static_cast<unsigned>(1000 + sequence));
        RandomWorld(rng);
        if (GetParam().needsCapsule && Ship().GetCapsules() == 0) {
            Ship().ChangeCapsules(1);
        }
        Census const before = TakeCensus();
        int const capsules = Ship().GetCapsules();
        bool const thenLeave = sequence % 3 != 0;  // else the keys run out inside a screen

        con::ScopedVirtualConsole vc;
        ScriptRandomKeys(rng, *vc, thenLeave);
        int launches = 0;
        bool launchShown = false;
        vc->onWait = [&](con::VirtualConsole& v) {
            bool const shown = v.Text(14, 56, 72) == "CAPSULE LAUNCHED";
            launches += shown && !launchShown ? 1 : 0;
            launchShown = shown;
        };
        bool const left = RunScreen([&] { GetParam().run(rng); });
        vc->onWait = nullptr;

        SCOPED_TRACE("sequence " + std::to_string(sequence));
        if (thenLeave) {
            EXPECT_TRUE(left) << "Escape leaves every screen";
        }
        Census const after = TakeCensus();
        ASSERT_EQ(after.crew, before.crew) << "every member in exactly one place";
        ASSERT_EQ(after.craft, before.craft) << "every craft where it stood";
        ASSERT_EQ(after.food, before.food);
        ASSERT_EQ(after.materials, before.materials);
        ASSERT_EQ(capsules - Ship().GetCapsules(), launches) << "one capsule a launch";
        ASSERT_GE(Ship().GetCapsules(), 0);
        ExpectListsWithinTheirRoom();
    }
}

INSTANTIATE_TEST_SUITE_P(
    DockingBay, NothingLostOrDuplicated,
    testing::Values(
        RoomScreen{"CraftList", [](std::mt19937& rng) { SelectAircraft(Out(), In(), Pick(rng, 25)); }},
        RoomScreen{"Loading", [](std::mt19937&) { LoadCargoAndCrew(Out(), In()); }},
        RoomScreen{"Missions", [](std::mt19937&) { AssignAircraftMissions(Out(), In()); }},
        RoomScreen{"Capsule", [](std::mt19937&) { LaunchSpaceCapsule(Out(), In()); }, true},
        RoomScreen{"WholeRoom", [](std::mt19937&) { DockingBayMenu(Out(), In(), DeckRoom::Docking); }}),
    [](testing::TestParamInfo<RoomScreen> const& info) { return std::string(info.param.name); });

}  // namespace
