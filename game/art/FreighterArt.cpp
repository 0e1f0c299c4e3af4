#include "game/art/FreighterArt.h"

#include "game/art/ArtText.h"

namespace art {

namespace {

// clang-format off
constexpr ColourKey kHullPalette[] = {{'w', 15}, {'g', 8}, {'r', 12}, {'m', 4}};
// The stern with its engines is on the left, the bow on the right; the blank
// yards are where the places stand, the hangar at the bottom left holds the
// shuttle.
constexpr char const* kHullGlyphs[] = {
    "  ._________________▄_____________________________▄______________________.",
    "==|:::                      ::::::::::::::::::::::::::::::               \\",
    "==|:::                      ::+---------+:+---------+:::::                \\",
    "==|:::                      ::|:::::::::|:|:::::::::|:::::                :\\",
    "  |:::                      ::+---------+:+---------+:::::                ::\\",
    "  |:::                      ::::::::::::::::::::::::::::::                :::\\",
    "  |:::                      ______________________________                ::::\\",
    "  █___                          :::::::::::::                             :::::|",
    "  |::::::::::::::               :::::::::::::                             :::::|",
    "  |::::::::::::::               :::::::::::::                           :::::::|",
    "  ##############:               :::::::::::::                           :::::::|",
    "  |::::::::::::::               _____________                           :::::::|",
    "  |::::::::::::::               ::::                                    :::::::|",
    "  |::::::::::::::               ::::                                 __________█",
    "  |::::::::::::::               ::::                                 ::::::::::/",
    "  █_________________            ::::                                 :::::::::/",
    "                    |:::::::::::::::                                 ::::::::/",
    "                    |:::::::::::::::                                 :::::::/",
    "                    |:::::::::::::::                                 ::::::/",
    "                    |:::::::::::::::                                 :::::/",
    "                    |:::::::::::::::                                 ::::/",
    "  |_____________________________________________________________________/",
    "         ▀▀▀                   ▀▀▀                   ▀▀▀",
};
constexpr char const* kHullKeys[] = {
    "wwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwww",
    "rrwgggwwwwwwwwwwwwwwwwwwwwwwggggggggggggggggggggggggggggggwwwwwwwwwwwwwwww",
    "rrwgggwwwwwwwwwwwwwwwwwwwwwwggwwwwwwwwwwwgwwwwwwwwwwwgggggwwwwwwwwwwwwwwwww",
    "rrwgggwwwwwwwwwwwwwwwwwwwwwwggwgggggggggwgwgggggggggwgggggwwwwwwwwwwwwwwwwgw",
    "wwwgggwwwwwwwwwwwwwwwwwwwwwwggwwwwwwwwwwwgwwwwwwwwwwwgggggwwwwwwwwwwwwwwwwggw",
    "wwwgggwwwwwwwwwwwwwwwwwwwwwwggggggggggggggggggggggggggggggwwwwwwwwwwwwwwwwgggw",
    "wwwgggwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwggggw",
    "wwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwgggggggggggggwwwwwwwwwwwwwwwwwwwwwwwwwwwwwgggggw",
    "wwwggggggggggggggwwwwwwwwwwwwwwwgggggggggggggwwwwwwwwwwwwwwwwwwwwwwwwwwwwwgggggw",
    "wwwggggggggggggggwwwwwwwwwwwwwwwgggggggggggggwwwwwwwwwwwwwwwwwwwwwwwwwwwgggggggw",
    "wwmmmmmmmmmmmmmmgwwwwwwwwwwwwwwwgggggggggggggwwwwwwwwwwwwwwwwwwwwwwwwwwwgggggggw",
    "wwwggggggggggggggwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwgggggggw",
    "wwwggggggggggggggwwwwwwwwwwwwwwwggggwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwgggggggw",
    "wwwggggggggggggggwwwwwwwwwwwwwwwggggwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwww",
    "wwwggggggggggggggwwwwwwwwwwwwwwwggggwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwggggggggggw",
    "wwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwggggwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwgggggggggw",
    "wwwwwwwwwwwwwwwwwwwwwgggggggggggggggwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwggggggggw",
    "wwwwwwwwwwwwwwwwwwwwwgggggggggggggggwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwgggggggw",
    "wwwwwwwwwwwwwwwwwwwwwgggggggggggggggwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwggggggw",
    "wwwwwwwwwwwwwwwwwwwwwgggggggggggggggwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwgggggw",
    "wwwwwwwwwwwwwwwwwwwwwgggggggggggggggwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwggggw",
    "wwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwww",
    "wwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwww",
};
// clang-format on

constexpr ArtLayer kHullLayers[] = {{0, 0, kHullGlyphs, kHullKeys}};

}  // namespace

CellArt const kFreighterHull{kHullPalette, kHullLayers};

}  // namespace art

namespace {

// Every building is drawn in double lines with its sign inside.
constexpr char kAuctionHouse[] = R"(
    ╔══════════╗
╔═══╝          ╚═══╗
║   ASTRONOMICAL   ║
║  AUCTION  HOUSE  ║
║                  ║
╚══════════════════╝
)";

constexpr char kCosmicCafe[] = R"(
   ╔══════╗
╔══╝      ╚══╗
║   COSMIC   ║
║    CAFE    ║
║            ║
╚════════════╝
)";

constexpr char kBizarreBazaar[] = R"(
╔═══════════╗
║   BOB'S   ║
║ ═════════ ║
║  BIZARRE  ║
║           ║
║  BAZAAR   ║
╚═══════════╝
)";

constexpr char kMercenaryMarket[] = R"(
╔══════════╗ ╔══════════╗
║          ╚═╝          ║
║  MERCENARY    MARKET  ║
╚═══════════════════════╝
)";

// The shuttle waits in the hangar, nose out.
constexpr char kReturnShuttle[] = R"(
     ___
 ___/[o]\____
<____________>=
   \_/   \_/
)";

// The showroom, with three bays for the craft on sale.
constexpr char kSalsSpacecraft[] = R"(
   ╔═══════════════════════╗
╔══╝                       ╚══╗
║                             ║
║  SAL'S  SELECT  SPACECRAFT  ║
║                             ║
║  ╔═════╗  ╔═════╗  ╔═════╗  ║
║  ║     ║  ║     ║  ║     ║  ║
╚══╝     ╚══╝     ╚══╝     ╚══╝
)";

}  // namespace

FreighterPlacePicture const* FreighterPlace(int place) {
    static std::vector<std::string> const auction = ArtLines(kAuctionHouse);
    static std::vector<std::string> const cafe = ArtLines(kCosmicCafe);
    static std::vector<std::string> const bazaar = ArtLines(kBizarreBazaar);
    static std::vector<std::string> const market = ArtLines(kMercenaryMarket);
    static std::vector<std::string> const shuttle = ArtLines(kReturnShuttle);
    static std::vector<std::string> const showroom = ArtLines(kSalsSpacecraft);
    static FreighterPlacePicture const places[kFreighterPlaces] = {
        {7, 1, auction}, {59, 2, cafe},    {18, 8, bazaar},
        {46, 8, market}, {3, 17, shuttle}, {37, 13, showroom},
    };
    if (place < 1 || place > kFreighterPlaces) {
        return nullptr;
    }
    return &places[place - 1];
}
