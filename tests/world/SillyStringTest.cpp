#include <climits>
#include <gtest/gtest.h>
#include <string>

#include "game/world/SillyString.h"

namespace {

std::string Number(int value, bool commas, int width) {
    char buffer[40];
    NumberToText(value, buffer, commas, width);
    return buffer;
}

TEST(NumberToText, RightAlignsWithOptionalCommas) {
    EXPECT_EQ(Number(1234567, true, 13), "    1,234,567");
    EXPECT_EQ(Number(5000, false, 6), "  5000");
    EXPECT_EQ(Number(0, false, 3), "  0");
    EXPECT_EQ(Number(999, true, 5), "  999") << "no comma in front of the first digit";
    EXPECT_EQ(Number(1000, true, 5), "1,000");
    EXPECT_EQ(Number(100000, true, 7), "100,000");
}

TEST(NumberToText, LosesLeadingDigitsAndBlanksNegatives) {
    EXPECT_EQ(Number(1234567, false, 4), "4567");
    EXPECT_EQ(Number(100000, true, 6), "00,000");
    EXPECT_EQ(Number(-5, false, 4), "    ");
    EXPECT_EQ(Number(INT_MIN, true, 6), "      ");
    EXPECT_EQ(Number(7, false, 0), "");
    EXPECT_EQ(Number(7, false, -3), "");
}

TEST(NumberToText, AnArrayNarrowsTheFieldToFitAndAPointerTakesTheWidth) {
    char small[5] = "xxxx";
    NumberToText(1234567, small, true, 13);
    EXPECT_STREQ(small, ",567");
    char wide[12];
    char* pointer = wide;
    NumberToText(42, pointer, false, 11);
    EXPECT_STREQ(wide, "         42");
    char big[16];
    UnsignedNumberToText(4000000000u, big, true, 13);
    EXPECT_STREQ(big, "4,000,000,000");
    UnsignedNumberToText(4000000000u, big, true, 11);
    EXPECT_STREQ(big, "000,000,000") << "cut from the front like the signed form";
    UnsignedNumberToText(0u, pointer, true, 3);
    EXPECT_STREQ(wide, "  0");
}

TEST(CleanNumberText, LeftAlignsAndKeepsTheLength) {
    char text[16];
    NumberToText(1234567, text, true, 13);
    CleanNumberText(text, 13);
    EXPECT_STREQ(text, "1,234,567    ");
    StringCutAtBlank(text);
    EXPECT_STREQ(text, "1,234,567");

    char odd[] = "12x,4-";
    CleanNumberText(odd, 6);
    EXPECT_STREQ(odd, "12 ,4 ") << "no leading blanks: only other characters become blanks";

    char shortText[] = "  7";
    CleanNumberText(shortText, 30);
    EXPECT_STREQ(shortText, "7  ") << "a width past the text is taken as its length";
}

TEST(StringFunctions, CutPrependAndJoin) {
    char text[20] = "12 3";
    StringCutAtBlank(text);
    EXPECT_STREQ(text, "12");
    StringCopy(text, "123");
    StringCutAtBlank(text);
    EXPECT_STREQ(text, "123");

    char empty[4] = "";
    StringPrependBlank(empty);
    EXPECT_STREQ(empty, " ");
    char full[4] = "abc";
    StringPrependBlank(full);
    EXPECT_STREQ(full, " ab") << "a full buffer drops its last character";

    StringSlam(text, "", "");
    EXPECT_STREQ(text, "");
    StringSlam(text, "Sector ", "I");
    StringAppend(text, " is ours");
    EXPECT_STREQ(text, "Sector I is ours");
}

TEST(StringFunctions, CopiesAreCutToTheDestination) {
    char name[20];
    StringCopy(name, "Amanda Hugginkiss the Third of Many");
    EXPECT_STREQ(name, "Amanda Hugginkiss t");
    StringSlam(name, "0123456789", "0123456789");
    EXPECT_STREQ(name, "0123456789012345678");
    StringAppend(name, "more");
    EXPECT_STREQ(name, "0123456789012345678");
    char* pointer = name;
    StringCopy(pointer, 5, "abcdefg");
    EXPECT_STREQ(name, "abcd");
}

TEST(StringFunctions, SlamAndAppendAreSafeOnTheirOwnDestination) {
    char text[30] = "day ";
    StringSlam(text, text, "12");
    EXPECT_STREQ(text, "day 12");
    StringSlam(text, "Day", text + 3);
    EXPECT_STREQ(text, "Day 12");
    StringSlam(text, text, text);
    EXPECT_STREQ(text, "Day 12Day 12");
    StringAppend(text, text);
    EXPECT_STREQ(text, "Day 12Day 12Day 12Day 12");
}

TEST(StringFunctions, SplitAtTheDelimiter) {
    char head[8];
    char text[] = "alpha,beta,gamma";
    StringSplit(head, text, ',', 1);
    EXPECT_STREQ(head, "alpha");
    EXPECT_STREQ(text, "beta,gamma");
    StringSplit(head, text, ',', 0);
    EXPECT_STREQ(head, "beta");
    EXPECT_STREQ(text, ",gamma") << "skip 0 keeps the delimiter";
    StringSplit(head, text, ';', 1);
    EXPECT_STREQ(head, ",gamma") << "no delimiter: the whole text is the head";
    EXPECT_STREQ(text, "");

    char longText[] = "abcdefghijkl:x";
    StringSplit(head, longText, ':', 5);
    EXPECT_STREQ(head, "abcdefg");
    EXPECT_STREQ(longText, "") << "a skip past the end leaves nothing";
}

}  // namespace
