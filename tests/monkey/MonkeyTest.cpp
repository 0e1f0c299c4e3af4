// The monkey itself: its key notation, its random stream, the faults it
// catches in a program made to fail, and the shrinking of a failing run.
#include <atomic>
#include <gtest/gtest.h>

#include "tests/monkey/Monkey.h"
#include "tests/support/WorldHelpers.h"

#include "game/ui/GuiFunctions.h"
#include "game/world/Globals.h"

namespace {

using testing_support::Names;
using testing_support::Ship;

// The key-downs a program made for these tests reads, one at a time; releases
// are dropped.
con::KeyRecord NextKey(con::Handle hIn) {
    for (;;) {
        con::KeyRecord record;
        uint32_t read = 0;
        con::ReadConsoleInputA(hIn, &record, 1, &read);
        con::FlushConsoleInputBuffer(hIn);
        if (read == 1 && record.keyDown) {
            return record;
        }
    }
}

// Loses a crew member once it has read Down, Down, Enter in a row.
void LosesCrewAfterDownDownEnter(con::Handle hIn, con::Handle) {
    int downs = 0;
    for (;;) {
        con::KeyRecord const key = NextKey(hIn);
        if (key.character == '\r' && downs >= 2) {
            CrewQueue& crew = *Ship().GetCrewQueue();
            crew.dequeue(crew.GetCrewNode(0)->crew);
        }
        downs = key.virtualKey == con::VK_DOWN ? downs + 1 : 0;
    }
}

TEST(MonkeyKeys, NotationReadsBackWhatItWrites) {
    std::string const text =
        "Up Down Left Right Enter Esc PgUp PgDn Space Back Tab Home End Del Ins F1 y N 7 c "
        "idle:12 rel:38 ~ chr:1";
    monkey::Steps const steps = monkey::ParseSteps(text);
    ASSERT_EQ(steps.size(), 24u);
    EXPECT_EQ(monkey::FormatSteps(steps), text);
    EXPECT_EQ(steps[4].record.character, '\r');
    EXPECT_EQ(steps[17].record.virtualKey, 'N');
    EXPECT_EQ(steps[20].idlePolls, 12);
    EXPECT_FALSE(steps[21].record.keyDown);
    EXPECT_THROW(monkey::ParseSteps("Up Sideways"), std::invalid_argument);
    EXPECT_THROW(monkey::ParseSteps("idle:0"), std::invalid_argument);
}

TEST(MonkeyKeys, RandomStreamIsTheSameForASeedAndSurvivesItsNotation) {
    monkey::Steps const a = monkey::RandomSteps(7, 5000);
    monkey::Steps const b = monkey::RandomSteps(7, 5000);
    EXPECT_EQ(monkey::FormatSteps(a), monkey::FormatSteps(b));
    EXPECT_NE(monkey::FormatSteps(a), monkey::FormatSteps(monkey::RandomSteps(8, 5000)));
    EXPECT_EQ(monkey::CountPresses(a), 5000u);
    monkey::Steps const again = monkey::ParseSteps(monkey::FormatSteps(a));
    ASSERT_EQ(again.size(), a.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(again[i].idlePolls, a[i].idlePolls) << i;
        if (a[i].idlePolls == 0) {
            EXPECT_EQ(again[i].record.virtualKey, a[i].record.virtualKey) << i;
            EXPECT_EQ(again[i].record.keyDown, a[i].record.keyDown) << i;
            if (a[i].record.keyDown) {
                EXPECT_EQ(again[i].record.character, a[i].record.character) << i;
            }
        }
    }
}

TEST(MonkeyKeys, RandomStreamLeansOnTheGamesKeys) {
    monkey::Steps const steps = monkey::RandomSteps(3, 20000);
    int arrows = 0, enters = 0, escapes = 0, digits = 0, library = 0, idles = 0, releases = 0;
    for (monkey::Step const& s : steps) {
        if (s.idlePolls > 0) {
            ++idles;
            continue;
        }
        if (!s.record.keyDown) {
            ++releases;
            continue;
        }
        uint16_t const vk = s.record.virtualKey;
        arrows += vk >= con::VK_LEFT && vk <= con::VK_DOWN;
        enters += vk == con::VK_RETURN;
        escapes += vk == con::VK_ESCAPE;
        digits += s.record.character >= '0' && s.record.character <= '9';
        library += std::string("cfgmp").find(s.record.character) != std::string::npos && s.record.character;
    }
    EXPECT_GT(arrows, 20000 * 35 / 100);
    EXPECT_GT(enters, 20000 * 12 / 100);
    EXPECT_GT(escapes, 20000 * 4 / 100);
    EXPECT_GT(digits, 20000 * 8 / 100);
    EXPECT_GT(library, 20000 * 3 / 100);
    EXPECT_GT(idles, 100);
    EXPECT_GT(releases, 50);
}

TEST(MonkeyFaults, ALostCrewMemberIsCaughtAtItsKeyAndShrunkToTheKeysThatLoseIt) {
    monkey::Steps const steps =
        monkey::ParseSteps("Up Down idle:5 Left Down Down Right y Down Down Enter Esc Up");
    monkey::Outcome const failure = monkey::Play(LosesCrewAfterDownDownEnter, steps, 1, 30, true);
    ASSERT_TRUE(failure.failed);
    EXPECT_EQ(failure.kind, "crew or craft appeared or vanished");
    EXPECT_EQ(failure.presses, 10u);
    EXPECT_NE(failure.detail.find("crew 33, craft 4 became crew 32, craft 4 (after key Enter)"),
              std::string::npos)
        << failure.detail;
    monkey::Steps const shortest = monkey::Shrink(LosesCrewAfterDownDownEnter, steps, 1, failure);
    EXPECT_EQ(monkey::FormatSteps(shortest), "Down Down Enter");
}

TEST(MonkeyFaults, CrashesHangsScreenAndWorldFaultsAreEachCaught) {
    auto crashes = [](con::Handle hIn, con::Handle) {
        while (NextKey(hIn).character != 'x') {
        }
        std::abort();
    };
    monkey::Outcome o = monkey::Play(crashes, monkey::ParseSteps("a b x c"), 1, 30, true);
    EXPECT_TRUE(o.failed);
    EXPECT_EQ(o.kind, "crash");
    EXPECT_EQ(o.presses, 3u);

    auto hangs = [](con::Handle hIn, con::Handle) {
        while (NextKey(hIn).character != 'h') {
        }
        // Busy for ever, reading nothing (the atomic keeps the loop from being
        // optimised away).
        std::atomic<unsigned> spin{0};
        for (;;) {
            spin.fetch_add(1, std::memory_order_relaxed);
        }
    };
    o = monkey::Play(hangs, monkey::ParseSteps("a h"), 1, 1, true);
    EXPECT_EQ(o.kind, "hang");
    EXPECT_EQ(o.presses, 2u);

    auto writesPastTheEnd = [](con::Handle hIn, con::Handle) {
        NextKey(hIn);
        PrintAt("ab", 79, 24, 7);
        NextKey(hIn);
    };
    o = monkey::Play(writesPastTheEnd, monkey::ParseSteps("a b"), 1, 30, true);
    EXPECT_EQ(o.kind, "write outside the screen");
    EXPECT_EQ(o.presses, 1u);

    auto launchesACapsuleItHasNot = [](con::Handle hIn, con::Handle) {
        NextKey(hIn);
        NextKey(hIn);
        Ship().ChangeCapsules(-Ship().GetCapsules() - 1);
        NextKey(hIn);
    };
    o = monkey::Play(launchesACapsuleItHasNot, monkey::ParseSteps("a b c d"), 1, 30, true);
    EXPECT_EQ(o.kind, "broken world");
    EXPECT_EQ(o.presses, 2u);
    EXPECT_NE(o.detail.find("ship capsules is -1"), std::string::npos) << o.detail;
}

TEST(MonkeyFaults, EachRunStartsFromTheSameWorldForItsSeed) {
    std::string names[2];
    for (std::string& out : names) {
        auto recordNames = [&out](con::Handle hIn, con::Handle) {
            for (std::string const& name : Names(*Ship().GetCrewQueue())) {
                out += name;
            }
            NextKey(hIn);
        };
        monkey::PlayHere(recordNames, monkey::ParseSteps("a"), 42);
    }
    EXPECT_FALSE(names[0].empty());
    EXPECT_EQ(names[0], names[1]);
}

}  // namespace
