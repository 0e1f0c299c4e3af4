#include "platform/TerminalRestore.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <signal.h>
#include <unistd.h>

namespace con {

namespace {

// Everything the handlers need lives in plain static storage, filled before
// the restore is armed.
constexpr std::size_t kSequenceCapacity = 512;
char restoreSequence[kSequenceCapacity];
std::size_t restoreLength = 0;
termios savedModes;
int savedInputFd = -1;
int savedOutputFd = -1;
std::atomic<bool> armed{false};

constexpr int kExitSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
constexpr int kFatalSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
struct sigaction previousFatal[sizeof kFatalSignals / sizeof kFatalSignals[0]];

void OnExitSignal(int sig) {
    EmergencyTerminalRestore();
    _exit(128 + sig);
}

void OnFatalSignal(int sig, siginfo_t* info, void* context) {
    EmergencyTerminalRestore();
    // Hand the signal on to whoever had it before (a sanitizer's report, or
    // the default action with its core dump).
    for (std::size_t i = 0; i < sizeof kFatalSignals / sizeof kFatalSignals[0]; ++i) {
        if (kFatalSignals[i] != sig) {
            continue;
        }
        struct sigaction const& before = previousFatal[i];
        sigaction(sig, &before, nullptr);
        if ((before.sa_flags & SA_SIGINFO) != 0 && before.sa_sigaction != nullptr) {
            before.sa_sigaction(sig, info, context);
            return;
        }
        if (before.sa_handler != SIG_DFL && before.sa_handler != SIG_IGN) {
            before.sa_handler(sig);
            return;
        }
    }
    signal(sig, SIG_DFL);
    raise(sig);  // delivered when this handler returns
}

void OnTerminate() {
    EmergencyTerminalRestore();
    if (std::exception_ptr const pending = std::current_exception()) {
        try {
            std::rethrow_exception(pending);
        } catch (std::exception const& e) {
            std::fprintf(stderr, "mothership: stopped by an unexpected error: %s\n", e.what());
        } catch (...) {
            std::fprintf(stderr, "mothership: stopped by an unexpected error\n");
        }
    }
    std::abort();
}

void OnExit() { EmergencyTerminalRestore(); }

}  // namespace

void InstallTerminalGuards() {
    static bool installed = false;
    if (installed) {
        return;
    }
    installed = true;
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    sigemptyset(&action.sa_mask);
    for (int sig : kExitSignals) {
        sigaddset(&action.sa_mask, sig);
    }
    action.sa_handler = OnExitSignal;
    action.sa_flags = SA_RESTART;
    for (int sig : kExitSignals) {
        sigaction(sig, &action, nullptr);
    }
    action.sa_handler = nullptr;
    action.sa_sigaction = OnFatalSignal;
    action.sa_flags = SA_SIGINFO;
    for (std::size_t i = 0; i < sizeof kFatalSignals / sizeof kFatalSignals[0]; ++i) {
        sigaction(kFatalSignals[i], &action, &previousFatal[i]);
    }
    std::set_terminate(OnTerminate);
    std::atexit(OnExit);
}

void ArmTerminalRestore(int inputFd, int outputFd, termios const& shellModes, std::string const& sequence) {
    armed.store(false);
    restoreLength = sequence.size() < kSequenceCapacity ? sequence.size() : kSequenceCapacity;
    std::memcpy(restoreSequence, sequence.data(), restoreLength);
    savedModes = shellModes;
    savedInputFd = inputFd;
    savedOutputFd = outputFd;
    armed.store(true);
}

void DisarmTerminalRestore() { armed.store(false); }

void EmergencyTerminalRestore() {
    if (!armed.exchange(false)) {
        return;
    }
    std::size_t done = 0;
    while (done < restoreLength) {
        ssize_t const n = write(savedOutputFd, restoreSequence + done, restoreLength - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    tcsetattr(savedInputFd, TCSADRAIN, &savedModes);
}

}  // namespace con
