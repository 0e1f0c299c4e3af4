#include <gtest/gtest.h>
#include <vector>

#include "game/ui/Blink.h"
#include "platform/VirtualConsole.h"

TEST(Blink, RedAndYellowThreeTimesThenRedWithEightyMillisecondsAfterEach) {
    con::ScopedVirtualConsole vc;
    struct Paint {
        int colour;
        uint64_t atMs;
    };
    std::vector<Paint> paints;
    BlinkEntered([&](int colour) { paints.push_back({colour, vc->NowMs()}); });
    ASSERT_EQ(paints.size(), 7u);
    for (std::size_t i = 0; i < paints.size(); ++i) {
        EXPECT_EQ(paints[i].colour, i % 2 == 0 ? 12 : 14) << "paint " << i;
        EXPECT_EQ(paints[i].atMs, 80 * i) << "paint " << i;
    }
    EXPECT_EQ(vc->NowMs(), 560u) << "the last red is held one pause too";
}
