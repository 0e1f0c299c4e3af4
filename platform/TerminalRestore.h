// Gives the terminal back to the shell however the program ends: at a normal
// exit, on SIGINT, SIGTERM, SIGHUP and SIGQUIT (restore, then exit with status
// 128 + signal), on a fatal signal (restore, then let the signal take its
// course) and on an uncaught exception (restore, say what it was, abort).
//
// The terminal back end arms the restore once it has taken the terminal over
// and disarms it after giving it back in the ordinary way; in between, the
// handlers restore it with nothing but write and tcsetattr, which are safe
// inside a signal handler.
#pragma once

#include <string>
#include <termios.h>

namespace con {

// Installs the signal handlers, the terminate handler and an exit hook (once;
// later calls do nothing). Call before the terminal is taken over, so that the
// curses library leaves these signals to us.
void InstallTerminalGuards();

// `sequence` is written to `outputFd` to undo the terminal's modes (colours,
// cursor, keypad, alternate screen); `shellModes` are the line settings to put
// back on `inputFd`.
void ArmTerminalRestore(int inputFd, int outputFd, termios const& shellModes, std::string const& sequence);
void DisarmTerminalRestore();

// Restores the armed terminal once (async-signal-safe); later calls do nothing
// until it is armed again.
void EmergencyTerminalRestore();

}  // namespace con
