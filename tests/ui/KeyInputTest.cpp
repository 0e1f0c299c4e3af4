#include <gtest/gtest.h>

#include "tests/support/ScreenHarness.h"

#include "game/ui/KeyInput.h"
#include "game/ui/ScreenFrame.h"
#include "game/ui/ScrollList.h"
#include "game/ui/YesNoPrompt.h"
#include "platform/VirtualConsole.h"

namespace {

using testing_support::In;
using testing_support::Out;

constexpr con::Handle kLost = con::kInvalidHandle;

con::KeyRecord Release(uint16_t virtualKey) { return con::KeyRecord{con::KEY_EVENT, false, virtualKey, 0}; }

}  // namespace

TEST(KeyInput, ReleasesAreNotPresses) {
    con::ScopedVirtualConsole vc;
    vc->Down();
    con::KeyRecord key{};
    EXPECT_TRUE(ReadKeyPress(In(), key));
    EXPECT_EQ(key.virtualKey, con::VK_DOWN);
    vc->Record(Release(con::VK_UP));
    EXPECT_FALSE(ReadKeyPress(In(), key));
    EXPECT_EQ(ReadKeyRecord(In(), key), KeyRead::Other) << "the down key's own release";
}

TEST(KeyInput, TheNextKeyPressPassesReleasesAndLeavesTheKeysBehindIt) {
    con::ScopedVirtualConsole vc;
    vc->Record(Release(con::VK_LEFT)).Right().Enter();
    EXPECT_EQ(NextKeyPress(In()).virtualKey, con::VK_RIGHT);
    EXPECT_EQ(NextKeyPress(In()).character, 13) << "Enter waited behind Right";
}

TEST(KeyInput, APollReadsOnlyWhenAKeyPressWaits) {
    con::ScopedVirtualConsole vc;
    vc->Idle(1).Record(Release(con::VK_UP)).Down();
    con::KeyRecord key{};
    EXPECT_FALSE(PollKeyPress(In(), key)) << "nothing waits";
    EXPECT_FALSE(PollKeyPress(In(), key)) << "a release waits";
    con::FlushConsoleInputBuffer(In());  // as a polling screen does at the end of its pass
    EXPECT_TRUE(PollKeyPress(In(), key));
    EXPECT_EQ(key.virtualKey, con::VK_DOWN);
}

// A console whose input cannot be read answers Escape at once, and no screen
// waiting on it spins.
TEST(KeyInput, AConsoleThatCannotBeReadAnswersEscape) {
    con::ScopedVirtualConsole vc;
    vc->Down();
    con::KeyRecord key{};
    EXPECT_EQ(ReadKeyRecord(kLost, key), KeyRead::Lost);
    EXPECT_EQ(key.character, 27);
    EXPECT_TRUE(ReadKeyPress(kLost, key));
    EXPECT_EQ(key.virtualKey, con::VK_ESCAPE);
    EXPECT_TRUE(key.keyDown);
    EXPECT_EQ(NextKeyPress(kLost).character, 27);
    EXPECT_FALSE(PollKeyPress(kLost, key)) << "a polling screen sees no key";
    EXPECT_TRUE(ReadKeyPress(In(), key));
    EXPECT_EQ(key.virtualKey, con::VK_DOWN) << "the real console's key is still there";
}

TEST(KeyInput, TheToolkitsWaitsEndOnAConsoleThatCannotBeRead) {
    con::ScopedVirtualConsole vc;
    vc->Down();
    ListRow rows[3] = {"one", "two", "three"};
    ScrollState state;
    EXPECT_EQ(ScrollList(Out(), kLost, rows, 2, 2, 10, 5, 3, true, state, false, false), kScrollEscape);
    EXPECT_EQ(ScrollList(Out(), kLost, rows, 2, 2, 10, 5, 3, true, state, false, true), kScrollEscape);
    ScrollText(Out(), kLost, rows, 2, 2, 10, 5, 3);
    ScrollText(Out(), kLost, rows, 2, 2, 10, 2, 3);
    EXPECT_FALSE(AskYesNo(kLost, 30, 10)) << "the careful answer";
    WaitForKey(kLost);
    EXPECT_EQ(vc->ScriptLeft(), 1u);
}

TEST(KeyInput, TheYesNoPromptFlushesAfterEveryKeyButTheOneThatAnswers) {
    con::ScopedVirtualConsole vc;
    // Keys typed together wait side by side in the console's queue.
    vc->queue = {con::VirtualConsole::RecordFor('Y'), con::VirtualConsole::RecordFor('Z')};
    EXPECT_TRUE(AskYesNo(In(), 30, 10));
    EXPECT_EQ(NextKeyPress(In()).character, 'Z') << "the key typed after the answer is left for the screen";

    con::ScopedVirtualConsole again;
    again->queue = {con::KeyRecord{con::KEY_EVENT, true, con::VK_LEFT, 0},
                    con::VirtualConsole::RecordFor('Y')};
    again->Type("N");
    EXPECT_FALSE(AskYesNo(In(), 30, 10)) << "the Y behind the Left was flushed";
    EXPECT_EQ(again->Text(10, 30, 40), " Yes   No ");
    EXPECT_EQ(again->AttrAt(30, 10), 240) << "Left moved the highlight to Yes";
}
