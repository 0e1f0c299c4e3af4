#include "game/screens/InfoScreens.h"

#include <string>

#include "game/art/TitleTexts.h"
#include "game/ui/GuiFunctions.h"
#include "game/ui/ScreenFrame.h"

namespace {

constexpr int kLeft = 2;
constexpr int kTitleRow = 4;
constexpr int kTitleColour = 14;
constexpr int kTextColour = 15;

}  // namespace

void ShowInstructions() {
    PrintAt("Instructions:", kLeft, kTitleRow, kTitleColour);
    std::vector<std::string> const& lines = InstructionLines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        PrintAt(lines[i].c_str(), kLeft, 7 + static_cast<int>(i), kTextColour);
    }
}

void ShowEndCredits() {
    constexpr int kRoleColour = 9;
    PrintAt("CREDITS", kLeft, kTitleRow, kTitleColour);
    std::vector<CreditEntry> const& credits = EndCredits();
    for (std::size_t i = 0; i < credits.size(); ++i) {
        int const row = 6 + 2 * static_cast<int>(i);
        PrintAt(credits[i].role.c_str(), kLeft, row, kRoleColour);
        PrintAt(credits[i].name.c_str(), kLeft, row + 1, kTextColour);
    }
}

void ShowBackStory() {
    PrintAt("BACK STORY PAGE 1", kLeft, kTitleRow, kTitleColour);
    std::vector<std::string> const& lines = BackStoryLines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        int const colour = static_cast<int>(i) == kBackStoryHighlightedLine ? kTitleColour : kTextColour;
        PrintAt(lines[i].c_str(), kLeft, 6 + static_cast<int>(i), colour);
    }
}

void ShowLoadNotImplemented() {
    PrintAt("LOAD NOT IMPLIMENTED YET", kLeft, kTitleRow, 4);
    PrintAt("HAHAA ... w00t! w00t!", kLeft, kTitleRow + 1, kTextColour);
}

void ShowBlankScreen(con::Handle hOut, int colour) {
    ClearInWhite();
    HideCursor(hOut);
    std::string const row(con::kColumns, ' ');
    PrintAt(row.c_str(), 0, 0, colour);
    for (int y = 1; y <= 22; ++y) {
        PrintAt("  ", 0, y, colour);
        PrintAt("  ", 78, y, colour);
    }
}
