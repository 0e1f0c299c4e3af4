#include <algorithm>
#include <gtest/gtest.h>

#include "platform/Console.h"
#include "platform/Cp437.h"
#include "platform/VirtualConsole.h"

namespace {

using con::Coord;
using con::KeyRecord;

con::Handle Out() { return con::GetStdHandle(con::STD_OUTPUT_HANDLE); }
con::Handle In() { return con::GetStdHandle(con::STD_INPUT_HANDLE); }

KeyRecord ReadOne() {
    KeyRecord r;
    uint32_t n = 0;
    con::ReadConsoleInputA(In(), &r, 1, &n);
    EXPECT_EQ(n, 1u);
    return r;
}

TEST(ScreenModel, WritesWrapAtColumn80AndNeverScroll) {
    con::ScopedVirtualConsole vc;
    con::SetConsoleTextAttribute(Out(), 30);
    ASSERT_TRUE(con::SetConsoleCursorPosition(Out(), Coord{78, 3}));
    con::Write("abcd", 4);
    EXPECT_EQ(vc->Text(3, 78, 80), "ab");
    EXPECT_EQ(vc->Text(4, 0, 2), "cd");
    EXPECT_EQ(vc->AttrAt(0, 4), 30);

    con::SetConsoleCursorPosition(Out(), Coord{78, 24});
    con::Write("xyz", 3);
    EXPECT_EQ(vc->Text(24, 78, 80), "xy");
    EXPECT_EQ(vc->DroppedWrites(), 1);
    EXPECT_EQ(vc->Text(0, 0, 3), "   ") << "nothing scrolled";
}

TEST(ScreenModel, ControlBytesActAsProcessedOutput) {
    con::ScopedVirtualConsole vc;
    con::SetConsoleCursorPosition(Out(), Coord{5, 2});
    con::Write("ab\bc\x07", 5);
    EXPECT_EQ(vc->Text(2, 5, 8), "ac ");
    con::Write("\nq\rZ\tT", 6);
    EXPECT_EQ(vc->Text(3, 0, 10), "Z       T ");
}

TEST(ScreenModel, ClearUsesCurrentAttributeAndKeepsCursorVisibility) {
    con::ScopedVirtualConsole vc;
    con::CursorInfo hidden{100, false};
    con::SetConsoleCursorInfo(Out(), &hidden);
    con::SetConsoleTextAttribute(Out(), 78);
    con::SetConsoleCursorPosition(Out(), Coord{10, 10});
    con::ClearConsole();
    EXPECT_EQ(vc->AttrAt(79, 24), 78);
    EXPECT_EQ(vc->Cursor().X, 0);
    EXPECT_EQ(vc->Cursor().Y, 0);
    con::CursorInfo info;
    con::GetConsoleCursorInfo(Out(), &info);
    EXPECT_FALSE(info.visible);
    con::BufferInfo buffer{};
    con::GetConsoleScreenBufferInfo(Out(), &buffer);
    EXPECT_EQ(buffer.attributes, 78);
}

TEST(ScreenModel, RefusesPositionsOutsideTheGrid) {
    con::ScopedVirtualConsole vc;
    con::SetConsoleCursorPosition(Out(), Coord{4, 4});
    EXPECT_FALSE(con::SetConsoleCursorPosition(Out(), Coord{80, 0}));
    EXPECT_FALSE(con::SetConsoleCursorPosition(Out(), Coord{0, 25}));
    EXPECT_FALSE(con::SetConsoleCursorPosition(Out(), Coord{-1, 3}));
    EXPECT_EQ(vc->RefusedPositions(), 3);
    EXPECT_EQ(vc->Cursor().X, 4);
    EXPECT_EQ(vc->Cursor().Y, 4);
}

TEST(KeyInput, EveryKeyDownIsFollowedByItsReleaseEvenAcrossAFlush) {
    con::ScopedVirtualConsole vc;
    vc->Press(con::VK_UP).Type("q");
    KeyRecord first = ReadOne();
    EXPECT_TRUE(first.keyDown);
    EXPECT_EQ(first.virtualKey, con::VK_UP);
    con::FlushConsoleInputBuffer(In());
    KeyRecord release = ReadOne();
    EXPECT_FALSE(release.keyDown);
    EXPECT_EQ(release.virtualKey, con::VK_UP);
    KeyRecord q = ReadOne();
    EXPECT_TRUE(q.keyDown);
    EXPECT_EQ(q.virtualKey, 'Q');
    EXPECT_EQ(q.character, 'q');
}

TEST(KeyInput, KbhitNeverReportsARelease) {
    con::ScopedVirtualConsole vc;
    vc->Enter();
    EXPECT_EQ(con::_kbhit(), 1);
    EXPECT_EQ(con::_kbhit(), 1) << "polling removes nothing";
    ReadOne();
    EXPECT_EQ(con::_kbhit(), 0) << "only the release waits";
    KeyRecord release = ReadOne();
    EXPECT_FALSE(release.keyDown);
}

TEST(KeyInput, ScriptedKeysWaitForIdlePollsAndAreNotFlushedUnseen) {
    con::ScopedVirtualConsole vc;
    vc->Idle(3).Down().Down();
    int polls = 0;
    int downs = 0;
    while (downs < 2) {
        ++polls;
        if (con::_kbhit()) {
            KeyRecord r = ReadOne();
            if (r.keyDown && r.virtualKey == con::VK_DOWN) {
                ++downs;
            }
        }
        con::FlushConsoleInputBuffer(In());
    }
    EXPECT_EQ(polls, 6) << "3 idle, a key, the release pass, a key";
}

TEST(KeyInput, ExhaustedScriptEndsBlockingReadsAndPollingLoops) {
    con::ScopedVirtualConsole vc;
    EXPECT_THROW(ReadOne(), con::ScriptExhausted);
    vc->pollsAfterScript = 50;
    long polls = 0;
    EXPECT_THROW(
        {
            for (;;) {
                ++polls;
                con::_kbhit();
            }
        },
        con::ScriptExhausted);
    EXPECT_EQ(polls, 51);
}

TEST(KeyInput, KeyboardCodesForTypedCharacters) {
    EXPECT_EQ(con::VirtualConsole::RecordFor('a').virtualKey, 'A');
    EXPECT_EQ(con::VirtualConsole::RecordFor('A').character, 'A');
    EXPECT_EQ(con::VirtualConsole::RecordFor('7').virtualKey, '7');
    EXPECT_EQ(con::VirtualConsole::RecordFor('\n').virtualKey, con::VK_RETURN);
    EXPECT_EQ(con::VirtualConsole::RecordFor(127).virtualKey, con::VK_BACK);
    for (char c : std::string("!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~")) {
        uint16_t const vk = con::VirtualConsole::RecordFor(c).virtualKey;
        EXPECT_TRUE(vk < con::VK_PRIOR || vk > con::VK_DOWN) << c << " must not read as a page or arrow key";
    }
    con::KeyRecord const ctrlC = con::VirtualConsole::RecordFor(3);
    EXPECT_EQ(ctrlC.virtualKey, 'C') << "Ctrl+letter is the letter's key";
    EXPECT_EQ(ctrlC.character, 3);
    for (int b = 128; b < 256; ++b) {
        EXPECT_EQ(con::VirtualConsole::RecordFor(static_cast<char>(b)).virtualKey, 0)
            << b << ": no letter key for a byte beyond ASCII, whatever the locale says";
    }
}

TEST(VirtualClock, SleepAdvancesWithoutWaitingAndCanRecordFrames) {
    con::ScopedVirtualConsole vc;
    std::vector<uint64_t> at;
    vc->onSleep = [&](con::VirtualConsole& v, uint32_t) { at.push_back(v.NowMs()); };
    con::Sleep(80);
    con::Sleep(80);
    EXPECT_EQ(vc->NowMs(), 160u);
    EXPECT_EQ(at, (std::vector<uint64_t>{0, 80}));
}

TEST(Sizing, FollowsTheConsoleRules) {
    con::ScopedVirtualConsole vc;
    EXPECT_FALSE(con::SetConsoleScreenBufferSize(Out(), Coord{40, 10})) << "smaller than the window";
    con::Rect too_big{0, 0, 99, 24};
    EXPECT_FALSE(con::SetConsoleWindowInfo(Out(), true, &too_big));
    con::Rect fits{0, 0, 79, 24};
    EXPECT_TRUE(con::SetConsoleWindowInfo(Out(), true, &fits));
    Coord largest = con::GetLargestConsoleWindowSize(Out());
    EXPECT_EQ(largest.X, 80);
    EXPECT_EQ(largest.Y, 25);
    EXPECT_EQ(vc->sizingLog.size(), 3u);
}

TEST(Cp437, GlyphsOfTheGameShowAsUnicode) {
    EXPECT_EQ(con::Cp437ToUnicode(176), U'\u2591');
    EXPECT_EQ(con::Cp437ToUnicode(219), U'\u2588');
    EXPECT_EQ(con::Cp437ToUnicode(155), U'\u00A2');
    EXPECT_EQ(con::Cp437ToUnicode(22), U'\u25AC');
    EXPECT_EQ(con::Cp437ToUnicode(127), U'\u2302');
    EXPECT_EQ(con::Cp437ToUnicode(254), U'\u25A0');
    EXPECT_EQ(con::Cp437ToUnicode(255), U'\u00A0');
    EXPECT_EQ(con::Cp437ToUtf8('A'), "A");
    for (int b = 1; b < 256; ++b) {
        EXPECT_EQ(con::UnicodeToCp437(con::Cp437ToUnicode(static_cast<uint8_t>(b))), b == 32 ? 32 : b);
    }
    EXPECT_EQ(con::Utf8ToCp437("╔═╗"), std::string("\xC9\xCD\xBB"));
}

TEST(Cp437, AsciiStandInsAreReadable) {
    for (int b = 0; b < 256; ++b) {
        char const c = con::Cp437ToAscii(static_cast<uint8_t>(b));
        EXPECT_TRUE(c >= 32 && c < 127) << b;
        if (b >= 32 && b < 127) {
            EXPECT_EQ(c, b);
        }
    }
    EXPECT_EQ(con::Cp437ToAscii(176), '.');
    EXPECT_EQ(con::Cp437ToAscii(178), '#');
    EXPECT_EQ(con::Cp437ToAscii(219), '#');
    EXPECT_EQ(con::Cp437ToAscii(179), '|');
    EXPECT_EQ(con::Cp437ToAscii(205), '-');
    EXPECT_EQ(con::Cp437ToAscii(201), '+');
    EXPECT_EQ(con::Cp437ToAscii(130), 'e') << "e acute";
    EXPECT_EQ(con::Cp437ToAscii(154), 'U') << "U umlaut";
    EXPECT_EQ(con::Cp437ToAscii(0), ' ');
    EXPECT_EQ(con::Cp437ToAscii(255), ' ');
}

TEST(VirtualScreen, ShowsGlyphsAsUtf8PicturesAndAttributes) {
    con::ScopedVirtualConsole vc;
    con::SetConsoleTextAttribute(Out(), 0x1E);
    con::SetConsoleCursorPosition(Out(), Coord{3, 2});
    con::Write("\xC9\xCD\xBB", 3);
    con::SetConsoleCursorPosition(Out(), Coord{3, 3});
    con::Write("\xBA\x03\xBA", 3);
    EXPECT_EQ(vc->Picture(2, 2, 5, 2), " ╔═╗ \n ║♥║ ");
    EXPECT_EQ(vc->Attributes(2, 2, 3, 2), "7 30 30\n7 30 30");
    std::string const dump = vc->Dump();
    EXPECT_NE(dump.find("\n   ║♥║"), std::string::npos) << dump;
    EXPECT_EQ(std::count(dump.begin(), dump.end(), '|'), 25) << "one marked line end per row";
}

}  // namespace
