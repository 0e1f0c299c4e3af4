#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "tests/support/WorldHelpers.h"

#include "game/world/NodeChain.h"

namespace {

using testing_support::ChainValues;
using testing_support::Joined;

struct Node {
    int value = 0;
    Node* next = nullptr;
};

using Chain = NodeChain<Node>;

// The values in chain order, e.g. "1 2 3"; checks that the count, the indices
// and the links agree.
std::string Values(Chain& chain) {
    EXPECT_EQ(chain.At(-1), nullptr);
    return Joined(ChainValues(
                      chain.Count(), [&chain](int i) { return chain.At(i); },
                      [](Node const& node) { return std::to_string(node.value); }),
                  " ");
}

void AddAtTail(Chain& chain, int value) { chain.NewAtTail()->value = value; }

auto AtLeast(int value) {
    return [value](Node const& node) { return node.value >= value; };
}

// Appends 99 and returns the values: shows where the tail was.
std::string AppendAfterTail(Chain& chain) {
    AddAtTail(chain, 99);
    return Values(chain);
}

TEST(NodeChain, NewNodesGoAtTheTailTheHeadOrInFrontOfTheFirstMatch) {
    Chain chain;
    chain.NewBefore(AtLeast(0))->value = 5;
    EXPECT_EQ(AppendAfterTail(chain), "5 99") << "into an empty chain: head and tail";

    Chain sorted;
    AddAtTail(sorted, 2);
    AddAtTail(sorted, 4);
    sorted.NewAtHead()->value = 1;
    sorted.NewBefore(AtLeast(3))->value = 3;
    sorted.NewBefore(AtLeast(1))->value = 0;
    EXPECT_EQ(Values(sorted), "0 1 2 3 4");
    sorted.NewBefore(AtLeast(50))->value = 5;
    EXPECT_EQ(AppendAfterTail(sorted), "0 1 2 3 4 5 99") << "no match: at the tail, which follows";
}

TEST(NodeChain, UnlinkingKeepsTheTailAndEmptiesToNothing) {
    Chain chain;
    for (int value = 1; value <= 4; ++value) {
        AddAtTail(chain, value);
    }
    EXPECT_EQ(chain.Unlink(chain.At(3))->value, 4);
    EXPECT_EQ(chain.UnlinkIf(AtLeast(2))->value, 2);
    EXPECT_EQ(AppendAfterTail(chain), "1 3 99") << "the predecessor became the tail";

    Node stranger;
    EXPECT_EQ(chain.Unlink(&stranger), nullptr);
    EXPECT_EQ(chain.Unlink(nullptr), nullptr);
    EXPECT_EQ(chain.UnlinkIf(AtLeast(100)), nullptr);
    EXPECT_FALSE(chain.RemoveIf(AtLeast(100)));
    EXPECT_EQ(Values(chain), "1 3 99") << "no match changes nothing";

    EXPECT_TRUE(chain.RemoveIf(AtLeast(3))) << "true: nodes remain";
    EXPECT_EQ(chain.TakeHead()->value, 1);
    EXPECT_FALSE(chain.RemoveIf(AtLeast(0))) << "false: the last one went";
    EXPECT_EQ(chain.Count(), 0);
    EXPECT_EQ(chain.TakeHead(), nullptr);
    EXPECT_EQ(AppendAfterTail(chain), "99") << "no stale tail";
}

TEST(NodeChain, ATakenNodeIsRelinkedInFrontOfAMatchOrAtTheTail) {
    Chain chain;
    for (int value = 1; value <= 4; ++value) {
        AddAtTail(chain, value);
    }
    chain.InsertBefore(chain.TakeHead(), AtLeast(4));
    EXPECT_EQ(Values(chain), "2 3 1 4");
    chain.InsertBefore(chain.Unlink(chain.At(3)), AtLeast(0));
    EXPECT_EQ(Values(chain), "4 2 3 1");
    chain.InsertBefore(chain.Unlink(chain.At(0)), AtLeast(50));
    EXPECT_EQ(AppendAfterTail(chain), "2 3 1 4 99");
    chain.InsertBefore(std::unique_ptr<Node>(), AtLeast(0));
    EXPECT_EQ(chain.Count(), 5) << "a null node changes nothing";
}

TEST(NodeChain, TakeAllAndCopiesLeaveNoSharedNode) {
    Chain from;
    AddAtTail(from, 1);
    AddAtTail(from, 2);
    Chain copy(from);
    Chain to;
    to.TakeAll(from);
    EXPECT_EQ(from.Count(), 0);
    EXPECT_EQ(AppendAfterTail(from), "99");
    EXPECT_EQ(AppendAfterTail(to), "1 2 99");
    EXPECT_NE(copy.At(0), to.At(0));
    EXPECT_EQ(AppendAfterTail(copy), "1 2 99");

    Chain empty;
    copy = empty;
    EXPECT_EQ(copy.Count(), 0);
    EXPECT_EQ(AppendAfterTail(copy), "99");
    Chain const copyOfEmpty(empty);
    EXPECT_EQ(copyOfEmpty.Count(), 0);
}

}  // namespace
