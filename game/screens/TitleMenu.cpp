#include "game/screens/TitleMenu.h"

#include <array>
#include <cstring>
#include <string>

#include "game/art/TitleArt.h"
#include "game/art/TitleTexts.h"
#include "game/screens/DeckRoom.h"
#include "game/screens/MainDeck.h"
#include "game/ui/Glyphs.h"
#include "game/ui/GuiFunctions.h"
#include "game/ui/KeyInput.h"
#include "game/ui/ScreenFrame.h"
#include "game/world/Globals.h"

namespace {

using glyph::kBullet;      // a runner of chain A
using glyph::kDarkShade;   // the marker
using glyph::kLightShade;  // the items' shading and the marker's track
using glyph::kMiddleDot;   // the frame and chain B

constexpr int kFrameColour = 8;
constexpr int kFrameWidth = 38;
constexpr int kFrameHeight = 11;

// The rectangle the runners go round: the frame drawn at its anchor.
constexpr int kPathLeft = kMenuFrameX;
constexpr int kPathRight = kMenuFrameX + kFrameWidth - 1;
constexpr int kPathTop = kMenuFrameY;
constexpr int kPathBottom = kMenuFrameY + kFrameHeight - 1;

constexpr int kChainAColour = 14;
constexpr int kChainBColour = 8;
constexpr int kSetUpSpacing = 7;  // steps between neighbouring runners of a chain

constexpr int kRunnerPeriod = 30;   // passes between two runner moves
constexpr int kMarkerPeriod = 600;  // passes between two marker steps

constexpr int kCreditsDx = 40;
constexpr int kCreditsDy = 14;
constexpr int kCreditsColour = 14;
constexpr int kClearColour = 15;

// Each item's row spans 36 columns from the origin: shade, text, shade.
constexpr int kItemRowWidth = 36;

struct TitleItem {
    char const* text;
    int dy;           // row below the origin
    int shadeCells;   // length of each shade run
    int markerRange;  // how far the marker sweeps
};

constexpr std::array<TitleItem, kTitleItems> kItems = {{
    {"NEW GAME", 14, 14, 13},
    {"LOAD  GAME", 16, 13, 12},
    {"GAME OPTIONS", 18, 12, 11},
    {"VIEW CREDITS", 20, 12, 11},
    {"EXIT", 22, 16, 15},
}};

void DrawItem(TitleItem const& item, int x, int y, int colour) {
    std::string const shade(static_cast<std::size_t>(item.shadeCells), kLightShade);
    int const row = y + item.dy;
    PrintAt(shade.c_str(), x, row, kTitleShadeColour);
    PrintAt(item.text, x + item.shadeCells, row, colour);
    PrintAt(shade.c_str(), x + item.shadeCells + static_cast<int>(std::strlen(item.text)), row,
            kTitleShadeColour);
}

int MarkerMirror(int column) { return 2 * kTitleX + kItemRowWidth - 1 - column; }

void StepTitleMarker(TitleMenuState& state) {
    int const range = TitleMarkerRange(state.selected);
    if (range == 0) {
        return;
    }
    int const row = kTitleY + kItems[static_cast<std::size_t>(state.selected - 1)].dy;
    PrintAt(kDarkShade, state.markerPosition, row, kTitleShadeColour);
    PrintAt(kDarkShade, MarkerMirror(state.markerPosition), row, kTitleShadeColour);
    if (state.markerPrevious != state.markerPosition) {
        PrintAt(kLightShade, state.markerPrevious, row, kTitleShadeColour);
        PrintAt(kLightShade, MarkerMirror(state.markerPrevious), row, kTitleShadeColour);
    }
    int const far = kTitleX + range;
    if (state.markerOutward) {
        ++state.markerPosition;
        if (state.markerPosition > far) {
            state.markerOutward = false;
            state.markerPosition = far - 1;
            state.markerPrevious = far;
        } else {
            state.markerPrevious = state.markerPosition - 1;
        }
    } else {
        --state.markerPosition;
        if (state.markerPosition < kTitleX) {
            state.markerOutward = true;
            state.markerPosition = kTitleX + 1;
            state.markerPrevious = kTitleX;
        } else {
            state.markerPrevious = state.markerPosition + 1;
        }
    }
}

constexpr int kNewGameItem = 1;
constexpr int kExitItem = 5;
constexpr char kEnter = 13;

// A game from the title: the game-over flag cleared, the ship drawn and the
// deck run from the bridge. The world goes on from where the last game left
// it. Back on the title, the emblem and the items show at once; the frame
// comes back as the dark runners pass over it.
void PlayNewGame(con::Handle hIn, con::Handle hOut, TitleMenuState& state) {
    Globals::SetGameOver(false);
    DrawMothership(hOut);
    MainDeck(hIn, hOut, DeckRoom::Navigation);
    ClearInWhite();
    DrawTitleEmblem(kTitleX, kTitleY);
    state.selected = kNewGameItem;
    DrawTitleItems(state.selected);
}

}  // namespace

