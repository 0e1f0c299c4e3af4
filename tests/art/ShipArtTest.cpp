#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>

#include "game/art/RoomTagArt.h"
#include "game/art/ShipArt.h"

namespace {

using Cell = std::pair<int, int>;

std::set<Cell> TaggedCells(int firstRoom, int lastRoom) {
    std::set<Cell> cells;
    for (int room = firstRoom; room <= lastRoom; ++room) {
        for (TagPiece const& piece : RoomTagPieces(room)) {
            for (std::size_t i = 0; i < piece.bytes.size(); ++i) {
                cells.emplace(piece.x + static_cast<int>(i), piece.y);
            }
        }
    }
    return cells;
}

uint8_t At(bool shielded, int x, int y) {
    return static_cast<uint8_t>(ShipPictureRow(shielded, y)[static_cast<std::size_t>(x)]);
}

bool IsHull(uint8_t byte) {
    return std::string("_/\\|{},-`'").find(static_cast<char>(byte)) != std::string::npos;
}
bool IsPassage(uint8_t byte) { return byte == 220 || byte == 223; }
bool IsDoubleLine(uint8_t byte) {
    return byte == 186 || byte == 187 || byte == 188 || byte == 200 || byte == 201 || byte == 205;
}

TEST(ShipArt, BothPicturesAre80By19WithABlankLastRow) {
    for (bool shielded : {false, true}) {
        for (int row = 0; row < kShipPictureRows; ++row) {
            EXPECT_EQ(ShipPictureRow(shielded, row).size(), 80u) << row;
        }
        EXPECT_EQ(ShipPictureRow(shielded, 18), std::string(80, ' '));
    }
    EXPECT_TRUE(ShipPictureRow(false, 19).empty());
    EXPECT_TRUE(ShipPictureRow(true, -1).empty());
}

TEST(ShipArt, EveryRoomBoxLiesExactlyUnderItsTag) {
    for (int room = 0; room < 7; ++room) {
        for (TagPiece const& piece : RoomTagPieces(room)) {
            std::string const under =
                ShipPictureRow(false, piece.y).substr(static_cast<std::size_t>(piece.x), piece.bytes.size());
            EXPECT_EQ(under, piece.bytes) << "room " << room << " row " << piece.y;
        }
    }
}

TEST(ShipArt, OutsideTheRoomsThePlainPictureIsHullAndPassagesOnly) {
    std::set<Cell> const rooms = TaggedCells(0, 6);
    int passages = 0;
    for (int y = 0; y < kShipPictureRows; ++y) {
        for (int x = 0; x < kShipPictureColumns; ++x) {
            if (rooms.count({x, y}) != 0) {
                continue;
            }
            uint8_t const byte = At(false, x, y);
            EXPECT_TRUE(byte == ' ' || IsHull(byte) || IsPassage(byte)) << "(" << x << ", " << y << ")";
            passages += IsPassage(byte) ? 1 : 0;
        }
    }
    EXPECT_GT(passages, 0);
}

TEST(ShipArt, RoomWallsCloseOrMeetAPassage) {
    // Each arm of a double-line glyph reaches a glyph with the opposite arm,
    // or a passage to the next room.
    auto arms = [](uint8_t byte) -> std::string {
        switch (byte) {
            case 186: return "ud";
            case 205: return "lr";
            case 201: return "rd";
            case 187: return "ld";
            case 200: return "ru";
            case 188: return "lu";
            default: return "";
        }
    };
    for (int y = 0; y < kShipPictureRows; ++y) {
        for (int x = 0; x < kShipPictureColumns; ++x) {
            for (char arm : arms(At(false, x, y))) {
                int const nx = x + (arm == 'l' ? -1 : arm == 'r' ? 1 : 0);
                int const ny = y + (arm == 'u' ? -1 : arm == 'd' ? 1 : 0);
                char const opposite = arm == 'l' ? 'r' : arm == 'r' ? 'l' : arm == 'u' ? 'd' : 'u';
                ASSERT_TRUE(nx >= 0 && nx < kShipPictureColumns && ny >= 0 && ny < kShipPictureRows);
                uint8_t const next = At(false, nx, ny);
                EXPECT_TRUE(arms(next).find(opposite) != std::string::npos || IsPassage(next))
                    << "open wall at (" << x << ", " << y << ")";
            }
        }
    }
}

TEST(ShipArt, TheShieldedPictureIsThePlainHullWithoutItsRooms) {
    std::set<Cell> const rooms = TaggedCells(0, 6);
    for (int y = 0; y < kShipPictureRows; ++y) {
        for (int x = 0; x < kShipPictureColumns; ++x) {
            uint8_t const expected = rooms.count({x, y}) != 0 ? ' ' : At(false, x, y);
            EXPECT_EQ(At(true, x, y), expected) << "(" << x << ", " << y << ")";
            EXPECT_FALSE(IsDoubleLine(At(true, x, y)));
        }
    }
}

TEST(ShipArt, TheFreightersCornerIsEmptyInBothPictures) {
    for (Cell const& cell : TaggedCells(7, 7)) {
        EXPECT_EQ(At(false, cell.first, cell.second), ' ');
        EXPECT_EQ(At(true, cell.first, cell.second), ' ');
    }
}

}  // namespace
