#include "platform/ScreenModel.h"

namespace con {

ScreenModel::ScreenModel() { Clear(); }

void ScreenModel::Clear() {
    for (auto& row : cells_) {
        for (auto& cell : row) {
            cell = Cell{' ', attribute};
        }
    }
    x_ = 0;
    y_ = 0;
    pastEnd_ = false;
    ++generation;
}

bool ScreenModel::MoveCursor(int x, int y) {
    if (x < 0 || x >= kColumns || y < 0 || y >= kRows) {
        ++refusedPositions;
        return false;
    }
    x_ = x;
    y_ = y;
    pastEnd_ = false;
    return true;
}

void ScreenModel::Glyph(uint8_t byte) {
    if (pastEnd_) {
        ++droppedWrites;
        return;
    }
    Cell const cell{byte, attribute};
    if (!(cells_[y_][x_] == cell)) {
        cells_[y_][x_] = cell;
        ++generation;
    }
    if (x_ + 1 < kColumns) {
        ++x_;
    } else if (y_ + 1 < kRows) {
        x_ = 0;
        ++y_;
    } else {
        pastEnd_ = true;  // stays on the last cell; the console never scrolls
    }
}

void ScreenModel::Put(uint8_t byte) {
    switch (byte) {
        case 7:
            return;
        case 8:
            if (x_ > 0) {
                --x_;
            }
            pastEnd_ = false;
            return;
        case 9: {
            int const next = (x_ / 8 + 1) * 8;
            while (x_ < next && !pastEnd_) {
                Glyph(' ');
                if (x_ == 0) {
                    break;  // wrapped onto the next row
                }
            }
            return;
        }
        case 10:
            if (y_ + 1 < kRows) {
                ++y_;
                x_ = 0;
                pastEnd_ = false;
            } else {
                ++droppedWrites;
            }
            return;
        case 13:
            x_ = 0;
            pastEnd_ = false;
            return;
        default:
            Glyph(byte);
    }
}

}  // namespace con
