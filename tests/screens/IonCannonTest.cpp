#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "tests/screens/ScreenSnapshot.h"
#include "tests/support/ScreenHarness.h"
#include "tests/support/WorldHelpers.h"

#include "game/screens/IonCannon.h"
#include "game/world/Globals.h"
#include "platform/VirtualConsole.h"

namespace {

using testing_support::In;
using testing_support::Out;
using testing_support::PlaceShipAbove;
using testing_support::RunScreen;
using testing_support::Ship;
using testing_support::SquareOf;

MessageQueue* Messages() { return Globals::GetMessages(); }

void Populate(SubSector& square, int landType, bool mapped) {
    square.SetType(landType);
    square.AddPopulation(12000 - static_cast<int>(square.GetPopulation()));
    square.AddMilitary(3000 - static_cast<int>(square.GetMilitary()));
    square.AddExtra(7 - static_cast<int>(square.GetExtra()));
    if (mapped) {
        square.SetVisible();
    }
}

bool RunCannon() {
    return RunScreen([] { SuperIonCannonControl(Out(), In()); });
}

std::string FirstReport() {
    MessageNode* node = Messages()->GetNode(0);
    return node == nullptr ? std::string() : std::string(node->message.GetText());
}

// What the screen showed at one pause of the firing sequence.
struct Frame {
    uint32_t ms;
    std::string chargeLine;  // row 22, columns 3-42
    std::string view;        // the inside of the view screen
    ScreenSnapshot screen;
};

// Records every pause of the sequence.
void RecordFrames(con::VirtualConsole& vc, std::vector<Frame>& frames) {
    vc.onSleep = [&frames](con::VirtualConsole& v, uint32_t ms) {
        frames.push_back({ms, v.Text(22, 3, 43), v.Picture(46, 6, 29, 15), ScreenSnapshot(v)});
    };
}

uint8_t ByteIn(Frame const& frame, int x, int y) { return frame.screen.bytes[y * con::kColumns + x]; }
uint16_t AttrIn(Frame const& frame, int x, int y) { return frame.screen.attributes[y * con::kColumns + x]; }

// The blast frames over the target tile at (tx, ty), black on grey: the first
// at pause `first`, each next one `every` pauses later. Each frame adds a cell
// on the tile's top row (its centre, then outwards) that was not blasted the
// pause before.
void ExpectBlastGrows(std::vector<Frame> const& frames, int first, int every, int tx, int ty) {
    constexpr uint16_t kBlast = 112;
    EXPECT_NE(AttrIn(frames[first - 1], tx + 4, ty + 1), kBlast);
    EXPECT_EQ(ByteIn(frames[first], tx + 4, ty + 1), 219);
    EXPECT_EQ(AttrIn(frames[first], tx + 4, ty + 1), kBlast);
    struct Growth {
        int dx;
        uint8_t glyph;
    };
    Growth const growth[] = {{4, 178}, {3, 177}, {2, 176}};
    for (int n = 1; n <= 3; ++n) {
        Growth const& cell = growth[n - 1];
        int const at = first + n * every;
        EXPECT_NE(AttrIn(frames[at - 1], tx + cell.dx, ty), kBlast) << n;
        EXPECT_EQ(ByteIn(frames[at], tx + cell.dx, ty), cell.glyph) << n;
        EXPECT_EQ(AttrIn(frames[at], tx + cell.dx, ty), kBlast) << n;
    }
}

std::string DarkShades(int n) {
    std::string bar;
    for (int i = 0; i < 10; ++i) {
        bar += i < n ? "▓" : "░";
    }
    return bar;
}

}  // namespace

TEST(IonCannonTest, InOrbitTheCannonIsRefusedAndNothingChanges) {
    con::ScopedVirtualConsole vc;
    int const fuel = Ship().GetFuel();
    vc->Type("x");
    EXPECT_TRUE(RunCannon());
    EXPECT_EQ(vc->Text(10, 10, 37), "You are currently in orbit.");
    EXPECT_EQ(vc->Text(11, 10, 41), "The Mothership must be hovering");
    EXPECT_EQ(vc->Text(12, 10, 48), "above a sector to fire the Ion Cannon.");
    EXPECT_EQ(vc->Text(14, 5, 58), "<< Press Any Key To Go Back To The Navigation Menu >>");
    EXPECT_EQ(vc->AttrAt(10, 10), 14);
    EXPECT_EQ(vc->AttrAt(5, 14), 15);
    EXPECT_EQ(vc->AttrAt(0, 0), 48);
    EXPECT_EQ(Ship().GetFuel(), fuel);
    EXPECT_EQ(Messages()->GetTotal(), 0);
    EXPECT_FALSE(Globals::GetGameOver());
}

