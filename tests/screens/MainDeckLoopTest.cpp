// The main deck's loop as the player drives it: keys on the virtual console,
// rooms stood in by the tests' own screens.
#include <array>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

#include "tests/screens/ScreenSnapshot.h"
#include "tests/support/ScreenHarness.h"

#include "game/art/RoomTagArt.h"
#include "game/art/ShipArt.h"
#include "game/screens/MainDeck.h"
#include "game/world/Globals.h"
#include "platform/VirtualConsole.h"

namespace {

using testing_support::In;
using testing_support::Out;
using testing_support::RunScreen;

// Runs the deck from `room` until it returns (true) or its key script is used up.
bool RunDeck(DeckRoom room) {
    return RunScreen([room] { MainDeck(In(), Out(), room); });
}

// The top-left corner of a room's tag: painted in the tag's colour.
std::pair<int, int> TagCorner(DeckRoom room) {
    TagPiece const& first = RoomTagPieces(static_cast<int>(room)).front();
    return {first.x, first.y};
}

uint16_t TagColour(con::VirtualConsole const& vc, DeckRoom room) {
    auto const [x, y] = TagCorner(room);
    return vc.AttrAt(x, y);
}

// Brings the Super Freighter into orbit over the ship, which has not left it.
void FreighterArrives() {
    while (Globals::GetFreighterCountdown() > 0) {
        Globals::TickSuperFreighter();
    }
    ASSERT_TRUE(FreighterPresent());
}

// Every test starts on a ship in play, shields down, with the freighter away
// (the world lives on between tests run in one process).
class MainDeckLoop : public testing::Test {
protected:
    void SetUp() override {
        Globals::SetGameOver(false);
        while (FreighterPresent()) {
            Globals::TickSuperFreighter();
        }
        if (Globals::GetMothership()->GetShields()) {
            Globals::GetMothership()->ToggleShields();
        }
    }
};

// Rooms that note which room was entered and end the game there.
struct EndingRooms {
    std::vector<DeckRoom> entered;
    ScopedRoomScreens screens{[this](DeckRoom room) {
        entered.push_back(room);
        Globals::SetGameOver(true);
    }};
};

// Starts the deck on `room`, presses `key`, then Enter: the room the key led to.
DeckRoom RoomReachedBy(DeckRoom room, uint16_t key) {
    con::ScopedVirtualConsole vc;
    EndingRooms rooms;
    Globals::SetGameOver(false);
    vc->Press(key).Enter();
    bool const returned = RunDeck(room);
    EXPECT_TRUE(returned) << "the game ended in the room, so the deck returns";
    EXPECT_EQ(rooms.entered.size(), 1u);
    return rooms.entered.empty() ? static_cast<DeckRoom>(-1) : rooms.entered.front();
}

TEST_F(MainDeckLoop, EveryArrowFromEveryRoomLeadsWhereTheDeckPlanSays) {
    constexpr int N = -1;  // the key leads nowhere
    // Left, Up, Right, Down from rooms 0-7, the freighter away, then present.
    constexpr std::array<std::array<int, 4>, 8> away = {{
        {N, N, 2, N},
        {N, 2, 3, N},
        {0, 4, 5, 1},
        {1, N, 6, N},
        {N, N, N, 2},
        {2, N, N, 6},
        {3, 5, N, N},
        {N, N, N, N},  // not reachable while the freighter is away
    }};
    constexpr std::array<std::array<int, 4>, 8> present = {{
        {N, N, 2, N},
        {N, 2, 3, 7},
        {0, 4, 5, 1},
        {1, N, 6, N},
        {N, N, N, 2},
        {2, N, N, 6},
        {3, 5, N, N},
        {N, 1, N, N},
    }};
    constexpr std::array<uint16_t, 4> keys = {con::VK_LEFT, con::VK_UP, con::VK_RIGHT, con::VK_DOWN};
    for (bool freighter : {false, true}) {
        if (freighter) {
            FreighterArrives();
        }
        auto const& table = freighter ? present : away;
        int const rooms = freighter ? 8 : 7;
        for (int room = 0; room < rooms; ++room) {
            for (std::size_t k = 0; k < keys.size(); ++k) {
                int const expected = table[room][k] == N ? room : table[room][k];
                EXPECT_EQ(static_cast<int>(RoomReachedBy(static_cast<DeckRoom>(room), keys[k])), expected)
                    << "room " << room << " key " << keys[k] << " freighter " << freighter;
            }
        }
    }
}

TEST_F(MainDeckLoop, FromTheTitleTheBridgeIsHighlightedAndDescribedOverTheStatusBar) {
    con::ScopedVirtualConsole vc;
    DrawMothership(Out());
    vc->Idle(1);
    EXPECT_FALSE(RunDeck(DeckRoom::Navigation));
    EXPECT_EQ(TagColour(*vc, DeckRoom::Navigation), 14);
    EXPECT_EQ(TagColour(*vc, DeckRoom::Research), 15);
    EXPECT_EQ(vc->Text(19, 0, 12), " NAVIGATION:");
    EXPECT_EQ(vc->Text(23, 0, 18), " DAY:    1 of 5500");
    EXPECT_EQ(vc->AttrAt(0, 23), 32);
    EXPECT_EQ(vc->AttrAt(79, 24), 15) << "the status bar never writes the last cell";
    EXPECT_EQ(vc->Text(16, 3, 22), std::string(19, ' ')) << "no freighter in orbit";
}

TEST_F(MainDeckLoop, AMoveRepaintsTheOldTagWhiteAndTheNewOneYellowOnce) {
    con::ScopedVirtualConsole vc;
    DrawMothership(Out());
    vc->Right();  // its release follows: it must not move on to the cargo hold
    EXPECT_FALSE(RunDeck(DeckRoom::Navigation));
    EXPECT_EQ(TagColour(*vc, DeckRoom::Navigation), 15);
    EXPECT_EQ(TagColour(*vc, DeckRoom::Research), 14);
    EXPECT_EQ(TagColour(*vc, DeckRoom::Cargo), 15);
    EXPECT_EQ(vc->Text(19, 0, 10), " RESEARCH:");
}

TEST_F(MainDeckLoop, ReleasesAndOtherKeysDoNothing) {
    con::ScopedVirtualConsole vc;
    EndingRooms rooms;
    DrawMothership(Out());
    con::KeyRecord rightUp{con::KEY_EVENT, false, con::VK_RIGHT, 0};
    con::KeyRecord enterUp{con::KEY_EVENT, false, con::VK_RETURN, 13};
    vc->Record(rightUp).Record(enterUp).Type("x ").Escape().PageDown();
    EXPECT_FALSE(RunDeck(DeckRoom::Navigation));
    EXPECT_TRUE(rooms.entered.empty());
    EXPECT_EQ(TagColour(*vc, DeckRoom::Navigation), 14);
    EXPECT_EQ(TagColour(*vc, DeckRoom::Research), 15);
}

TEST_F(MainDeckLoop, EnteringBlinksTheTagFrameByFrameThenRunsTheRoomWithTheTagLeftRed) {
    con::ScopedVirtualConsole vc;
    std::vector<std::pair<uint64_t, uint16_t>> frames;  // clock at each pause, tag colour shown
    vc->onSleep = [&frames](con::VirtualConsole& console, uint32_t ms) {
        EXPECT_EQ(ms, 80u);
        frames.emplace_back(console.NowMs(), TagColour(console, DeckRoom::Cargo));
    };
    uint16_t colourInRoom = 0;
    uint64_t clockInRoom = 0;
    ScopedRoomScreens rooms([&](DeckRoom room) {
        EXPECT_EQ(room, DeckRoom::Cargo);
        colourInRoom = TagColour(*vc, DeckRoom::Cargo);
        clockInRoom = vc->NowMs();
        Globals::SetGameOver(true);
    });
    DrawMothership(Out());
    vc->Enter();
    EXPECT_TRUE(RunDeck(DeckRoom::Cargo));
    std::vector<std::pair<uint64_t, uint16_t>> const expected = {{0, 12},   {80, 14},  {160, 12}, {240, 14},
                                                                 {320, 12}, {400, 14}, {480, 12}};
    EXPECT_EQ(frames, expected);
    EXPECT_EQ(clockInRoom, 560u);
    EXPECT_EQ(colourInRoom, 12);
}

TEST_F(MainDeckLoop, AfterARoomTheShipIsRedrawnAsTheShieldsNowShow) {
    con::ScopedVirtualConsole vc;
    // Engineering switches the shields on; the next visit switches them off.
    ScopedRoomScreens rooms([&](DeckRoom) {
        vc->Fill('#', 7);
        Globals::GetMothership()->ToggleShields();
    });
    DrawMothership(Out());
    vc->Right().Down().Right().Enter().Idle(1);  // by research and the library to engineering
    EXPECT_FALSE(RunDeck(DeckRoom::Navigation));
    ASSERT_TRUE(Globals::GetMothership()->GetShields());
    for (int y = 0; y < kShipPictureRows; ++y) {
        for (int x = 0; x < 80; ++x) {
            ASSERT_EQ(vc->ByteAt(x, y), static_cast<uint8_t>(ShipPictureRow(false, y)[x])) << x << "," << y;
        }
    }
    EXPECT_EQ(vc->AttrAt(5, 9), 10) << "the hull is green";
    EXPECT_EQ(TagColour(*vc, DeckRoom::Library), 15) << "rooms in white";
    EXPECT_EQ(TagColour(*vc, DeckRoom::Engineering), 14) << "engineering still highlighted";
    EXPECT_EQ(vc->Text(19, 0, 13), " ENGINEERING:");
    EXPECT_EQ(vc->Text(24, 6, 12), "FUEL: ") << "the status bar is back";

    vc->Enter().Idle(1);
    EXPECT_FALSE(RunDeck(DeckRoom::Engineering));
    EXPECT_FALSE(Globals::GetMothership()->GetShields());
    EXPECT_EQ(vc->AttrAt(5, 9), 15) << "the plain ship again";
}

TEST_F(MainDeckLoop, ARoomThatEndsTheGameLeadsBackWithoutRedrawingTheShip) {
    con::ScopedVirtualConsole vc;
    ScopedRoomScreens rooms([&](DeckRoom) {
        vc->Fill('#', 7);
        Globals::SetGameOver(true);
    });
    DrawMothership(Out());
    vc->Enter().Idle(5);
    EXPECT_TRUE(RunDeck(DeckRoom::Library));
    EXPECT_EQ(vc->ScriptLeft(), 1u) << "the deck returned at once";
    ScreenSnapshot const screen(*vc);
    for (std::size_t i = 0; i < screen.bytes.size(); ++i) {
        ASSERT_EQ(screen.bytes[i], '#') << "cell " << i << vc->Dump();
        ASSERT_EQ(screen.attributes[i], 7) << "cell " << i;
    }
}

TEST_F(MainDeckLoop, TheFreighterJoinsThePictureAndIsReachedFromTheLibrary) {
    con::ScopedVirtualConsole vc;
    DrawMothership(Out());
    vc->Down().Idle(1);
    EXPECT_FALSE(RunDeck(DeckRoom::Library));
    EXPECT_EQ(TagColour(*vc, DeckRoom::Library), 14) << "Down leads nowhere while the freighter is away";
    EXPECT_EQ(vc->Text(16, 3, 22), std::string(19, ' '));

    FreighterArrives();
    DrawMothership(Out());
    EXPECT_EQ(vc->Text(16, 3, 22), "║ SUPER FREIGHTER ║");
    EXPECT_EQ(vc->AttrAt(3, 16), 15);
    vc->Down().Idle(1);
    EXPECT_FALSE(RunDeck(DeckRoom::Library));
    EXPECT_EQ(TagColour(*vc, DeckRoom::SuperFreighter), 14);
    EXPECT_EQ(TagColour(*vc, DeckRoom::Library), 15);
    EXPECT_EQ(vc->Text(19, 0, 17), " SUPER FREIGHTER:");
}

TEST_F(MainDeckLoop, TheFreighterRoomShowsNothingOnceTheFreighterHasGone) {
    con::ScopedVirtualConsole vc;
    FreighterArrives();
    // A stand-in that sends the freighter away while the player is aboard it
    // (nothing in the game does): its room stays highlighted on the way back.
    std::vector<DeckRoom> entered;
    ScopedRoomScreens rooms([&entered](DeckRoom room) {
        entered.push_back(room);
        while (FreighterPresent()) {
            Globals::TickSuperFreighter();
        }
    });
    DrawMothership(Out());
    vc->Enter().Idle(1).Up().Idle(1);
    EXPECT_FALSE(RunDeck(DeckRoom::SuperFreighter));
    EXPECT_EQ(entered, std::vector<DeckRoom>{DeckRoom::SuperFreighter});
    EXPECT_EQ(vc->Picture(3, 15, 19, 3),
              std::string(19, ' ') + "\n" + std::string(19, ' ') + "\n" + std::string(19, ' '))
        << "no freighter tag on the new picture, not even highlighted";
    EXPECT_EQ(vc->Text(19), std::string(80, ' ')) << "and no description";
    for (DeckRoom room : {DeckRoom::Navigation, DeckRoom::Library, DeckRoom::Research}) {
        EXPECT_EQ(TagColour(*vc, room), 15) << "Up leads back only while the freighter is there";
    }
    EXPECT_EQ(vc->Text(23, 0, 6), " DAY: ") << "the status bar is drawn all the same";
}

TEST_F(MainDeckLoop, ARoomNumberOffThePlanStartsOnTheBridge) {
    con::ScopedVirtualConsole vc;
    DrawMothership(Out());
    vc->Right();
    EXPECT_FALSE(RunDeck(static_cast<DeckRoom>(12)));
    EXPECT_EQ(vc->Text(19, 0, 10), " RESEARCH:");
}

}  // namespace
