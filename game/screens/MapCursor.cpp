#include "game/screens/MapCursor.h"

#include "game/ui/KeyInput.h"

namespace {

// A cursor on a grid of `across` x `down` cells numbered from `first`, row by
// row.
int AfterArrow(int cell, uint16_t virtualKey, int first, int across, int down) {
    int const count = across * down;
    int const i = cell - first;
    if (i < 0 || i >= count) {
        return cell;
    }
    int const column = i % across;
    int next = i;
    switch (virtualKey) {
        case con::VK_LEFT: next = column == 0 ? i + across - 1 : i - 1; break;
        case con::VK_RIGHT: next = column == across - 1 ? i - across + 1 : i + 1; break;
        case con::VK_UP: next = i < across ? i + count - across : i - across; break;
        case con::VK_DOWN: next = i >= count - across ? i - count + across : i + across; break;
        default: break;
    }
    return next + first;
}

}  // namespace

char ReadMapKey(con::Handle hIn, std::function<void(uint16_t arrow)> const& move) {
    con::KeyRecord key{};
    if (!ReadKeyPress(hIn, key)) {
        return 0;
    }
    if (IsArrowKey(key.virtualKey)) {
        move(key.virtualKey);
        return 0;
    }
    return key.character;
}

int SectorAfterArrow(int sector, uint16_t virtualKey) { return AfterArrow(sector, virtualKey, 1, 6, 4); }

int SubSectorAfterArrow(int index, uint16_t virtualKey) { return AfterArrow(index, virtualKey, 0, 4, 4); }
