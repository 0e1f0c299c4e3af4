// A copy of every cell of the virtual console, to tell which cells a drawer
// changed and which it left alone.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/Cp437.h"
#include "platform/VirtualConsole.h"

struct ScreenSnapshot {
    std::vector<uint8_t> bytes;
    std::vector<uint16_t> attributes;

    explicit ScreenSnapshot(con::VirtualConsole const& vc) {
        for (int y = 0; y < con::kRows; ++y) {
            for (int x = 0; x < con::kColumns; ++x) {
                bytes.push_back(vc.ByteAt(x, y));
                attributes.push_back(vc.AttrAt(x, y));
            }
        }
    }

    // The cells (x, y) that differ from another snapshot, in byte or colour.
    std::vector<std::pair<int, int>> ChangedFrom(ScreenSnapshot const& before) const {
        std::vector<std::pair<int, int>> cells;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] != before.bytes[i] || attributes[i] != before.attributes[i]) {
                cells.emplace_back(static_cast<int>(i % con::kColumns), static_cast<int>(i / con::kColumns));
            }
        }
        return cells;
    }
};

// Code page 437 bytes from the glyphs a player sees, for expected cells.
inline std::string Glyphs(std::string const& utf8) { return con::Utf8ToCp437(utf8); }
