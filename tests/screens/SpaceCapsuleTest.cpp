#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "tests/screens/DockingBayWorld.h"

#include "game/art/GroundPictures.h"
#include "game/screens/SpaceCapsule.h"
#include "game/ui/GuiFunctions.h"

namespace {

using namespace dock_test;

// What the ship held while the screen waited for its last key.
struct Held {
    int crew = -1;
    int food = -1;
    int materials = -1;
};

// Runs the capsule screen; `held` takes the ship's state at every wait.
bool Capsule(con::VirtualConsole& vc, Held* held = nullptr) {
    if (held != nullptr) {
        vc.onWait = [held](con::VirtualConsole&) {
            *held = {Ship().GetCrewQueue()->GetTotal(), Ship().GetFood(), Ship().GetMaterials()};
        };
    }
    bool const left = RunScreen([] { LaunchSpaceCapsule(Out(), In()); });
    vc.onWait = nullptr;
    return left;
}

// On the cargo panel's Food field: a value loaded (field 0 food, 1
// materials), built digit by digit; back on Food.
void Load(con::VirtualConsole& vc, int field, int value) {
    if (field == 1) {
        vc.Down();
    }
    vc.Enter();  // editing, the step at 10000
    for (int place = 10000; place >= 1; place /= 10) {
        for (int i = 0; i < value / place % 10; ++i) {
            vc.Up();
        }
        vc.Right();
    }
    vc.Enter();
    if (field == 1) {
        vc.Up();
    }
}

// CREW, ONBOARD and CARGO.
constexpr int kTitleColumns[] = {4, 27, 50};

TEST(SpaceCapsule, OpensOnTheShipsCrewWithTheFirstMembersCard) {
    con::ScopedVirtualConsole vc;
    NameEveryone();
    EXPECT_FALSE(Capsule(*vc));
    EXPECT_EQ(vc->Picture(3, 1, 74, 6),
              "╔══════════╗           ╔══════════╗Remaining  ╔══════════╗Remaining       \n"
              "║   CREW   ║           ║ ONBOARD  ║Space: 20  ║  CARGO   ║Space: 20000    \n"
              "╠══════════╩═══════════╬══════════╩═══════════╬══════════╩═══════════════╗\n"
              "║M0                   ■║                      ║Food:      00000          ║\n"
              "║M1                   ░║                      ║Materials: 00000          ║\n"
              "║M2                   ░║                      ╠══════════════════════════╝");
    EXPECT_EQ(LitTitle(*vc, kTitleColumns), 0);
    EXPECT_EQ(vc->Text(10, 52, 70), "Select Destination");
    EXPECT_EQ(vc->Text(19, 4, 12), "NAME: M0");
}

TEST(SpaceCapsule, WithNoCrewAboardTheShipNoCardAndAnyKeyGoesToCargo) {
    con::ScopedVirtualConsole vc;
    Ship().GetCrewQueue()->KillAllCrew();
    vc->Escape();
    EXPECT_FALSE(Capsule(*vc)) << "Escape counts as Left";
    EXPECT_EQ(LitTitle(*vc, kTitleColumns), 2);
    EXPECT_EQ(vc->Text(19, 4, 76), std::string(72, ' ')) << "no card of a missing member";
    EXPECT_EQ(vc->AttrAt(50, 4), 241) << "Food: is the panel's cursor";
}

TEST(SpaceCapsule, TheTwentyFirstMemberIsRefused) {
    con::ScopedVirtualConsole vc;
    NameEveryone();
    for (int i = 0; i < 21; ++i) {
        vc->Enter();
    }
    Held held;
    Capsule(*vc, &held);
    EXPECT_EQ(held.crew, 13);
    EXPECT_EQ(vc->Text(2, 45, 48), "0  ");
    EXPECT_EQ(vc->Text(4, 4, 7), "M20") << "the refused member is still the ship's first";
    EXPECT_EQ(Ship().GetCrewQueue()->GetTotal(), 33) << "left without a launch: all back";
}

TEST(SpaceCapsule, LeavingPutsCrewFoodAndMaterialsBackExactly) {
    con::ScopedVirtualConsole vc;
    Ship().SetFood(50000);
    NameEveryone();
    Census const before = TakeCensus();
    vc->Down().Enter().Up().Enter().Left();  // M1 aboard, then M0: the capsule holds M0, M1
    Load(*vc, 0, 3000);
    Load(*vc, 1, 500);
    Held held;
    Capsule(*vc, &held);
    EXPECT_EQ(held.crew, 31);
    EXPECT_EQ(held.food, 47000) << "the status bar shows what the ship keeps";
    EXPECT_EQ(held.materials, 9500);
    EXPECT_EQ(vc->Text(24, 65, 71), "47,000");
    EXPECT_EQ(vc->Text(2, 68, 77), "16500    ");
    EXPECT_EQ(vc->Text(5, 61, 66), "00500");

    vc->Escape();
    EXPECT_TRUE(Capsule(*vc));
    EXPECT_EQ(TakeCensus(), before);
    std::vector<std::string> const names = Names(*Ship().GetCrewQueue());
    EXPECT_EQ(names[0], "M1") << "the capsule's first member is pushed back first";
    EXPECT_EQ(names[1], "M0");
    EXPECT_EQ(names[2], "M2");
}

TEST(SpaceCapsule, LoadsAreCappedByTheStockAndTheCapsulesRoom) {
    con::ScopedVirtualConsole vc;
    Ship().SetFood(0);
    vc->Left().Enter().Up().Up();
    Capsule(*vc);
    EXPECT_EQ(vc->Text(4, 61, 66), "00000") << "no food aboard the ship";

    Ship().SetFood(30000);
    vc->Left().Enter().Up().Up().Up().Enter();  // food: 20000 at most
    vc->Down().Enter().Up();                    // materials: no room left
    Capsule(*vc);
    EXPECT_EQ(vc->Text(4, 61, 66), "20000");
    EXPECT_EQ(vc->Text(5, 61, 66), "00000");
    EXPECT_EQ(vc->Text(2, 68, 77), "0        ");

    Ship().SetMaterials(5000);
    vc->Left().Enter().Up().Up().Down().Enter();  // food down to 10000
    vc->Down().Enter().Up();                      // materials: the ship has only 5000
    Capsule(*vc);
    EXPECT_EQ(vc->Text(4, 61, 66), "10000");
    EXPECT_EQ(vc->Text(5, 61, 66), "05000");
    EXPECT_EQ(vc->Text(2, 68, 77), "5000     ");
}

TEST(SpaceCapsule, TheDigitEditor) {
    con::ScopedVirtualConsole vc;
    Ship().SetFood(99999);
    vc->Left().Right();
    Capsule(*vc);
    EXPECT_EQ(vc->AttrAt(50, 4), 225) << "Food: while its digits are edited";
    EXPECT_EQ(vc->Attributes(61, 4, 5, 1), "241 15 15 15 15");
    vc->Left().Right().Right().Right().Up().Up();
    Capsule(*vc);
    EXPECT_EQ(vc->Text(4, 61, 66), "00200");
    EXPECT_EQ(vc->Attributes(61, 4, 5, 1), "15 15 241 15 15");
    vc->Left().Right().Right().Right().Right().Right().Right().Up();
    Capsule(*vc);
    EXPECT_EQ(vc->Text(4, 61, 66), "00000") << "past the units: no digit, no change";
    EXPECT_EQ(vc->Attributes(61, 4, 5, 1), "15 15 15 15 241") << "the digits stay as the units left them";
    vc->Left().Right().Right().Right().Right().Right().Right().Left();
    Capsule(*vc);
    EXPECT_EQ(vc->Attributes(61, 4, 5, 1), "15 15 15 241 15") << "Left from step 0 gives 10";
    vc->Left().Right().Left();
    Capsule(*vc);
    EXPECT_EQ(vc->AttrAt(50, 4), 241) << "Left past 10000 ends the editing";
    vc->Left().Right().Left().Right();
    Capsule(*vc);
    EXPECT_EQ(vc->Attributes(61, 4, 5, 1), "241 15 15 15 15") << "and Right restarts at 10000";
}

TEST(SpaceCapsule, LeftOutOfThePanelPutsOnlyTheStockLabelsBack) {
    con::ScopedVirtualConsole vc;
    vc->Left().Down().Down().Left();  // the panel, down to Select Destination, and out
    Capsule(*vc);
    EXPECT_EQ(LitTitle(*vc, kTitleColumns), 0) << "the capsule is empty: back to the ship's crew";
    EXPECT_EQ(vc->AttrAt(4, 8), 241) << "on the row of the field left, the fifth";
    EXPECT_EQ(vc->AttrAt(50, 4), 15);
    EXPECT_EQ(vc->AttrAt(50, 5), 15);
    EXPECT_EQ(vc->AttrAt(52, 10), 241) << "Select Destination keeps its colour";
    vc->Left().Down().Down().Left().Left();  // and in again: the panel starts on Food
    Capsule(*vc);
    EXPECT_EQ(vc->AttrAt(50, 4), 241);
}

TEST(SpaceCapsule, NoLaunchWithoutAReadyCapsule) {
    // The menu opens the screen only with a capsule ready; opened without one,
    // "yes" at the prompt launches nothing rather than a capsule the ship has
    // not got.
    con::ScopedVirtualConsole vc;
    Ship().ChangeCapsules(-Ship().GetCapsules());
    BunkerOf(3).SetSubSector(2);
    NameEveryone();
    Census const before = TakeCensus();
    vc->Enter().Left();                        // one member aboard
    vc->Down().Down().Enter().Down().Enter();  // sector 3, which has its site
    vc->Left().Enter().Escape().Escape();      // yes; then out
    EXPECT_TRUE(Capsule(*vc));
    EXPECT_NE(vc->Text(14, 56, 72), "CAPSULE LAUNCHED");
    EXPECT_EQ(Ship().GetCapsules(), 0);
    EXPECT_EQ(BunkerOf(3).GetCrewQueue()->GetTotal(), 0);
    EXPECT_EQ(TakeCensus(), before);
}

TEST(SpaceCapsule, ALaunchHandsCrewStockAndSiteToTheBunker) {
    con::ScopedVirtualConsole vc;
    Ship().SetFood(50000);
    Ship().SetMaterials(50000);
    MapSquare(3, 5, SubSector::kDesert);
    NameEveryone();
    Census const before = TakeCensus();
    auto const toPrompt = [&vc] {
        vc->Enter().Enter().Left();
        Load(*vc, 0, 1200);
        Load(*vc, 1, 1000);
        vc->Down().Down().Enter();   // Select Destination: the map
        vc->Down().Enter();          // sector 3, its squares
        vc->Right().Down().Enter();  // square 5
    };
    toPrompt();
    Capsule(*vc);
    EXPECT_EQ(vc->Text(11, 52, 67), "Sector V Desert");
    EXPECT_EQ(vc->Attributes(60, 15, 8, 1), "15 15 15 2 2 2 240 240") << "the prompt opens on no";
    toPrompt();
    vc->Left().Enter().Type("x");
    EXPECT_TRUE(Capsule(*vc));
    EXPECT_EQ(vc->Text(14, 56, 72), "CAPSULE LAUNCHED");
    Bunker& bunker = BunkerOf(3);
    EXPECT_EQ(Names(*bunker.GetCrewQueue()), (std::vector<std::string>{"M0", "M1"}));
    EXPECT_EQ(bunker.GetFood(), 1200);
    EXPECT_EQ(bunker.GetMaterials(), 1000);
    EXPECT_EQ(bunker.GetSubSector(), 5);
    EXPECT_FALSE(bunker.GetVisible()) << "built later, by its crew";
    EXPECT_EQ(Ship().GetFood(), 48800);
    EXPECT_EQ(Ship().GetMaterials(), 49000);
    EXPECT_EQ(Ship().GetCapsules(), 1);
    EXPECT_EQ(TakeCensus(), before) << "nothing gained or lost on the way";
}

TEST(SpaceCapsule, MembersTheBunkerHasNoRoomForGoBackToTheShip) {
    con::ScopedVirtualConsole vc;
    Bunker& bunker = BunkerOf(4);
    bunker.SetSubSector(9);
    for (int i = 0; i < 45; ++i) {
        AddNamed(*bunker.GetCrewQueue(), std::string("B").append(std::to_string(i)));
    }
    NameEveryone();
    Census const before = TakeCensus();
    for (int i = 0; i < 10; ++i) {
        vc->Enter();
    }
    vc->Left().Down().Down().Enter().Down().Right().Enter().Left().Enter().Type("x");
    EXPECT_TRUE(Capsule(*vc));
    EXPECT_EQ(bunker.GetSubSector(), 9) << "the bunker's site was kept: no site picker";
    EXPECT_EQ(bunker.GetCrewQueue()->GetTotal(), 50);
    EXPECT_EQ(Ship().GetCrewQueue()->GetTotal(), 33 - 5);
    EXPECT_EQ(TakeCensus(), before);
}

TEST(SpaceCapsule, NoAndEscapeAtThePromptGoBackAndAnEscapedMapDropsTheTarget) {
    con::ScopedVirtualConsole vc;
    BunkerOf(3).SetSubSector(2);
    vc->Left().Down().Down().Enter().Down().Enter();  // sector 3, which has its site
    vc->Enter();                                      // "no"
    Capsule(*vc);
    EXPECT_EQ(vc->AttrAt(52, 10), 241) << "back on Select Destination";
    EXPECT_EQ(vc->Text(13, 61, 67), "LAUNCH");
    vc->Left().Down().Down().Enter().Down().Enter().Escape();
    Capsule(*vc);
    EXPECT_EQ(vc->AttrAt(52, 10), 241);
    vc->Left().Down().Down().Enter().Down().Enter().Up().Enter().Escape().Down();
    Capsule(*vc);
    EXPECT_EQ(vc->AttrAt(52, 10), 241) << "Down no longer reaches the prompt";
    EXPECT_EQ(vc->Text(11, 52, 69), std::string(17, ' '));
    EXPECT_EQ(Ship().GetCapsules(), 2);
}

TEST(BunkerSitePicker, TakesMappedMountainsDesertRubbleAndRuinsOnly) {
    con::ScopedVirtualConsole vc;
    MapSquare(6, 1, SubSector::kCity);
    MapSquare(6, 2, SubSector::kFarmLand);
    MapSquare(6, 3, SubSector::kDesert);
    Globals::GetMap()->GetSector(6, -1)->GetSubSector(0, -1)->SetType(SubSector::kDesert);  // unmapped
    vc->Enter().Right().Enter().Right().Enter().Right().Enter();
    int site = -2;
    EXPECT_TRUE(RunScreen([&] { site = SelectBunkerSite(Out(), In(), 6); }));
    EXPECT_EQ(site, 3);
    EXPECT_EQ(vc->Text(0, 20, 63), "SELECT A PERMENANT LOCATION FOR THIS BUNKER");
    EXPECT_EQ(vc->Text(2, 45, 59), "Sector: Desert");
    vc->Escape();
    RunScreen([&] { site = SelectBunkerSite(Out(), In(), 6); });
    EXPECT_EQ(site, -1);
    for (int land : {SubSector::kMountains, SubSector::kRubble, 8}) {
        MapSquare(6, 0, land);
        vc->Enter();
        RunScreen([&] { site = SelectBunkerSite(Out(), In(), 6); });
        EXPECT_EQ(site, 0) << "land " << land;
    }
}

TEST(BunkerSitePicker, ABuiltBunkersSquareBecomesKnownAndShowsTheBunker) {
    con::ScopedVirtualConsole vc;
    Bunker& bunker = BuildBunker(6);
    bunker.SetSubSector(5);
    SubSector& site = *Globals::GetMap()->GetSector(6, -1)->GetSubSector(5, -1);
    site.SetType(SubSector::kMountains);
    ASSERT_FALSE(site.GetVisible());
    vc->Escape();
    RunScreen([] { SelectBunkerSite(Out(), In(), 6); });
    EXPECT_TRUE(site.GetVisible());
    // Square 5's cell starts at (13, 7): the bunker stands at (19, 9), on the
    // tile the cell was drawn with, the unknown square's.
    EXPECT_EQ(vc->ByteAt(19, 9), 240);
    EXPECT_EQ(vc->ByteAt(20, 9), 240);
    EXPECT_EQ(vc->AttrAt(19, 9), 79);
    std::string const shown = vc->Picture(13, 7, 9, 4);
    UnknownTile(13, 7);
    PrintAt("\xF0\xF0", 19, 9, 79);
    EXPECT_EQ(vc->Picture(13, 7, 9, 4), shown);
}

TEST(CapsuleTargetPicker, ASectorWithASiteReturnsAtOnceAndTheDockChoosesNothing) {
    con::ScopedVirtualConsole vc;
    BunkerOf(4).SetSubSector(7);
    vc->Enter().Down().Right().Enter();
    int site = -1;
    int sector = -1;
    EXPECT_TRUE(RunScreen([&] { sector = SelectCapsuleTarget(Out(), In(), &site); }));
    EXPECT_EQ(sector, 4);
    EXPECT_EQ(site, 7);
    vc->Down().Enter().Escape();  // sector 3 has no site yet: its grid, left with Escape
    site = 11;
    EXPECT_TRUE(RunScreen([&] { sector = SelectCapsuleTarget(Out(), In(), &site); }));
    EXPECT_EQ(sector, 0);
    EXPECT_EQ(site, 11) << "untouched";
}

TEST(SpaceCapsule, TheLaunchedBunkerIsBuiltOnTheFollowingDays) {
    con::ScopedVirtualConsole vc;
    Ship().SetMaterials(50000);
    MapSquare(1, 0, SubSector::kMountains);
    for (int i = 0; i < 4; ++i) {
        vc->Enter();
    }
    vc->Left();
    Load(*vc, 1, 10000);
    vc->Down().Down().Enter();                 // Select Destination
    vc->Down().Left().Left().Enter().Enter();  // sector 1, square 0
    vc->Left().Enter().Type("x");
    ASSERT_TRUE(Capsule(*vc));
    Bunker& bunker = BunkerOf(1);
    ASSERT_EQ(bunker.GetCrewQueue()->GetTotal(), 4);
    int days = 0;
    while (!bunker.GetVisible() && days < 100) {
        Globals::ProcessBunkerConstruction();
        ++days;
    }
    EXPECT_TRUE(bunker.GetVisible());
    EXPECT_GT(days, 1);
    char name[20];
    EXPECT_TRUE(GetLocationName(name, 1)) << "now offered by the loading and mission screens";
}

TEST(CraftSectorPicker, CountsTheFirstSectorsCraftAndNamesThePlaceUnderTheCursor) {
    con::ScopedVirtualConsole vc;
    BuildBunker(1);
    AirQueue& craft = *BunkerOf(1).GetAirQueue();
    for (AircraftType type : {SAUCER_TRANSPORT, HULK_BOMBER, SAUCER_TRANSPORT, CARGO_BARGE}) {
        ASSERT_TRUE(craft.enqueue(type, 1000000, 1));
    }
    std::vector<std::string> places;
    vc->onWait = [&places](con::VirtualConsole& v) { places.push_back(v.Text(20, 3, 27)); };
    vc->Right().Right().Up().Enter();
    int chosen = -2;
    EXPECT_TRUE(RunScreen([&] { chosen = ChooseCraftSector(Out(), In()); }));
    EXPECT_EQ(chosen, 0) << "the DOCK box stands for the ship";
    EXPECT_EQ(vc->Text(0, 12, 47), "CHOOSE A SECTOR CONTAINING AIRCRAFT");
    EXPECT_EQ(vc->Picture(49, 18, 26, 4),
              "Craft Total at Location:  \n"
              "Saucer: 2                 \n"
              "Fighter: 0                \n"
              "Bomber: 1                 ");
    // One wait a key, each showing the place the keys before it led to.
    ASSERT_EQ(places.size(), 4U);
    EXPECT_EQ(places[0], "Bunker built here       ");
    EXPECT_EQ(places[1], "No bunker built here    ");
    EXPECT_EQ(places[3], "Mothership Dock         ");
    EXPECT_EQ(vc->AttrAt(3, 20), 14);
    EXPECT_EQ(vc->Text(19, 3, 21), "Sector: Mothership");
    EXPECT_EQ(vc->AttrAt(31, 18), 12) << "the DOCK box lit";
    EXPECT_EQ(vc->AttrAt(15, 1), 2) << "sector 1 plain again";

    vc->Down().Enter();
    EXPECT_TRUE(RunScreen([&] { chosen = ChooseCraftSector(Out(), In()); }));
    EXPECT_EQ(chosen, 7);
    vc->Escape();
    EXPECT_TRUE(RunScreen([&] { chosen = ChooseCraftSector(Out(), In()); }));
    EXPECT_EQ(chosen, -1);
}

TEST(BunkerOfSector, OnlyABuiltBunker) {
    EXPECT_EQ(GetBunkerOfSector(5), nullptr);
    Bunker& bunker = BuildBunker(5);
    EXPECT_EQ(GetBunkerOfSector(5), &bunker);
    EXPECT_EQ(GetBunkerOfSector(0), nullptr);
    EXPECT_EQ(GetBunkerOfSector(25), nullptr);
}

}  // namespace
