#include "game/art/RoomTagArt.h"

#include <array>

#include "platform/Cp437.h"

namespace {

struct TagPieceText {
    int x;
    int y;
    char const* glyphs;  // UTF-8
};

// The bridge.
constexpr TagPieceText kNavigation[] = {
    {3, 2, "╔═══════╗"},
    {3, 3, "║  NAV  ║"},
    {3, 4, "║  COM  ║"},
    {3, 5, "╚═══════╝"},
};

// The library; the cell (18, 9) is the passage up to the research station.
constexpr TagPieceText kLibrary[] = {
    {13, 9, "╔════"}, {19, 9, "═══╗"}, {13, 10, "║ LIBRARY║"}, {13, 11, "╚═╗      ║"}, {13, 12, "  ╚══════╝"},
};

// The research station; (36, 6) leads up to the living quarters and (18, 8)
// down to the library.
constexpr TagPieceText kResearch[] = {
    {14, 4, "╔════════╗"},
    {14, 5, "║        ║"},
    {14, 6, "║        ╚════════════"},
    {37, 6, "════════╗"},
    {14, 7, "║ SCIENTIFIC RESEARCH STATION  ║"},
    {14, 8, "╚═══"},
    {19, 8, "══════════════════════════╝"},
};

constexpr TagPieceText kEngineering[] = {
    {25, 10, "╔═══════════════════╗"},
    {25, 11, "║    ENGINEERING    ║"},
    {25, 12, "╚═══════════════════╝"},
};

// The living quarters under the dome; (36, 5) leads down to research.
constexpr TagPieceText kLivingQuarters[] = {
    {30, 1, "╔═════════════╗"},         {28, 2, "╔═╝   LIVING    ╚═╗"}, {26, 3, "╔═╝    QUARTERS     ╚═╗"},
    {26, 4, "║                     ║"}, {26, 5, "╚═════════"},          {37, 5, "═══════════╝"},
};

// The cargo space; (62, 10) leads down to the docking bay.
constexpr TagPieceText kCargo[] = {
    {48, 7, "╔══════════════════════════╗"},
    {48, 8, "║           CARGO          ║"},
    {48, 9, "║           SPACE          ║"},
    {48, 10, "╚═════════════"},
    {63, 10, "════════════╝"},
};

// The docking bay; (62, 11) leads up to cargo.
constexpr TagPieceText kDocking[] = {
    {48, 11, "╔═════════════"},
    {63, 11, "════════════╗"},
    {48, 12, "║                          ║"},
    {48, 13, "║        DOCKING BAY       ║"},
    {48, 14, "║                          ║"},
    {48, 15, "╚══════════════════════════╝"},
};

// The Super Freighter, in the empty lower-left corner while it is in orbit.
constexpr TagPieceText kSuperFreighter[] = {
    {3, 15, "╔═════════════════╗"},
    {3, 16, "║ SUPER FREIGHTER ║"},
    {3, 17, "╚═════════════════╝"},
};

template <std::size_t N>
std::vector<TagPiece> Convert(TagPieceText const (&pieces)[N]) {
    std::vector<TagPiece> out;
    for (TagPieceText const& piece : pieces) {
        out.push_back({piece.x, piece.y, con::Utf8ToCp437(piece.glyphs)});
    }
    return out;
}

}  // namespace

std::vector<TagPiece> const& RoomTagPieces(int room) {
    static std::array<std::vector<TagPiece>, kTaggedRooms> const tags = {
        Convert(kNavigation),     Convert(kLibrary), Convert(kResearch), Convert(kEngineering),
        Convert(kLivingQuarters), Convert(kCargo),   Convert(kDocking),  Convert(kSuperFreighter),
    };
    static std::vector<TagPiece> const none;
    if (room < 0 || room >= kTaggedRooms) {
        return none;
    }
    return tags[static_cast<std::size_t>(room)];
}
