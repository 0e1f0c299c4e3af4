#include "game/art/TitleArt.h"

#include "game/art/ArtText.h"

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

}  // namespace

std::vector<std::string> const& TitleUpperWord() {
    static std::vector<std::string> const lines = ArtLines(kUpperWord);
    return lines;
}

std::vector<std::string> const& TitleLowerWord() {
    static std::vector<std::string> const lines = ArtLines(kLowerWord);
    return lines;
}

std::vector<std::string> const& TitleFigure() {
    static std::vector<std::string> const lines = ArtLines(kFigure);
    return lines;
}
