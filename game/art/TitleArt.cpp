#include "game/art/TitleArt.h"

namespace {

// MOTHERSHIP in outline letters, 70 columns.
constexpr char kUpperWord[] = R"(
┌─┐   ┌─┐ ┌────┐ ┌───┐ ┌─┐ ┌─┐ ┌───┐ ┌─────┐ ┌────┐ ┌─┐ ┌─┐ ┌─┐ ┌────┐
│ └┐ ┌┘ │ │ ┌┐ │ └┐ ┌┘ │ │ │ │ │ ┌─┘ │ ┌─┐ │ │ ┌──┘ │ │ │ │ │ │ │ ┌┐ │
│  └─┘  │ │ ││ │  │ │  │ └─┘ │ │ └┐  │ └─┘┌┘ │ └──┐ │ └─┘ │ │ │ │ └┘ │
│ ┌┐ ┌┐ │ │ ││ │  │ │  │ ┌─┐ │ │ ┌┘  │ ┌┐ └┐ └──┐ │ │ ┌─┐ │ │ │ │ ┌──┘
│ ││ ││ │ │ └┘ │  │ │  │ │ │ │ │ └─┐ │ ││  │ ┌──┘ │ │ │ │ │ │ │ │ │
└─┘└─┘└─┘ └────┘  └─┘  └─┘ └─┘ └───┘ └─┘└──┘ └────┘ └─┘ └─┘ └─┘ └─┘
)";

// HARVEST, 43 columns, and under it the tail that the T's stem sweeps back
// under the word.
constexpr char kLowerWord[] = R"(
┌─┐┌─┐  ┌──┐  ┌────┐ ┌─┐┌─┐ ┌──┐ ┌──┐ ┌───┐
│ ││ │ ┌┘┌┐└┐ │ ┌┐ │ │ ││ │ │ ┌┘ │ ┌┘ └┐ ┌┘
│ └┘ │ │ └┘ │ │ └┘┌┘ │ ││ │ │ └┐ │ └┐  │ │
│ ┌┐ │ │ ┌┐ │ │ ┌┐└┐ └┐└┘┌┘ │ ┌┘ └┐ │  │ │
│ ││ │ │ ││ │ │ ││ │  └┐┌┘  │ └┐ ┌┘ │  │ │
└─┘└─┘ └─┘└─┘ └─┘└─┘   └┘   └──┘ └──┘  └─┤
                          ───────────────┘
)";

// A saucer beaming up a cow: the harvest of the title.
constexpr char kFigure[] = R"(
     ▄▄███████▄▄
▄▄█████████████████▄▄
▀▄▄██▄▄██▄▄██▄▄██▄▄█▀
    ▄▀ ▄▄▄▄▄█▄ ▀▄
  ▄▀   █▀█▀██ ▀  ▀▄
)";

constexpr art::ArtLayer kWordsLayers[] = {{0, 0, kUpperWord}, {0, kEmblemLowerTop, kLowerWord}};
constexpr art::ArtLayer kFigureLayers[] = {{kEmblemFigureLeft, kEmblemFigureTop, kFigure}};

}  // namespace

namespace art {

CellArt const kTitleWords{{}, kWordsLayers};
CellArt const kTitleFigure{{}, kFigureLayers};

}  // namespace art

std::vector<std::string> const& TitleUpperWord() { return art::KeptArtLines<kUpperWord>(); }

std::vector<std::string> const& TitleLowerWord() { return art::KeptArtLines<kLowerWord>(); }

std::vector<std::string> const& TitleFigure() { return art::KeptArtLines<kFigure>(); }
