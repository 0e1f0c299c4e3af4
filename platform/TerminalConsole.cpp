#include "platform/TerminalConsole.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <langinfo.h>
#include <poll.h>
#include <string>
#include <sys/ioctl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

#include "platform/Cp437.h"
#include "platform/Keyboard.h"
#include "platform/TerminalRestore.h"
#include "platform/TerminalType.h"

#ifndef NCURSES_WIDECHAR
#define NCURSES_WIDECHAR 1
#endif
#include <ncursesw/curses.h>

namespace con {

namespace {

constexpr int kEscapeDelayMs = 25;
// A poll that finds nothing waits about a millisecond on average, which paces
// the animated screens' pass-counted animations. The waits are gathered into
// one every kPollBatch polls (the polls between look and return at once): a
// wake-up costs far more than the look, so this keeps an idle game well under
// 1% of a core while the passes keep their average pace.
constexpr int kPollWaitMs = 1;
constexpr int kPollBatch = 16;
// A polling screen is at rest once this many polls in a row, and this long,
// changed nothing. Both must pass: an animation paced by counting passes
// changes the model well within that many passes (the title's slowest, its
// marker, every 600), so it keeps its pace however slowly the passes come.
constexpr int kRestPolls = 1024;
constexpr std::chrono::milliseconds kRestAfter{1000};

// Set by SIGWINCH, so that the size is asked of the terminal only after it
// changed (polling screens present a thousand times a second). The curses
// library's own handler is called on, so that its reads report the resize.
std::atomic<bool> resized{true};
struct sigaction cursesResizeAction;

void OnResize(int sig, siginfo_t* info, void* context) {
    resized.store(true);
    if ((cursesResizeAction.sa_flags & SA_SIGINFO) != 0 && cursesResizeAction.sa_sigaction != nullptr) {
        cursesResizeAction.sa_sigaction(sig, info, context);
    } else if (cursesResizeAction.sa_handler != SIG_DFL && cursesResizeAction.sa_handler != SIG_IGN) {
        cursesResizeAction.sa_handler(sig);
    }
}

void WatchResizes() {
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    sigemptyset(&action.sa_mask);
    action.sa_sigaction = OnResize;
    action.sa_flags = SA_SIGINFO;  // no restart: a blocking read returns to notice it
    sigaction(SIGWINCH, &action, &cursesResizeAction);
}

void StopWatchingResizes() { sigaction(SIGWINCH, &cursesResizeAction, nullptr); }

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

bool DecodeTerminalKey(bool functionKey, uint32_t code, KeyRecord& record) {
    record = KeyRecord{};
    if (functionKey) {
        switch (code) {
            case KEY_UP: record.virtualKey = VK_UP; return true;
            case KEY_DOWN: record.virtualKey = VK_DOWN; return true;
            case KEY_LEFT: record.virtualKey = VK_LEFT; return true;
            case KEY_RIGHT: record.virtualKey = VK_RIGHT; return true;
            case KEY_PPAGE: record.virtualKey = VK_PRIOR; return true;
            case KEY_NPAGE: record.virtualKey = VK_NEXT; return true;
            case KEY_HOME:
            case KEY_A1: record.virtualKey = VK_HOME; return true;
            case KEY_END:
            case KEY_C1: record.virtualKey = VK_END; return true;
            case KEY_IC: record.virtualKey = VK_INSERT; return true;
            case KEY_DC: record.virtualKey = VK_DELETE; return true;
            case KEY_BACKSPACE: record = KeyRecordFor(8); return true;
            case KEY_ENTER: record = KeyRecordFor(13); return true;
            default: break;
        }
        if (code >= static_cast<uint32_t>(KEY_F(1)) && code <= static_cast<uint32_t>(KEY_F(12))) {
            record.virtualKey = static_cast<uint16_t>(VK_F1 + (code - KEY_F(1)));
            return true;
        }
        return false;
    }
    if (code < 128) {
        record = KeyRecordFor(static_cast<char>(code));
        return record.virtualKey != 0;
    }
    // A typed character beyond ASCII arrives as its code page 437 byte, as
    // the console would hand it to the game, where that page has it.
    int const byte = UnicodeToCp437(static_cast<char32_t>(code));
    if (byte < 128) {
        return false;
    }
    record.character = static_cast<char>(byte);
    return true;
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
    termios shellModes;
    if (tcgetattr(STDIN_FILENO, &shellModes) != 0) {
        throw TerminalUnavailable("cannot read the terminal's settings");
    }
    // Asked before the curses library takes the terminal over: a terminal
    // the game cannot draw on is left exactly as it was.
    if (std::string const problem = TerminalTypeProblem(std::getenv("TERM")); !problem.empty()) {
        throw TerminalUnavailable(problem);
    }
    screen_ = newterm(nullptr, stdout, stdin);
    if (screen_ == nullptr) {
        throw TerminalUnavailable("the terminal could not be taken over");  // its type was fine
    }
    set_term(screen_);
    cbreak();
    noecho();
    nonl();
    intrflush(stdscr, FALSE);
    keypad(stdscr, TRUE);
    meta(stdscr, TRUE);
    set_escdelay(kEscapeDelayMs);
    if (has_colors()) {
        start_color();
        colours_ = COLORS;
        pairsAvailable_ = COLOR_PAIRS;
    }
    ConfigureKeys();
    resized.store(true);
    WatchResizes();

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
    endwin();
    DisarmTerminalRestore();
    delscreen(screen_);
    screen_ = nullptr;
}

void TerminalConsole::ConfigureKeys() {
    // The sequences common terminals send, for those whose description lacks
    // some of them (a key the library does not know would arrive as an
    // Escape followed by letters).
    struct Sequence {
        char const* text;
        int key;
    };
    static constexpr Sequence kSequences[] = {
        {"\033[A", KEY_UP},     {"\033[B", KEY_DOWN},    {"\033[C", KEY_RIGHT},   {"\033[D", KEY_LEFT},
        {"\033OA", KEY_UP},     {"\033OB", KEY_DOWN},    {"\033OC", KEY_RIGHT},   {"\033OD", KEY_LEFT},
        {"\033[H", KEY_HOME},   {"\033[F", KEY_END},     {"\033OH", KEY_HOME},    {"\033OF", KEY_END},
        {"\033[1~", KEY_HOME},  {"\033[4~", KEY_END},    {"\033[7~", KEY_HOME},   {"\033[8~", KEY_END},
        {"\033[2~", KEY_IC},    {"\033[3~", KEY_DC},     {"\033[5~", KEY_PPAGE},  {"\033[6~", KEY_NPAGE},
        {"\033OP", KEY_F(1)},   {"\033OQ", KEY_F(2)},    {"\033OR", KEY_F(3)},    {"\033OS", KEY_F(4)},
        {"\033[11~", KEY_F(1)}, {"\033[12~", KEY_F(2)},  {"\033[13~", KEY_F(3)},  {"\033[14~", KEY_F(4)},
        {"\033[15~", KEY_F(5)}, {"\033[17~", KEY_F(6)},  {"\033[18~", KEY_F(7)},  {"\033[19~", KEY_F(8)},
        {"\033[20~", KEY_F(9)}, {"\033[21~", KEY_F(10)}, {"\033[23~", KEY_F(11)}, {"\033[24~", KEY_F(12)},
        {"\033OM", KEY_ENTER},
    };
    for (Sequence const& s : kSequences) {
        if (key_defined(s.text) == 0) {
            define_key(s.text, s.key);
        }
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
    winsize size{};
    if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0 || size.ws_row == 0 || size.ws_col == 0) {
        return;
    }
    if (size.ws_row != LINES || size.ws_col != COLS) {
        resizeterm(size.ws_row, size.ws_col);
        redrawAll_ = true;
    }
}

void TerminalConsole::WaitForRoom() {
    int errors = 0;
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
        wtimeout(stdscr, -1);
        wint_t code = 0;
        int const status = wget_wch(stdscr, &code);
        if (status == ERR && ++errors > 100) {
            HandleTerminalLoss();
        }
        if (status != ERR) {
            errors = 0;
        }
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
    bool const wait = block || rest;
    int pollWait = 0;
    if (!wait && ++pollsSinceWait_ >= kPollBatch) {
        pollsSinceWait_ = 0;
        pollWait = kPollBatch * kPollWaitMs;
    }
    wtimeout(stdscr, wait ? -1 : pollWait);
    int errors = 0;
    for (;;) {
        wint_t code = 0;
        int const status = wget_wch(stdscr, &code);
        if (status == ERR) {
            if (!wait) {
                quietSincePoll_ = true;  // nothing came in time
                return;
            }
            if (resized.load()) {
                redrawAll_ = true;
                Present();
                if (rest) {
                    stirred_ = true;
                    return;
                }
                wtimeout(stdscr, -1);
                continue;
            }
            // Interrupted by a signal; a terminal that has gone fails for good.
            pollfd in{STDIN_FILENO, POLLIN, 0};
            if ((poll(&in, 1, 0) > 0 && (in.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) ||
                ++errors > 100) {
                HandleTerminalLoss();
            }
            continue;
        }
        errors = 0;
        stirred_ = true;
        bool const functionKey = status == KEY_CODE_YES;
        if (functionKey && code == KEY_RESIZE) {
            // The game never sees a resize: the screen is drawn anew (after a
            // wait while the terminal is too small) and reading goes on.
            redrawAll_ = true;
            Present();
            if (!block) {
                return;
            }
            continue;
        }
        KeyRecord record;
        if (DecodeTerminalKey(functionKey, static_cast<uint32_t>(code), record)) {
            queue.push_back(record);
            return;
        }
        if (!block) {
            return;
        }
    }
}

void TerminalConsole::Discard() {
    // Polling screens discard on every pass; right after a poll found nothing
    // there is nothing to drop, and the call to the terminal is saved.
    if (!restored_ && !quietSincePoll_) {
        flushinp();
    }
    quietSincePoll_ = false;
}

void TerminalConsole::Sleep(uint32_t milliseconds) {
    quietSincePoll_ = false;
    // A pause between polls paces an animation by the clock: no rest then.
    stirred_ = true;
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
