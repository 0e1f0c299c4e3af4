#include "platform/TerminalConsole.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <langinfo.h>
#include <poll.h>
#include <string>
#include <sys/ioctl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <utility>

#include "platform/Cp437.h"
#include "platform/TerminalReader.h"
#include "platform/TerminalRestore.h"
#include "platform/TerminalType.h"

#ifndef NCURSES_WIDECHAR
#define NCURSES_WIDECHAR 1
#endif
#include <ncursesw/curses.h>

namespace con {

namespace {

// Wake-ups in a row for input that no read then found: the terminal has gone.
constexpr int kEmptyWakeUps = 100;
// Reads a flush makes of what has come, at most, before it drops the rest unread.
constexpr int kDiscardReads = 64;
// A poll waits about a millisecond on average, which paces the animated
// screens' pass-counted animations. The waits are gathered into one every
// kPollBatch polls, and the polls between do not even ask the terminal: a key
// that comes meanwhile is seen at the next wait, which it ends at once. A
// wake-up and a look at the terminal cost far more than a pass, so an
// animated screen wakes about thirty times a second and keeps its pace.
constexpr int kPollWaitMs = 1;
constexpr int kPollBatch = 32;
// A polling screen is at rest once this many polls in a row, and this long,
// changed nothing. Both must pass: an animation paced by counting passes
// changes the model well within that many passes (the title's slowest, its
// marker, every 600), so it keeps its pace however slowly the passes come.
constexpr int kRestPolls = 1024;
constexpr std::chrono::milliseconds kRestAfter{1000};

// Set by SIGWINCH, so that the size is asked of the terminal only after it
// changed (polling screens present a thousand times a second).
std::atomic<bool> resized{true};
// The handler also writes a byte down this pipe, which every wait for a key
// watches beside the terminal: however the signal lands, before the wait or
// during it, the wait ends at once and the screen is drawn for the new size.
std::atomic<int> resizeWriteFd{-1};
// Set on a continue after a stop: the curses library gave the terminal back
// to the shell meanwhile, and the keypad's mode and ours are set again.
std::atomic<bool> continued{false};
struct sigaction cursesResizeAction;
struct sigaction previousContinueAction;

void OnResize(int signal) {
    resized.store(true);
    if (signal == SIGCONT) {
        continued.store(true);  // and the size may have changed while no signal could tell
    }
    int const saved = errno;
    if (int const fd = resizeWriteFd.load(); fd >= 0) {
        char const byte = 0;
        [[maybe_unused]] ssize_t const n = write(fd, &byte, 1);  // a full pipe has a wake-up waiting already
    }
    errno = saved;
}

// The curses library's own handler is set aside: sizes are followed here
// alone, so no resize reaches the game as a key. A continue after a stop is
// followed as a resize: no signal told of one made while the game was stopped.
void WatchResizes(int writeFd) {
    resizeWriteFd.store(writeFd);
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    sigemptyset(&action.sa_mask);
    action.sa_handler = OnResize;
    sigaction(SIGWINCH, &action, &cursesResizeAction);
    sigaction(SIGCONT, &action, &previousContinueAction);
}

// Puts the handlers back and closes the pipe's end they wrote to.
void StopWatchingResizes() {
    sigaction(SIGWINCH, &cursesResizeAction, nullptr);
    sigaction(SIGCONT, &previousContinueAction, nullptr);
    close(resizeWriteFd.exchange(-1));
}

// Whole milliseconds from now until `when`, none once it has passed.
int MillisecondsLeft(std::chrono::steady_clock::time_point when) {
    auto const left =
        std::chrono::ceil<std::chrono::milliseconds>(when - std::chrono::steady_clock::now()).count();
    return static_cast<int>(std::max<decltype(left)>(left, 0));
}

// A terminal capability string, without the padding marks some carry.
std::string Capability(char const* name) {
    char const* s = tigetstr(name);
    if (s == nullptr || s == reinterpret_cast<char const*>(-1)) {
        return {};
    }
    std::string out;
    for (char const* p = s; *p != '\0'; ++p) {
        if (p[0] == '$' && p[1] == '<') {
            char const* end = std::strchr(p, '>');
            if (end != nullptr) {
                p = end;
                continue;
            }
        }
        out += *p;
    }
    return out;
}

}  // namespace

// ---- Colours and keys --------------------------------------------------------

int AnsiColour(int consoleColour) {
    int const c = consoleColour & 15;
    return (c & 10) | ((c & 1) << 2) | ((c & 4) >> 2);
}

TerminalColours ColoursFor(uint16_t attribute, int colours) {
    int const fg = attribute & 15;
    int const bg = (attribute >> 4) & 15;
    TerminalColours out{AnsiColour(fg), AnsiColour(bg), false};
    if (colours >= 16) {
        return out;
    }
    out.foreground &= 7;
    out.background &= 7;
    out.bold = (fg & 8) != 0;
    if (out.foreground == out.background && fg != bg) {
        // Only brightness told them apart (dark grey on black, yellow on
        // brown): keep the text readable in plain white, or black on grey.
        out.foreground = out.background == 7 ? 0 : 7;
        out.bold = (fg & 8) != 0 && fg != 8;
    }
    return out;
}

std::string SizeMessage(int columns, int rows) {
    return "The game needs a terminal of at least " + std::to_string(kColumns) + " x " +
           std::to_string(kRows) + "; this one is " + std::to_string(columns) + " x " + std::to_string(rows) +
           ".";
}

std::vector<std::string> SizeMessageLines(int columns, int rows) {
    std::string const message = SizeMessage(columns, rows);
    std::size_t const width = static_cast<std::size_t>(std::max(columns, 1));
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < message.size()) {
        std::size_t end = message.size();
        if (end - start > width) {
            std::size_t const blank = message.rfind(' ', start + width);
            end = blank != std::string::npos && blank > start ? blank : start + width;
        }
        lines.push_back(message.substr(start, end - start));
        start = end;
        while (start < message.size() && message[start] == ' ') {
            ++start;
        }
    }
    return lines;
}

