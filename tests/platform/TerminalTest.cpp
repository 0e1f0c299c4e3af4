// The terminal back end on a real terminal: the probe program runs inside
// tmux, and the tests read what the pane shows. (The game itself is run so in
// tests/screens/GameInTerminalTest.cpp.)
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/GameInTmux.h"
#include "tests/support/PtyProgram.h"
#include "tests/support/Tmux.h"

#include "platform/Cp437.h"
#include "platform/Keyboard.h"
#include "platform/TerminalConsole.h"

namespace {

using namespace testing_support;

std::string Probe(std::string const& mode = "read") { return Quote(TOOL_termprobe) + " " + mode; }

// Starts the probe and waits until it has drawn its screen.
void StartProbe(Tmux& tmux, std::string const& mode = "read", std::string const& term = "tmux-256color",
                std::string const& locale = "C.UTF-8") {
    tmux.Start(Probe(mode), 80, 25, term, locale);
    ASSERT_TRUE(tmux.WaitFor([](std::string const& t) {
        return t.find("downs=0") != std::string::npos && !Tmux::RowOf(t, 24).empty();
    })) << tmux.Text();
    // The screen may reach the pane in more than one write.
    ASSERT_TRUE(tmux.WaitUntilStill()) << tmux.Text();
}

// ---- Glyphs and colours --------------------------------------------------------

bool IsControlByte(int b) { return b == 7 || b == 8 || b == 9 || b == 10 || b == 13; }

TEST(TerminalScreen, DrawsEveryGlyphAndAllSixteenBySixteenAttributes) {
    REQUIRE_TMUX();
    Tmux tmux;
    StartProbe(tmux);
    Pane const pane = tmux.Cells();
    ASSERT_GE(pane.size(), 25u);
    for (int b = 0; b < 256; ++b) {
        int const x = b % 64;
        int const y = 1 + b / 64;
        ASSERT_LT(static_cast<std::size_t>(x), pane[y].size()) << "row " << y;
        // Written through the console, bytes 7-10 and 13 act as controls and
        // leave their cell blank; byte 0 shows blank.
        std::string const expected =
            IsControlByte(b) || b == 0 ? " " : con::Cp437ToUtf8(static_cast<uint8_t>(b));
        EXPECT_EQ(pane[y][x].glyph, expected) << "byte " << b;
    }
    // The console's colours 0-15 as the terminal numbers them (red and blue
    // swap places).
    int const terminal[16] = {0, 4, 2, 6, 1, 5, 3, 7, 8, 12, 10, 14, 9, 13, 11, 15};
    for (int a = 0; a < 256; ++a) {
        PaneCell const& cell = pane[6 + (a >> 4)][a & 15];
        EXPECT_EQ(cell.glyph, std::string(1, "0123456789ABCDEF"[a & 15])) << "attribute " << a;
        EXPECT_EQ(cell.foreground, terminal[a & 15]) << "attribute " << a;
        EXPECT_EQ(cell.background, terminal[a >> 4]) << "attribute " << a;
        EXPECT_FALSE(cell.bold) << "attribute " << a;
    }
    // Yellow on blue: the console's 14 and 1 are the terminal's 11 and 4.
    ASSERT_EQ(pane[24].size(), 80u);
    EXPECT_EQ(pane[24][79].glyph, "♦");
    EXPECT_EQ(pane[24][79].foreground, 11);
    EXPECT_EQ(pane[24][79].background, 4);
    EXPECT_EQ(tmux.Show("#{cursor_flag}"), "0") << "the probe hides the cursor";
}

TEST(TerminalScreen, EightColourTerminalShowsBrightColoursInBoldAndStaysReadable) {
    REQUIRE_TMUX();
    Tmux tmux;
    StartProbe(tmux, "read", "screen");
    Pane const pane = tmux.Cells();
    ASSERT_GE(pane.size(), 25u);
    auto at = [&](int attribute) { return pane[6 + (attribute >> 4)][attribute & 15]; };
    PaneCell const lightRed = at(0x0C);
    EXPECT_EQ(lightRed.foreground, 1);
    EXPECT_TRUE(lightRed.bold);
    PaneCell const whiteOnBlue = at(0x1F);
    EXPECT_EQ(whiteOnBlue.foreground, 7);
    EXPECT_EQ(whiteOnBlue.background, 4);
    EXPECT_TRUE(whiteOnBlue.bold);
    PaneCell const darkGreyOnBlack = at(0x08);
    EXPECT_NE(darkGreyOnBlack.foreground, darkGreyOnBlack.background) << "dark grey must not vanish on black";
    PaneCell const yellowOnBrown = at(0x6E);
    EXPECT_NE(yellowOnBrown.foreground, yellowOnBrown.background);
    PaneCell const greenOnGreen = at(0x22);
    EXPECT_EQ(greenOnGreen.foreground, 2) << "a colour on itself is left as drawn";
}

TEST(TerminalScreen, WithoutUtf8LocaleGlyphsGetAsciiStandIns) {
    REQUIRE_TMUX();
    Tmux tmux;
    StartProbe(tmux, "read", "tmux-256color", "C");
    std::string const text = tmux.Text();
    for (unsigned char c : text) {
        ASSERT_LT(c, 0x80) << "only ASCII is written";
    }
    std::string const row3 = Tmux::RowOf(text, 3);  // bytes 128-191
    std::string const row4 = Tmux::RowOf(text, 4);  // bytes 192-255
    ASSERT_GE(row3.size(), 64u);
    EXPECT_EQ(row3.substr(176 - 128, 4), ".:#|") << "shades and a line";
    EXPECT_EQ(row4[219 - 192], '#') << "the full block";
    EXPECT_EQ(row4[196 - 192], '-');
    EXPECT_EQ(row3[155 - 128], 'c') << "the cent sign";
    EXPECT_EQ(Tmux::RowOf(text, 2).substr(1, 26), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
}

// ---- Keys ------------------------------------------------------------------------

int Count(std::string const& text, char const* label) {
    std::size_t const at = text.find(label);
    return at == std::string::npos ? -1 : std::atoi(text.c_str() + at + std::strlen(label));
}

struct KeyCase {
    std::vector<std::string> tmuxKeys;  // tmux key names, or
    std::string typed;                  // bytes typed literally
    int virtualKey;
    int character;
};

// The "vk=.. ch=.." line the probe shows for the key-down numbered
// `number` (counting from 1), once it has read that many.
std::string KeyShown(Tmux& tmux, int number) {
    std::string const label = "key " + std::to_string(number) + ": ";
    std::string line;
    if (!tmux.WaitFor([&](std::string const& t) {
            line = Tmux::RowOf(t, 24);
            return line.rfind(label, 0) == 0;
        })) {
        return "no key arrived: " + line;
    }
    line = line.substr(label.size());
    return line.substr(0, line.find_last_not_of(' ', 40) + 1);
}

// Sends one key and returns the line the probe shows for it.
std::string Press(Tmux& tmux, KeyCase const& key, int number) {
    if (key.typed.empty()) {
        tmux.Keys(key.tmuxKeys);
    } else {
        tmux.Type(key.typed);
    }
    return KeyShown(tmux, number);
}

std::string Expect(int virtualKey, int character) {
    return "vk=" + std::to_string(virtualKey) + " ch=" + std::to_string(character);
}

std::vector<KeyCase> const& KeyCases() {
    static std::vector<KeyCase> const cases = {
        {{"Up"}, "", 38, 0},      {{"Down"}, "", 40, 0},   {{"Left"}, "", 37, 0},    {{"Right"}, "", 39, 0},
        {{"PPage"}, "", 33, 0},   {{"NPage"}, "", 34, 0},  {{"Home"}, "", 36, 0},    {{"End"}, "", 35, 0},
        {{"IC"}, "", 45, 0},      {{"DC"}, "", 46, 0},     {{"F1"}, "", 112, 0},     {{"F12"}, "", 123, 0},
        {{"Escape"}, "", 27, 27}, {{"Enter"}, "", 13, 13}, {{"C-j"}, "", 13, 13},    {{"BSpace"}, "", 8, 8},
        {{"C-h"}, "", 8, 8},      {{"Tab"}, "", 9, 9},     {{}, " ", 32, 32},        {{}, "0", 48, 48},
        {{}, "9", 57, 57},        {{}, "a", 65, 97},       {{}, "z", 90, 122},       {{}, "A", 65, 65},
        {{}, "Y", 89, 89},        {{}, "n", 78, 110},      {{"Escape"}, "", 27, 27}, {{}, ";", 186, 59},
        {{}, "=", 187, 61},       {{}, ",", 188, 44},      {{}, "-", 189, 45},       {{}, ".", 190, 46},
        {{}, "/", 191, 47},       {{}, "`", 192, 96},      {{}, "[", 219, 91},       {{}, "\\", 220, 92},
        {{}, "]", 221, 93},       {{}, "'", 222, 39},      {{}, "?", 191, 63},       {{}, "!", 49, 33},
        {{}, "\"", 222, 34},      {{}, "~", 192, 126},     {{"Escape"}, "", 27, 27}, {{"Up"}, "", 38, 0},
        {{"KP2"}, "", 40, 0},     {{"KP/"}, "", 191, 47},
    };
    return cases;
}

void ExpectKeysArrive(Tmux& tmux) {
    int number = 0;
    for (KeyCase const& key : KeyCases()) {
        ++number;
        std::string const name = key.typed.empty() ? key.tmuxKeys[0] : "'" + key.typed + "'";
        EXPECT_EQ(Press(tmux, key, number), Expect(key.virtualKey, key.character)) << name;
        EXPECT_TRUE(key.virtualKey < con::VK_PRIOR || key.virtualKey > con::VK_DOWN || key.character == 0)
            << name << ": a typed character never reads as a page or arrow key";
    }
}

TEST(TerminalKeys, BlockingReadsGetEveryKeyWithItsCodesAndItsRelease) {
    REQUIRE_TMUX();
    Tmux tmux;
    StartProbe(tmux, "read");
    ExpectKeysArrive(tmux);
    int const downs = static_cast<int>(KeyCases().size()) + 1;
    // A byte that starts no character, and the key that cuts it short: the
    // key is read, and at once.
    tmux.Type("\xff");
    EXPECT_EQ(Press(tmux, {{"Up"}, "", 38, 0}, downs), Expect(38, 0)) << "Up after a stray byte";
    EXPECT_TRUE(tmux.WaitFor([&](std::string const& t) { return Count(t, "ups=") == downs; }))
        << "each key-down is followed by its release\n"
        << tmux.Text();
}

TEST(TerminalKeys, BytesOfNoKeyAreDroppedAndAKeyInTwoPartsArrivesWhole) {
    REQUIRE_TMUX();
    Tmux tmux;
    StartProbe(tmux, "read");
    auto const downs = [&](int n) {
        return tmux.WaitFor([&](std::string const& t) { return Count(t, "downs=") == n; });
    };
    // In one write: the key after the stray byte is read at once.
    tmux.Type("z\xff\x1b[B");
    EXPECT_EQ(KeyShown(tmux, 2), Expect(40, 0)) << "Down after z and a stray byte";
    EXPECT_TRUE(downs(2)) << "z read too\n" << tmux.Text();
    tmux.Type(
        "\xff"
        "a");
    EXPECT_EQ(KeyShown(tmux, 3), Expect(65, 97)) << "the byte after a stray one is kept";
    // The first byte of e acute comes with a letter, the second a little later.
    tmux.Type("a\xc3");
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    tmux.Type("\xa9");
    EXPECT_EQ(KeyShown(tmux, 5), Expect(0, 130)) << "e acute, whole";
    EXPECT_TRUE(downs(5)) << tmux.Text();
    // Junk that used to end the game: each lone byte was counted as a
    // wake-up with no input, as though the terminal had gone.
    for (int i = 0; i < 150; ++i) {
        tmux.Type("\xff");
    }
    EXPECT_EQ(Press(tmux, {{}, "x", 88, 120}, 6), Expect(88, 120)) << "still reading after the junk";
    // A control sequence the terminal's description lacks is dropped whole,
    // and one cut apart is still its key: neither is an Escape and letters.
    tmux.Type("\x1b[99~b");
    EXPECT_EQ(KeyShown(tmux, 7), Expect(66, 98)) << "b after an unknown sequence";
    tmux.Type("\x1b[");
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    tmux.Type("B");
    EXPECT_EQ(KeyShown(tmux, 8), Expect(40, 0)) << "Down in two parts";
    tmux.Type("\x1b[" + std::string(40, '1') + "~c");
    EXPECT_EQ(KeyShown(tmux, 9), Expect(67, 99)) << "c after a sequence longer than any key's";
    tmux.Type("\x1bO2Pv");
    EXPECT_EQ(KeyShown(tmux, 11), Expect(86, 118)) << "v after Shift+F1 as old terminals send it";
    EXPECT_TRUE(downs(11)) << tmux.Text();
}

TEST(TerminalKeys, TheKeypadReadsAsItsKeysWhereTheTerminalNamesThemOtherwise) {
    // xterm's description gives most keypad keys codes of their own, which
    // the game does not know: they used to do nothing at all.
    REQUIRE_TMUX();
    Tmux tmux;
    StartProbe(tmux, "read", "xterm-256color");
    EXPECT_EQ(Press(tmux, {{"KP8"}, "", 38, 0}, 1), Expect(38, 0)) << "Up";
    EXPECT_EQ(Press(tmux, {{"KP9"}, "", 33, 0}, 2), Expect(33, 0)) << "Page Up";
    EXPECT_EQ(Press(tmux, {{"KP+"}, "", 187, 43}, 3), Expect(187, 43));
    EXPECT_EQ(Press(tmux, {{"KP7"}, "", 36, 0}, 4), Expect(36, 0)) << "Home";
}

// The probe on a pseudo-terminal of the test's own, for bytes and resizes
// timed to the millisecond, drawn and at rest. What it shows is not read, only
// the count of keys it says it read once F10 ends it.
class PtyProbe : public PtyProgram {
public:
    PtyProbe(char const* mode, int columns, int rows) : PtyProgram(TOOL_termprobe, {mode}, columns, rows) {
        ReadUntil("downs=0", std::chrono::seconds(10));
        Read(std::chrono::milliseconds(1500), std::chrono::milliseconds(1500));
    }
    std::string Finish() {
        Send("\x1b[21~");
        if (!ReadUntil(" keys read", std::chrono::seconds(10))) {
            return "nothing";
        }
        std::size_t const at = Output().rfind("termprobe: ");
        return Output().substr(at, Output().find(" keys read", at) + 10 - at);
    }
};

TEST(TerminalKeys, APollingLoopReadsAKeyThatComesRightAfterAResize) {
    // The pass that drew a resize used to be followed by the screen's
    // flush, which dropped a key that came while it drew.
    PtyProbe probe("poll", 80, 25);
    for (int i = 1; i <= 20; ++i) {
        probe.Resize(80 + i % 2, 25);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        probe.Send("k");
        probe.Read(std::chrono::milliseconds(50), std::chrono::milliseconds(50));
    }
    EXPECT_EQ(probe.Finish(), "termprobe: 21 keys read");
}

TEST(TerminalKeys, AKeyWhoseRestCameDuringARedrawReadsWhole) {
    // The rest of an Up came a few milliseconds after its Escape, while a
    // very large terminal was drawn anew after a resize (which takes the
    // curses library a tenth of a second and more); the Escape's time was
    // over once it was drawn, and it used to be ruled an Escape before what
    // had come was read. The rule itself is the reader's, tested there; here
    // the margins are wide. Only this side's sending can part the bytes: a
    // busy machine that held it back between them for longer than an
    // Escape's time may have parted them rightly, and a try that went wrong
    // so is made again.
    using Clock = std::chrono::steady_clock;
    for (int attempt = 1; attempt <= 3; ++attempt) {
        PtyProbe probe("read", 2000, 500);
        bool spoiled = false;
        for (int i = 1; i <= 6; ++i) {
            auto const sent = Clock::now();
            probe.Send("\x1b");
            probe.Resize(2000 + i % 2, 500);
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            probe.Send("[A");
            spoiled = spoiled || Clock::now() - sent > std::chrono::milliseconds(25);
            probe.Read(std::chrono::milliseconds(400), std::chrono::milliseconds(400));
        }
        std::string const result = probe.Finish();
        if (!spoiled || result == "termprobe: 7 keys read") {
            EXPECT_EQ(result, "termprobe: 7 keys read") << "six Ups and F10, no Escape and letters";
            return;
        }
    }
    GTEST_SKIP() << "the machine was too busy to send an Escape and its rest together";
}

// Starts the probe from an interactive shell (with job control), and waits
// until it has drawn its screen.
void StartProbeFromShell(Tmux& tmux) {
    tmux.Start("sh");
    ASSERT_TRUE(tmux.WaitForText("$"));
    tmux.Type(Probe() + "\n");
    ASSERT_TRUE(tmux.WaitForText("downs=0")) << tmux.Text();
}

// Stops the program in the pane and, once the shell says so, continues it.
void StopAndContinue(
    Tmux& tmux, std::function<void()> const& whileStopped = [] {}) {
    tmux.Keys({"C-z"});
    ASSERT_TRUE(tmux.WaitForText("Stopped")) << tmux.Text();
    whileStopped();
    tmux.Type("fg\n");
    ASSERT_TRUE(tmux.WaitFor([&](std::string const& t) {
        return t.find("TERMPROBE") != std::string::npos && tmux.Show("#{alternate_on}") == "1";
    })) << tmux.Text();
}

// "ixon" or "-ixon": whether the pane's terminal has flow control, read from outside.
std::string FlowControl(Tmux const& tmux) {
    std::string const modes = Run({"stty", "-F", tmux.Show("#{pane_tty}"), "-a"}).output;
    return modes.find("-ixon") != std::string::npos  ? "-ixon"
           : modes.find("ixon") != std::string::npos ? "ixon"
                                                     : "unknown: " + modes;
}

TEST(TerminalKeys, CtrlSAndCtrlQAreKeysWhileTheGameRunsAndTheShellGetsFlowControlBack) {
    // Ctrl-S used to freeze the screen until Ctrl-Q, while the keys typed
    // meanwhile still acted unseen.
    REQUIRE_TMUX();
    Tmux tmux;
    StartProbeFromShell(tmux);
    EXPECT_EQ(FlowControl(tmux), "-ixon");
    EXPECT_EQ(Press(tmux, {{"C-s"}, "", 83, 19}, 1), Expect(83, 19)) << "Ctrl-S, shown at once";
    EXPECT_EQ(Press(tmux, {{"C-q"}, "", 81, 17}, 2), Expect(81, 17)) << "Ctrl-Q";
    StopAndContinue(tmux, [&] { EXPECT_EQ(FlowControl(tmux), "ixon") << "the shell's, while stopped"; });
    EXPECT_EQ(FlowControl(tmux), "-ixon");
    EXPECT_EQ(Press(tmux, {{"C-s"}, "", 83, 19}, 3), Expect(83, 19)) << "Ctrl-S after the continue";
    tmux.Keys({"F10"});
    ASSERT_TRUE(tmux.WaitFor([&](std::string const&) { return tmux.Show("#{alternate_on}") == "0"; }));
    EXPECT_EQ(FlowControl(tmux), "ixon") << "the shell's own setting, given back";
}

TEST(TerminalKeys, AKeyPartedByAResizeOrAStopReadsWhole) {
    // The read that a signal cut short used to end the sequence there, and
    // its last bytes reached the program as keys. The stop is longer than a
    // key's bytes may take to come; the bytes after it are sent at once
    // after the continue, so a busy machine cannot part them further.
    PtyProbe probe("read", 80, 25);
    probe.Send("\x1b[1;");
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    probe.Resize(81, 25);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    probe.Send("5A");
    probe.Read(std::chrono::milliseconds(100), std::chrono::milliseconds(100));
    probe.Send("\x1bO");
    probe.Read(std::chrono::milliseconds(50), std::chrono::milliseconds(50));
    probe.Signal(SIGSTOP);
    std::this_thread::sleep_for(std::chrono::milliseconds(700));
    probe.Signal(SIGCONT);
    probe.Send("B");
    probe.Read(std::chrono::milliseconds(100), std::chrono::milliseconds(100));
    probe.Send("x");
    EXPECT_EQ(probe.Finish(), "termprobe: 4 keys read") << "Ctrl+Up, Down, x and F10, and no letters of them";
}

TEST(TerminalKeys, PollingLoopsGetEveryKeyWithItsCodes) {
    REQUIRE_TMUX();
    Tmux tmux;
    StartProbe(tmux, "poll");
    ExpectKeysArrive(tmux);
    EXPECT_EQ(Count(tmux.Text(), "ups="), 0) << "_kbhit never reports a release, and the pass flushes it";
}

// ---- Size ------------------------------------------------------------------------

// Waits for the size message of a terminal of `columns` x `rows`, and checks
// that nothing else shows: no piece of the screen before is left around it.
void ExpectTheSizeMessageAlone(Tmux const& tmux, int columns, int rows) {
    std::string const message = con::SizeMessage(columns, rows);
    ASSERT_TRUE(tmux.WaitForText(message.substr(message.find("this one is")))) << tmux.Text();
    ASSERT_TRUE(tmux.WaitUntilStill()) << tmux.Text();
    std::string const shown = tmux.Text();
    auto const ink = [](std::string const& t) {
        return std::count_if(t.begin(), t.end(), [](char c) { return c != ' ' && c != '\n'; });
    };
    EXPECT_EQ(ink(shown), ink(message)) << "the message alone\n" << shown;
}

TEST(TerminalSize, TooSmallShowsTheSizeNeededAndRedrawsOnceLargeEnough) {
    REQUIRE_TMUX();
    Tmux tmux;
    tmux.Start(Probe(), 70, 20);
    ASSERT_TRUE(tmux.WaitForText("The game needs a terminal of at least 80 x 25; this one is 70 x 20."))
        << tmux.Text();
    EXPECT_EQ(tmux.Text().find("TERMPROBE"), std::string::npos) << "nothing of the game shows meanwhile";
    tmux.Resize(80, 25);
    ASSERT_TRUE(tmux.WaitForText("downs=0")) << tmux.Text();
    ASSERT_TRUE(tmux.WaitUntilStill()) << tmux.Text();
    EXPECT_EQ(tmux.Row(0).substr(0, 14), "TERMPROBE read");
    EXPECT_EQ(tmux.Row(2).substr(0, 3), "@AB");

    // Shrinking while running: the message again, then the whole screen back,
    // and the game saw no key for it.
    tmux.Resize(79, 25);
    ExpectTheSizeMessageAlone(tmux, 79, 25);
    tmux.Resize(80, 25);
    ASSERT_TRUE(tmux.WaitForText("downs=0 ups=0")) << tmux.Text();
    ASSERT_TRUE(tmux.WaitUntilStill()) << tmux.Text();
    Pane const pane = tmux.Cells();
    ASSERT_GE(pane.size(), 25u);
    EXPECT_EQ(pane[7][4].foreground, 1) << "colours redrawn too (red is the terminal's 1)";
    EXPECT_EQ(pane[7][4].background, 4);
    EXPECT_EQ(Press(tmux, {{"Down"}, "", 40, 0}, 1), Expect(40, 0)) << "the resizes were no keys";
}

TEST(TerminalSize, TheSizeMessageFitsANarrowTerminalWhole) {
    // A 60-column terminal used to show the message cut after "this one is 6".
    std::vector<std::string> const lines = con::SizeMessageLines(60, 20);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "The game needs a terminal of at least 80 x 25; this one is");
    EXPECT_EQ(lines[1], "60 x 20.");
    for (int columns : {1, 7, 20, 33}) {
        std::string joined;
        for (std::string const& line : con::SizeMessageLines(columns, 9)) {
            EXPECT_LE(line.size(), static_cast<std::size_t>(columns)) << line;
            EXPECT_FALSE(line.empty());
            joined += line;
        }
        std::string whole = con::SizeMessage(columns, 9);
        whole.erase(std::remove(whole.begin(), whole.end(), ' '), whole.end());
        joined.erase(std::remove(joined.begin(), joined.end(), ' '), joined.end());
        EXPECT_EQ(joined, whole) << "nothing lost at " << columns << " columns";
    }
    EXPECT_EQ(con::SizeMessageLines(79, 25), std::vector<std::string>{con::SizeMessage(79, 25)});

    REQUIRE_TMUX();
    Tmux tmux;
    tmux.Start(Probe(), 40, 12);
    ASSERT_TRUE(tmux.WaitForText("this one is 40 x 12.")) << tmux.Text();
    EXPECT_NE(tmux.Text().find("The game needs a terminal of at least"), std::string::npos) << tmux.Text();
}

TEST(TerminalScreen, CursorFollowsTheModel) {
    REQUIRE_TMUX();
    Tmux tmux;
    StartProbe(tmux);
    EXPECT_EQ(tmux.Show("#{cursor_flag}"), "0");
    tmux.Keys({"F2"});
    EXPECT_TRUE(tmux.WaitFor([&](std::string const&) {
        return tmux.Show("#{cursor_flag} #{cursor_x},#{cursor_y}") == "1 5,23";
    })) << "shown at (5, 23): "
        << tmux.Show("#{cursor_flag} #{cursor_x},#{cursor_y}");
}

TEST(TerminalSize, AResizeWhileStoppedIsDrawnOnTheContinue) {
    // No signal tells of a resize while the game is stopped; the curses
    // library finds it on the continue, and no key need be pressed.
    REQUIRE_TMUX();
    Tmux tmux;
    tmux.Start("sh");  // interactive: with job control
    ASSERT_TRUE(tmux.WaitForText("$"));
    tmux.Type(Probe() + "\n");
    ASSERT_TRUE(tmux.WaitForText("downs=0")) << tmux.Text();
    auto const stopResizeContinue = [&](int columns, int rows) {
        tmux.Keys({"C-z"});
        ASSERT_TRUE(tmux.WaitForText("Stopped")) << tmux.Text();
        tmux.Resize(columns, rows);
        tmux.Type("clear; fg\n");
    };
    stopResizeContinue(70, 20);
    ExpectTheSizeMessageAlone(tmux, 70, 20);
    stopResizeContinue(80, 25);
    ASSERT_TRUE(tmux.WaitForText("downs=0 ups=0")) << tmux.Text();
    ASSERT_TRUE(tmux.WaitUntilStill()) << tmux.Text();
    EXPECT_EQ(tmux.Row(2).substr(0, 3), "@AB") << "the whole screen drawn back\n" << tmux.Text();
    EXPECT_EQ(Press(tmux, {{"Down"}, "", 40, 0}, 1), Expect(40, 0)) << "the resizes were no keys";
}

// ---- Terminal types ----------------------------------------------------------------

TEST(TerminalType, OneThatCannotPlaceTheCursorOrNoneSetIsRefusedAndLeftAsItWas) {
    // A dumb terminal once got a line of box glyphs and nothing readable.
    REQUIRE_TMUX();
    Tmux tmux;
    tmux.Start("sh", 160, 25, "dumb");
    ASSERT_TRUE(tmux.WaitForText("$"));
    tmux.Type("s=$(stty -g); " + Quote(MOTHERSHIP_BINARY) +
              "; echo status=$?; [ \"$s\" = \"$(stty -g)\" ] && echo modes-kept\n");
    ASSERT_TRUE(tmux.WaitForText("\nstatus=")) << tmux.Text();
    ASSERT_TRUE(tmux.WaitForText("\n$")) << tmux.Text();
    EXPECT_NE(
        tmux.Text().find("\nmothership: the game needs a terminal that can place the cursor and clear the "
                         "screen; terminal type \"dumb\" can do neither (set TERM)\nstatus=1\nmodes-kept\n"),
        std::string::npos)
        << "one line, status 1, nothing else written and the modes untouched\n"
        << tmux.Text();
    // Unset, then empty: the same line twice.
    std::string const game = Quote(MOTHERSHIP_BINARY);
    tmux.Type("for t in unset empty; do if [ $t = unset ]; then env -u TERM " + game +
              "; else TERM= " + game + "; fi; echo status=$?; done\n");
    std::string const unset =
        "\nmothership: TERM is not set, so the terminal type is unknown (set TERM)\nstatus=1";
    EXPECT_TRUE(tmux.WaitForText(unset + unset + "\n")) << tmux.Text();
}

// ---- At rest ------------------------------------------------------------------------

// Long enough for a polling screen that stands still to be at rest.
constexpr std::chrono::seconds kRest{3};

TEST(TerminalRest, TheTitleKeepsMovingAfterALongIdleSpell) {
    // Its runners and marker are paced by counting passes, so its polls
    // change the screen all the time and it never rests.
    REQUIRE_TMUX();
    Tmux tmux;
    tmux.Start(GameCommand());
    ASSERT_TRUE(tmux.WaitFor(TitleShown)) << tmux.Text();
    std::this_thread::sleep_for(kRest);
    std::string const before = tmux.Text();
    auto rowWith = [](std::string const& text, char const* item) {
        for (int y = 0; y < 25; ++y) {
            if (Tmux::RowOf(text, y).find(item) != std::string::npos) {
                return y;
            }
        }
        return -1;
    };
    int const marker = rowWith(before, "NEW GAME");  // the highlighted item, the marker's row
    int const bottom = rowWith(before, "EXIT") + 1;  // the frame's lowest edge
    ASSERT_GT(marker, 0) << before;
    EXPECT_TRUE(tmux.WaitFor([&](std::string const& now) {
        return Tmux::RowOf(now, marker) != Tmux::RowOf(before, marker) &&
               Tmux::RowOf(now, marker - 1) + Tmux::RowOf(now, bottom) !=
                   Tmux::RowOf(before, marker - 1) + Tmux::RowOf(before, bottom);
    })) << "the marker and the runners on the frame's edges move on\n"
        << before << "\n"
        << tmux.Text();
}

TEST(TerminalRest, TheMainDeckAtRestAnswersAResizeAndAKey) {
    REQUIRE_TMUX();
    Tmux tmux;
    ASSERT_TRUE(StartNewGame(tmux));
    std::this_thread::sleep_for(kRest);
    tmux.Resize(79, 25);
    ExpectTheSizeMessageAlone(tmux, 79, 25);
    tmux.Resize(80, 25);
    ASSERT_TRUE(AwaitScreen(tmux, OnDeckAt(" NAVIGATION:"), "the main deck drawn again"));
    std::this_thread::sleep_for(kRest);
    EXPECT_TRUE(Press(tmux, "Right", OnDeckAt(" RESEARCH:"), "the research station highlighted"));
}

// ---- Giving the terminal back ----------------------------------------------------

// The process id the probe shows on its first row.
std::string ProbePid(Tmux const& tmux) {
    std::string const row = tmux.Row(0);
    std::size_t const at = row.find("pid=");
    return at == std::string::npos ? "" : std::to_string(std::atoi(row.c_str() + at + 4));
}

std::function<void(Tmux&)> SendSignal(char const* name) {
    return [name](Tmux& tmux) {
        std::string const pid = ProbePid(tmux);
        ASSERT_FALSE(pid.empty());
        ASSERT_EQ(Run({"kill", std::string("-") + name, pid}).status, 0);
    };
}

TEST(TerminalRestore, AfterANormalExit) {
    REQUIRE_TMUX();
    ExpectTerminalGivenBack(
        Probe(), "downs=0", [](Tmux& tmux) { tmux.Keys({"F10"}); }, "0");
}

TEST(TerminalRestore, AfterSigint) {
    REQUIRE_TMUX();
    ExpectTerminalGivenBack(
        Probe(), "downs=0", [](Tmux& tmux) { tmux.Keys({"C-c"}); }, "130");
}

TEST(TerminalRestore, AfterSigtermSighupAndSigquit) {
    REQUIRE_TMUX();
    ExpectTerminalGivenBack(Probe(), "downs=0", SendSignal("TERM"), "143");
    ExpectTerminalGivenBack(Probe("poll"), "downs=0", SendSignal("HUP"), "129");
    ExpectTerminalGivenBack(Probe(), "downs=0", SendSignal("QUIT"), "131");
}

TEST(TerminalRestore, AfterAFatalSignalOrAnUncaughtException) {
    REQUIRE_TMUX();
    ExpectTerminalGivenBack(Probe(), "downs=0", SendSignal("SEGV"), "");
    ExpectTerminalGivenBack(
        Probe("throw"), "downs=0", [](Tmux& tmux) { tmux.Keys({"F9"}); }, "134");
}

// ---- Resizes -------------------------------------------------------------------------

// Whether a debugger is tracing the process.
bool Traced(std::string const& pid) {
    std::ifstream status("/proc/" + pid + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("TracerPid:")) {
            return std::atoi(line.c_str() + 10) != 0;
        }
    }
    return false;
}