TEST(IonCannonTest, AShotAtAnUnmappedSquareLevelsItAndChargesFuel) {
    con::ScopedVirtualConsole vc;
    PlaceShipAbove(4);
    SubSector& square = SquareOf(4, 6);
    Populate(square, SubSector::kCity, false);
    ASSERT_EQ(Ship().GetFuel(), 140000);
    std::vector<std::string> waits;
    vc->onWait = [&waits](con::VirtualConsole& v) { waits.push_back(v.Text(22, 3, 80)); };
    // Square 6: Right, Right, Down. Fire, yes, a key after the shot, then leave.
    vc->Right().Right().Down().Enter().Type("y").Type("x").Escape();
    EXPECT_TRUE(RunCannon());

    EXPECT_EQ(square.GetType(), SubSector::kRubble);
    EXPECT_TRUE(square.GetVisible());
    EXPECT_EQ(square.GetPopulation(), 0);
    EXPECT_EQ(square.GetMilitary(), 0);
    EXPECT_EQ(square.GetExtra(), 0);
    ASSERT_EQ(Messages()->GetTotal(), 1);
    EXPECT_EQ(FirstReport(),
              "A SubSector of an unknown land type in Sector O has been leveled by your Ion Cannon. "
              "Whatever was there before isn't there now.");
    EXPECT_EQ(Messages()->GetNode(0)->message.GetType(), 4);
    EXPECT_EQ(Ship().GetFuel(), 90000);
    EXPECT_EQ(vc->Text(24, 12, 21), "90,000   ");

    // At the wait after the shot: the feed went back to stars, the fire completed.
    bool completed = false;
    for (std::string const& row : waits) {
        completed = completed || row.starts_with("CHARGING ▓▓▓▓▓▓▓▓▓▓ <<FIRE COMPLETED>>" +
                                                 std::string(13, ' ') + "<<LIVE FEED>>");
    }
    EXPECT_TRUE(completed);
    // The square shows rubble and its new fields; the view and the charging line are wiped.
    EXPECT_EQ(vc->Picture(23, 7, 9, 4), " ▒░▒▓▒░▒ \n▒░▒▓█▓▒░▒\n▒░▒▓█▓▒░▒\n ▒░▒▓▒░▒ ");
    EXPECT_EQ(vc->Text(2, 45, 77), "Sector: Rubble                  ");
    EXPECT_EQ(vc->Text(3, 45, 77), "Known Enemy Pop: 0" + std::string(14, ' '));
    for (int y = 5; y <= 22; ++y) {
        EXPECT_EQ(vc->Text(y, 45, 76), std::string(31, ' ')) << y;
    }
    EXPECT_EQ(vc->Text(22, 3, 43), std::string(40, ' '));
    EXPECT_EQ(vc->AttrAt(3, 22), 12);
}

TEST(IonCannonTest, ASecondShotOnTheSameSquareIsReportedAsAlreadyDestroyed) {
    con::ScopedVirtualConsole vc;
    PlaceShipAbove(1);
    SubSector& square = SquareOf(1, 0);
    Populate(square, SubSector::kFarmLand, true);
    vc->Enter().Type("y").Type("x");
    vc->Enter().Left().Enter().Type("x").Escape();  // the second answer by Left and Enter
    EXPECT_TRUE(RunCannon());
    ASSERT_EQ(Messages()->GetTotal(), 2);
    EXPECT_EQ(
        FirstReport(),
        "A Farming Region in Sector I has been eradicated by your \"Slash and Burn\" Ion Cannon techniques.");
    std::string const again = Messages()->GetNode(1)->message.GetText();
    EXPECT_EQ(
        again,
        "A SubSector that has already been destroyed by your hands in Sector I has been given a lethal dose "
        "of destruction from the Ion Cannon.");
    EXPECT_EQ(again.size(), 134u);  // the longest report, whole
    EXPECT_EQ(square.GetPopulation(), 0);
    EXPECT_EQ(square.GetMilitary(), 0);
    EXPECT_EQ(Ship().GetFuel(), 140000 - 2 * 50000);
}