void DrawTitleEmblem(int x, int y) {
    art::DrawCellArt(art::kTitleWords, x, y, kEmblemLettersColour);
    art::DrawCellArt(art::kTitleFigure, x, y, kEmblemFigureColour);
}

void DrawMenuFrame(int x, int y) {
    std::string const edge(kFrameWidth, kMiddleDot);
    PrintAt(edge.c_str(), x, y, kFrameColour);
    PrintAt(edge.c_str(), x, y + kFrameHeight - 1, kFrameColour);
    for (int row = y + 1; row < y + kFrameHeight - 1; ++row) {
        PrintAt(kMiddleDot, x, row, kFrameColour);
        PrintAt(kMiddleDot, x + kFrameWidth - 1, row, kFrameColour);
    }
}

void DrawCreditsPanel(int x, int y) {
    std::vector<std::string> const& lines = CreditsPanelLines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        PrintAt(lines[i].c_str(), x + kCreditsDx, y + kCreditsDy + static_cast<int>(i), kCreditsColour);
    }
}

void ClearCreditsPanel(int x, int y) {
    std::string const blanks(kCreditsPanelWidth, ' ');
    for (int i = 0; i < kCreditsPanelLines; ++i) {
        PrintAt(blanks.c_str(), x + kCreditsDx, y + kCreditsDy + i, kClearColour);
    }
}

BorderRunner StepBorderRunner(BorderRunner runner) {
    if (runner.x == kPathLeft) {
        ++runner.y;
    } else if (runner.y == kPathBottom) {
        ++runner.x;
    } else if (runner.x == kPathRight) {
        --runner.y;
    } else if (runner.y == kPathTop) {
        --runner.x;
    }
    // Three corners are turned here; the top-left one by the rules above.
    if (runner.y == kPathBottom + 1) {
        runner.x = kPathLeft + 1;
        runner.y = kPathBottom;
    }
    if (runner.y == kPathTop - 1) {
        runner.x = kPathRight - 1;
        runner.y = kPathTop;
    }
    if (runner.x == kPathRight + 1) {
        runner.x = kPathRight;
        runner.y = kPathBottom - 1;
    }
    if (runner.x == kPathLeft - 1) {
        runner.x = kPathLeft;
        runner.y = kPathTop + 1;
    }
    return runner;
}

void MainMenuItemNewGame(int x, int y, int colour) { DrawItem(kItems[0], x, y, colour); }
void MainMenuItemLoadGame(int x, int y, int colour) { DrawItem(kItems[1], x, y, colour); }
void MainMenuItemOptions(int x, int y, int colour) { DrawItem(kItems[2], x, y, colour); }
void MainMenuItemCredits(int x, int y, int colour) { DrawItem(kItems[3], x, y, colour); }
void MainMenuItemExit(int x, int y, int colour) { DrawItem(kItems[4], x, y, colour); }