// ---- The back end --------------------------------------------------------------

TerminalConsole::TerminalConsole() {
    if (isatty(STDIN_FILENO) == 0 || isatty(STDOUT_FILENO) == 0) {
        throw TerminalUnavailable("the game needs a terminal on its standard input and output");
    }
    // Only the character set: numbers keep printing with a decimal point.
    std::setlocale(LC_CTYPE, "");
    utf8_ = std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0;
    reader_ = TerminalReader(utf8_);
    termios shellModes;
    if (tcgetattr(STDIN_FILENO, &shellModes) != 0) {
        throw TerminalUnavailable("cannot read the terminal's settings");
    }
    // Asked before the curses library takes the terminal over: a terminal
    // the game cannot draw on is left exactly as it was.
    if (std::string const problem = TerminalTypeProblem(std::getenv("TERM")); !problem.empty()) {
        throw TerminalUnavailable(problem);
    }
    int pipeFds[2];
    if (pipe2(pipeFds, O_NONBLOCK | O_CLOEXEC) != 0) {
        throw TerminalUnavailable("cannot make a pipe to watch the terminal's size");
    }
    resizeReadFd_ = pipeFds[0];
    screen_ = newterm(nullptr, stdout, stdin);
    if (screen_ == nullptr) {
        close(pipeFds[0]);
        close(pipeFds[1]);
        throw TerminalUnavailable("the terminal could not be taken over");  // its type was fine
    }
    set_term(screen_);
    cbreak();
    noecho();
    nonl();
    intrflush(stdscr, FALSE);
    // The keypad switch: terminals send the keys as the description names
    // them, and the keypad in application mode. The keys themselves are
    // read here, not by the curses library.
    keypad(stdscr, TRUE);
    meta(stdscr, TRUE);
    // A refresh is written whole, without looking for keys typed ahead
    // first: the look costs two calls to the terminal on every frame of an
    // animation, and the keys are read at the next wait anyway.
    typeahead(-1);
    if (has_colors()) {
        start_color();
        colours_ = COLORS;
        pairsAvailable_ = COLOR_PAIRS;
    }
    TakeInputModes();
    DescribeKeys();
    resized.store(true);
    WatchResizes(pipeFds[1]);

    std::string sequence = Capability("op") + Capability("sgr0") + Capability("cnorm") + Capability("rmkx");
    std::string const leaveScreen = Capability("rmcup");
    sequence += leaveScreen.empty() ? "\r\n" : leaveScreen;
    ArmTerminalRestore(STDIN_FILENO, STDOUT_FILENO, shellModes, sequence);
}