TEST(IonCannonTest, ReportsByLandTypeFitTheirBuffer) {
    char report[kIonReportSize];
    IonCannonReport(report, true, SubSector::kCity, 'I');
    EXPECT_STREQ(report, "A City in Sector I has been decimated by your glorious Ion Cannon.");
    IonCannonReport(report, true, SubSector::kMilitaryBase, 'K');
    EXPECT_STREQ(report,
                 "A Military Base in Sector K is now a distant memory, all thanks to the Ion Cannon.");
    IonCannonReport(report, true, SubSector::kMountains, 'A');
    EXPECT_STREQ(report, "A Mountain Region in Sector A has been flattened by your destructive Ion Cannon.");
    IonCannonReport(report, true, SubSector::kDesert, 'X');
    EXPECT_STREQ(report,
                 "A Desert Region in Sector X has been destroyed by your accurate Ion Cannon skills.");
    IonCannonReport(report, true, SubSector::kWasteland, 'S');
    EXPECT_STREQ(report,
                 "The Radioactive Elements in a Nuclear Wasteland in Sector S have been obliterated by the "
                 "environmentally friendly Ion Cannon.");
    char rubble[kIonReportSize];
    IonCannonReport(report, true, 8, 'G');
    IonCannonReport(rubble, true, SubSector::kRubble, 'G');
    EXPECT_STREQ(report, rubble);
    char unknown[kIonReportSize];
    IonCannonReport(report, true, 12, 'G');
    IonCannonReport(unknown, false, SubSector::kCity, 'G');
    EXPECT_STREQ(report, unknown);
    EXPECT_EQ(std::strncmp(unknown, "A SubSector of an unknown land type in Sector G has", 51), 0);
}

TEST(IonCannonTest, FuelOfExactlyOneShotEndsTheGame) {
    con::ScopedVirtualConsole vc;
    PlaceShipAbove(10);
    Ship().SetFuel(50000);
    // Fire, yes, a key after the shot, a key for the game-over screen: the screen ends by itself.
    vc->Enter().Type("Y").Type("x").Type("x");
    EXPECT_TRUE(RunCannon());
    EXPECT_EQ(Ship().GetFuel(), 0);
    EXPECT_TRUE(Globals::GetGameOver());
    EXPECT_EQ(Messages()->GetTotal(), 1);  // the report stays for no morning
    EXPECT_NE(vc->Dump().find("AT LEAST YA WENT OUT WITH A BANG!"), std::string::npos);
}

TEST(IonCannonTest, OneFuelAboveAShotLeavesOneAndPlayGoesOn) {
    con::ScopedVirtualConsole vc;
    PlaceShipAbove(10);
    Ship().SetFuel(50001);
    vc->Enter().Type("y").Type("x");
    EXPECT_FALSE(RunCannon());  // still on the cannon's screen
    EXPECT_EQ(Ship().GetFuel(), 1);
    EXPECT_FALSE(Globals::GetGameOver());
    EXPECT_EQ(vc->Text(24, 12, 21), "1        ");
}

TEST(IonCannonTest, AnsweringNoWipesThePromptAndChangesNothing) {
    con::ScopedVirtualConsole vc;
    PlaceShipAbove(2);
    int const fuel = Ship().GetFuel();
    std::vector<std::string> prompts;
    vc->onWait = [&prompts](con::VirtualConsole& v) {
        prompts.push_back(v.Text(10, 45, 61) + v.Text(11, 44, 54));
    };
    vc->Down().Enter().Type("n");
    EXPECT_FALSE(RunCannon());
    // The prompt was up while the answer was awaited.
    EXPECT_NE(std::find(prompts.begin(), prompts.end(), "Fire Ion Cannon? Yes   No "), prompts.end());
    EXPECT_EQ(vc->Text(10, 45, 61), std::string(16, ' '));
    EXPECT_EQ(vc->Text(11, 44, 54), std::string(10, ' '));
    EXPECT_EQ(vc->AttrAt(45, 10), 15);
    EXPECT_EQ(Ship().GetFuel(), fuel);
    EXPECT_EQ(Messages()->GetTotal(), 0);
    EXPECT_EQ(vc->AttrAt(2, 6), 12);  // the cursor stays on square 4
}

