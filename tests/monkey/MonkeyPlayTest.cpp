// The whole game under random keys, seed by seed, with the world's invariants
// checked after every key. Each seed is its own test case, so they run side
// by side; MONKEY_PRESSES raises the keys per seed for a longer run.
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

#include "tests/monkey/Monkey.h"

namespace {

constexpr std::size_t kPressesPerSeed = 25000;

std::size_t PressesPerSeed() {
    char const* text = std::getenv("MONKEY_PRESSES");
    long const value = text != nullptr ? std::atol(text) : 0;
    return value > 0 ? static_cast<std::size_t>(value) : kPressesPerSeed;
}

class MonkeyPlay : public testing::TestWithParam<int> {};

TEST_P(MonkeyPlay, WholeGameHoldsUnderRandomKeys) {
    std::string const report = monkey::MonkeyRun(static_cast<uint64_t>(GetParam()), PressesPerSeed());
    EXPECT_TRUE(report.empty()) << report;
}

INSTANTIATE_TEST_SUITE_P(Seed, MonkeyPlay, testing::Range(1, 9));

// The long soak: scripts/soak runs this for many seeds at once, each given by
// MONKEY_SEED with MONKEY_PRESSES keys.
TEST(MonkeySoak, DISABLED_OneSeed) {
    char const* seed = std::getenv("MONKEY_SEED");
    ASSERT_NE(seed, nullptr) << "MONKEY_SEED names the seed to play";
    std::string const report = monkey::MonkeyRun(std::strtoull(seed, nullptr, 10), PressesPerSeed());
    EXPECT_TRUE(report.empty()) << report;
}

}  // namespace
