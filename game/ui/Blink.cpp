#include "game/ui/Blink.h"

#include <cstdint>

#include "platform/Console.h"

namespace {

constexpr int kBlinkRed = 12;
constexpr int kBlinkYellow = 14;
constexpr uint32_t kBlinkPauseMs = 80;
constexpr int kBlinkTimes = 3;

}  // namespace

void BlinkEntered(std::function<void(int colour)> const& draw) {
    for (int i = 0; i < kBlinkTimes; ++i) {
        draw(kBlinkRed);
        con::Sleep(kBlinkPauseMs);
        draw(kBlinkYellow);
        con::Sleep(kBlinkPauseMs);
    }
    draw(kBlinkRed);
    con::Sleep(kBlinkPauseMs);
}