void DrawTitleItem(int item, int colour) {
    switch (item) {
        case 1: MainMenuItemNewGame(kTitleX, kTitleY, colour); break;
        case 2: MainMenuItemLoadGame(kTitleX, kTitleY, colour); break;
        case 3: MainMenuItemOptions(kTitleX, kTitleY, colour); break;
        case 4: MainMenuItemCredits(kTitleX, kTitleY, colour); break;
        case 5: MainMenuItemExit(kTitleX, kTitleY, colour); break;
        default: break;
    }
}

void DrawTitleItems(int selected) {
    for (int item = 1; item <= kTitleItems; ++item) {
        DrawTitleItem(item, item == selected ? kTitleHighlightColour : kTitleItemColour);
    }
}

int TitleMarkerRange(int item) {
    if (item < 1 || item > kTitleItems) {
        return 0;
    }
    return kItems[static_cast<std::size_t>(item - 1)].markerRange;
}

void SetUpBorderRunners(TitleMenuState& state) {
    for (int i = 0; i < kRunnersPerChain; ++i) {
        state.chainA[i] = {kPathLeft, kPathTop, kChainAColour};
        state.chainB[i] = {kPathLeft + 1, kPathTop, kChainBColour};
        for (int step = 0; step < kSetUpSpacing; ++step) {
            for (int j = 0; j <= i; ++j) {
                state.chainA[j] = StepBorderRunner(state.chainA[j]);
                state.chainB[j] = StepBorderRunner(state.chainB[j]);
            }
        }
    }
    state.runnerIndex = 0;
}

void AnimateTitle(TitleMenuState& state) {
    state.passes = state.passes % kMarkerPeriod + 1;
    if (state.passes % kRunnerPeriod == 0) {
        BorderRunner& a = state.chainA[state.runnerIndex];
        BorderRunner& b = state.chainB[state.runnerIndex];
        PrintAt(kBullet, a.x, a.y, a.colour);
        PrintAt(kMiddleDot, b.x, b.y, b.colour);
        a = StepBorderRunner(a);
        b = StepBorderRunner(b);
        state.runnerIndex = (state.runnerIndex + 1) % kRunnersPerChain;
    }
    if (state.passes % kMarkerPeriod == 0) {
        StepTitleMarker(state);
    }
}

void MoveTitleSelection(TitleMenuState& state, int step) {
    state.markerPosition = kTitleX;
    state.markerPrevious = kTitleX;
    int const old = state.selected;
    DrawTitleItem(old, kTitleItemColour);
    state.selected = ((old - 1 + step) % kTitleItems + kTitleItems) % kTitleItems + 1;
    DrawTitleItem(state.selected, kTitleHighlightColour);
    constexpr int kCreditsItem = 4;
    if (state.selected == kCreditsItem) {
        DrawCreditsPanel(kTitleX, kTitleY);
    } else if (old == kCreditsItem) {
        ClearCreditsPanel(kTitleX, kTitleY);
    }
}

void MainMenu(con::Handle hIn, con::Handle hOut) {
    DrawTitleEmblem(kTitleX, kTitleY);
    DrawMenuFrame(kMenuFrameX, kMenuFrameY);
    TitleMenuState state;
    DrawTitleItems(state.selected);
    SetUpBorderRunners(state);
    bool leave = false;
    while (!leave) {
        AnimateTitle(state);
        // Releases are read and dropped: only a key going down acts.
        if (con::KeyRecord record{}; PollKeyPress(hIn, record)) {
            if (record.virtualKey == con::VK_UP) {
                MoveTitleSelection(state, -1);
            } else if (record.virtualKey == con::VK_DOWN) {
                MoveTitleSelection(state, +1);
            } else if (record.character == kEnter && state.selected == kNewGameItem) {
                PlayNewGame(hIn, hOut, state);
            } else if (record.character == kEnter && state.selected == kExitItem) {
                leave = true;
            }
        }
        con::FlushConsoleInputBuffer(hIn);
    }
}
