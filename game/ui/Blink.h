// The blink of a place being entered (a room's tag on the main deck, a place
// on the Super Freighter): its drawer paints it in 12 and 14 by turns with
// 80 ms pauses, three times, then in 12 with one more pause (560 ms in all);
// it is left red.
#pragma once

#include <functional>

void BlinkEntered(std::function<void(int colour)> const& draw);