TEST(IonCannonTest, TheAnswerTogglesWithLeftAndRight) {
    con::ScopedVirtualConsole vc;
    bool yes = true;
    auto const ask = [&yes] { yes = ConfirmFireIonCannon(Out(), In()); };
    vc->Enter();
    EXPECT_TRUE(RunScreen(ask));
    EXPECT_FALSE(yes);  // No is highlighted at first
    vc->Right().Enter();
    EXPECT_TRUE(RunScreen(ask));
    EXPECT_TRUE(yes);
    EXPECT_EQ(vc->AttrAt(44, 11), 240);
    EXPECT_EQ(vc->AttrAt(50, 11), 15);
    EXPECT_EQ(vc->Text(11, 44, 54), " Yes   No ");
    vc->Left().Right().Enter();
    EXPECT_TRUE(RunScreen(ask));
    EXPECT_FALSE(yes);
    vc->Type("q").Type("y");
    EXPECT_TRUE(RunScreen(ask));
    EXPECT_TRUE(yes);
    vc->Type("N");
    EXPECT_TRUE(RunScreen(ask));
    EXPECT_FALSE(yes);
}

TEST(IonCannonTest, SpaceAddsFuelAndTheStatusBarShowsIt) {
    con::ScopedVirtualConsole vc;
    PlaceShipAbove(3);
    vc->Space().Space().Escape();
    EXPECT_TRUE(RunCannon());
    EXPECT_EQ(Ship().GetFuel(), 140000 + 200000);
    EXPECT_EQ(vc->Text(24, 12, 21), "340,000  ");
    EXPECT_EQ(vc->AttrAt(12, 24), 48);
}

TEST(IonCannonTest, FieldsAreBlankedBeforeEachRedraw) {
    con::ScopedVirtualConsole vc;
    PlaceShipAbove(5);
    Populate(SquareOf(5, 0), SubSector::kWasteland, true);
    Populate(SquareOf(5, 1), SubSector::kCity, true);
    vc->Right().Escape();
    EXPECT_TRUE(RunCannon());
    EXPECT_EQ(vc->Text(2, 45, 77), "Sector: City                    ");
    EXPECT_EQ(vc->Text(3, 45, 77), "Known Enemy Pop: 15,000         ");
    EXPECT_EQ(vc->AttrAt(45, 2), 12);
    EXPECT_EQ(vc->AttrAt(53, 2), 14);
    EXPECT_EQ(vc->AttrAt(70, 2), 0);
}

TEST(IonCannonSequenceTest, LiveFeedFrameByFrame) {
    con::ScopedVirtualConsole vc;
    PlaceShipAbove(3);
    Populate(SquareOf(3, 5), SubSector::kDesert, true);
    std::vector<Frame> frames;
    RecordFrames(*vc, frames);
    vc->Type("x");
    ASSERT_TRUE(RunScreen([] { FireIonCannon(Out(), In(), 5, 3, 2); }));

    std::vector<uint32_t> expected = {500};
    expected.insert(expected.end(), 10, 500);
    expected.push_back(250);
    expected.insert(expected.end(), 14, 2);
    expected.insert(expected.end(), 27, 50);
    expected.insert(expected.end(), 14, 2);
    expected.push_back(50);
    std::vector<uint32_t> pauses;
    for (Frame const& frame : frames) {
        pauses.push_back(frame.ms);
    }
    ASSERT_EQ(pauses, expected);
    EXPECT_EQ(vc->NowMs(), 7206u);

    EXPECT_NE(frames[0].chargeLine.find("CHARGING"), std::string::npos);
    EXPECT_EQ(ByteIn(frames[0], 56, 22), 'L');  // LIVE FEED
    EXPECT_EQ(AttrIn(frames[0], 46, 20), 110);  // the desert's sand at the bottom of the view
    // The bar fills one cell every half second, then the shot is called.
    for (int k = 0; k <= 10; ++k) {
        EXPECT_EQ(frames[k].chargeLine.substr(0, 9 + 10 * 3), "CHARGING " + DarkShades(k)) << k;
    }
    EXPECT_NE(frames[11].chargeLine.find("<<FIRE>>"), std::string::npos);
    // The beam grows down the middle of the view, one slice a pause.
    for (int k = 0; k < 14; ++k) {
        Frame const& frame = frames[12 + k];
        EXPECT_EQ(ByteIn(frame, 45 + 13, 6 + k), 176) << k;
        EXPECT_EQ(ByteIn(frame, 45 + 14, 6 + k), 177) << k;
        if (k < 13) {
            EXPECT_NE(ByteIn(frame, 45 + 14, 7 + k), 177) << k;
        }
    }
    // The blast (black on grey, no colour of the desert tile) grows over the
    // target tile (origin (13, 7)) every seventh pause of the impact.
    int const tx = 13, ty = 7;
    ExpectBlastGrows(frames, 26, 7, tx, ty);
    // The impact domes turn with the counter 1, 2, 3, 2, 1, ...: once round, the
    // view repeats every four pauses.
    EXPECT_NE(frames[27].view, frames[28].view);
    EXPECT_EQ(frames[30].view, frames[34].view);
    EXPECT_EQ(frames[31].view, frames[47].view);
    // Retracting: the beam's top slice goes first.
    EXPECT_EQ(ByteIn(frames[53], 45 + 14, 6), ' ');
    EXPECT_EQ(ByteIn(frames[53], 45 + 14, 7), 177);
    // Once the captain has pressed a key the view is gone, the square is rubble.
    EXPECT_EQ(vc->Picture(tx, ty, 9, 4), " ▒░▒▓▒░▒ \n▒░▒▓█▓▒░▒\n▒░▒▓█▓▒░▒\n ▒░▒▓▒░▒ ");
    EXPECT_EQ(vc->Text(11, 45, 76), std::string(31, ' '));
    EXPECT_EQ(FirstReport(),
              "A Desert Region in Sector V has been destroyed by your accurate Ion Cannon skills.");
}

