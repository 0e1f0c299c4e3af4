#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

#include "game/art/TitleArt.h"
#include "game/art/TitleTexts.h"

namespace {

int Width(std::string const& row) { return static_cast<int>(row.size()); }

// The columns a row actually draws: from its first to its last non-blank.
std::pair<int, int> Span(std::string const& row) {
    return {static_cast<int>(row.find_first_not_of(' ')), static_cast<int>(row.find_last_not_of(' '))};
}

TEST(TitleArt, TheWordsAndFigureHaveTheirSizes) {
    std::vector<std::string> const& upper = TitleUpperWord();
    ASSERT_EQ(upper.size(), 6u);
    int upperWidth = 0;
    for (std::string const& row : upper) {
        upperWidth = std::max(upperWidth, Width(row));
    }
    EXPECT_EQ(upperWidth, kEmblemUpperColumns);

    std::vector<std::string> const& lower = TitleLowerWord();
    ASSERT_EQ(lower.size(), 7u);
    int lowerWidth = 0;
    for (std::size_t r = 0; r < 6; ++r) {
        lowerWidth = std::max(lowerWidth, Width(lower[r]));
    }
    EXPECT_EQ(lowerWidth, kEmblemLowerColumns);
    auto const [tailFirst, tailLast] = Span(lower[6]);
    EXPECT_EQ(tailLast - tailFirst + 1, kEmblemTailColumns);
    EXPECT_LT(tailLast, kEmblemLowerColumns) << "the tail stays under the word";

    std::vector<std::string> const& figure = TitleFigure();
    ASSERT_EQ(figure.size(), 5u);
    auto [left, right] = Span(figure[0]);
    for (std::string const& row : figure) {
        left = std::min(left, Span(row).first);
        right = std::max(right, Span(row).second);
    }
    EXPECT_EQ(left, 0);
    EXPECT_GE(right - left + 1, 19);
    EXPECT_LE(right - left + 1, 21);
}

TEST(TitleArt, LettersAreSingleLinesAndTheFigureIsBlocks) {
    std::set<uint8_t> const lines = {' ', 179, 180, 191, 192, 195, 196, 217, 218};
    std::vector<std::string> letters = TitleUpperWord();
    letters.insert(letters.end(), TitleLowerWord().begin(), TitleLowerWord().end());
    for (std::string const& row : letters) {
        for (char c : row) {
            EXPECT_EQ(lines.count(static_cast<uint8_t>(c)), 1u) << "byte " << int(static_cast<uint8_t>(c));
        }
    }
    std::set<uint8_t> const blocks = {' ', 219, 220, 223};
    for (std::string const& row : TitleFigure()) {
        for (char c : row) {
            EXPECT_EQ(blocks.count(static_cast<uint8_t>(c)), 1u) << "byte " << int(static_cast<uint8_t>(c));
        }
    }
}

TEST(TitleArt, EveryLetterOutlineIsClosed) {
    // Each arm of a line glyph meets a glyph with the opposite arm; the only
    // loose end is the tip of the tail.
    auto arms = [](uint8_t byte) -> std::string {
        switch (byte) {
            case 179: return "ud";
            case 196: return "lr";
            case 218: return "rd";
            case 191: return "ld";
            case 192: return "ru";
            case 217: return "lu";
            case 195: return "udr";
            case 180: return "udl";
            default: return "";
        }
    };
    std::vector<std::string> grid = TitleUpperWord();
    grid.insert(grid.end(), TitleLowerWord().begin(), TitleLowerWord().end());
    auto at = [&grid](int x, int y) -> uint8_t {
        if (y < 0 || y >= static_cast<int>(grid.size()) || x < 0 || x >= Width(grid[y])) {
            return ' ';
        }
        return static_cast<uint8_t>(grid[y][x]);
    };
    int looseEnds = 0;
    for (int y = 0; y < static_cast<int>(grid.size()); ++y) {
        for (int x = 0; x < Width(grid[y]); ++x) {
            for (char arm : arms(at(x, y))) {
                int const nx = x + (arm == 'l' ? -1 : arm == 'r' ? 1 : 0);
                int const ny = y + (arm == 'u' ? -1 : arm == 'd' ? 1 : 0);
                char const opposite = arm == 'l' ? 'r' : arm == 'r' ? 'l' : arm == 'u' ? 'd' : 'u';
                if (arms(at(nx, ny)).find(opposite) == std::string::npos) {
                    ++looseEnds;
                    EXPECT_EQ(y, 12) << "loose line at (" << x << ", " << y << ")";
                }
            }
        }
    }
    EXPECT_EQ(looseEnds, 1);
}

TEST(TitleTexts, CreditsPanelLinesHoldARoleAndAName) {
    std::vector<std::string> const& lines = CreditsPanelLines();
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kCreditsPanelLines));
    for (std::string const& line : lines) {
        EXPECT_EQ(line.size(), static_cast<std::size_t>(kCreditsPanelWidth)) << line;
        EXPECT_NE(line.front(), ' ') << line;
        EXPECT_NE(line.back(), ' ') << line;
        EXPECT_NE(line.find("  "), std::string::npos) << "role and name stand apart: " << line;
    }
}

TEST(TitleTexts, BackStoryFitsTheScreen) {
    std::vector<std::string> const& lines = BackStoryLines();
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kBackStoryLines));
    for (std::string const& line : lines) {
        EXPECT_LE(line.size(), 76u) << line;
    }
    EXPECT_TRUE(lines[6].empty());
    EXPECT_EQ(lines[kBackStoryHighlightedLine], "This is not the first time such a move has been made.");
    std::string all;
    for (std::string const& line : lines) {
        all += line + " ";
    }
    for (char const* fact : {"Povolnian", "Skarnel", "5500 days", "(\"Roughly 15 years\")", "30 volunteer",
                             "1,000,000", "100,000,000"}) {
        EXPECT_NE(all.find(fact), std::string::npos) << fact;
    }
    // The currency with byte 162 for each c and dollar signs for each s.
    EXPECT_NE(all.find("\xA2o$mi\xA2 \xA2redit$"), std::string::npos);
}

}  // namespace
