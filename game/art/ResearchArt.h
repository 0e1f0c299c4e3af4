// The research assignments' frame: the three column titles over the
// technology, share and description columns, and the totals box under them.
#pragma once

#include <string>
#include <vector>

// Drawn with its top-left corner at (3, 1), in one colour; rows 1 to 22.
inline constexpr int kResearchFrameX = 3;
inline constexpr int kResearchFrameY = 1;

// The frame's lines as code page 437 bytes.
std::vector<std::string> const& ResearchFrameLines();
