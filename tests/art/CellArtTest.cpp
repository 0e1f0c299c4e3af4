#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "tests/art/PictureTestSupport.h"

#include "game/art/CellArt.h"
#include "platform/Cp437.h"
#include "platform/VirtualConsole.h"

namespace {

using namespace picture_test;

// The screen is filled with a marker first, shown as ☺ in a picture of it.

// clang-format off
constexpr art::ColourKey kPalette[] = {{'r', 4}, {'y', 14}};

// A keyed layer: '.' and 'x' (named by no colour) leave their cells alone,
// the last row's keys reach two cells past its glyphs.
constexpr char kBoxGlyphs[] = R"(
╔═╗ab
║░║cd
╚═╝
)";
constexpr char kBoxKeys[] = R"(
rrr.y
ryrxy
rrryy
)";
// A single key row serves every row.
constexpr char kStripeGlyphs[] = R"(
▄▄
▀▀
)";
constexpr art::ArtLayer kKeyedLayers[] = {{1, 1, kBoxGlyphs, kBoxKeys}, {2, 4, kStripeGlyphs, "yr"}};

// A layer in one colour, written without a leading line break.
constexpr art::ArtLayer kInkLayers[] = {{2, 0, "  ┌─  ─┐\n\n │  ok │  "}};
// clang-format on

constexpr art::CellArt kKeyed{kPalette, kKeyedLayers};
constexpr art::CellArt kInk{{}, kInkLayers};

TEST(CellArt, KeysColourTheirCellsAndLeaveTheRestAlone) {
    con::ScopedVirtualConsole vc;
    FillWithMarker(*vc);
    art::DrawCellArt(kKeyed, 3, 2);

    EXPECT_EQ(vc->Picture(4, 3, 6, 5),
              "╔═╗☺b☺\n"
              "║░║☺d☺\n"
              "╚═╝  ☺\n"
              "☺▄▄☺☺☺\n"
              "☺▀▀☺☺☺");
    EXPECT_EQ(vc->Attributes(4, 3, 5, 5),
              "4 4 4 85 14\n"
              "4 14 4 85 14\n"
              "4 4 4 14 14\n"
              "85 14 4 85 85\n"
              "85 14 4 85 85");
}

TEST(CellArt, APictureInOneColourCoversItsRowsFromFirstGlyphToLast) {
    con::ScopedVirtualConsole vc;
    FillWithMarker(*vc);
    art::DrawCellArt(kInk, 10, 5, 12);

    EXPECT_EQ(vc->Picture(12, 5, 10, 3),
              "☺☺┌─  ─┐☺☺\n"
              "☺☺☺☺☺☺☺☺☺☺\n"
              "☺│  ok │☺☺");
    Cells const inked = Join({Rect(14, 5, 19, 5), Rect(13, 7, 19, 7)});
    EXPECT_EQ(ChangedCells(*vc), inked);
    for (auto const& [x, y] : inked) {
        EXPECT_EQ(vc->AttrAt(x, y), 12) << x << "," << y;
    }
}

TEST(CellArt, LinesOfABlockKeepTheirBlanks) {
    EXPECT_EQ(art::ArtLines("\n a \n\n░\n"), (std::vector<std::string>{" a ", "", con::Utf8ToCp437("░")}));
    EXPECT_EQ(art::ArtLines("one\ntwo"), (std::vector<std::string>{"one", "two"}));
    EXPECT_TRUE(art::ArtLines("\n").empty());
    EXPECT_TRUE(art::ArtLines(nullptr).empty());
}

}  // namespace
