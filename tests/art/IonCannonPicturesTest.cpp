#include <gtest/gtest.h>
#include <string>

#include "tests/art/PictureTestSupport.h"

#include "game/art/GroundPictures.h"
#include "platform/VirtualConsole.h"

namespace {

using namespace picture_test;

constexpr int kVx = 45, kVy = 5;

TEST(ViewScreen, StarsDrawTheFrameAndSkyAndLeaveTheGround) {
    con::ScopedVirtualConsole vc;
    FillWithMarker(*vc);
    DestroyFarm(kVx, kVy);
    std::string const ground = vc->Picture(kVx + 1, kVy + 10, 29, 6);
    std::string const groundColours = vc->Attributes(kVx + 1, kVy + 10, 29, 6);
    ViewScreenStars(kVx, kVy);
    EXPECT_EQ(vc->Picture(kVx + 1, kVy + 10, 29, 6), ground);
    EXPECT_EQ(vc->Attributes(kVx + 1, kVy + 10, 29, 6), groundColours);

    // The frame spans columns 45-75 and rows 5-21, in light shade and yellow.
    for (int x = 45; x <= 75; ++x) {
        EXPECT_EQ(vc->ByteAt(x, 5), 176);
        EXPECT_EQ(vc->ByteAt(x, 21), 176);
        EXPECT_EQ(vc->AttrAt(x, 21), 14);
    }
    for (int y = 6; y <= 20; ++y) {
        EXPECT_EQ(vc->ByteAt(45, y), 176);
        EXPECT_EQ(vc->ByteAt(75, y), 176);
        EXPECT_EQ(vc->AttrAt(75, y), 14);
    }
    EXPECT_EQ(vc->ByteAt(44, 5), kMarkerByte);
    EXPECT_EQ(vc->ByteAt(76, 21), kMarkerByte);
    EXPECT_EQ(vc->ByteAt(60, 22), kMarkerByte);

    // The sky is blanks and stars, white.
    int stars = 0;
    for (int y = 6; y <= 14; ++y) {
        for (int x = 46; x <= 74; ++x) {
            EXPECT_TRUE(vc->ByteAt(x, y) == ' ' || vc->ByteAt(x, y) == '.');
            EXPECT_EQ(vc->AttrAt(x, y), 15);
            stars += vc->ByteAt(x, y) == '.';
        }
    }
    EXPECT_GT(stars, 10);
    EXPECT_LT(stars, 60);
}

TEST(ViewScreen, NoVisualDrawsTheFrameAndBlanksOnlyTheTopOfTheInside) {
    con::ScopedVirtualConsole vc;
    FillWithMarker(*vc);
    ViewScreenNoVisual(kVx, kVy);
    Cells const changed = ChangedCells(*vc);
    // The frame and the first inside row, whole.
    Cells const ring = Join({Rect(45, 5, 75, 5), Rect(45, 21, 75, 21), Rect(45, 6, 45, 20),
                             Rect(75, 6, 75, 20), Rect(46, 6, 74, 6)});
    EXPECT_TRUE(Minus(ring, changed).empty()) << Describe(Minus(ring, changed));
    // Of the second inside row only its first cells, from the left.
    Cells const second = Minus(changed, ring);
    ASSERT_FALSE(second.empty());
    EXPECT_EQ(BoundingBox(second), Rect(46, 7, 45 + static_cast<int>(second.size()), 7));
    EXPECT_LT(second.size(), 29u);
    for (auto [x, y] : changed) {
        EXPECT_EQ(vc->AttrAt(x, y), 14);
        EXPECT_TRUE(vc->ByteAt(x, y) == ' ' || vc->ByteAt(x, y) == 176);
    }
}

TEST(ViewScreen, CloseBlanksTheViewTheRowUnderItAndTheChargingLine) {
    con::ScopedVirtualConsole vc;
    FillWithMarker(*vc);
    ViewScreenClose(kVx, kVy);
    Cells const view = Rect(45, 5, 75, 22);
    Cells const chargeLine = Rect(3, 22, 42, 22);
    EXPECT_EQ(ChangedCells(*vc), Join({view, chargeLine}));
    for (auto [x, y] : view) {
        ASSERT_EQ(vc->ByteAt(x, y), ' ');
        ASSERT_EQ(vc->AttrAt(x, y), 14);
    }
    for (auto [x, y] : chargeLine) {
        ASSERT_EQ(vc->ByteAt(x, y), ' ');
        ASSERT_EQ(vc->AttrAt(x, y), 12);
    }
}

TEST(Beam, ASliceIsLightMediumLightAndItsEraserOneColumnWider) {
    con::ScopedVirtualConsole vc;
    FillWithMarker(*vc);
    BeamSegment(kVx, kVy + 3);
    EXPECT_EQ(vc->Picture(kVx + 12, kVy + 4, 5, 1), "☺░▒░☺");
    EXPECT_EQ(vc->Attributes(kVx + 13, kVy + 4, 3, 1), "19 59 19");

    EraseBeamSegment(kVx, kVy + 3);
    EXPECT_EQ(vc->Picture(kVx + 12, kVy + 4, 6, 1), "☺    ☺");
    EXPECT_EQ(vc->Attributes(kVx + 13, kVy + 4, 4, 1), "15 15 15 15");
}

TEST(Beam, ImpactFramesStartWithTheBeamEnteringTheDome) {
    for (auto frame : {ImpactFrame1, ImpactFrame2}) {
        con::ScopedVirtualConsole vc;
        FillWithMarker(*vc);
        frame(kVx, kVy);
        EXPECT_EQ(vc->Picture(kVx + 13, kVy + 11, 3, 1), "░▒░");
        EXPECT_EQ(vc->Attributes(kVx + 13, kVy + 11, 3, 1), "19 59 19");
        EXPECT_EQ(vc->ByteAt(kVx + 14, kVy + 10), kMarkerByte) << "nothing above the slice";
    }
}

TEST(GroundScenes, EveryGroundLandsOnTheSameScreenRows) {
    // The firing sequence draws the city one row lower than the others.
    struct Scene {
        void (*draw)(int, int);
        int y;
    };
    for (Scene scene : {Scene{DestroyFarm, kVy}, Scene{DestroyCity, kVy + 1}, Scene{DestroyBase, kVy},
                        Scene{DestroyMtn, kVy}, Scene{DestroyDesert, kVy}, Scene{DestroyRubble, kVy},
                        Scene{DestroyNuke, kVy}, Scene{AftermathScene, kVy}}) {
        con::ScopedVirtualConsole vc;
        FillWithMarker(*vc);
        scene.draw(kVx, scene.y);
        EXPECT_EQ(ChangedCells(*vc), Rect(46, 15, 74, 20));
    }
}

TEST(GroundScenes, EachLandTypeHasItsOwnPictureAndTheWastelandGlowsOverTheRubble) {
    con::ScopedVirtualConsole vc;
    std::set<std::string> looks;
    for (auto scene : {DestroyFarm, DestroyBase, DestroyMtn, DestroyDesert, DestroyRubble, DestroyNuke}) {
        scene(kVx, kVy);
        looks.insert(vc->Picture(46, 15, 29, 6) + vc->Attributes(46, 15, 29, 6));
    }
    DestroyCity(kVx, kVy + 1);
    looks.insert(vc->Picture(46, 15, 29, 6) + vc->Attributes(46, 15, 29, 6));
    EXPECT_EQ(looks.size(), 7u);

    DestroyRubble(kVx, kVy);
    std::string const rubble = vc->Picture(46, 15, 29, 6);
    std::string const rubbleColours = vc->Attributes(46, 15, 29, 6);
    DestroyNuke(kVx, kVy);
    EXPECT_EQ(vc->Picture(46, 15, 29, 6), rubble) << "the same heaps";
    EXPECT_NE(vc->Attributes(46, 15, 29, 6), rubbleColours) << "in other colours";
}

TEST(Static, TheThreeFramesDifferSoTheStaticMoves) {
    con::ScopedVirtualConsole vc;
    ChargeFrame1(kVx, kVy);
    std::string const one = vc->Picture(46, 6, 29, 15);
    ChargeFrame2(kVx, kVy);
    std::string const two = vc->Picture(46, 6, 29, 15);
    ChargeFrame3(kVx, kVy);
    std::string const three = vc->Picture(46, 6, 29, 15);
    EXPECT_NE(one, two);
    EXPECT_NE(two, three);
    EXPECT_NE(one, three);
}

TEST(FiringSequence, TheAftermathCoversWhateverTheImpactLeftOnTheGround) {
    con::ScopedVirtualConsole vc;
    ViewScreenStars(kVx, kVy);
    DestroyCity(kVx, kVy + 1);
    for (int k = 0; k <= 13; ++k) {
        BeamSegment(kVx, kVy + k);
    }
    for (auto frame : {ImpactFrame1, ImpactFrame2, ImpactFrame3, ImpactFrame2}) {
        frame(kVx, kVy);
    }
    for (int k = 0; k <= 13; ++k) {
        EraseBeamSegment(kVx, kVy + k);
    }
    AftermathScene(kVx, kVy);
    std::string const afterShot = vc->Picture(46, 15, 29, 6) + vc->Attributes(46, 15, 29, 6);

    con::ScopedVirtualConsole clean;
    AftermathScene(kVx, kVy);
    EXPECT_EQ(clean->Picture(46, 15, 29, 6) + clean->Attributes(46, 15, 29, 6), afterShot);
}

}  // namespace
