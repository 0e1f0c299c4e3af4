#include <gtest/gtest.h>
#include <string>

#include "tests/support/WorldHelpers.h"

#include "game/world/CrewQueue.h"

namespace {

using testing_support::AddNamed;
using testing_support::ChainValues;
using testing_support::Joined;
using testing_support::NameOf;

// The names in list order, joined, e.g. "VWXYZ"; checks the count and that
// the tail is the last node on the way.
std::string Order(CrewQueue& list) {
    return Joined(ChainValues(
                      list.GetTotal(), [&list](int i) { return list.GetCrewNode(i); },
                      [](CrewNode const& node) { return NameOf(node.crew); }),
                  "");
}

// A list of V, W, X, Y, Z.
void Fill(CrewQueue& list, char const* names = "VWXYZ") {
    for (char const* c = names; *c != '\0'; ++c) {
        char const name[2] = {*c, '\0'};
        AddNamed(list, name, RACE_BLOB);
    }
}

// Appends one more by race and returns the list's last name: shows where the
// tail pointer was.
std::string AppendAfterTail(CrewQueue& list) {
    AddNamed(list, "T", RACE_BLOB);
    return Order(list);
}

TEST(CrewQueue, RefusesMembersBeyondItsMaximum) {
    CrewQueue list(2);
    EXPECT_TRUE(list.enqueue(RACE_POVOLNIAN, false));
    EXPECT_TRUE(list.enqueue(RACE_MAKO, true));
    EXPECT_TRUE(list.isfull());
    EXPECT_FALSE(list.enqueue(RACE_MAKO, true));
    Crew stranger;
    EXPECT_FALSE(list.enqueue(stranger));
    EXPECT_EQ(list.GetTotal(), 2);
    EXPECT_EQ(list.GetCrewNode(0)->crew.GetRace(), RACE_POVOLNIAN);
    EXPECT_EQ(list.GetCrewNode(1)->crew.GetRace(), RACE_MAKO);
    EXPECT_TRUE(list.GetCrewNode(1)->crew.GetMorF());

    list.SetMaxCrew(1);
    EXPECT_EQ(list.GetTotal(), 2) << "members above a lower maximum stay";
    EXPECT_TRUE(list.isfull());
}

TEST(CrewQueue, RacesJoinAtTheTailAndCopiesAtTheHead) {
    CrewQueue list(10);
    Fill(list, "VWX");
    Crew y;
    y.NameCrew("Y");
    EXPECT_TRUE(list.enqueue(y));
    EXPECT_EQ(Order(list), "YVWX");
    EXPECT_EQ(AppendAfterTail(list), "YVWXT") << "the tail stayed at X";

    CrewQueue empty(10);
    EXPECT_TRUE(empty.enqueue(y));
    AddNamed(empty, "V", RACE_BLOB);
    EXPECT_EQ(Order(empty), "YV");
}

TEST(CrewQueue, DequeueHeadMiddleTailAndAbsent) {
    CrewQueue list(10);
    Fill(list);
    EXPECT_TRUE(list.dequeue(list.GetCrewNode(0)->crew));
    EXPECT_EQ(Order(list), "WXYZ");
    EXPECT_TRUE(list.dequeue(list.GetCrewNode(1)->crew));
    EXPECT_EQ(Order(list), "WYZ");
    EXPECT_TRUE(list.dequeue(list.GetCrewNode(2)->crew));
    EXPECT_EQ(Order(list), "WY");
    EXPECT_EQ(AppendAfterTail(list), "WYT") << "the predecessor became the tail";

    Crew lookalike = list.GetCrewNode(0)->crew;  // equal contents, not in the list
    EXPECT_FALSE(list.dequeue(lookalike));
    CrewQueue other(10);
    Fill(other, "Q");
    EXPECT_FALSE(list.dequeue(other.GetCrewNode(0)->crew));
    EXPECT_EQ(Order(list), "WYT") << "absent members change nothing";
    EXPECT_EQ(Order(other), "Q");
}

TEST(CrewQueue, RemovingTheLastMemberEmptiesTheList) {
    CrewQueue list(10);
    Fill(list, "V");
    EXPECT_FALSE(list.dequeue(list.GetCrewNode(0)->crew)) << "false: nobody remains";
    EXPECT_EQ(list.GetTotal(), 0);
    EXPECT_EQ(list.GetCrewNode(0), nullptr);
    Crew nobody;
    EXPECT_FALSE(list.dequeue(nobody));
    EXPECT_EQ(AppendAfterTail(list), "T");

    list.KillAllCrew();
    EXPECT_EQ(list.GetTotal(), 0);
    AddNamed(list, "A", RACE_BLOB);
    EXPECT_EQ(Order(list), "A");
    EXPECT_EQ(AppendAfterTail(list), "AT");
}

TEST(CrewQueue, IndicesOutsideTheListGiveNothing) {
    CrewQueue list(10);
    EXPECT_EQ(list.GetCrewNode(0), nullptr);
    Fill(list, "VWX");
    EXPECT_EQ(list.GetCrewNode(3), nullptr);
    EXPECT_EQ(list.GetCrewNode(-1), nullptr);
    list.SwapNodes(0, 3);
    list.SwapNodes(-1, 2);
    list.MoveNode(3, 0);
    list.MoveNode(-1, 0);
    list.MoveNode(1, -2);
    EXPECT_EQ(Order(list), "VWX");
}

TEST(CrewQueue, MoveNodeRelinksInFrontOfTheMemberAtTheTargetIndex) {
    struct Case {
        int from, to;
        char const* result;
    };
    Case const cases[] = {
        {3, 0, "YVWXZ"}, {1, 5, "VXYZW"}, {1, 3, "VXWYZ"}, {3, 1, "VYWXZ"}, {0, 3, "WXVYZ"},
        {0, 0, "VWXYZ"}, {2, 3, "VWXYZ"}, {2, 2, "VWXYZ"}, {4, 0, "ZVWXY"}, {0, 9, "WXYZV"},
        {4, 5, "VWXYZ"}, {4, 1, "VZWXY"}, {0, 4, "WXYVZ"},
    };
    for (Case const& c : cases) {
        CrewQueue list(10);
        Fill(list);
        list.MoveNode(c.from, c.to);
        EXPECT_EQ(Order(list), c.result) << c.from << " -> " << c.to;
        EXPECT_EQ(AppendAfterTail(list), std::string(c.result) + "T") << c.from << " -> " << c.to;
    }
}

TEST(CrewQueue, SwapNodesExchangesMembersNotNodes) {
    CrewQueue list(10);
    Fill(list);
    CrewNode* first = list.GetCrewNode(0);
    CrewNode* last = list.GetCrewNode(4);
    list.SwapNodes(0, 4);
    EXPECT_EQ(Order(list), "ZWXYV");
    EXPECT_EQ(list.GetCrewNode(0), first);
    EXPECT_EQ(list.GetCrewNode(4), last);
    list.SwapNodes(2, 2);
    EXPECT_EQ(Order(list), "ZWXYV");
}

TEST(CrewQueue, UnloadKeepsTheFirstTwoAboard) {
    CrewQueue craft(10);
    Fill(craft);
    CrewQueue bunker(10);
    craft.UnloadCrew(&bunker);
    EXPECT_EQ(Order(craft), "VW");
    EXPECT_EQ(Order(bunker), "XYZ");

    CrewQueue small(10);
    Fill(small);
    CrewQueue tiny(1);
    small.UnloadCrew(&tiny);
    EXPECT_EQ(Order(small), "VWXY");
    EXPECT_EQ(Order(tiny), "Z") << "Z is tried first; the list is then full";

    CrewQueue two(10);
    Fill(two, "VW");
    two.UnloadCrew(&bunker);
    EXPECT_EQ(Order(two), "VW");
    two.UnloadCrew(&two);
    two.UnloadCrew(nullptr);
    EXPECT_EQ(Order(two), "VW");
}

TEST(CrewQueue, CopiesAreDeepAndIndependent) {
    CrewQueue source(7);
    Fill(source, "VWX");
    CrewQueue assigned(3);
    assigned = source;
    CrewQueue constructed(source);
    EXPECT_EQ(assigned.GetMaxCrew(), 7);
    EXPECT_EQ(constructed.GetMaxCrew(), 7);
    EXPECT_EQ(Order(assigned), "VWX");
    EXPECT_EQ(Order(constructed), "VWX");
    EXPECT_NE(assigned.GetCrewNode(0), source.GetCrewNode(0));

    source.GetCrewNode(0)->crew.NameCrew("Q");
    source.dequeue(source.GetCrewNode(1)->crew);
    EXPECT_EQ(Order(source), "QX");
    EXPECT_EQ(Order(assigned), "VWX");
    EXPECT_EQ(Order(constructed), "VWX");
    EXPECT_EQ(AppendAfterTail(assigned), "VWXT");

    // Assigning over members replaces them (the old nodes are freed: the
    // sanitizer run would report a leak).
    assigned = source;
    EXPECT_EQ(Order(assigned), "QX");
    CrewQueue empty(4);
    assigned = empty;
    EXPECT_EQ(assigned.GetTotal(), 0);
    EXPECT_EQ(assigned.GetMaxCrew(), 4);
    EXPECT_EQ(AppendAfterTail(assigned), "T");
}

TEST(CrewQueue, SelfAssignmentKeepsTheList) {
    CrewQueue list(10);
    Fill(list);
    CrewQueue& alias = list;
    list = alias;
    EXPECT_EQ(Order(list), "VWXYZ");
    EXPECT_EQ(AppendAfterTail(list), "VWXYZT");
}

}  // namespace
