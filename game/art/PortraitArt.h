// The portraits of the advisors and aliens as data: each one an ordered list
// of runs, a text written in one colour at an offset from the portrait's
// top-left corner. The runs of a row follow each other from left to right and
// cover it, blanks included, so a portrait paints every cell it covers.
#pragma once

#include <cstdint>
#include <span>

namespace art {

// The longest run is a whole row of the widest line drawing, 41 columns.
inline constexpr int kPortraitRunTextSize = 42;

struct PortraitRun {
    int8_t dx = 0;
    int8_t dy = 0;
    uint8_t color = 15;
    char text[kPortraitRunTextSize] = {};  // code page 437 bytes, null-terminated
};

using PortraitRuns = std::span<PortraitRun const>;

// Faces in colour, 40 x 17.
extern PortraitRuns const kKryptal;  // a horned creature in armour
extern PortraitRuns const kCarolla;  // long fair hair, earrings
extern PortraitRuns const kEmerson;  // shaggy hair, a red headband, a loud shirt
extern PortraitRuns const kUooFem;   // Carolla's drawing in the colours of the Uoo
extern PortraitRuns const kUooMale;  // Emerson's drawing in the colours of the Uoo

// Line drawings in white, one run per row.
extern PortraitRuns const kUberfleck;  // 40 x 13
extern PortraitRuns const kHampster;   // 40 x 18, a whisker of its ninth row one column further
extern PortraitRuns const kCluck;      // 39 x 18
extern PortraitRuns const kDobbs;      // 39 x 18: Cluck with glasses and raised brows

// Eighteen empty runs in white down the left edge: a portrait still to be
// drawn. It sets the colour and moves the cursor but paints nothing.
extern PortraitRuns const kPlaceholder;

}  // namespace art
