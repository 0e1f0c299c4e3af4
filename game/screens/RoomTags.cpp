#include "game/screens/RoomTags.h"

#include "game/art/RoomTagArt.h"
#include "game/ui/Blink.h"
#include "game/ui/GuiFunctions.h"

namespace {

void DrawTagPieces(int room, int colour) {
    for (TagPiece const& piece : RoomTagPieces(room)) {
        PrintAt(piece.bytes.c_str(), piece.x, piece.y, colour);
    }
}

}  // namespace

void DrawNavigationTag(int colour) { DrawTagPieces(0, colour); }
void DrawLibraryTag(int colour) { DrawTagPieces(1, colour); }
void DrawResearchTag(int colour) { DrawTagPieces(2, colour); }
void DrawEngineeringTag(int colour) { DrawTagPieces(3, colour); }
void DrawLivingQuartersTag(int colour) { DrawTagPieces(4, colour); }
void DrawCargoTag(int colour) { DrawTagPieces(5, colour); }
void DrawDockingTag(int colour) { DrawTagPieces(6, colour); }
void DrawSuperFreighterTag(int colour) { DrawTagPieces(7, colour); }

void DrawRoomTag(DeckRoom room, int colour) {
    switch (room) {
        case DeckRoom::Navigation: DrawNavigationTag(colour); break;
        case DeckRoom::Library: DrawLibraryTag(colour); break;
        case DeckRoom::Research: DrawResearchTag(colour); break;
        case DeckRoom::Engineering: DrawEngineeringTag(colour); break;
        case DeckRoom::Living: DrawLivingQuartersTag(colour); break;
        case DeckRoom::Cargo: DrawCargoTag(colour); break;
        case DeckRoom::Docking: DrawDockingTag(colour); break;
        case DeckRoom::SuperFreighter: DrawSuperFreighterTag(colour); break;
        default: break;
    }
}

void BlinkRoomTag(DeckRoom room) {
    BlinkEntered([room](int colour) { DrawRoomTag(room, colour); });
}
