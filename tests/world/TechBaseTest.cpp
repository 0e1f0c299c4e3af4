#include <gtest/gtest.h>
#include <string>

#include "game/world/Alltechs.h"
#include "game/world/CrewQueue.h"
#include "game/world/Globals.h"
#include "game/world/TechBase.h"

namespace {

TechBase MakeTech(int requirements, int cost) {
    return TechBase(false, requirements == 0, requirements, 0.0, "Z9", "Test", Branches("A1"), cost, "");
}

TEST(TechBase, SharesStayWithinAHundred) {
    TechBase tech = MakeTech(0, 500);
    tech.ChangeShare(-5);
    EXPECT_EQ(tech.GetShare(), 0);
    tech.SetShare(100);
    tech.ChangeShare(5);
    EXPECT_EQ(tech.GetShare(), 100);
    tech.SetShare(-20);
    EXPECT_EQ(tech.GetShare(), 0);
}

TEST(TechBase, RequirementsOpenItAndFinishingClosesIt) {
    TechBase tech = MakeTech(2, 500);
    EXPECT_FALSE(tech.IsResearchable());
    tech.DelReq();
    EXPECT_FALSE(tech.GetAvailable());
    tech.DelReq();
    EXPECT_TRUE(tech.GetAvailable());
    EXPECT_TRUE(tech.IsResearchable());
    tech.DelReq();  // below zero it stays open
    EXPECT_TRUE(tech.IsResearchable());

    tech.SetPercent(100.0);
    EXPECT_TRUE(tech.GetResearched());
    EXPECT_FALSE(tech.GetAvailable());
    EXPECT_FALSE(tech.IsResearchable());
    EXPECT_EQ(tech.GetRemaining(), 0);
}

TEST(TechBase, RemainingPointsFollowThePercent) {
    TechBase tech = MakeTech(0, 700);
    EXPECT_EQ(tech.GetRemaining(), 700);
    tech.AddPercent(50.0);
    EXPECT_EQ(tech.GetRemaining(), 350);
    tech.SubtractRemaining(175);
    EXPECT_EQ(tech.GetRemaining(), 175);
    EXPECT_DOUBLE_EQ(tech.GetPercent(), 75.0);
    tech.SubtractRemaining(1000);
    EXPECT_EQ(tech.GetRemaining(), 0);
    EXPECT_TRUE(tech.GetResearched());

    // A technology that costs nothing is done as soon as points are spent, without dividing by zero.
    TechBase free = MakeTech(0, 0);
    free.SubtractRemaining(1);
    EXPECT_TRUE(free.GetResearched());
}

TEST(TechBase, CopiesAreBounded) {
    std::string const longName(100, 'x');
    TechBase tech(false, true, 0, 0.0, "ABCD", longName.c_str(), Branches("B1", "B2345", "", ""), 10, "");
    char id[TechBase::kIdSize];
    tech.GetID(id);
    EXPECT_STREQ(id, "AB");
    char name[TechBase::kNameSize];
    tech.GetName(name);
    EXPECT_EQ(std::string(name), longName.substr(0, TechBase::kNameSize - 1));
    Branches const leadsTo = tech.GetReq();
    EXPECT_STREQ(leadsTo.ids[1], "B2");
    EXPECT_STREQ(leadsTo.ids[2], "");
}

std::string OpenIds(Alltechs& tree) {
    std::string ids;
    for (int i = 0; i < Alltechs::kTechCount; ++i) {
        TechBase* tech = tree.GetTech(i);
        if (tech->IsResearchable()) {
            ids += std::string(tech->Id()) + " ";
        }
    }
    return ids;
}

void Finish(Alltechs& tree, char const* id) {
    TechBase* tech = tree.FindTech(id);
    ASSERT_NE(tech, nullptr) << id;
    tech->SetPercent(100.0);
    tree.Update(*tech);
}

TEST(Alltechs, FiveOpenAtTheStart) {
    Alltechs tree;
    EXPECT_EQ(OpenIds(tree), "A1 B1 C1 D1 F1 ");
    EXPECT_EQ(tree.GetTech(54), nullptr);
    EXPECT_EQ(tree.GetTech(-1), nullptr);
    EXPECT_STREQ(tree.GetTech(0)->Id(), "A1");
    EXPECT_STREQ(tree.GetTech(53)->Id(), "F6");
    EXPECT_STREQ(tree.FindTech("C1")->Name(), "HOVER FUEL REDUCTION ");
    EXPECT_STREQ(tree.FindTech("D2")->Name(), "Fleepion Cluture Studies");
    EXPECT_STREQ(tree.FindTech("E8")->Name(), "MOTHERSHIIP WEAPONS!");
    EXPECT_EQ(tree.FindTech("E8")->GetCost(), 500);
    EXPECT_EQ(tree.FindTech("BD")->GetCost(), 3000);
    EXPECT_EQ(tree.FindTech("ZZ"), nullptr);
    EXPECT_EQ(tree.FindTechByName("Widow DNA"), tree.GetTech(53));
    EXPECT_EQ(tree.FindTechByName("widow dna"), nullptr);
}

TEST(Alltechs, EveryTechnologyIsNamedAndLedToOnlyByKnownIds) {
    Alltechs tree;
    int leadsTo[Alltechs::kTechCount] = {};
    for (int i = 0; i < Alltechs::kTechCount; ++i) {
        TechBase* tech = tree.GetTech(i);
        EXPECT_EQ(tree.FindTechByName(tech->Name()), tech) << tech->Name();
        EXPECT_EQ(tech->GetRemaining(), tech->GetCost());
        for (auto const& id : tech->GetReq().ids) {
            if (id[0] != '\0') {
                TechBase* next = tree.FindTech(id);
                ASSERT_NE(next, nullptr) << id;
                ++leadsTo[next - tree.GetTech(0)];
            }
        }
    }
    // B8 and F5 need more parents than they have, E1 has none: they never open.
    EXPECT_EQ(leadsTo[10], 2);
    EXPECT_EQ(tree.GetTech(10)->GetRequirements(), 3);
    EXPECT_EQ(leadsTo[52], 1);
    EXPECT_EQ(leadsTo[32], 0);
    EXPECT_EQ(leadsTo[51], 2);  // F4: from F1 and E8
}

TEST(Alltechs, FinishingA1OpensA2Once) {
    Alltechs tree;
    Finish(tree, "A1");
    EXPECT_EQ(OpenIds(tree), "A2 B1 C1 D1 F1 ");
    EXPECT_TRUE(tree.FindTech("A1")->GetResearched());
    EXPECT_EQ(tree.FindTech("A2")->GetRequirements(), 0);
    EXPECT_TRUE(tree.FindTech("A2")->GetAvailable());

    Finish(tree, "A1");
    EXPECT_EQ(tree.FindTech("A2")->GetRequirements(), 0);
    EXPECT_EQ(OpenIds(tree), "A2 B1 C1 D1 F1 ");
}

TEST(Alltechs, UnfinishedTechnologyPassesNothingOn) {
    Alltechs tree;
    TechBase* a1 = tree.FindTech("A1");
    a1->SetPercent(99.9);
    tree.Update(*a1);
    EXPECT_FALSE(a1->GetUpdated());
    EXPECT_EQ(tree.FindTech("A2")->GetRequirements(), 1);
}

TEST(Alltechs, BranchesAcrossGroups) {
    Alltechs tree;
    Finish(tree, "B1");
    Finish(tree, "B2");
    Finish(tree, "B3");
    EXPECT_EQ(tree.FindTech("B4")->GetRequirements(), 0);
    EXPECT_EQ(tree.FindTech("B8")->GetRequirements(), 2);
    EXPECT_FALSE(tree.FindTech("B8")->IsResearchable());

    Finish(tree, "F1");
    EXPECT_TRUE(tree.FindTech("F4")->IsResearchable());
    Finish(tree, "F2");
    EXPECT_EQ(tree.FindTech("F5")->GetRequirements(), 1);
    EXPECT_FALSE(tree.FindTech("F5")->IsResearchable());
    EXPECT_EQ(OpenIds(tree), "A1 B4 B6 B7 C1 D1 F3 F4 ");
}

TEST(Alltechs, ResearchCapabilityCountsResearchersOnly) {
    Alltechs tree;
    CrewQueue crew(10);
    EXPECT_EQ(tree.GetTotalTech(crew), 0);
    crew.enqueue(RACE_MAKO, false);  // a mechanic adds nothing
    for (int i = 0; i < 4; ++i) {
        crew.enqueue(RACE_POVOLNIAN, true);
    }
    // Four times research 10 x performance 50, divided once: 2000 / 150.
    EXPECT_EQ(tree.GetTotalTech(crew), 13);
    EXPECT_EQ(tree.GetTechPoints(), 13);
    crew.GetCrewNode(1)->crew.SetJob(JOB_IDLE);
    EXPECT_EQ(tree.GetTotalTech(crew), 10);

    // The ship's own twenty Povolnians research from the start.
    EXPECT_EQ(Globals::GetTechs()->GetTotalTech(), 10000 / 150);
}

}  // namespace
