#include "game/art/ShipArt.h"

#include "game/art/CellArt.h"

namespace {

// The mothership seen from the side, bow to the left: the bridge up front,
// the living quarters under the dome, the research station amidships,
// cargo and the docking bay aft. Every room is a double-lined box that lies
// exactly under its room tag; the half blocks are the passages between rooms.
// The lower-left corner stays empty for the Super Freighter when it calls.
// Rows are padded with blanks to 80 columns when read; the last row is blank.
constexpr char kPlain[] = R"(
       |                     ,---------------,
  ,---------,              ,' ╔═════════════╗ `,                    ____
 / ╔═══════╗\            ,' ╔═╝   LIVING    ╚═╗ `,                 /   /
|  ║  NAV  ║ \_________,' ╔═╝    QUARTERS     ╚═╗ `,              /   /
|  ║  COM  ║▄▄╔════════╗  ║                     ║   `-,__________/___/___`,
 \ ╚═══════╝▀▀║        ║  ╚═════════▄═══════════╝                          `,
  \           ║        ╚════════════▀════════╗                               |
   \          ║ SCIENTIFIC RESEARCH STATION  ║▄▄╔══════════════════════════╗ |
    \         ╚═══▄══════════════════════════╝▀▀║           CARGO          ║ |/
     \       ╔════▀═══╗                         ║           SPACE          ║ |\
      \      ║ LIBRARY║▄▄╔═══════════════════╗  ╚═════════════▄════════════╝ |
       \     ╚═╗      ║▀▀║    ENGINEERING    ║▄▄╔═════════════▀════════════╗ |
        \      ╚══════╝  ╚═══════════════════╝▀▀║                          ║ |/
         \__________________________________    ║        DOCKING BAY       ║ |\
                                            \   ║                          ║ |
                                             \  ╚══════════════════════════╝ /
                                              \_____________________________/


)";

// The same hull with its shields up: only the hull and the passages; the
// room tags are drawn over it.
constexpr char kShielded[] = R"(
       |                     ,---------------,
  ,---------,              ,'                 `,                    ____
 /          \            ,'                     `,                 /   /
|            \_________,'                         `,              /   /
|           ▄▄                                      `-,__________/___/___`,
 \          ▀▀                      ▄                                      `,
  \                                 ▀                                        |
   \                                          ▄▄                             |
    \             ▄                           ▀▀                             |/
     \            ▀                                                          |\
      \                ▄▄                                     ▄              |
       \               ▀▀                     ▄▄              ▀              |
        \                                     ▀▀                             |/
         \__________________________________                                 |\
                                            \                                |
                                             \                               /
                                              \_____________________________/


)";

std::vector<std::string> PaddedRows(char const* block) {
    std::vector<std::string> rows = art::ArtLines(block);
    rows.resize(kShipPictureRows);
    for (std::string& row : rows) {
        row.resize(kShipPictureColumns, ' ');
    }
    return rows;
}

}  // namespace

std::string const& ShipPictureRow(bool shielded, int row) {
    static std::vector<std::string> const plain = PaddedRows(kPlain);
    static std::vector<std::string> const withShields = PaddedRows(kShielded);
    static std::string const outside;
    if (row < 0 || row >= kShipPictureRows) {
        return outside;
    }
    return (shielded ? withShields : plain)[static_cast<std::size_t>(row)];
}
