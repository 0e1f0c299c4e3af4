#include "game/art/ResearchArt.h"

namespace art {

namespace {

constexpr char kResearchFrameGlyphs[] = R"(
╔═════════════╗               ╔════════════╗  ╔════════════════╗
║             ║               ║            ║  ║                ║
╠═════════════╩═══════════════╬════════════╩══╬════════════════╩═════════╗
║                             ║               ║                          ║
║                             ║               ║                          ║
║                             ║               ║                          ║
║                             ║               ║                          ║
║                             ║               ║                          ║
║                             ║               ║                          ║
║                             ║               ║                          ║
║                             ║               ║                          ║
║                             ║               ║                          ║
║                             ║               ║                          ║
║                             ║               ║                          ║
║                             ║               ║                          ║
║                             ║               ║                          ║
║                             ║               ║                          ║
║                             ║               ║                          ║
╠═════════════════════════════╩═══════════════╩══════════════════════════╣
║                                                                        ║
║                                                                        ║
╚════════════════════════════════════════════════════════════════════════╝
)";

constexpr ArtLayer kResearchFrameLayers[] = {{3, 1, kResearchFrameGlyphs}};

}  // namespace

CellArt const kResearchFrame{{}, kResearchFrameLayers};

}  // namespace art
