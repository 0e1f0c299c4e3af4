// Running real screens on the virtual console until their key script ends.
#pragma once

#include <utility>

#include "platform/VirtualConsole.h"

namespace testing_support {

// Runs a screen (any callable). Returns true when it returned by itself, false
// when it was still waiting for keys after the script was used up.
template <class Screen>
bool RunScreen(Screen&& screen) {
    try {
        std::forward<Screen>(screen)();
        return true;
    } catch (con::ScriptExhausted const&) {
        return false;
    }
}

}  // namespace testing_support
