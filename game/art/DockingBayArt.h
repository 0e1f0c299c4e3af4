// The frames of the docking bay's screens, as the player sees them: the
// craft list, the loading and mission screens with their list columns, and
// the space capsule's lists, cargo panel and launch box.
#pragma once

namespace art {

// A frame drawn in one colour with its top-left corner at (x, y). Cells under
// the blanks inside a line are painted too (in the frame's colour); cells
// beyond a line's ends are left alone.
struct FrameArt {
    int x;
    int y;
    char const* glyphs;  // UTF-8, one line per row
};

// The craft list: two small title boxes over the list and stats panes, and the
// message box under them. Drawn at (3, 3).
extern FrameArt const kCraftListFrame;
// Loading cargo and crew: four column titles, four list columns, the box under
// them. Drawn at (3, 1).
extern FrameArt const kLoadFrame;
// Aircraft missions: three column titles and columns. Drawn at (3, 1).
extern FrameArt const kMissionFrame;
// The space capsule: the CREW, ONBOARD and CARGO tabs, the LAUNCH tab and
// box, and the crew card's box. Drawn at (3, 1).
extern FrameArt const kCapsuleFrame;

void DrawFrameArt(FrameArt const& frame, int colour);

}  // namespace art