TerminalConsole::~TerminalConsole() { Restore(); }

void TerminalConsole::Restore() {
    if (restored_ || screen_ == nullptr) {
        return;
    }
    SyncSize();
    if (!TooSmall()) {
        Present();
    }
    restored_ = true;
    StopWatchingResizes();
    close(resizeReadFd_);
    endwin();
    DisarmTerminalRestore();
    delscreen(screen_);
    screen_ = nullptr;
}

void TerminalConsole::TakeInputModes() {
    // No flow control, so that Ctrl-S and Ctrl-Q are keys rather than a
    // screen frozen while the keys typed meanwhile still act; and reads that
    // never wait, since a poll says when there is input. The curses library
    // keeps these as the program's modes, put back after a stop; the
    // shell's own are given back on every way out.
    termios modes;
    if (tcgetattr(STDIN_FILENO, &modes) == 0) {
        modes.c_iflag &= ~static_cast<tcflag_t>(IXON);
        modes.c_cc[VMIN] = 0;
        modes.c_cc[VTIME] = 0;
        tcsetattr(STDIN_FILENO, TCSANOW, &modes);
    }
    def_prog_mode();
}

void TerminalConsole::DescribeKeys() {
    // The keys as the terminal's description names them, for a terminal
    // that sends keys of its own; only keys the game knows.
    struct Named {
        char const* capability;
        uint16_t virtualKey;
        char character;
    };
    static constexpr Named kNamed[] = {
        {"kcuu1", VK_UP, 0},   {"kcud1", VK_DOWN, 0}, {"kcub1", VK_LEFT, 0},   {"kcuf1", VK_RIGHT, 0},
        {"khome", VK_HOME, 0}, {"kend", VK_END, 0},   {"kich1", VK_INSERT, 0}, {"kdch1", VK_DELETE, 0},
        {"kpp", VK_PRIOR, 0},  {"knp", VK_NEXT, 0},   {"ka1", VK_HOME, 0},     {"ka3", VK_PRIOR, 0},
        {"kc1", VK_END, 0},    {"kc3", VK_NEXT, 0},   {"kent", 0, '\r'},       {"kcbt", 0, '\t'},
    };
    for (Named const& n : kNamed) {
        reader_.AddTerminalKey(Capability(n.capability), TerminalKeyRecord(n.virtualKey, n.character));
    }
    for (int f = 1; f <= 12; ++f) {
        reader_.AddTerminalKey(Capability(("kf" + std::to_string(f)).c_str()),
                               TerminalKeyRecord(static_cast<uint16_t>(VK_F1 + f - 1)));
    }
}

TerminalConsole::Look const& TerminalConsole::LookFor(uint16_t attribute) {
    Look& look = looks_[attribute & 0xFF];
    if (look.ready) {
        return look;
    }
    look.ready = true;
    int const fg = attribute & 15;
    int const bg = (attribute >> 4) & 15;
    if (colours_ < 8) {
        // No colours: a coloured background shows reversed, bright text bold.
        look.attributes = (bg != 0 ? A_REVERSE : A_NORMAL) | ((fg & 8) != 0 ? A_BOLD : A_NORMAL);
        return look;
    }
    TerminalColours const c = ColoursFor(attribute, colours_);
    short& pair = pairFor_[static_cast<std::size_t>(c.foreground * 16 + c.background)];
    if (pair == 0 && nextPair_ < pairsAvailable_ &&
        init_pair(nextPair_, static_cast<short>(c.foreground), static_cast<short>(c.background)) == OK) {
        pair = nextPair_++;
    }
    look.pair = pair;  // 0 (the terminal's own colours) once the pairs run out
    look.attributes = c.bold ? A_BOLD : A_NORMAL;
    return look;
}

