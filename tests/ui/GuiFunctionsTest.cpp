#include <gtest/gtest.h>

#include "game/ui/ColorFunctions.h"
#include "game/ui/GuiFunctions.h"
#include "platform/VirtualConsole.h"

namespace {

TEST(PrintFunctions, PadNeverCuts) {
    con::ScopedVirtualConsole vc;
    vc->Fill('#', 7);
    PrintPadded("abc", 2, 1, 14, 6);
    EXPECT_EQ(vc->Text(1, 2, 9), "abc   #");
    EXPECT_EQ(vc->AttrAt(7, 1), 14);
    PrintPadded("abcdefgh", 2, 2, 14, 6);
    EXPECT_EQ(vc->Text(2, 2, 11), "abcdefgh#");
    PrintPadded(42, 0, 3, 10, 4);
    EXPECT_EQ(vc->Text(3, 0, 5), "42  #");
}

TEST(PrintFunctions, NumbersAndCharacters) {
    con::ScopedVirtualConsole vc;
    vc->Fill('#', 7);
    PrintAt(-5, 3, 3, 12);
    EXPECT_EQ(vc->Text(3, 3, 6), "-5#");
    EXPECT_EQ(vc->AttrAt(4, 3), 12);
    PrintAt(static_cast<char>(220), 1, 24, 32);
    EXPECT_EQ(vc->ByteAt(1, 24), 220);
    PrintAt(2.5, 0, 0, 15);
    EXPECT_EQ(vc->Text(0, 0, 4), "2.5#");
    PrintAt(4000000000u, 0, 1, 15);
    EXPECT_EQ(vc->Text(1, 0, 11), "4000000000#");
    EXPECT_EQ(vc->Cursor().X, 10) << "the cursor is left where the text ends";
}

TEST(PrintWrapped, BreaksTheFirstLineAtWidthAndLaterLinesOneShorter) {
    con::ScopedVirtualConsole vc;
    vc->Fill('#', 7);
    PrintWrapped("the quick brown fox jumps over the lazy dog", 2, 1, 10, 14);
    EXPECT_EQ(vc->Picture(2, 1, 12, 5),
              "the quick###\n"
              "brown fox###\n"
              "jumps#######\n"
              "over the####\n"
              "lazy dog   #");
    EXPECT_EQ(vc->AttrAt(10, 5), 14) << "the padding is in the colour";

    PrintWrapped("aaaa bbbb cccc dddd eeee ffff", 2, 10, 9, 10);
    EXPECT_EQ(vc->Picture(2, 10, 11, 4),
              "aaaa bbbb##\n"
              "cccc#######\n"
              "dddd#######\n"
              "eeee ffff #");
}

TEST(PrintWrapped, ShortEmptyAndBoundaryTexts) {
    con::ScopedVirtualConsole vc;
    vc->Fill('#', 7);
    PrintWrapped("", 0, 0, 5, 15);
    EXPECT_EQ(vc->Text(0, 0, 7), "      #");
    PrintWrapped("abcdef", 0, 1, 5, 15);
    EXPECT_EQ(vc->Text(1, 0, 7), "abcdef#");
    PrintWrapped("abcde f", 0, 2, 5, 15);
    EXPECT_EQ(vc->Picture(0, 2, 7, 2), "abcde##\nf     #");
}

TEST(PrintWrapped, AWordLongerThanALineIsBrokenAtTheLimit) {
    con::ScopedVirtualConsole vc;
    vc->Fill('#', 7);
    PrintWrapped("abcdefghijklmnopqrstuvwxyz", 0, 0, 10, 15);
    EXPECT_EQ(vc->Picture(0, 0, 12, 3),
              "abcdefghij##\n"
              "klmnopqrs###\n"
              "tuvwxyz    #");
}

TEST(PrintWrapped, ABlankAtALinesStartBreaksThereAndTinyWidthsEnd) {
    con::ScopedVirtualConsole vc;
    vc->Fill('#', 7);
    // The first line breaks at the first of two blanks; the second line then
    // starts on the other blank, which is its only one in reach.
    PrintWrapped("abcde  fghijklmn", 0, 0, 5, 15);
    EXPECT_EQ(vc->Picture(0, 0, 7, 4),
              "abcde##\n"
              "#######\n"
              "fghi###\n"
              "jklmn #");
    PrintWrapped("abc def", 0, 10, 0, 15);
    EXPECT_EQ(vc->Picture(0, 10, 3, 6), "a##\nb##\nc##\n###\nd##\nef#") << "width below 1 is taken as 1";
    PrintWrapped("xyz", 0, 20, -4, 15);
    EXPECT_EQ(vc->Picture(0, 20, 3, 2), "x##\nyz#");
}

TEST(SetColor, SetsTheAttributeForTheNextWrite) {
    con::ScopedVirtualConsole vc;
    SetColor(78);
    con::Out() << "x";
    EXPECT_EQ(vc->AttrAt(0, 0), 78);
}

}  // namespace
