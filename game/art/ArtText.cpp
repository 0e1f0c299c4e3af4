#include "game/art/ArtText.h"

#include <cstring>

#include "game/ui/GuiFunctions.h"
#include "platform/Cp437.h"

std::vector<std::string> ArtLines(char const* utf8Block) {
    std::vector<std::string> lines;
    char const* p = utf8Block;
    if (*p == '\n') {
        ++p;
    }
    while (*p != '\0') {
        char const* end = std::strchr(p, '\n');
        std::size_t const length = end ? static_cast<std::size_t>(end - p) : std::strlen(p);
        lines.push_back(con::Utf8ToCp437(std::string(p, length)));
        if (end == nullptr) {
            break;
        }
        p = end + 1;
    }
    return lines;
}

void PrintArtLine(std::string const& line, int x, int y, int colour) {
    std::size_t const first = line.find_first_not_of(' ');
    if (first == std::string::npos) {
        return;
    }
    std::size_t const last = line.find_last_not_of(' ');
    std::string const run = line.substr(first, last - first + 1);
    PrintAt(run.c_str(), x + static_cast<int>(first), y, colour);
}
