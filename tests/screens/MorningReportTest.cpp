#include <gtest/gtest.h>
#include <string>

#include "tests/support/ScreenHarness.h"

#include "game/screens/MorningReport.h"
#include "game/ui/ColorFunctions.h"
#include "game/world/Globals.h"
#include "platform/VirtualConsole.h"

namespace {

using testing_support::In;
using testing_support::Out;
using testing_support::TrimmedText;

constexpr int kCountColumn = 46;  // right after the greeting's first part

// Each case starts from an empty queue, even when cases share a process.
class MorningReport : public testing::Test {
protected:
    void SetUp() override { Globals::GetMessages()->KillAllMessages(); }
};

// Posts "news 1" ... "news n" (1-based, as the player counts them), type 3.
void Post(int n) {
    for (int i = 1; i <= n; ++i) {
        Globals::GetMessages()->enqueue(("news " + std::to_string(i)).c_str(), 3);
    }
}

// Runs the report until its key script is used up; true when it returned by itself.
bool Report() {
    return testing_support::RunScreen([] { MorningMessages(Out(), In()); });
}

// The message shown in each of the six places of the page, "" for an empty place.
std::string Place(con::VirtualConsole& vc, int place) { return TrimmedText(vc, 4 + 3 * place, 3, 74); }

void ExpectPage(con::VirtualConsole& vc, int firstNumber, int shown, bool more) {
    for (int place = 0; place < 6; ++place) {
        std::string const expected = place < shown ? "news " + std::to_string(firstNumber + place) : "";
        EXPECT_EQ(Place(vc, place), expected) << "place " << place;
    }
    EXPECT_EQ(vc.ByteAt(3, 21), firstNumber > 1 ? 17 : ' ') << "back arrow";
    EXPECT_EQ(vc.ByteAt(71, 21), more ? 16 : ' ') << "next arrow";
}

TEST_F(MorningReport, GreetsInWhiteWithTheCountInYellowOnAClearedScreen) {
    con::ScopedVirtualConsole vc;
    vc->Fill('x', 240);
    SetColor(240);  // the highlight an answered prompt leaves set
    Post(13);
    vc->Escape();
    ASSERT_TRUE(Report());
    EXPECT_EQ(vc->Text(2, 2, 68), "Corolla says, 'Good Morning captain, I have 13 messages for you.' ");
    EXPECT_EQ(vc->AttrAt(2, 2), 15);
    EXPECT_EQ(vc->AttrAt(kCountColumn, 2), 14);
    EXPECT_EQ(vc->AttrAt(kCountColumn + 1, 2), 14);
    EXPECT_EQ(vc->AttrAt(kCountColumn + 2, 2), 15);
    EXPECT_EQ(vc->Text(0), std::string(80, ' '));
    EXPECT_EQ(vc->Attributes(0, 0, 80, 1), vc->Attributes(0, 3, 80, 1));
    EXPECT_EQ(vc->AttrAt(0, 0), 15) << "cleared in white on black, not in the prompt's highlight";
    EXPECT_EQ(vc->AttrAt(79, 24), 15);
    EXPECT_EQ(vc->Text(22, 2, 65), "Press ESCAPE to exit, or SPACE to see next page or use L/R keys");
}

TEST_F(MorningReport, OneMessageIsSingularAndNoneIsPlural) {
    {
        con::ScopedVirtualConsole vc;
        Post(1);
        vc->Space().Right().Escape();
        ASSERT_TRUE(Report());
        EXPECT_EQ(vc->Text(2, 2, 66), "Corolla says, 'Good Morning captain, I have 1 message for you.' ");
        ExpectPage(*vc, 1, 1, false);
    }
    {
        con::ScopedVirtualConsole vc;
        vc->Escape();
        ASSERT_TRUE(Report());
        EXPECT_EQ(vc->Text(2, 2, 67), "Corolla says, 'Good Morning captain, I have 0 messages for you.' ");
        ExpectPage(*vc, 1, 0, false);
    }
}

TEST_F(MorningReport, SixMessagesMakeOnePage) {
    con::ScopedVirtualConsole vc;
    Post(6);
    vc->Space();
    EXPECT_FALSE(Report());
    ExpectPage(*vc, 1, 6, false);
    EXPECT_EQ(Globals::GetMessages()->GetTotal(), 6) << "kept until the report is left";
}

TEST_F(MorningReport, SevenMessagesPageForwardAndBack) {
    con::ScopedVirtualConsole vc;
    Post(7);
    vc->Space();
    EXPECT_FALSE(Report());
    ExpectPage(*vc, 7, 1, false);

    con::ScopedVirtualConsole again;
    again->Space().Space();
    EXPECT_FALSE(Report());
    ExpectPage(*again, 7, 1, false);

    con::ScopedVirtualConsole back;
    back->Right().Backspace();
    EXPECT_FALSE(Report());
    ExpectPage(*back, 1, 6, true);

    con::ScopedVirtualConsole first;
    first->Fill('#', 7);
    first->Backspace().Left();
    EXPECT_FALSE(Report());
    ExpectPage(*first, 1, 6, true);
}

TEST_F(MorningReport, ThirteenMessagesStartPagesAtOneSevenAndThirteen) {
    con::ScopedVirtualConsole vc;
    Post(13);
    vc->Right();
    EXPECT_FALSE(Report());
    ExpectPage(*vc, 7, 6, true);
    vc->Right().Right();
    EXPECT_FALSE(Report());
    ExpectPage(*vc, 13, 1, false);
    vc->Right().Left().Left().Down().Up().Enter();
    EXPECT_FALSE(Report());
    ExpectPage(*vc, 1, 6, true);  // the arrows up and down and Enter do nothing
}

TEST_F(MorningReport, TwoSpacesPressedTogetherTurnTwoPages) {
    con::ScopedVirtualConsole vc;
    Post(13);
    vc->queue = {con::VirtualConsole::RecordFor(' '), con::VirtualConsole::RecordFor(' ')};
    EXPECT_FALSE(Report());
    ExpectPage(*vc, 13, 1, false);
}

TEST_F(MorningReport, AShortMessageLeavesNoLineOfTheLongerOneBefore) {
    con::ScopedVirtualConsole vc;
    std::string const longNews = "Long news " + std::string(60, 'a') + " " + std::string(60, 'b') + " end";
    Globals::GetMessages()->enqueue(longNews.c_str(), 3);
    Post(6);
    vc->Space();
    EXPECT_FALSE(Report());
    EXPECT_EQ(Place(*vc, 0), "news 6");
    EXPECT_EQ(vc->Text(5), std::string(80, ' '));
    EXPECT_EQ(vc->Text(6), std::string(80, ' '));
}

TEST_F(MorningReport, LeavingEmptiesTheQueue) {
    con::ScopedVirtualConsole vc;
    Post(13);
    vc->Space().Escape();
    ASSERT_TRUE(Report());
    EXPECT_EQ(Globals::GetMessages()->GetTotal(), 0);
    EXPECT_EQ(Globals::GetMessages()->GetNode(0), nullptr);

    Globals::GetMessages()->enqueue("next morning", 4);
    vc->Escape();
    ASSERT_TRUE(Report());
    EXPECT_EQ(vc->Text(2, 2, 66), "Corolla says, 'Good Morning captain, I have 1 message for you.' ");
    EXPECT_EQ(Place(*vc, 0), "next morning");
}

}  // namespace
