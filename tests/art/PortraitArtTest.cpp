#include <cstring>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "game/art/PortraitArt.h"

namespace {

using art::PortraitRuns;

struct Cell {
    uint8_t byte;
    int color;
};

// A portrait's cells as its runs lay them out, row by row.
std::vector<std::vector<Cell>> Cells(PortraitRuns runs) {
    std::vector<std::vector<Cell>> rows;
    for (art::PortraitRun const& run : runs) {
        if (static_cast<int>(rows.size()) <= run.dy) {
            rows.resize(run.dy + 1);
        }
        for (std::size_t k = 0; k < std::strlen(run.text); ++k) {
            rows[run.dy].push_back({static_cast<uint8_t>(run.text[k]), run.color});
        }
    }
    return rows;
}

std::set<int> Colors(PortraitRuns runs) {
    std::set<int> colors;
    for (art::PortraitRun const& run : runs) {
        colors.insert(run.color);
    }
    return colors;
}

// How often each byte outside printable ASCII occurs.
std::map<int, int> BytesOutsideAscii(PortraitRuns runs) {
    std::map<int, int> found;
    for (auto const& row : Cells(runs)) {
        for (Cell const& c : row) {
            if (c.byte < 32 || c.byte > 126) {
                ++found[c.byte];
            }
        }
    }
    return found;
}

int CellsChanged(PortraitRuns a, PortraitRuns b) {
    auto const ca = Cells(a);
    auto const cb = Cells(b);
    EXPECT_EQ(ca.size(), cb.size());
    int changed = 0;
    for (std::size_t y = 0; y < ca.size() && y < cb.size(); ++y) {
        EXPECT_EQ(ca[y].size(), cb[y].size()) << "row " << y;
        for (std::size_t x = 0; x < ca[y].size() && x < cb[y].size(); ++x) {
            changed += ca[y][x].byte != cb[y][x].byte ? 1 : 0;
        }
    }
    return changed;
}

struct Colored {
    char const* name;
    PortraitRuns runs;
    std::set<int> colors;
};

std::vector<Colored> const kColored = {
    {"Kryptal", art::kKryptal, {2, 4, 7, 10, 12, 14, 15}},
    {"Carolla", art::kCarolla, {2, 4, 6, 7, 11, 12, 13, 14}},
    {"Emerson", art::kEmerson, {2, 6, 7, 8, 10, 11, 13, 15, 76}},
    {"UooFem", art::kUooFem, {1, 4, 6, 7, 10, 11, 13, 14, 15}},
    {"UooMale", art::kUooMale, {1, 2, 4, 6, 7, 8, 11, 13, 14, 15}},
};

TEST(PortraitArt, ColourPortraitsAreSeventeenRowsOfFortyCoveredByShortRunsInOrder) {
    for (Colored const& p : kColored) {
        SCOPED_TRACE(p.name);
        EXPECT_GE(p.runs.size(), 175u);
        EXPECT_LE(p.runs.size(), 212u);
        int row = 0;
        int column = 0;
        int runsInRow = 0;
        for (art::PortraitRun const& run : p.runs) {
            if (run.dy != row) {
                EXPECT_EQ(column, 40) << "row " << row << " is not covered";
                EXPECT_GE(runsInRow, 2) << "row " << row;
                EXPECT_EQ(run.dy, row + 1) << "rows follow each other";
                row = run.dy;
                column = 0;
                runsInRow = 0;
            }
            int const length = static_cast<int>(std::strlen(run.text));
            EXPECT_EQ(run.dx, column) << "row " << row << ": runs follow each other from the left";
            EXPECT_GE(length, 1);
            EXPECT_LE(length, 21);
            column += length;
            ++runsInRow;
        }
        EXPECT_EQ(row, 16);
        EXPECT_EQ(column, 40);
        EXPECT_EQ(Colors(p.runs), p.colors);
    }
}

TEST(PortraitArt, OnlyTheHeadbandHasABackground) {
    for (Colored const& p : kColored) {
        for (auto const& row : Cells(p.runs)) {
            for (Cell const& c : row) {
                if (c.color >= 16) {
                    EXPECT_EQ(c.color, 76) << p.name;
                    EXPECT_EQ(c.byte, '#') << p.name;
                }
            }
        }
    }
}

TEST(PortraitArt, GlyphsOutsidePrintableAsciiAreTheFewEachPortraitCarries) {
    EXPECT_EQ(BytesOutsideAscii(art::kKryptal), (std::map<int, int>{{236, 2}}));
    EXPECT_EQ(BytesOutsideAscii(art::kCarolla), (std::map<int, int>{{15, 2}, {252, 2}}));
    EXPECT_EQ(BytesOutsideAscii(art::kUooFem), (std::map<int, int>{{15, 2}}));
    for (PortraitRuns runs :
         {art::kEmerson, art::kUooMale, art::kUberfleck, art::kHampster, art::kCluck, art::kDobbs}) {
        EXPECT_TRUE(BytesOutsideAscii(runs).empty());
    }
    auto const cells = Cells(art::kKryptal);
    std::string letters;
    for (auto const& row : cells) {
        for (Cell const& c : row) {
            letters += static_cast<char>(c.byte);
        }
    }
    for (char c : std::string("oX@*/\\[]()")) {
        EXPECT_NE(letters.find(c), std::string::npos) << c;
    }
}

TEST(PortraitArt, TheUooAndDobbsAreVariantsOfOtherDrawings) {
    EXPECT_EQ(CellsChanged(art::kCarolla, art::kUooFem), 2) << "the arches of the brows";
    EXPECT_EQ(CellsChanged(art::kEmerson, art::kUooMale), 0);
    EXPECT_EQ(CellsChanged(art::kCluck, art::kDobbs), 15);
    EXPECT_NE(Colors(art::kCarolla), Colors(art::kUooFem));
}

TEST(PortraitArt, LineDrawingsAreOneWhiteRunPerRow) {
    struct Drawing {
        char const* name;
        PortraitRuns runs;
        std::vector<int> widths;
    };
    std::vector<int> hampster(18, 40);
    hampster[8] = 41;
    std::vector<Drawing> const drawings = {
        {"Uberfleck", art::kUberfleck, std::vector<int>(13, 40)},
        {"Hampster", art::kHampster, hampster},
        {"Cluck", art::kCluck, std::vector<int>(18, 39)},
        {"Dobbs", art::kDobbs, std::vector<int>(18, 39)},
    };
    for (Drawing const& d : drawings) {
        SCOPED_TRACE(d.name);
        ASSERT_EQ(d.runs.size(), d.widths.size());
        for (std::size_t i = 0; i < d.runs.size(); ++i) {
            EXPECT_EQ(d.runs[i].dx, 0);
            EXPECT_EQ(d.runs[i].dy, static_cast<int>(i));
            EXPECT_EQ(d.runs[i].color, 15);
            EXPECT_EQ(static_cast<int>(std::strlen(d.runs[i].text)), d.widths[i]) << "row " << i;
        }
    }
}

TEST(PortraitArt, PlaceholderIsEighteenEmptyRunsDownTheLeftEdge) {
    ASSERT_EQ(art::kPlaceholder.size(), 18u);
    for (std::size_t i = 0; i < 18; ++i) {
        EXPECT_EQ(art::kPlaceholder[i].dx, 0);
        EXPECT_EQ(art::kPlaceholder[i].dy, static_cast<int>(i));
        EXPECT_EQ(art::kPlaceholder[i].color, 15);
        EXPECT_STREQ(art::kPlaceholder[i].text, "");
    }
}

}  // namespace
