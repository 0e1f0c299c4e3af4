#include "game/art/FreighterArt.h"

namespace art {

namespace {

// clang-format off
constexpr ColourKey kHullPalette[] = {{'w', 15}, {'g', 8}, {'r', 12}, {'m', 4}};
// The stern with its engines is on the left, the bow on the right; the blank
// yards are where the places stand, the hangar at the bottom left holds the
// shuttle.
constexpr char kHullGlyphs[] = R"(
  ._________________▄_____________________________▄______________________.
==|:::                      ::::::::::::::::::::::::::::::               \
==|:::                      ::+---------+:+---------+:::::                \
==|:::                      ::|:::::::::|:|:::::::::|:::::                :\
  |:::                      ::+---------+:+---------+:::::                ::\
  |:::                      ::::::::::::::::::::::::::::::                :::\
  |:::                      ______________________________                ::::\
  █___                          :::::::::::::                             :::::|
  |::::::::::::::               :::::::::::::                             :::::|
  |::::::::::::::               :::::::::::::                           :::::::|
  ##############:               :::::::::::::                           :::::::|
  |::::::::::::::               _____________                           :::::::|
  |::::::::::::::               ::::                                    :::::::|
  |::::::::::::::               ::::                                 __________█
  |::::::::::::::               ::::                                 ::::::::::/
  █_________________            ::::                                 :::::::::/
                    |:::::::::::::::                                 ::::::::/
                    |:::::::::::::::                                 :::::::/
                    |:::::::::::::::                                 ::::::/
                    |:::::::::::::::                                 :::::/
                    |:::::::::::::::                                 ::::/
  |_____________________________________________________________________/
         ▀▀▀                   ▀▀▀                   ▀▀▀
)";
constexpr char kHullKeys[] = R"(
wwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwww
rrwgggwwwwwwwwwwwwwwwwwwwwwwggggggggggggggggggggggggggggggwwwwwwwwwwwwwwww
rrwgggwwwwwwwwwwwwwwwwwwwwwwggwwwwwwwwwwwgwwwwwwwwwwwgggggwwwwwwwwwwwwwwwww
rrwgggwwwwwwwwwwwwwwwwwwwwwwggwgggggggggwgwgggggggggwgggggwwwwwwwwwwwwwwwwgw
wwwgggwwwwwwwwwwwwwwwwwwwwwwggwwwwwwwwwwwgwwwwwwwwwwwgggggwwwwwwwwwwwwwwwwggw
wwwgggwwwwwwwwwwwwwwwwwwwwwwggggggggggggggggggggggggggggggwwwwwwwwwwwwwwwwgggw
wwwgggwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwggggw
wwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwgggggggggggggwwwwwwwwwwwwwwwwwwwwwwwwwwwwwgggggw
wwwggggggggggggggwwwwwwwwwwwwwwwgggggggggggggwwwwwwwwwwwwwwwwwwwwwwwwwwwwwgggggw
wwwggggggggggggggwwwwwwwwwwwwwwwgggggggggggggwwwwwwwwwwwwwwwwwwwwwwwwwwwgggggggw
wwmmmmmmmmmmmmmmgwwwwwwwwwwwwwwwgggggggggggggwwwwwwwwwwwwwwwwwwwwwwwwwwwgggggggw
wwwggggggggggggggwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwgggggggw
wwwggggggggggggggwwwwwwwwwwwwwwwggggwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwgggggggw
wwwggggggggggggggwwwwwwwwwwwwwwwggggwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwww
wwwggggggggggggggwwwwwwwwwwwwwwwggggwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwggggggggggw
wwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwggggwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwgggggggggw
wwwwwwwwwwwwwwwwwwwwwgggggggggggggggwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwggggggggw
wwwwwwwwwwwwwwwwwwwwwgggggggggggggggwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwgggggggw
wwwwwwwwwwwwwwwwwwwwwgggggggggggggggwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwggggggw
wwwwwwwwwwwwwwwwwwwwwgggggggggggggggwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwgggggw
wwwwwwwwwwwwwwwwwwwwwgggggggggggggggwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwggggw
wwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwww
wwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwww
)";
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

// Each place where it stands on the hull.
constexpr art::ArtLayer kAuctionHouseLayers[] = {{7, 1, kAuctionHouse}};
constexpr art::ArtLayer kCosmicCafeLayers[] = {{59, 2, kCosmicCafe}};
constexpr art::ArtLayer kBizarreBazaarLayers[] = {{18, 8, kBizarreBazaar}};
constexpr art::ArtLayer kMercenaryMarketLayers[] = {{46, 8, kMercenaryMarket}};
constexpr art::ArtLayer kReturnShuttleLayers[] = {{3, 17, kReturnShuttle}};
constexpr art::ArtLayer kSalsSpacecraftLayers[] = {{37, 13, kSalsSpacecraft}};

art::CellArt const kPlaces[kFreighterPlaces] = {
    {{}, kAuctionHouseLayers},    {{}, kCosmicCafeLayers},    {{}, kBizarreBazaarLayers},
    {{}, kMercenaryMarketLayers}, {{}, kReturnShuttleLayers}, {{}, kSalsSpacecraftLayers},
};

}  // namespace

art::CellArt const* FreighterPlace(int place) {
    if (place < 1 || place > kFreighterPlaces) {
        return nullptr;
    }
    return &kPlaces[place - 1];
}
