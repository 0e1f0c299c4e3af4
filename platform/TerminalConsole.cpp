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
#include <cwchar>
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
#include "platform/Keyboard.h"
#include "platform/TerminalRestore.h"
#include "platform/TerminalType.h"
#include "platform/Utf8Decoder.h"

#ifndef NCURSES_WIDECHAR
#define NCURSES_WIDECHAR 1
#endif
#include <ncursesw/curses.h>

namespace con {

namespace {

constexpr int kEscapeDelayMs = 25;
// How long the rest of a character may take once its first byte is in: a
// slow link can part its bytes, and the wait is over as soon as they come.
constexpr int kCharacterGraceMs = 500;
// Wake-ups in a row for input that no read then found: the terminal has gone.
constexpr int kEmptyWakeUps = 100;
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
struct sigaction cursesResizeAction;

void OnResize(int) {
    resized.store(true);
    int const saved = errno;
    if (int const fd = resizeWriteFd.load(); fd >= 0) {
        char const byte = 0;
        [[maybe_unused]] ssize_t const n = write(fd, &byte, 1);  // a full pipe has a wake-up waiting already
    }
    errno = saved;
}

// The curses library's own handler is set aside: sizes are followed here
// alone, so no resize reaches the game as a key.
void WatchResizes(int writeFd) {
    resizeWriteFd.store(writeFd);
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    sigemptyset(&action.sa_mask);
    action.sa_handler = OnResize;
    sigaction(SIGWINCH, &action, &cursesResizeAction);
}

// Puts the curses library's handler back and closes the pipe's end it wrote to.
void StopWatchingResizes() {
    sigaction(SIGWINCH, &cursesResizeAction, nullptr);
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
            case KEY_A3: record.virtualKey = VK_PRIOR; return true;
            case KEY_C3: record.virtualKey = VK_NEXT; return true;
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
    keypad(stdscr, TRUE);
    meta(stdscr, TRUE);
    set_escdelay(kEscapeDelayMs);
    // A refresh is written whole, without looking for keys typed ahead
    // first: the look costs two calls to the terminal on every frame of an
    // animation, and the keys are read at the next wait anyway.
    typeahead(-1);
    if (has_colors()) {
        start_color();
        colours_ = COLORS;
        pairsAvailable_ = COLOR_PAIRS;
    }
    ConfigureKeys();
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

void TerminalConsole::ConfigureKeys() {
    // The sequences common terminals send, for those whose description lacks
    // some of them (a key the library does not know would arrive as an
    // Escape followed by letters).
    struct Sequence {
        char const* text;
        int key;
    };
    // clang-format off
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
        // The keypad in application mode, which the keypad switch also turns
        // on in some terminals, and which they send with NumLock off: the keys
        // printed beside the digits (5 is none), and the signs as themselves.
        {"\033Op", KEY_IC},     {"\033Oq", KEY_END},     {"\033Or", KEY_DOWN},    {"\033Os", KEY_NPAGE},
        {"\033Ot", KEY_LEFT},   {"\033Ov", KEY_RIGHT},   {"\033Ow", KEY_HOME},    {"\033Ox", KEY_UP},
        {"\033Oy", KEY_PPAGE},  {"\033On", KEY_DC},      {"\033Oj", '*'},         {"\033Ok", '+'},
        {"\033Ol", ','},        {"\033Om", '-'},         {"\033Oo", '/'},         {"\033OX", '='},
    };
    // clang-format on
    for (Sequence const& s : kSequences) {
        // Ours where the description lacks the sequence, or gives it a key
        // the game does not know (xterm's keypad keys, say).
        int const bound = key_defined(s.text);
        KeyRecord known;
        if (bound > 0 && !DecodeTerminalKey(true, static_cast<uint32_t>(bound), known)) {
            define_key(s.text, 0);
        } else if (bound != 0) {
            continue;
        }
        define_key(s.text, s.key);
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

bool TerminalConsole::Take(int got, TerminalKey& key, Input& input) {
    if (got == KEY_RESIZE) {
        // The curses library found the size changed (on a continue after a
        // stop, when no signal told us): a resize like any other.
        resized.store(true);
        input = Input::Resize;
        return true;
    }
    input = Input::Key;
    if (got == 27) {
        decoder_.Drop();  // an Escape cuts short a character begun
        got = FinishEscape();
        if (got == ERR) {
            return false;
        }
    }
    if (got >= KEY_MIN) {
        decoder_.Drop();  // a key cuts short a character begun
        key = {true, static_cast<uint32_t>(got)};
        return true;
    }
    auto const byte = static_cast<uint8_t>(got);
    if (!utf8_) {
        // One byte, one character, as the locale reads it; in the C locale
        // a byte past ASCII is none, and is dropped alone.
        wint_t const code = btowc(byte);
        key = {false, static_cast<uint32_t>(code)};
        return code != WEOF;
    }
    Utf8Decoder::Step step = decoder_.Add(byte);
    if (step == Utf8Decoder::Step::Cut) {
        step = decoder_.Add(byte);  // the broken start is dropped, this byte read afresh
    }
    if (step == Utf8Decoder::Step::More && byte >= 0xC0) {  // a lead byte: the character's time starts
        restUntil_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(kCharacterGraceMs);
    }
    key = {false, decoder_.Code()};
    return step == Utf8Decoder::Step::Character;
}

int TerminalConsole::FinishEscape() {
    wtimeout(stdscr, 0);
    int const second = wgetch(stdscr);
    if (second != '[' && second != 'O') {
        if (second != ERR) {
            ungetch(second);  // an Escape, then a key of its own
        }
        return 27;
    }
    // A control sequence: parameter and intermediate bytes, then one final byte.
    constexpr std::size_t kLongest = 32;
    std::string sequence{'\033', static_cast<char>(second)};
    bool tooLong = false;  // longer than any key's: read to its end and dropped
    auto const until = std::chrono::steady_clock::now() + std::chrono::milliseconds(kCharacterGraceMs);
    for (;;) {
        wtimeout(stdscr, MillisecondsLeft(until));
        int const got = wgetch(stdscr);
        if (got == ERR) {
            return ERR;  // the rest never came
        }
        if (got < 0x20 || got > 0x7E) {
            ungetch(got);  // no part of a sequence: read on its own
            return ERR;
        }
        tooLong = tooLong || sequence.size() >= kLongest;
        if (!tooLong) {
            sequence += static_cast<char>(got);
        }
        if (got >= 0x40) {
            int const key = tooLong ? 0 : key_defined(sequence.c_str());
            return key > 0 ? key : ERR;
        }
    }
}

TerminalConsole::Input TerminalConsole::NextInput(int waitMs, TerminalKey& key) {
    using Clock = std::chrono::steady_clock;
    Clock::time_point const until =
        waitMs > 0 ? Clock::now() + std::chrono::milliseconds(waitMs) : Clock::time_point{};
    bool announced = false;  // the last wait ended on the terminal having input
    for (;;) {
        // Bytes are taken one at a time, first what the curses library holds
        // already (what followed an escape sequence it did not know), then
        // what the terminal has; characters are assembled here, where a wait
        // can see what is still missing.
        wtimeout(stdscr, 0);
        if (int const got = wgetch(stdscr); got != ERR) {
            emptyWakeUps_ = 0;
            Input input = Input::None;
            if (Take(got, key, input)) {
                return input;
            }
            continue;
        }
        // A terminal that has gone may keep saying there is input that no
        // read ever finds. Input that is read, however much of it is junk,
        // never counts.
        if (announced && ++emptyWakeUps_ > kEmptyWakeUps) {
            HandleTerminalLoss();
        }
        announced = false;
        // The wait: as long as asked, but no longer than the rest of a
        // character begun may take; once that time is up it is dropped.
        int timeout = waitMs > 0 ? MillisecondsLeft(until) : waitMs;
        if (decoder_.Pending()) {
            int const rest = MillisecondsLeft(restUntil_);
            if (rest == 0) {
                decoder_.Drop();
                continue;
            }
            timeout = timeout < 0 ? rest : std::min(timeout, rest);
        }
        if (timeout == 0) {
            return Input::None;
        }
        pollfd watched[2] = {{STDIN_FILENO, POLLIN, 0}, {resizeReadFd_, POLLIN, 0}};
        int const ready = poll(watched, 2, timeout);
        if (ready == 0) {
            if (waitMs > 0 && Clock::now() >= until) {
                return Input::None;
            }
            continue;  // a character's time is up: it is dropped above, and the wait goes on
        }
        if (ready < 0) {
            if (errno != EINTR) {
                HandleTerminalLoss();
            }
            if (waitMs > 0) {
                return Input::None;  // a stop and continue, say: the pass comes round again
            }
            continue;  // what the curses library queued meanwhile (a resize on a continue) is read first
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
        announced = true;
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
        TerminalKey ignored;
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
        TerminalKey key;
        Input const input = NextInput(waitMs, key);
        if (input == Input::None) {
            quietSincePoll_ = true;  // nothing came in time
            return;
        }
        stirred_ = true;
        if (input == Input::Resize) {
            // The game never sees a resize: the screen is drawn anew (after a
            // wait while the terminal is too small) and reading goes on.
            Present();
            if (!block) {
                return;
            }
            continue;
        }
        KeyRecord record;
        if (DecodeTerminalKey(key.function, key.code, record)) {
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
    // A pause between polls paces an animation by the clock: no rest then,
    // and the next poll looks at the terminal, so that a screen paced by
    // pauses never keeps a key waiting for a batch of passes.
    stirred_ = true;
    askNext_ = true;
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
