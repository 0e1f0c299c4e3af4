#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "game/world/GameRandom.h"
#include "game/world/NameGenerator.h"
#include "game/world/NameTables.h"

using namespace nametables;

namespace {

struct Expected {
    char const* label;
    NameTable table;
    std::size_t rows;
    std::size_t longest;
};

std::vector<Expected> AllTables() {
    return {
        {"Povolnian long", kPovolnianLong, 30, 15},
        {"Povolnian short", kPovolnianShort, 41, 10},
        {"Povolnian suffix", kPovolnianSuffix, 5, 3},
        {"Grekkp stem", kGrekkpStem, 65, 6},
        {"Grekkp female", kGrekkpFemale, 47, 7},
        {"Grekkp male", kGrekkpMale, 63, 8},
        {"Mako stem", kMakoStem, 76, 4},
        {"Mako ending", kMakoEnding, 76, 8},
        {"Uberfleck stem", kUberfleckStem, 74, 6},
        {"Uberfleck ending", kUberfleckEnding, 66, 8},
        {"Mududu stem", kMududuStem, 63, 5},
        {"Mududu ending", kMududuEnding, 88, 9},
        {"Oblivion stem", kOblivionStem, 52, 5},
        {"Oblivion ending", kOblivionEnding, 59, 8},
        {"Deorian stem", kDeorianStem, 145, 5},
        {"Deorian ending", kDeorianEnding, 104, 8},
        {"Hampster pet", kHampsterPet, 106, 15},
        {"Ivinian tree stem", kIvinianTreeStem, 41, 7},
        {"Ivinian flower end", kIvinianFlowerEnd, 32, 6},
        {"Ivinian flower stem", kIvinianFlowerStem, 38, 6},
        {"Ivinian tree end", kIvinianTreeEnd, 38, 6},
        {"male first name", kHumanMale, 274, 12},
        {"female first name", kHumanFemale, 303, 10},
        {"joke name", kJokeName, 9, 17},
    };
}

std::string Name(CrewType race, bool female, std::vector<int> draws, std::size_t* used = nullptr) {
    char name[20] = "Before";
    ScriptGameRand(std::move(draws));
    std::size_t const before = GameRandDraws();
    MakeName(race, name, female);
    if (used != nullptr) {
        *used = GameRandDraws() - before;
    }
    ClearGameRandScript();
    return name;
}

int Count(NameTable table, char const* row) {
    return static_cast<int>(
        std::count_if(table.begin(), table.end(), [row](char const* r) { return std::strcmp(r, row) == 0; }));
}

TEST(NameTables, HoldTheirRowCountsAndLongestRows) {
    for (Expected const& e : AllTables()) {
        EXPECT_EQ(e.table.size(), e.rows) << e.label;
        std::size_t longest = 0;
        for (char const* row : e.table) {
            ASSERT_NE(row, nullptr) << e.label;
            EXPECT_GT(std::strlen(row), 0u) << e.label;
            longest = std::max(longest, std::strlen(row));
        }
        EXPECT_EQ(longest, e.longest) << e.label;
    }
    EXPECT_EQ(std::strlen(kWootWootAll), 48u);
    EXPECT_STREQ(kWootWootLetters, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_STREQ(kWootWootDigits, "0123456789");
}

TEST(NameTables, ReadAsNamesOfTheirRace) {
    std::vector<std::string> const suffixes(kPovolnianSuffix.begin(), kPovolnianSuffix.end());
    EXPECT_EQ(suffixes, (std::vector<std::string>{"II", "III", "IV", "Jr.", "Sr."}));
    EXPECT_EQ(Count(kPovolnianShort, "Enyalioide"), 1);
    for (char const* row : kGrekkpFemale) {
        EXPECT_EQ(row[std::strlen(row) - 1], 'a') << row;
    }
    for (char const* row : kGrekkpMale) {
        EXPECT_TRUE(std::string(row).ends_with("us")) << row;
    }
    for (char const* row : kHampsterPet) {
        EXPECT_EQ(row[std::strlen(row) - 1], ' ') << row;
        EXPECT_NE(row[std::strlen(row) - 2], ' ') << row;
    }
    EXPECT_TRUE(std::is_sorted(kHumanMale.begin(), kHumanMale.end(),
                               [](char const* a, char const* b) { return std::strcmp(a, b) < 0; }));
    EXPECT_TRUE(std::is_sorted(kHumanFemale.begin(), kHumanFemale.end(),
                               [](char const* a, char const* b) { return std::strcmp(a, b) < 0; }));
    // Stems start with a capital, endings are lower case, except
    // the hyphened second given names of the double names.
    for (NameTable stems : {kGrekkpStem, kMakoStem, kUberfleckStem, kMududuStem, kOblivionStem, kDeorianStem,
                            kIvinianTreeStem, kIvinianFlowerStem}) {
        for (char const* row : stems) {
            EXPECT_TRUE(row[0] >= 'A' && row[0] <= 'Z') << row;
        }
    }
    int hyphened[2] = {0, 0};
    NameTable const withDoubles[2] = {kUberfleckEnding, kOblivionEnding};
    for (int t = 0; t < 2; ++t) {
        for (char const* row : withDoubles[t]) {
            if (row[0] == '-') {
                ++hyphened[t];
                EXPECT_TRUE(row[1] >= 'A' && row[1] <= 'Z') << row;
            }
        }
    }
    EXPECT_EQ(hyphened[0], 3);
    EXPECT_EQ(hyphened[1], 6);
    for (NameTable endings : {kGrekkpFemale, kGrekkpMale, kMakoEnding, kMududuEnding, kDeorianEnding,
                              kIvinianFlowerEnd, kIvinianTreeEnd}) {
        for (char const* row : endings) {
            for (char const* c = row; *c != '\0'; ++c) {
                EXPECT_TRUE(*c >= 'a' && *c <= 'z') << row;
            }
        }
    }
}

TEST(MakeName, PovolnianDrawsSixTimesWhateverItUses) {
    std::size_t used = 0;
    EXPECT_EQ(Name(RACE_POVOLNIAN, false, {0, 3, 1, 1, 1, 3}, &used), "Dr. Enyalioide Jr.");
    EXPECT_EQ(used, 6u);
    EXPECT_EQ(std::string("Dr. Enyalioide Jr.").size(), 18u) << "the longest name the tables allow";
    EXPECT_EQ(Name(RACE_POVOLNIAN, true, {0, 3, 1, 0, 2, 3}, &used), "Enyalioide");
    EXPECT_EQ(Name(RACE_POVOLNIAN, true, {0, 1, 1, 2, 1, 0}, &used), "Caiman II");
    EXPECT_EQ(Name(RACE_POVOLNIAN, false, {33, 3, 2, 1, 1, 3}, &used), "Sphaerodactylus")
        << "s 0 takes the long name, row 33 % 30";
    EXPECT_EQ(used, 6u);
}

TEST(MakeName, StemRacesJoinAStemAndAnEnding) {
    std::size_t used = 0;
    EXPECT_EQ(Name(RACE_GREKKP, true, {0, 0, 0}, &used), "Abantundia");
    EXPECT_EQ(used, 3u);
    EXPECT_EQ(Name(RACE_GREKKP, false, {0, 0, 0}, &used), "Abantundius");
    EXPECT_EQ(used, 3u);
    EXPECT_EQ(Name(RACE_GREKKP, false, {2, 1, 2}, &used), "Flavolphus");
    EXPECT_EQ(Name(RACE_GREKKP, true, {2, 1, 2}, &used), "Flavlendina");

    EXPECT_EQ(Name(RACE_MAKO, false, {0, 0}, &used), "Vlodragoslav");
    EXPECT_EQ(used, 2u);
    EXPECT_EQ(Name(RACE_MAKO, true, {76 + 1, 2 * 76 + 2}, &used), "Svastochek")
        << "draws taken modulo the rows";
    EXPECT_EQ(Name(RACE_UBERFLECK, false, {1, 2}, &used), "Gottstanze");
    EXPECT_EQ(used, 2u);
    EXPECT_EQ(Name(RACE_MUDUDU, false, {0, 2}, &used), "Mwamtangulizi");
    EXPECT_EQ(used, 2u);
    EXPECT_EQ(Name(RACE_OBLIVION, true, {0, 0}, &used), "Gottedikt");
    EXPECT_EQ(used, 2u);
    EXPECT_EQ(Name(RACE_DEORIAN, false, {0, 1}, &used), "Akizaemon");
    EXPECT_EQ(used, 2u);
}

TEST(MakeName, HampsterIvinianAndHumanRules) {
    std::size_t used = 0;
    EXPECT_EQ(Name(RACE_HAMPSTER, true, {0}, &used), "Fluffy ");
    EXPECT_EQ(used, 1u);

    EXPECT_EQ(Name(RACE_IVINIAN, false, {0, 0, 1}, &used), "Oakthorn");
    EXPECT_EQ(used, 3u);
    EXPECT_EQ(Name(RACE_IVINIAN, false, {1, 1, 0}, &used), "Daffowood");
    EXPECT_EQ(used, 3u);

    EXPECT_EQ(Name(RACE_HUMAN, false, {0, 0, 0, 0}, &used), "Aaron");
    EXPECT_EQ(used, 4u);
    EXPECT_EQ(Name(RACE_HUMAN, true, {0, 0, 0, 0}, &used), "Abigail");
    EXPECT_EQ(Name(RACE_PROBE, true, {273, 302, 24, 8}, &used), "Zoe");
    EXPECT_EQ(Name(RACE_PROBE, false, {273, 302, 24, 8}, &used), "Zachary");
    // One draw in 25 gives a prank name, whatever the sex.
    EXPECT_EQ(Name(RACE_HUMAN, false, {5, 5, 5, 5}, &used), "Phil McCracken");
    EXPECT_EQ(Name(RACE_HUMAN, true, {5, 5, 5, 5}, &used), "Phil McCracken");
    EXPECT_EQ(Name(RACE_PROBE, true, {5, 5, 30, 0}, &used), "Amanda Hugginkiss");
    EXPECT_EQ(used, 4u);
}

TEST(MakeName, WootWootSerialCodes) {
    std::size_t used = 0;
    EXPECT_EQ(Name(RACE_WOOT_WOOT, false, {1, 26, 0, 1, 2}, &used), "0ABC");
    EXPECT_EQ(used, 5u);
    EXPECT_EQ(Name(RACE_WOOT_WOOT, false, {0, 0, 4, 2}, &used), "A-42");
    EXPECT_EQ(used, 4u);
    EXPECT_EQ(Name(RACE_WOOT_WOOT, false, {3, 36, 47, 0, 35, 37, 40}, &used), "-~A9!$");
    EXPECT_EQ(used, 7u);
}

TEST(MakeName, RacesWithoutARuleKeepTheirNameAndDrawNothing) {
    std::size_t used = 1;
    for (CrewType race :
         {RACE_INVALID, RACE_CLUCKTILLIAN, RACE_BLOB, static_cast<CrewType>(15), static_cast<CrewType>(-3)}) {
        EXPECT_EQ(Name(race, false, {}, &used), "Before") << race;
        EXPECT_EQ(used, 0u) << race;
    }
}

TEST(MakeName, RandomNamesStayWithinTheirRules) {
    SeedGameRandOnce();
    for (int i = 0; i < 3000; ++i) {
        std::string const code = Name(RACE_WOOT_WOOT, false, {});
        ASSERT_GE(code.size(), 3u);
        ASSERT_LE(code.size(), 7u);
        for (char c : code) {
            ASSERT_FALSE(c >= 'a' && c <= 'z') << code;
        }
        if (code[0] >= 'A' && code[0] <= 'Z') {
            ASSERT_EQ(code[1], '-') << code;
        }
        std::string const hampster = Name(RACE_HAMPSTER, true, {});
        ASSERT_EQ(hampster.back(), ' ');
        std::string const female = Name(RACE_GREKKP, true, {});
        std::string const male = Name(RACE_GREKKP, false, {});
        ASSERT_FALSE(female.ends_with("us")) << female;
        ASSERT_FALSE(male.ends_with("a")) << male;
        for (int race = 1; race < kCrewTypes; ++race) {
            ASSERT_LE(Name(static_cast<CrewType>(race), i % 2 == 0, {}).size(), 19u);
        }
    }
}

}  // namespace
