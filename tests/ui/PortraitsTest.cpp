#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

#include "tests/support/ScreenHarness.h"

#include "game/ui/Portraits.h"
#include "platform/Console.h"
#include "platform/VirtualConsole.h"

namespace {

using testing_support::Out;

// A cell that no portrait paints: dark shade, light green on magenta.
constexpr uint8_t kMarkByte = 178;
constexpr uint16_t kMarkAttr = 0x5A;

// A picture written between bars, one row a line, as the Picture of its
// rectangle (the bars keep the blanks at the rows' ends in sight).
std::string Framed(std::string const& framed) {
    std::string out;
    std::size_t start = 0;
    while (start < framed.size()) {
        std::size_t end = framed.find('\n', start);
        if (end == std::string::npos) {
            end = framed.size();
        }
        if (end - start >= 2) {
            if (!out.empty()) {
                out += '\n';
            }
            out.append(framed, start + 1, end - start - 2);
        }
        start = end + 1;
    }
    return out;
}

struct Area {
    int x;
    int y;
    int width;
    int height;
    bool Holds(int col, int row) const { return col >= x && col < x + width && row >= y && row < y + height; }
};

// Draws on a marked screen and checks that the cells inside `areas` (and no
// others) were painted. Returns the colours used.
std::set<int> PaintedColours(std::function<void()> const& draw, std::vector<Area> const& areas) {
    con::ScopedVirtualConsole vc;
    vc->Fill(kMarkByte, kMarkAttr);
    draw();
    std::set<int> colours;
    for (int row = 0; row < con::kRows; ++row) {
        for (int col = 0; col < con::kColumns; ++col) {
            bool inside = false;
            for (Area const& a : areas) {
                inside = inside || a.Holds(col, row);
            }
            bool const marked = vc->ByteAt(col, row) == kMarkByte && vc->AttrAt(col, row) == kMarkAttr;
            EXPECT_NE(inside, marked) << "cell " << col << "," << row << vc->Dump();
            if (inside) {
                colours.insert(vc->AttrAt(col, row));
            }
        }
    }
    EXPECT_EQ(vc->DroppedWrites(), 0);
    return colours;
}

TEST(Portraits, EachPortraitPaintsExactlyItsRectangleInItsColours) {
    EXPECT_EQ(PaintedColours([] { Kryptal(19, 4); }, {{19, 4, 40, 17}}),
              (std::set<int>{2, 4, 7, 10, 12, 14, 15}));
    EXPECT_EQ(PaintedColours([] { Carolla(19, 2); }, {{19, 2, 40, 17}}),
              (std::set<int>{2, 4, 6, 7, 11, 12, 13, 14}));
    EXPECT_EQ(PaintedColours([] { Emerson(40, 1); }, {{40, 1, 40, 17}}),
              (std::set<int>{2, 6, 7, 8, 10, 11, 13, 15, 76}));
    EXPECT_EQ(PaintedColours([] { UooFem(3, 5); }, {{3, 5, 40, 17}}),
              (std::set<int>{1, 4, 6, 7, 10, 11, 13, 14, 15}));
    EXPECT_EQ(PaintedColours([] { UooMale(0, 8); }, {{0, 8, 40, 17}}),
              (std::set<int>{1, 2, 4, 6, 7, 8, 11, 13, 14, 15}));
    EXPECT_EQ(PaintedColours([] { Uberfleck(7, 2); }, {{7, 2, 40, 13}}), (std::set<int>{15}));
    EXPECT_EQ(PaintedColours([] { Hampster(2, 3); }, {{2, 3, 40, 18}, {42, 11, 1, 1}}), (std::set<int>{15}));
    EXPECT_EQ(PaintedColours([] { Cluck(41, 0); }, {{41, 0, 39, 18}}), (std::set<int>{15}));
    EXPECT_EQ(PaintedColours([] { Dobbs(1, 7); }, {{1, 7, 39, 18}}), (std::set<int>{15}));
}

TEST(Portraits, PlaceholdersPaintNothingButLeaveTheColourAndCursor) {
    for (auto draw : {Pinsky, Hyde, Nozawa}) {
        EXPECT_EQ(PaintedColours([&] { draw(30, 5); }, {}), std::set<int>{});
        con::ScopedVirtualConsole vc;
        draw(30, 5);
        con::BufferInfo info{};
        con::GetConsoleScreenBufferInfo(Out(), &info);
        EXPECT_EQ(info.attributes, 15);
        EXPECT_EQ(info.cursor.X, 30);
        EXPECT_EQ(info.cursor.Y, 22);
    }
}

TEST(Portraits, FrontLightIsOneDot) {
    EXPECT_EQ(PaintedColours([] { FrontLight(14); }, {{2, 1, 1, 1}}), std::set<int>{14});
    con::ScopedVirtualConsole vc;
    FrontLight(9);
    EXPECT_EQ(vc->Text(1, 2, 3), ".");
}

TEST(Portraits, KryptalOnTheMutinyScreen) {
    con::ScopedVirtualConsole vc;
    Kryptal(19, 4);
    EXPECT_EQ(vc->Picture(19, 4, 40, 17), Framed(R"(
| /\          /\  /\  /\  /\          /\ |
| \ \      _./  \/  \/  \/  \._      / / |
|  \ \  .-*  o  o  o  o  o  o  *-.  / /  |
|   \ \/  o  o  o        o  o  o  \/ /   |
|    \/  \___                ___/  \/    |
|    /  <(@@)>\    |  |    /<(@@)>  \    |
|   |    `---'     |  |     `---'    |   |
|   |   o  o      (o  o)      o  o   |   |
|    \   o   .----.____.----.   o   /    |
|     \  .-/\/\/\/\/\/\/\/\/\/\-.  /     |
|      \ |  *   :  *  *  :   *  | /      |
|       \|\/\/\/\/\/\/\/\/\/\/\/|/       |
|   ____ \`--.______..______.--'/ ____   |
| _/X X X\ \[@]XXXXXXXXXXXX[@]/ /X X X\_ |
|/X X X X X\  [o]  ∞  ∞  [o]  /X X X X X\|
|X X X X X X|[XXXXXXXXXXXXXX]|X X X X X X|
|X X X X X X|[o][o][oo][o][o]|X X X X X X|
)"));
    // Burning eyes; the harness in grey with red studs and yellow emblems.
    EXPECT_EQ(vc->Attributes(26, 9, 6, 1), "12 12 14 14 12 12");
    EXPECT_EQ(vc->Attributes(32, 18, 6, 1), "7 12 7 7 7 14");
    EXPECT_EQ(vc->Attributes(29, 13, 4, 1), "15 15 15 15") << "fangs";
}

TEST(Portraits, CarollaOnTheFoodWarning) {
    con::ScopedVirtualConsole vc;
    Carolla(19, 2);
    EXPECT_EQ(vc->Picture(19, 2, 40, 17), Framed(R"(
|          .@@@@@@@@@@@@@@@@@@.          |
|      .@@@@@@@@@@@@@@@@@@@@@@@@@@.      |
|    .@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@.    |
|   @@@@@@@@@@@/..........\@@@@@@@@@@@   |
|  @@@@@@@@@/................\@@@@@@@@@  |
|  @@@@@@@@/...._ⁿ_...._ⁿ_....\@@@@@@@@  |
| @@@@@@@@@|...<(O)>..<(O)>...|@@@@@@@@@ |
| @@@@@@@@@(..................)@@@@@@@@@ |
| @@@@@@@@@(.........\........)@@@@@@@@@ |
| @@@@@@@@@☼\......._)......./☼@@@@@@@@@ |
|  @@@@@@@@@\................/@@@@@@@@@  |
|  @@@@@@@@@@\..._.-\/-._.../@@@@@@@@@@  |
| @@@@@@@@@@@@\...`-..-'.../@@@@@@@@@@@@ |
| @@@@@@@@@@@@@`-........-'@@@@@@@@@@@@@ |
|  @@@@@@@@@@@@ |........| @@@@@@@@@@@@  |
|   @@@@@@@@@@__/........\__@@@@@@@@@@   |
|_.-'@@@@@@@@/....\____/....\@@@@@@@@`-._|
)"));
    // Fair hair with darker strands, grey skin, lined eyes, red lips.
    EXPECT_EQ(vc->Attributes(19, 8, 20, 1), "14 14 14 14 14 6 14 14 14 14 7 7 7 7 13 7 11 7 13 7");
    EXPECT_EQ(vc->Attributes(35, 13, 8, 1), "12 12 12 12 12 12 12 12");
    EXPECT_EQ(vc->Attributes(36, 14, 6, 1), "4 4 4 4 4 4");
}

TEST(Portraits, EmersonInTheLoungeFillsTheRightHalfAndNoMore) {
    con::ScopedVirtualConsole vc;
    vc->Fill(kMarkByte, kMarkAttr);
    Emerson(40, 0);
    EXPECT_EQ(vc->Picture(40, 0, 40, 17), Framed(R"(
|         .@@@@.@@@@@@@@@@.@@@@.         |
|     .@@@@@@@@@@@@@@@@@@@@@@@@@@@@.     |
|   .@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@.   |
|  @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@  |
| @@@@##############################@@@@ |
| @@@@@@@|  .---.        .---.  |@@@##@@ |
| @@@@@@@|   (O)          (O)   |@@@@#@@ |
| @@@@@@(|           \          |)@@@#@@ |
|  @@@@@(|           \          |)@@@@@  |
|   @@@@ \         ._)          / @@@@   |
|    @@@  \    .__________.    /  @@@    |
|     @@   \    \________/    /   @@     |
|           `.  ::::  ::::  .'           |
|            `-.          .-'            |
|__.--~~~~--.__/|        |\__.--~~~~--.__|
|  *   ~   *  \ \        / /  *   ~   *  |
| ~  *   ~   *  \        /  *   ~   *  ~ |
)"));
    // The headband, light red on red, across the hair and knotted at the side.
    EXPECT_EQ(vc->Attributes(40, 4, 8, 1), "6 6 6 6 8 76 76 76");
    EXPECT_EQ(vc->Attributes(74, 4, 6, 2), "76 8 6 6 6 6\n6 76 76 6 6 6");
    for (int row = 0; row < 17; ++row) {
        EXPECT_EQ(vc->ByteAt(39, row), kMarkByte) << "row " << row;
        EXPECT_EQ(vc->ByteAt(0, row + 1), kMarkByte) << "nothing wraps into the next row, row " << row;
    }
    for (int col = 40; col < 80; ++col) {
        EXPECT_EQ(vc->ByteAt(col, 17), kMarkByte);
    }
    EXPECT_EQ(vc->DroppedWrites(), 0);
}

}  // namespace
