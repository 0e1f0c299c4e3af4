#include <gtest/gtest.h>
#include <string>

#include "platform/Utf8Decoder.h"

namespace {

using con::Utf8Decoder;

// Bytes fed one at a time as the terminal feeds them (a byte that cuts a
// character short is fed again); each character read, and U+FFFD for each
// byte or broken start dropped.
std::u32string Read(std::string const& bytes, Utf8Decoder& decoder) {
    std::u32string out;
    for (unsigned char byte : bytes) {
        Utf8Decoder::Step step = decoder.Add(byte);
        if (step == Utf8Decoder::Step::Cut) {
            out += U'\uFFFD';
            step = decoder.Add(byte);
        }
        if (step == Utf8Decoder::Step::Character) {
            out += decoder.Code();
        } else if (step == Utf8Decoder::Step::Stray) {
            out += U'\uFFFD';
        }
    }
    return out;
}

std::u32string Read(std::string const& bytes) {
    Utf8Decoder decoder;
    std::u32string out = Read(bytes, decoder);
    return decoder.Pending() ? out + U"\u2026" : out;  // an ellipsis: a character begun
}

TEST(Utf8Decoder, ReadsEveryLengthToItsEdgesAndRefusesWhatIsNotWellFormed) {
    // The first and last code point of each length, and each side of the surrogates.
    EXPECT_EQ(Read("\x7f\xc2\x80\xdf\xbf\xe0\xa0\x80\xed\x9f\xbf\xee\x80\x80\xef\xbf\xbf"
                   "\xf0\x90\x80\x80\xf4\x8f\xbf\xbf"),
              U"\x7f\u0080\u07ff\u0800\ud7ff\ue000\uffff\U00010000\U0010ffff");
    EXPECT_EQ(Read("\xc0\xaf"), U"\ufffd\ufffd") << "overlong, two bytes";
    EXPECT_EQ(Read("\xe0\x9f\xbf"), U"\ufffd\ufffd\ufffd") << "overlong, three bytes";
    EXPECT_EQ(Read("\xf0\x8f\xbf\xbf"), U"\ufffd\ufffd\ufffd\ufffd") << "overlong, four bytes";
    EXPECT_EQ(Read("\xed\xa0\x80"), U"\ufffd\ufffd\ufffd") << "a surrogate";
    EXPECT_EQ(Read("\xf4\x90\x80\x80"), U"\ufffd\ufffd\ufffd\ufffd") << "past U+10FFFF";
    EXPECT_EQ(Read("\xf5\xff"), U"\ufffd\ufffd") << "leads of nothing";
    EXPECT_EQ(Read("\x80\xa9"
                   "a"),
              U"\ufffd\ufffda")
        << "stray continuations";
    // A byte that cannot go on is read afresh: a letter, an Escape, a lead.
    EXPECT_EQ(Read("\xc3"
                   "a\xe2\x82\x1b\xf0\x9f\xc3\xa9"),
              U"\ufffda\ufffd\x1b\ufffd\u00e9");
    EXPECT_EQ(Read("\xe2\x82"), U"\u2026") << "begun, not ended";
}

TEST(Utf8Decoder, ACharacterSplitAtEveryByteReadsTheSame) {
    std::string const text = "a\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80z";
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
        Utf8Decoder decoder;
        std::u32string read = Read(text.substr(0, cut), decoder);
        read += Read(text.substr(cut), decoder);
        EXPECT_EQ(read, U"a\u00e9\u20ac\U0001F600z") << "cut after byte " << cut;
        EXPECT_FALSE(decoder.Pending());
    }
}

}  // namespace
