#include <gtest/gtest.h>
#include <string>

#include "tests/screens/DockingBayWorld.h"
#include "tests/screens/ScreenSnapshot.h"

#include "game/screens/EarthMapWidgets.h"
#include "game/screens/TargetPickerWidgets.h"

namespace {

using namespace dock_test;

TEST(LocationNames, TheShipAndBuiltBunkersOnly) {
    char name[20] = "untouched";
    EXPECT_FALSE(GetLocationName(name, 1));
    EXPECT_STREQ(name, "untouched");
    EXPECT_FALSE(GetLocationName(name, 25));
    EXPECT_FALSE(GetLocationName(name, -1));
    EXPECT_TRUE(GetLocationName(name, 0));
    EXPECT_STREQ(name, "Mothership");
    BuildBunker(24);
    EXPECT_TRUE(GetLocationName(name, 24));
    EXPECT_STREQ(name, "Bunker K");
    char tiny[5];
    EXPECT_TRUE(GetLocationName(tiny, 0));
    EXPECT_STREQ(tiny, "Moth") << "cut to the buffer";

    LocationList list;
    BuildBunker(7);
    BuildLocationList(list);
    ASSERT_EQ(list.rows.Entries(), 3);
    EXPECT_STREQ(list.rows.Row(1), "Bunker M");
    EXPECT_EQ(list.CodeAt(1), 7);
    EXPECT_EQ(list.CodeAt(2), 24);
    EXPECT_EQ(list.CodeAt(3), 0) << "past the list: the ship";
}

TEST(DockBox, CornersAndSidesInItsColourAndTheLabelInWhite) {
    con::ScopedVirtualConsole vc;
    DrawDockBox(31, 18, 12);
    EXPECT_EQ(vc->Picture(31, 18, 17, 3),
              "╓               ╖\n"
              "║ D   O   C   K  \n"
              "╙               ╜");
    EXPECT_EQ(vc->AttrAt(31, 18), 12);
    EXPECT_EQ(vc->AttrAt(31, 19), 12);
    EXPECT_EQ(vc->AttrAt(47, 20), 12);
    EXPECT_EQ(vc->AttrAt(47, 19), 15) << "the label's last blank stands on the right side";
    EXPECT_EQ(vc->AttrAt(33, 19), 15);
}

TEST(DockBox, TheHighlightMovesBetweenSectorThreeAndTheBox) {
    con::ScopedVirtualConsole vc;
    BuildBunker(3);
    DrawPickerSectors(15, 1);
    DrawDockBox(31, 18, 2);
    MoveDockHighlight(15, 1, kShipBoxCode, 3);
    EXPECT_EQ(vc->AttrAt(31, 1), 2) << "box 3 plain";
    EXPECT_EQ(vc->AttrAt(35, 3), 14) << "its letter marks the built bunker";
    EXPECT_EQ(vc->AttrAt(31, 18), 12);
    MoveDockHighlight(15, 1, 3, kShipBoxCode);
    EXPECT_EQ(vc->AttrAt(31, 1), 12);
    EXPECT_EQ(vc->AttrAt(31, 18), 2);
    ScreenSnapshot const before(*vc);
    MoveDockHighlight(15, 1, 9, 10);
    EXPECT_TRUE(ScreenSnapshot(*vc).ChangedFrom(before).empty()) << "no sector beside the box";
}

TEST(DockBox, MovingTheTargetHighlightToTheBoxRedrawsOnlyTheOldSector) {
    con::ScopedVirtualConsole vc;
    DrawPickerSectors(15, 1);
    MoveTargetHighlight(15, 1, 8, 0, false);
    EXPECT_EQ(vc->AttrAt(23, 5), 12);
    ScreenSnapshot const before(*vc);
    MoveTargetHighlight(15, 1, kShipBoxCode, 8, true);
    for (auto [x, y] : ScreenSnapshot(*vc).ChangedFrom(before)) {
        EXPECT_TRUE(x >= 23 && x <= 31 && y >= 5 && y <= 9) << x << "," << y;
        EXPECT_EQ(vc->AttrAt(x, y), 2);
    }
}

TEST(TargetField, NamesTheShipOrTheSectorAndWipesALongerName) {
    con::ScopedVirtualConsole vc;
    ShowTargetField(3, 19, true, 15, 14, kShipBoxCode);
    EXPECT_EQ(vc->Text(19, 3, 21), "Sector: Mothership");
    EXPECT_EQ(vc->AttrAt(3, 19), 15);
    EXPECT_EQ(vc->AttrAt(11, 19), 14);
    ShowSelectionField(3, 19, true, 15, 14, 12);
    EXPECT_EQ(vc->Text(19, 3, 22), "Sector: P          ");
    ShowTargetField(3, 19, true, 15, 14, 0);
    EXPECT_EQ(vc->Text(19, 3, 21), "Sector: Mothership");
    ShowTargetField(40, 5, false, 15, 14, 1);
    EXPECT_EQ(vc->Text(5, 40, 42), "I ");
    ShowTargetField(40, 6, false, 15, 14, 0);
    EXPECT_EQ(vc->Text(6, 40, 42), "  ") << "without the label the ship has no text";
}

}  // namespace