void TerminalConsole::DrawCell(int x, int y, Cell const& cell) {
    Look const& look = LookFor(cell.attribute);
    if (utf8_) {
        wchar_t const text[2] = {static_cast<wchar_t>(Cp437ToUnicode(cell.byte)), L'\0'};
        cchar_t glyph;
        setcchar(&glyph, text, look.attributes, look.pair, nullptr);
        mvwadd_wch(stdscr, y, x, &glyph);  // the bottom-right cell reports an error but is kept
    } else {
        chtype const glyph = static_cast<unsigned char>(Cp437ToAscii(cell.byte));
        mvwaddch(stdscr, y, x, glyph | look.attributes | static_cast<chtype>(COLOR_PAIR(look.pair)));
    }
}

bool TerminalConsole::TooSmall() const { return COLS < kColumns || LINES < kRows; }

void TerminalConsole::SyncSize() {
    if (!resized.exchange(false)) {
        return;
    }
    // Drawn whole after every resize, even back to the same size: a terminal
    // made narrower and wider again has lost the columns it cut off. The
    // curses library is told too, for the size line drawn while too small.
    redrawAll_ = true;
    clearok(curscr, TRUE);
    winsize size{};
    if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0 || size.ws_row == 0 || size.ws_col == 0) {
        return;
    }
    if (size.ws_row != LINES || size.ws_col != COLS) {
        resize_term(size.ws_row, size.ws_col);  // unlike resizeterm, queues no resize key
    }
}

int TerminalConsole::ReadWaiting() {
    pollfd terminal{STDIN_FILENO, POLLIN, 0};
    if (poll(&terminal, 1, 0) > 0 && (terminal.revents & POLLIN) != 0) {
        return ReadTerminal();
    }
    ReadToTheEnd();
    return 0;
}

int TerminalConsole::ReadTerminal() {
    uint8_t bytes[256];
    ssize_t const n = read(STDIN_FILENO, bytes, sizeof bytes);
    if (n <= 0) {
        return 0;
    }
    auto const now = std::chrono::steady_clock::now();
    for (ssize_t i = 0; i < n; ++i) {
        reader_.Feed(bytes[i], now);
    }
    if (static_cast<std::size_t>(n) < sizeof bytes) {
        ReadToTheEnd();
    }
    emptyWakeUps_ = 0;
    return static_cast<int>(n);
}

void TerminalConsole::ReadToTheEnd() {
    readTo_ = std::chrono::steady_clock::now();
    pausedSinceRead_ = false;
}

