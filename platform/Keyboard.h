// What a keyboard gives for a typed character: the virtual-key code and the
// character of the key record. Shared by the terminal back end, which decodes
// what a player types, and the virtual console, whose scripts type text.
#pragma once

#include "platform/Console.h"

namespace con {

// Letters by their upper-case code with the character as typed, digits by
// their own code, punctuation by the keyboard's OEM code (186 and up, or the
// digit key it shares on a US layout), Enter for CR and LF, Backspace for 8
// and 127, Tab, Space, Escape, and Ctrl+letter as the letter with its control
// character. Anything else gets virtual key 0.
KeyRecord KeyRecordFor(char character);

}  // namespace con
