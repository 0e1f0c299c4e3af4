#include "game/art/ResearchArt.h"

#include "game/art/ArtText.h"

namespace {

constexpr char kResearchFrame[] = R"(
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

}  // namespace

std::vector<std::string> const& ResearchFrameLines() {
    static std::vector<std::string> const lines = ArtLines(kResearchFrame);
    return lines;
}