TEST(IonCannonSequenceTest, OnlySquareFiveOfSectorOneShowsTheCitysMark) {
    auto const markShown = [](int sector) {
        con::ScopedVirtualConsole vc;
        Populate(SquareOf(sector, 5), SubSector::kCity, true);
        Ship().SetDestination(sector);
        while (Ship().GetLocation() != sector) {
            Ship().Travel();
        }
        std::vector<Frame> frames;
        RecordFrames(*vc, frames);
        vc->Type("x");
        EXPECT_TRUE(RunScreen([] { FireIonCannon(Out(), In(), 5, 3, 2); }));
        return ByteIn(frames[0], 61, 19) == 'd' && ByteIn(frames[0], 62, 19) == 'P' &&
               AttrIn(frames[0], 61, 19) == 96;
    };
    EXPECT_TRUE(markShown(1));
    EXPECT_FALSE(markShown(2));
}

TEST(IonCannonSequenceTest, NoVisualFrameByFrame) {
    con::ScopedVirtualConsole vc;
    PlaceShipAbove(24);
    Populate(SquareOf(24, 15), SubSector::kMountains, false);
    std::vector<Frame> frames;
    RecordFrames(*vc, frames);
    vc->Type("x");
    ASSERT_TRUE(RunScreen([] { FireIonCannon(Out(), In(), 15, 3, 2); }));

    ASSERT_EQ(frames.size(), 120u);
    for (Frame const& frame : frames) {
        EXPECT_EQ(frame.ms, 10u);
    }
    EXPECT_EQ(ByteIn(frames[0], 56, 22), 'N');
    // Static moves: three patterns in turn.
    for (int n = 0; n + 3 < 120; ++n) {
        EXPECT_EQ(frames[n].view, frames[n + 3].view) << n;
        EXPECT_NE(frames[n].view, frames[n + 1].view) << n;
    }
    // A cell of the bar for every ten pauses, about a second in all.
    EXPECT_EQ(frames[0].chargeLine.substr(0, 9 + 30), "CHARGING " + DarkShades(1));
    EXPECT_EQ(frames[99].chargeLine.substr(0, 9 + 30), "CHARGING " + DarkShades(10));
    EXPECT_EQ(frames[99].chargeLine.find("<<FIRE"), std::string::npos);
    EXPECT_NE(frames[100].chargeLine.find("<<FIRE IN PROGRESS>>"), std::string::npos);
    // The blast grows over the question mark at square 15's tile (33, 17).
    ExpectBlastGrows(frames, 100, 5, 33, 17);
    EXPECT_EQ(SquareOf(24, 15).GetType(), SubSector::kRubble);
    EXPECT_EQ(FirstReport(),
              "A SubSector of an unknown land type in Sector K has been leveled by your Ion Cannon. "
              "Whatever was there before isn't there now.");
}

TEST(IonCannonSequenceTest, NoShotWithoutASectorBelowOrASquare) {
    con::ScopedVirtualConsole vc;
    EXPECT_FALSE(FireIonCannon(Out(), In(), 0, 3, 2));  // in orbit
    PlaceShipAbove(6);
    EXPECT_FALSE(FireIonCannon(Out(), In(), 16, 3, 2));
    EXPECT_FALSE(FireIonCannon(Out(), In(), -1, 3, 2));
    EXPECT_EQ(Messages()->GetTotal(), 0);
    EXPECT_EQ(vc->NowMs(), 0u);
}