TerminalConsole::Input TerminalConsole::NextInput(int waitMs, KeyRecord& key) {
    using Clock = std::chrono::steady_clock;
    Clock::time_point const until =
        waitMs > 0 ? Clock::now() + std::chrono::milliseconds(waitMs) : Clock::time_point{};
    for (bool looked = false;; looked = true) {
        if (continued.exchange(false)) {
            // Stopped, the terminal was the shell's: the keypad's mode and
            // ours again, and a key the stop parted still reads whole. The
            // resize that a continue also is comes by the pipe.
            keypad(stdscr, TRUE);
            TakeInputModes();
            reader_.Resume(Clock::now());
        }
        // The time of what has begun may have run out while nothing was
        // read (the screen was drawn, the game paused, the machine was
        // busy): what waits may be its rest, come in time.
        if (TerminalReader::ReadsBeforeRuling(reader_.Deadline(), readTo_, Clock::now(), pausedSinceRead_)) {
            ReadWaiting();
        }
        // The keys read already come first; then the terminal is watched, no
        // longer than asked, nor than what has begun may wait for its end.
        reader_.Tick(Clock::now());
        if (reader_.Next(key)) {
            return Input::Key;
        }
        int timeout = waitMs > 0 ? MillisecondsLeft(until) : waitMs;
        if (Clock::time_point const deadline = reader_.Deadline(); deadline != Clock::time_point::max()) {
            int const rest = MillisecondsLeft(deadline);
            timeout = timeout < 0 ? rest : std::min(timeout, rest);
        }
        if (timeout == 0 && looked) {
            if (reader_.Deadline() <= Clock::now()) {
                continue;  // what has begun is over: an Escape alone, say
            }
            return Input::None;
        }
        pollfd watched[2] = {{STDIN_FILENO, POLLIN, 0}, {resizeReadFd_, POLLIN, 0}};
        int const ready = poll(watched, 2, timeout);
        if (ready >= 0 && (watched[0].revents & POLLIN) == 0) {
            ReadToTheEnd();  // nothing waits: what comes from now on came after
        }
        if (ready == 0) {
            continue;
        }
        if (ready < 0) {
            if (errno != EINTR) {
                HandleTerminalLoss();
            }
            continue;  // a signal: a resize or a continue is told by the pipe
        }
        if ((watched[1].revents & POLLIN) != 0) {
            char drained[64];
            while (read(resizeReadFd_, drained, sizeof drained) > 0) {
            }
            return Input::Resize;
        }
        if ((watched[0].revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
            HandleTerminalLoss();
        }
        // A terminal that has gone may keep saying there is input that no
        // read ever finds. Input that is read, however much of it is junk,
        // never counts.
        if ((watched[0].revents & POLLIN) != 0 && ReadTerminal() == 0 && ++emptyWakeUps_ > kEmptyWakeUps) {
            HandleTerminalLoss();
        }
    }
}

void TerminalConsole::WaitForRoom() {
    while (TooSmall()) {
        std::vector<std::string> const lines = SizeMessageLines(COLS, LINES);
        int const count = static_cast<int>(lines.size());
        werase(stdscr);
        for (int i = 0; i < count; ++i) {
            int const width = static_cast<int>(lines[i].size());
            int const column = COLS > width ? (COLS - width) / 2 : 0;
            mvwaddnstr(stdscr, std::max(LINES / 2 - count / 2, 0) + i, column, lines[i].c_str(),
                       COLS - column);
        }
        curs_set(0);
        shownCursor_ = 0;
        wrefresh(stdscr);
        // Keys pressed meanwhile are not the game's: it is not looking.
        KeyRecord ignored;
        NextInput(-1, ignored);
        SyncSize();
    }
    redrawAll_ = true;
}

void TerminalConsole::HandleTerminalLoss() {
    // Reads fail for good when the terminal has gone: end as on a hang-up.
    raise(SIGHUP);
    std::_Exit(128 + SIGHUP);
}

void TerminalConsole::Present() {
    if (restored_) {
        return;
    }
    SyncSize();
    if (TooSmall()) {
        WaitForRoom();
    }
    ScreenModel const& m = Model();
    bool changed = false;
    if (redrawAll_) {
        werase(stdscr);
        clearok(stdscr, TRUE);
        changed = true;
    }
    if (redrawAll_ || m.generation != shownGeneration_) {
        for (int y = 0; y < kRows; ++y) {
            for (int x = 0; x < kColumns; ++x) {
                Cell const& cell = m.At(x, y);
                if (redrawAll_ || !(cell == shown_[y][x])) {
                    DrawCell(x, y, cell);
                    shown_[y][x] = cell;
                    changed = true;
                }
            }
        }
        shownGeneration_ = m.generation;
    }
    redrawAll_ = false;
    int const cursorMode = m.cursorInfo.visible ? 1 : 0;
    if (cursorMode != shownCursor_) {
        curs_set(cursorMode);
        leaveok(stdscr, cursorMode == 0 ? TRUE : FALSE);
        shownCursor_ = cursorMode;
        changed = true;
    }
    Coord const at = m.Cursor();
    if (cursorMode == 1 && (changed || at.X != shownCursorAt_.X || at.Y != shownCursorAt_.Y)) {
        wmove(stdscr, at.Y, at.X);
        shownCursorAt_ = at;
        changed = true;
    }
    if (changed) {
        wrefresh(stdscr);
    }
}

bool TerminalConsole::AtRest() {
    ScreenModel const& m = Model();
    Coord const at = m.Cursor();
    bool const still = !stirred_ && m.generation == polledGeneration_ && at.X == polledCursorAt_.X &&
                       at.Y == polledCursorAt_.Y && m.cursorInfo.visible == polledCursorShown_;
    stirred_ = false;
    polledGeneration_ = m.generation;
    polledCursorAt_ = at;
    polledCursorShown_ = m.cursorInfo.visible;
    if (!still) {
        stillPolls_ = 0;
        return false;
    }
    // The clock is read only when the count alone could not tell.
    if (++stillPolls_ == 1) {
        stillSince_ = std::chrono::steady_clock::now();
    }
    return stillPolls_ >= kRestPolls && std::chrono::steady_clock::now() - stillSince_ >= kRestAfter;
}

void TerminalConsole::Fetch(std::deque<KeyRecord>& queue, bool block) {
    if (restored_) {
        return;
    }
    quietSincePoll_ = false;
    // A poll at rest waits as a blocking read does, but hands back what
    // ends the wait (a key, or a resize once the screen is redrawn) at once,
    // so the screen's loop takes it on its very next pass.
    bool const rest = !block && AtRest();
    bool const askNow = std::exchange(askNext_, false);
    int waitMs = -1;
    if (!block && !rest) {
        if (askNow) {
            waitMs = 0;  // a pause paced this pass: look, but do not wait as well
            pollsSinceWait_ = 0;
        } else if (++pollsSinceWait_ < kPollBatch) {
            quietSincePoll_ = true;
            return;
        } else {
            waitMs = kPollBatch * kPollWaitMs;
            pollsSinceWait_ = 0;
        }
    }
    for (;;) {
        KeyRecord key;
        Input const input = NextInput(waitMs, key);
        if (input == Input::None) {
            quietSincePoll_ = true;  // nothing came in time
            return;
        }
        stirred_ = true;
        if (input == Input::Resize) {
            // The game never sees a resize: the screen is drawn anew (after a
            // wait while the terminal is too small) and reading goes on. A
            // poll it ends hands the screen nothing, so the screen's flush
            // after it has nothing to drop: a key that came while the screen
            // was redrawn is read next.
            Present();
            if (!block) {
                quietSincePoll_ = true;
                return;
            }
            continue;
        }
        queue.push_back(key);
        return;
    }
}

void TerminalConsole::Discard() {
    // Polling screens discard on every pass; right after a poll found nothing
    // there is nothing to drop, and the call to the terminal is saved.
    if (!restored_ && !quietSincePoll_) {
        // What has come is read to its end and dropped, so that a key half
        // read when the flush came is not read later as some letters.
        int reads = 0;
        bool cut = false;
        while (!cut && ReadWaiting() > 0) {
            cut = ++reads == kDiscardReads;
        }
        reader_.Discard();
        if (cut) {
            tcflush(STDIN_FILENO, TCIFLUSH);  // a flood: the rest is dropped unread,
            reader_.Cut();                    // and the key it would have ended with it
        }
    }
    quietSincePoll_ = false;
}

void TerminalConsole::Sleep(uint32_t milliseconds) {
    quietSincePoll_ = false;
    // A pause between polls paces an animation by the clock: no rest then,
    // and the next poll looks at the terminal, so that a screen paced by
    // pauses never keeps a key waiting for a batch of passes.
    stirred_ = true;
    askNext_ = true;
    pausedSinceRead_ = true;  // what comes meanwhile more likely came after what has begun
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

// ---- For the program entry -------------------------------------------------------

ScopedTerminal::ScopedTerminal() {
    InstallTerminalGuards();
    try {
        console_ = std::make_unique<TerminalConsole>();
    } catch (TerminalUnavailable const& e) {
        std::fprintf(stderr, "mothership: %s\n", e.what());
        std::exit(1);
    }
    previous_ = Install(console_.get());
}

ScopedTerminal::~ScopedTerminal() {
    Install(previous_);
    console_->Restore();
}

}  // namespace con
