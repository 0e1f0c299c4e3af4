#include "game/screens/SuperFreighterMenu.h"

#include <array>

#include "game/art/FreighterArt.h"
#include "game/ui/Blink.h"
#include "game/ui/GuiFunctions.h"
#include "game/ui/KeyInput.h"
#include "game/ui/ScreenFrame.h"
#include "game/world/Globals.h"

namespace {

constexpr int kPlainColour = 15;
constexpr int kSelectedColour = 14;
constexpr int kShieldedShuttleColour = 10;
constexpr int kStatusColour = 32;

void DrawPlacePicture(int place, int colour) {
    art::CellArt const* picture = FreighterPlace(place);
    if (picture != nullptr) {
        art::DrawCellArt(*picture, 0, 0, colour);
    }
}

// Place 1-6 by its own drawer.
void DrawPlace(int place, int colour) {
    switch (place) {
        case 1: DrawAuctionHouse(colour); break;
        case 2: DrawCosmicCafe(colour); break;
        case 3: DrawBizarreBazaar(colour); break;
        case 4: DrawMercenaryMarket(colour); break;
        case 5: DrawReturnShuttle(colour); break;
        case 6: DrawSalsSpacecraft(colour); break;
        default: break;
    }
}

// A place that is not highlighted: white, but the shuttle shows green while
// the mothership's shields are up.
int UnselectedColour(int place) {
    if (place == kFreighterShuttle && Globals::GetMothership()->GetShields()) {
        return kShieldedShuttleColour;
    }
    return kPlainColour;
}

// Where Left, Up, Right and Down lead from places 1-6; 0 leads nowhere.
constexpr std::array<std::array<int, 4>, kFreighterPlaces> kMoves = {{
    {0, 0, 2, 3},
    {1, 0, 0, 4},
    {0, 1, 4, 5},
    {3, 2, 0, 6},
    {0, 3, 6, 0},
    {5, 4, 0, 0},
}};

void BlinkPlace(int place) {
    BlinkEntered([place](int colour) { DrawPlace(place, colour); });
}

}  // namespace

void DrawFreighterHull(int x, int y) { art::DrawCellArt(art::kFreighterHull, x, y); }

void DrawAuctionHouse(int colour) { DrawPlacePicture(1, colour); }
void DrawCosmicCafe(int colour) { DrawPlacePicture(2, colour); }
void DrawBizarreBazaar(int colour) { DrawPlacePicture(3, colour); }
void DrawMercenaryMarket(int colour) { DrawPlacePicture(4, colour); }
void DrawReturnShuttle(int colour) { DrawPlacePicture(5, colour); }
void DrawSalsSpacecraft(int colour) { DrawPlacePicture(6, colour); }

void DrawSuperFreighter(int selected) {
    DrawFreighterHull(0, 0);
    if (selected < 1 || selected > kFreighterPlaces) {
        PrintAt("BIG FAT ERROR ERROR ERROR ERROR ERROR ERROR ERROR ERROR", 0, 0, kSelectedColour);
        return;
    }
    for (int place = 1; place <= kFreighterPlaces; ++place) {
        DrawPlace(place, place == selected ? kSelectedColour : UnselectedColour(place));
    }
}

int FreighterPlaceAfterMove(int selected, uint16_t virtualKey) {
    if (selected < 1 || selected > kFreighterPlaces || virtualKey < con::VK_LEFT ||
        virtualKey > con::VK_DOWN) {
        return selected;
    }
    int const target = kMoves[static_cast<std::size_t>(selected - 1)][virtualKey - con::VK_LEFT];
    return target == 0 ? selected : target;
}

void SuperFreighterMenu(con::Handle hIn, con::Handle hOut) {
    ClearInWhite();
    int selected = kFreighterShuttle;
    DrawSuperFreighter(selected);

    bool running = true;
    while (running) {
        DrawStatusBar(hOut, kStatusColour);
        // The poll waits a moment when no key is there, which paces the loop.
        if (con::KeyRecord record{}; PollKeyPress(hIn, record)) {
            bool const arrow = record.virtualKey >= con::VK_LEFT && record.virtualKey <= con::VK_DOWN;
            if (arrow) {
                int const next = FreighterPlaceAfterMove(selected, record.virtualKey);
                if (next != selected) {
                    DrawPlace(selected, UnselectedColour(selected));
                    DrawPlace(next, kSelectedColour);
                    selected = next;
                }
            } else if (record.character == '\r') {
                BlinkPlace(selected);
                running = selected != kFreighterShuttle;
            }
        }
        con::FlushConsoleInputBuffer(hIn);
    }
}
