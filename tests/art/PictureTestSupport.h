// Helpers for picture tests: which cells a drawing changed on a screen filled
// with a marker, and sets of cells to compare them with.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <set>
#include <string>
#include <utility>

#include "platform/VirtualConsole.h"

namespace picture_test {

using Cell = std::pair<int, int>;  // (x, y)
using Cells = std::set<Cell>;

// A byte and attribute no picture uses.
inline constexpr uint8_t kMarkerByte = 1;
inline constexpr uint16_t kMarkerAttr = 0x55;

inline void FillWithMarker(con::VirtualConsole& vc) { vc.Fill(kMarkerByte, kMarkerAttr); }

inline Cells ChangedCells(con::VirtualConsole& vc) {
    Cells changed;
    for (int y = 0; y < con::kRows; ++y) {
        for (int x = 0; x < con::kColumns; ++x) {
            if (vc.ByteAt(x, y) != kMarkerByte || vc.AttrAt(x, y) != kMarkerAttr) {
                changed.insert({x, y});
            }
        }
    }
    return changed;
}

inline Cells Rect(int x0, int y0, int x1, int y1) {
    Cells cells;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            cells.insert({x, y});
        }
    }
    return cells;
}

inline Cells Join(std::initializer_list<Cells> parts) {
    Cells all;
    for (Cells const& part : parts) {
        all.insert(part.begin(), part.end());
    }
    return all;
}

// The smallest rectangle holding every cell, as a set.
inline Cells BoundingBox(Cells const& cells) {
    if (cells.empty()) {
        return {};
    }
    int x0 = con::kColumns, y0 = con::kRows, x1 = -1, y1 = -1;
    for (auto [x, y] : cells) {
        x0 = x < x0 ? x : x0;
        y0 = y < y0 ? y : y0;
        x1 = x > x1 ? x : x1;
        y1 = y > y1 ? y : y1;
    }
    return Rect(x0, y0, x1, y1);
}

inline std::string Describe(Cells const& cells) {
    std::string out;
    int shown = 0;
    for (auto [x, y] : cells) {
        if (++shown > 12) {
            out += " ...";
            break;
        }
        out += " (" + std::to_string(x) + "," + std::to_string(y) + ")";
    }
    return out;
}

inline Cells Minus(Cells const& a, Cells const& b) {
    Cells out;
    for (Cell const& c : a) {
        if (!b.contains(c)) {
            out.insert(c);
        }
    }
    return out;
}

}  // namespace picture_test
