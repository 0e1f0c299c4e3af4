#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

#include "tests/support/ScreenHarness.h"
#include "tests/support/WorldHelpers.h"

#include "game/screens/CargoHold.h"
#include "game/world/Globals.h"
#include "platform/VirtualConsole.h"

namespace {

using testing_support::In;
using testing_support::Out;
using testing_support::Ship;
using testing_support::ShipMemberName;
using testing_support::TrimmedText;

namespace fs = std::filesystem;

constexpr int kLit = 241;

bool Cargo() {
    return testing_support::RunScreen([] { CargoMenu(Out(), In(), DeckRoom::Cargo); });
}

// Each case runs in a folder of its own, as the game runs in the folder that
// holds its data file.
class CargoHold : public testing::Test {
protected:
    void SetUp() override {
        home_ = fs::current_path();
        folder_ = fs::temp_directory_path() / ("cargo-hold-" + std::to_string(::getpid()));
        fs::create_directories(folder_);
        fs::current_path(folder_);
    }
    void TearDown() override {
        fs::current_path(home_);
        fs::remove_all(folder_);
    }
    static void WriteArtifacts(std::string const& bytes) {
        std::ofstream(kArtifactFile, std::ios::binary) << bytes;
    }
    static std::string ArtifactName() {
        char name[kCargoNameSize];
        GetArtifactName(name);
        return name;
    }

private:
    fs::path home_;
    fs::path folder_;
};

// A list row's text, without its padding.
std::string Row(con::VirtualConsole const& vc, int x, int y, int width) {
    return TrimmedText(vc, y, x, x + width);
}

// ---- The artifacts' name ----------------------------------------------------------

TEST_F(CargoHold, TheArtifactNameIsTheFirstLine) {
    WriteArtifacts("Sunstone Idol\nsecond line\n");
    EXPECT_EQ(ArtifactName(), "Sunstone Idol");
    WriteArtifacts("Crystal Skull\r\nsecond line\r\n");
    EXPECT_EQ(ArtifactName(), "Crystal Skull") << "the carriage return is part of the line end";
    WriteArtifacts("No line end at all");
    EXPECT_EQ(ArtifactName(), "No line end at all");
    WriteArtifacts("\xEF\xBB\xBFGolden Sextant\n");
    EXPECT_EQ(ArtifactName(), "Golden Sextant") << "an editor's byte-order mark is dropped";
}

TEST_F(CargoHold, ALongFirstLineIsCutToNineteen) {
    WriteArtifacts("Ancient Translocator Rod\n");  // 24 characters
    EXPECT_EQ(ArtifactName(), "Ancient Translocato");
    WriteArtifacts("Nineteen characters\r\n");
    EXPECT_EQ(ArtifactName(), "Nineteen characters");
    WriteArtifacts("Twenty characters!!\r\r\n");
    EXPECT_EQ(ArtifactName(), "Twenty characters!!");
}

TEST_F(CargoHold, AUtf8NameShowsInItsGlyphsAndIsCutAtNineteenCharacters) {
    std::string const byteOrderMark = "\xEF\xBB\xBF";
    WriteArtifacts(byteOrderMark + "ÄÖÜ Café € ╔═Idol of Ages\n");
    EXPECT_EQ(ArtifactName(), "\x8E\x99\x9A Caf\x82 ? \xC9\xCDIdol o")
        << "byte-order mark dropped; a euro sign the code page lacks shows as '?'";
    WriteArtifacts("Idol \u25D9 of \u266A Age \u2022\u25D8\u25CB\n");
    EXPECT_EQ(ArtifactName(), "Idol ? of ? Age ???") << "glyphs at the console's control bytes never move it";
    WriteArtifacts("Caf\xE9 Sunstone\n");  // Latin-1, not UTF-8
    EXPECT_EQ(ArtifactName(), "Caf\xE9 Sunstone") << "bytes that are not UTF-8 are taken one by one";
}

TEST_F(CargoHold, MissingOrEmptyFileGivesTheEmptyName) {
    EXPECT_EQ(ArtifactName(), "") << "missing";
    WriteArtifacts("");
    EXPECT_EQ(ArtifactName(), "") << "empty";
    WriteArtifacts("\nSecond Line Idol\n");
    EXPECT_EQ(ArtifactName(), "") << "empty first line";
    WriteArtifacts("\r\n");
    EXPECT_EQ(ArtifactName(), "") << "empty first line, other line ends";
}

TEST(CargoHoldData, TheShippedFileNamesTheArtifacts) {
    std::ifstream file(std::string(MOTHERSHIP_DATA_DIR) + "/" + kArtifactFile);
    std::string line;
    ASSERT_TRUE(std::getline(file, line));
    EXPECT_FALSE(line.empty());
    EXPECT_LE(line.size(), kCargoNameSize - 1);
    EXPECT_EQ(line.find('\r'), std::string::npos);
}

// ---- Artifacts, bombs and hives ---------------------------------------------------------

TEST_F(CargoHold, EachArtifactVisitAddsFive) {
    WriteArtifacts("Sunstone Idol\r\n");
    {
        con::ScopedVirtualConsole vc;
        vc->Enter();
        EXPECT_FALSE(Cargo());
        EXPECT_EQ(vc->Text(1, 2, 20), "Total Artifacts: 5");
        EXPECT_EQ(vc->Text(2, 2, 43), std::string(41, '*'));
        EXPECT_EQ(vc->AttrAt(2, 2), 6);
        for (int y = 3; y < 8; ++y) {
            EXPECT_EQ(Row(*vc, 2, y, 40), "Sunstone Idol") << y;
        }
        EXPECT_EQ(Row(*vc, 2, 8, 40), "");
        EXPECT_EQ(vc->AttrAt(2, 3), kLit);
        EXPECT_EQ(vc->AttrAt(0, 5), 96) << "the view's frame";
    }
    con::ScopedVirtualConsole vc;
    vc->Enter();
    EXPECT_FALSE(Cargo());
    EXPECT_EQ(vc->Text(1, 2, 21), "Total Artifacts: 10");
    EXPECT_EQ(Ship().GetArtifacts(), 10);
    EXPECT_EQ(Row(*vc, 2, 12, 40), "Sunstone Idol");
    EXPECT_EQ(Row(*vc, 2, 13, 40), "");
}

TEST_F(CargoHold, WithoutTheFileTheArtifactRowsAreEmptyAndCounted) {
    con::ScopedVirtualConsole vc;
    vc->Enter();
    EXPECT_FALSE(Cargo());
    EXPECT_EQ(vc->Text(1, 2, 20), "Total Artifacts: 5");
    for (int y = 3; y < 8; ++y) {
        EXPECT_EQ(Row(*vc, 2, y, 40), "") << y;
    }
    EXPECT_EQ(vc->AttrAt(2, 3), kLit) << "the first, empty row is still the highlighted one";
}

TEST_F(CargoHold, ThousandsOfArtifactsListTheirFirstTwoHundred) {
    Ship().ChangeArtifacts(1995);
    con::ScopedVirtualConsole vc;
    vc->Enter();
    for (int i = 0; i < 30; ++i) {
        vc->PageDown();
    }
    vc->Down();
    EXPECT_FALSE(Cargo());
    EXPECT_EQ(vc->Text(1, 2, 23), "Total Artifacts: 2000") << "the total is the full count";
    // The last window of 200 rows: its first row highlighted, the thumb at the bottom.
    EXPECT_EQ(vc->AttrAt(2, 4), kLit);
    EXPECT_EQ(vc->Text(14, 42, 43), "■");
    EXPECT_EQ(vc->Text(3, 42, 43), "↑");
}

TEST_F(CargoHold, EachBombVisitAddsTwoWhileThereIsRoom) {
    con::ScopedVirtualConsole vc;
    vc->Down().Enter().Escape().Enter();
    EXPECT_FALSE(Cargo());
    EXPECT_EQ(vc->Text(1, 2, 16), "Total Bombs: 4");
    EXPECT_EQ(vc->Picture(2, 2, 40, 5),
              "Plasma Fusion Bomb                      \n"
              "Liquiferno Napalm Bomb                  \n"
              "Plasma Fusion Bomb                      \n"
              "Liquiferno Napalm Bomb                  \n"
              "                                        ");
    EXPECT_EQ(Ship().GetCargo(), 150000 + 10000 + 1000 + 4 * 2000);

    // A full hold refuses them; the view still opens.
    Ship().SetFood(Ship().GetFood() + Mothership::kCargoSpace - Ship().GetCargo() - 1999);
    con::ScopedVirtualConsole full;
    full->Down().Enter().Escape();
    EXPECT_FALSE(Cargo());
    EXPECT_EQ(Ship().GetBombQueue()->GetTotal(), 4);
    EXPECT_EQ(Ship().GetCargo(), Mothership::kCargoSpace - 1999);
    EXPECT_EQ(full->AttrAt(43, 8), kLit) << "back on the menu at item 2";
}

TEST_F(CargoHold, HundredsOfBombsListTheirFirstTwoHundred) {
    for (int i = 0; i < 300; ++i) {
        ASSERT_TRUE(Ship().GetBombQueue()->enqueue(BOMB_FLACK, Mothership::kCargoSpace));
    }
    con::ScopedVirtualConsole vc;
    vc->Down().Enter();
    for (int i = 0; i < 30; ++i) {
        vc->PageDown();
    }
    EXPECT_FALSE(Cargo());
    EXPECT_EQ(vc->Text(1, 2, 18), "Total Bombs: 302");
    EXPECT_EQ(Row(*vc, 2, 13, 40), "FLACK") << "the 200th row; the two new bombs are past it";
}

TEST_F(CargoHold, TheHivesViewWithNoHives) {
    con::ScopedVirtualConsole vc;
    vc->Down().Down().Enter();
    EXPECT_FALSE(Cargo());
    EXPECT_EQ(vc->Text(1, 2, 15), "Total Eggs: 0");
    EXPECT_EQ(vc->Picture(2, 2, 41, 2), std::string(40, ' ') + "▬\n" + std::string(40, ' ') + "░");
    EXPECT_EQ(Ship().GetHiveQueue()->GetTotal(), 0) << "the view adds none";

    con::ScopedVirtualConsole back;
    back->Down().Down().Enter().Escape();
    EXPECT_FALSE(Cargo());
    EXPECT_EQ(back->AttrAt(43, 12), kLit) << "Escape leaves the empty list";
}

TEST_F(CargoHold, HivesFromTheIncineratorAndAViewThatLasts) {
    con::ScopedVirtualConsole vc;
    // Three visits of the Incinerator, left at once each time.
    vc->Up().Up().Enter().Escape().Enter().Escape().Enter().Escape();
    // The hives: the cursor down one, left; then back.
    vc->Up().Enter().Down().Escape().Enter();
    EXPECT_FALSE(Cargo());
    EXPECT_EQ(vc->Text(1, 2, 15), "Total Eggs: 3");
    EXPECT_EQ(vc->Picture(2, 2, 40, 4),
              "Povolnian Eggs                          \n"
              "Povolnian Eggs                          \n"
              "Povolnian Eggs                          \n"
              "                                        ");
    EXPECT_EQ(vc->AttrAt(2, 3), kLit) << "the cursor where the last visit left it";
    EXPECT_EQ(vc->AttrAt(2, 2), 15);
    EXPECT_EQ(Ship().GetCargo(), 150000 + 10000 + 1000 + 3 * 20);
}

TEST(CargoHoldNames, EggsByRace) {
    auto egg = [](CrewType race) {
        char out[kListRowSize] = "kept";
        GetEggName(race, out, sizeof out);
        return std::string(out);
    };
    EXPECT_EQ(egg(RACE_POVOLNIAN), "Povolnian Eggs");
    EXPECT_EQ(egg(RACE_OBLIVION), "Oblivio Eggs") << "the hold's own name";
    EXPECT_EQ(egg(RACE_DEORIAN), "Lemure Eggs");
    EXPECT_EQ(egg(RACE_WOOT_WOOT), "Woot Woot Eggs shouldnt exist");
    EXPECT_EQ(egg(RACE_BLOB), "kept") << "Blobs lay no eggs of a name";
    EXPECT_EQ(egg(RACE_INVALID), "BAD");
    EXPECT_EQ(egg(static_cast<CrewType>(99)), "BAD");
    char small[8];
    GetEggName(RACE_CLUCKTILLIAN, small, sizeof small);
    EXPECT_STREQ(small, "Cluckti");
}

TEST(CargoHoldNames, BombsByKindAndCrewByName) {
    auto bomb = [](Bomb kind) {
        BombNode node;
        node.bomb = kind;
        char out[kListRowSize] = "kept";
        GetBombName(node, out, sizeof out);
        return std::string(out);
    };
    EXPECT_EQ(bomb(BOMB_FLACK), "FLACK");
    EXPECT_EQ(bomb(BOMB_NEURONUTRALIZER_GAS), "Neuronutralizer Gas");
    EXPECT_EQ(bomb(static_cast<Bomb>(7)), "kept") << "a kind without a name writes nothing";

    char row[kListRowSize] = "old row";
    GetCrewListName("Zorbo Fleck", row, sizeof row);
    EXPECT_STREQ(row, "Zorbo Fleck");
    char small[6];
    GetCrewListName("Zorbo Fleck", small, sizeof small);
    EXPECT_STREQ(small, "Zorbo");
}

TEST(CargoHoldNames, ABunkerInOneLine) {
    Bunker& bunker = *Globals::GetMap()->GetSector(1)->GetBunker();
    bunker.ChangeFood(1234 - bunker.GetFood());
    bunker.ChangeMaterials(56 - bunker.GetMaterials());
    ASSERT_EQ(bunker.GetFuel(), 0);
    char out[kListRowSize];
    BunkerSummary(1, out, sizeof out);
    EXPECT_STREQ(out, "Bunker I- Food :      1234 Fuel :         0 Materials :        56");
    char food[20];
    FormatFood(123456789, food, sizeof food);
    EXPECT_STREQ(food, "Food : 123456789");
    FormatFuel(7, food, sizeof food);
    EXPECT_STREQ(food, "Fuel :         7");
    char shortOut[12];
    BunkerSummary(1, shortOut, sizeof shortOut);
    EXPECT_STREQ(shortOut, "Bunker I- F") << "cut to fit";
    BunkerSummary(25, out, sizeof out);
    EXPECT_STREQ(out, "") << "no sector 25";
}

// ---- The Incinerator ------------------------------------------------------------------

bool Incinerator() {
    return testing_support::RunScreen([] {
        std::vector<ListRow> cargo(kCargoListRows);
        std::vector<ListRow> burn(kCargoListRows);
        IncineratorMenu(cargo.data(), burn.data(), In(), Out());
    });
}

// What the hold holds, to see that the Incinerator changes none of it.
struct Hold {
    int artifacts;
    int hives;
    int crew;
    int fuel;
    int cargo;
    bool operator==(Hold const&) const = default;
};
Hold HoldNow() {
    return {Ship().GetArtifacts(), Ship().GetHiveQueue()->GetTotal(), Ship().GetCrewQueue()->GetTotal(),
            Ship().GetFuel(), Ship().GetCargo()};
}

TEST_F(CargoHold, TheIncineratorListsArtifactsHivesThenCrew) {
    WriteArtifacts("Sunstone Idol\n");
    Ship().ChangeArtifacts(2);
    ASSERT_TRUE(Ship().GetHiveQueue()->enqueue(RACE_POVOLNIAN, Mothership::kCargoSpace));
    con::ScopedVirtualConsole vc;
    vc->Down();
    EXPECT_FALSE(Incinerator());
    EXPECT_EQ(vc->Text(2, 3, 48), "Burn Resources In The Cargo Hold to make Fuel");
    EXPECT_EQ(Row(*vc, 3, 5, 35), "Sunstone Idol");
    EXPECT_EQ(Row(*vc, 3, 6, 35), "Sunstone Idol");
    EXPECT_EQ(Row(*vc, 3, 7, 35), "Povolnian Eggs");
    EXPECT_EQ(Row(*vc, 3, 8, 35), ShipMemberName(0));
    EXPECT_EQ(vc->AttrAt(3, 6), kLit);
    EXPECT_EQ(vc->Text(19, 7, 34), "Total Items In Cargo: 36   ");
    EXPECT_EQ(vc->Text(19, 42, 75), "Total Items In Incinerator: 0    ");
    EXPECT_EQ(vc->Text(21, 20, 66), "Total Fuel Gained From Destroying Items: 0    ");
    EXPECT_EQ(Row(*vc, 40, 5, 35), "") << "nothing to burn yet";
}

TEST_F(CargoHold, EnterMovesAnItemAcrossAndBack) {
    con::ScopedVirtualConsole vc;
    Hold const before = HoldNow();
    // Across: the first crew member; Right to the pile; back again.
    vc->Enter().Right();
    EXPECT_FALSE(Incinerator());
    EXPECT_EQ(Row(*vc, 40, 5, 35), ShipMemberName(0));
    EXPECT_EQ(vc->AttrAt(40, 5), kLit) << "the pile has the focus";
    EXPECT_EQ(Row(*vc, 3, 5, 35), ShipMemberName(1));
    EXPECT_EQ(vc->Text(19, 29, 34), "32   ");
    EXPECT_EQ(vc->Text(19, 70, 75), "1    ");

    con::ScopedVirtualConsole back;
    back->Enter().Right().Enter();
    EXPECT_FALSE(Incinerator());
    EXPECT_EQ(Row(*back, 3, 5, 35), ShipMemberName(0));
    EXPECT_EQ(Row(*back, 40, 5, 35), "");
    EXPECT_EQ(back->AttrAt(3, 5), kLit) << "the empty pile gave the focus back";
    EXPECT_EQ(HoldNow(), before);
}

TEST_F(CargoHold, CountsArePaddedSoTenToNineShowsNine) {
    CrewQueue& crew = *Ship().GetCrewQueue();
    crew.KillAllCrew();
    for (int i = 0; i < 10; ++i) {
        ASSERT_TRUE(crew.enqueue(RACE_MAKO, false));
    }
    con::ScopedVirtualConsole vc;
    for (int i = 0; i < 10; ++i) {
        vc->Enter();
    }
    vc->Right().Enter();
    EXPECT_FALSE(Incinerator());
    EXPECT_EQ(vc->Text(19, 29, 34), "1    ");
    EXPECT_EQ(vc->Text(19, 70, 75), "9    ") << "not 90";

    con::ScopedVirtualConsole down;
    down->Enter();
    EXPECT_FALSE(Incinerator());
    EXPECT_EQ(down->Text(19, 29, 34), "9    ") << "not 90";
}

TEST_F(CargoHold, AnOnlyItemTakesTheFocusAcrossAndRightWithAnEmptyPileDoesNothing) {
    CrewQueue& crew = *Ship().GetCrewQueue();
    crew.KillAllCrew();
    ASSERT_TRUE(crew.enqueue(RACE_MAKO, false));
    ASSERT_TRUE(crew.enqueue(RACE_MAKO, true));
    con::ScopedVirtualConsole vc;
    vc->Right().Down().Enter();  // Right stays: the pile is empty
    EXPECT_FALSE(Incinerator());
    EXPECT_EQ(Row(*vc, 40, 5, 35), ShipMemberName(1));
    EXPECT_EQ(vc->AttrAt(3, 5), kLit) << "the focus stays on the hold";

    con::ScopedVirtualConsole only;
    crew.KillAllCrew();
    ASSERT_TRUE(crew.enqueue(RACE_MAKO, false));
    only->Enter();
    EXPECT_FALSE(Incinerator());
    EXPECT_EQ(Row(*only, 40, 5, 35), ShipMemberName(0));
    EXPECT_EQ(only->AttrAt(40, 5), kLit) << "the focus followed the only item";
    EXPECT_EQ(Row(*only, 3, 5, 35), "");
}

TEST_F(CargoHold, EscapeWithAnEmptyPileLeavesAtOnce) {
    con::ScopedVirtualConsole vc;
    Hold const before = HoldNow();
    vc->Down().Escape();
    EXPECT_TRUE(Incinerator());
    EXPECT_NE(vc->Text(11, 8, 32), "Burn Resources for Fuel?");
    EXPECT_EQ(HoldNow(), before);
}

TEST_F(CargoHold, TheBurnPromptChangesNothingWhateverTheAnswer) {
    Hold const before = HoldNow();
    {
        con::ScopedVirtualConsole vc;
        vc->Enter().Enter().Escape();
        EXPECT_FALSE(Incinerator());
        EXPECT_EQ(vc->Text(11, 8, 32), "Burn Resources for Fuel?");
        EXPECT_EQ(vc->AttrAt(8, 11), 14);
        EXPECT_EQ(vc->Text(12, 12, 22), " Yes   No ");
        EXPECT_EQ(vc->AttrAt(12, 12), 15);
        EXPECT_EQ(vc->AttrAt(18, 12), 240) << "No first";
        EXPECT_EQ(Row(*vc, 2, 6, 36), "") << "the hold's list is blanked";
        EXPECT_EQ(Row(*vc, 40, 5, 35), ShipMemberName(0)) << "the pile stays in view";
    }
    {
        con::ScopedVirtualConsole vc;
        vc->Enter().Escape().Left().Escape();
        EXPECT_FALSE(Incinerator()) << "Escape on the prompt does nothing";
        EXPECT_EQ(vc->AttrAt(12, 12), 240);
        EXPECT_EQ(vc->AttrAt(18, 12), 15);
    }
    for (char const* answer : {"y", "Y", "n", "N"}) {
        con::ScopedVirtualConsole vc;
        vc->Enter().Escape().Type(answer);
        EXPECT_TRUE(Incinerator()) << answer;
    }
    {
        con::ScopedVirtualConsole vc;
        vc->Enter().Escape().Right().Enter();
        EXPECT_TRUE(Incinerator()) << "Enter on Yes";
    }
    EXPECT_EQ(HoldNow(), before);
}

TEST_F(CargoHold, ConfirmBurnAnswers) {
    con::ScopedVirtualConsole vc;
    vc->Enter();
    EXPECT_FALSE(ConfirmBurn(Out(), In()));
    vc->Right().Enter();
    EXPECT_TRUE(ConfirmBurn(Out(), In()));
    vc->Left().Left().Enter();
    EXPECT_FALSE(ConfirmBurn(Out(), In()));
    vc->Escape().Type("qy");
    EXPECT_TRUE(ConfirmBurn(Out(), In()));
}

TEST_F(CargoHold, WithNothingInTheHoldTheIncineratorWaitsForEscape) {
    Ship().GetCrewQueue()->KillAllCrew();
    con::ScopedVirtualConsole vc;
    vc->Down().Enter().Right().Left();
    EXPECT_FALSE(Incinerator()) << "keys other than Escape do nothing";
    EXPECT_EQ(vc->Text(19, 7, 34), "Total Items In Cargo: 0    ");
    vc->Down().Escape();
    EXPECT_TRUE(Incinerator());

    // From the room, with the hold too full for the hive the visit brings.
    Ship().SetFood(Ship().GetFood() + Mothership::kCargoSpace - Ship().GetCargo() - 19);
    con::ScopedVirtualConsole room;
    room->Up().Up().Enter().Enter().Escape();
    EXPECT_FALSE(Cargo());
    EXPECT_EQ(Ship().GetHiveQueue()->GetTotal(), 0);
    EXPECT_EQ(room->AttrAt(43, 16), kLit) << "back on the menu at item 4";
}

TEST_F(CargoHold, MoreItemsThanTheListsHold) {
    Ship().ChangeArtifacts(300);
    Hold const before = HoldNow();
    con::ScopedVirtualConsole vc;
    for (int i = 0; i < 270; ++i) {
        vc->Enter();  // the first row of the hold, each time
    }
    EXPECT_FALSE(Incinerator());
    // 250 items marked, of which the pile lists 200; the hold lists the 50
    // artifacts past the marks and the 33 crew, and none of them can be marked.
    EXPECT_EQ(vc->Text(19, 70, 75), "200  ");
    EXPECT_EQ(vc->Text(19, 29, 34), "83   ");
    EXPECT_EQ(Row(*vc, 3, 5, 35), "");
    EXPECT_EQ(vc->AttrAt(3, 5), kLit);
    EXPECT_EQ(HoldNow(), before);
}

TEST_F(CargoHold, MenuItemsAndLeaving) {
    con::ScopedVirtualConsole vc;
    vc->Down();
    EXPECT_FALSE(Cargo());
    EXPECT_EQ(vc->Picture(43, 4, 27, 1), "  View your Artifacts      ");
    EXPECT_EQ(vc->Picture(43, 8, 27, 1), "  View Bombs on board      ");
    EXPECT_EQ(vc->Picture(43, 12, 27, 1), "  View Hives in Incubation ");
    EXPECT_EQ(vc->Picture(43, 16, 27, 1), "  Visit The Incinerator    ");
    EXPECT_EQ(vc->Picture(43, 20, 27, 1), "  Return to Main Deck      ");
    EXPECT_EQ(vc->AttrAt(43, 8), kLit);
    EXPECT_EQ(vc->AttrAt(43, 4), 31);
    EXPECT_EQ(vc->Text(0, 21, 60), "Press Escape To Return To Previous Menu");

    con::ScopedVirtualConsole up;
    up->Up().Enter();
    EXPECT_TRUE(Cargo()) << "Return to Main Deck";
    EXPECT_EQ(up->Picture(43, 20, 27, 1), "  Return to Main Deck      ")
        << "the room is left as it stands: the main deck draws the ship over it";
    con::ScopedVirtualConsole escape;
    escape->Escape();
    EXPECT_TRUE(Cargo());
    EXPECT_EQ(escape->Text(0), std::string(80, ' '));
}

}  // namespace