TEST(TerminalResize, ASignalJustBeforeTheWaitForAKeyIsDrawnAtOnce) {
    // A resize whose signal landed after the last look for one and before
    // the wait for a key once stayed unseen until the next key. A debugger
    // stops the probe as it enters that wait, the pane is made too small
    // meanwhile, and once let go the probe must say so with no key pressed.
    REQUIRE_TMUX();
#if defined(__x86_64__)
    std::string const timeout = "(int)$rdx";
#elif defined(__aarch64__)
    std::string const timeout = "(int)$x2";
#else
    GTEST_SKIP() << "where poll's third argument is held is not known here";
#endif
    if (testing_support::Run({"gdb", "--version"}).status != 0) {
        GTEST_SKIP() << "no debugger";
    }
    Tmux tmux;
    StartProbe(tmux);
    std::string const pid = ProbePid(tmux);
    ASSERT_FALSE(pid.empty());
    std::string const script = ::testing::TempDir() + "resize-race-" + pid + ".gdb";
    std::ofstream(script) << "set pagination off\n"
                          << "handle SIGWINCH nostop noprint pass\n"
                          << "break poll if " << timeout << " < 0\n"  // a wait without end
                          << "continue\n"
                          << "delete\n"
                          << "shell " << tmux.ResizeCommandLine(79, 25) << "; sleep 0.5\n"
                          << "detach\n";
    Result debugger;
    std::thread run([&] {
        debugger = testing_support::Run(
            {"sh", "-c", "timeout 120 gdb -nx -batch -p " + pid + " -x " + Quote(script) + " 2>&1"});
    });
    auto const deadline = std::chrono::steady_clock::now() + Tmux::kDeadline;
    while (!Traced(pid) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    bool const attached = Traced(pid);
    if (attached) {
        tmux.Keys({"x"});  // read, and then the wait where the debugger stops it
    }
    run.join();
    std::remove(script.c_str());
    if (!attached) {
        GTEST_SKIP() << "the debugger could not attach:\n" << debugger.output;
    }
    ASSERT_NE(debugger.output.find("Breakpoint 1"), std::string::npos) << debugger.output;
    ExpectTheSizeMessageAlone(tmux, 79, 25);
}

}  // namespace
