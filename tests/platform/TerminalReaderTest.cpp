// The terminal's bytes read into keys, without a terminal: each row gives the
// bytes as terminals send them, the pauses between, and the keys the game
// must be handed.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "platform/Cp437.h"
#include "platform/Keyboard.h"
#include "platform/TerminalReader.h"

namespace {

using con::KeyRecord;
using con::TerminalReader;
using namespace std::chrono_literals;

// What a reader is told of its terminal.
enum class Term {
    Vt100,   // a description that names the keypad's keys as F-keys and corners
    Cons25,  // one whose F1 is ESC [ M, and whose Page Down is ESC [ G
    Vt52,    // one whose arrows are ESC and a letter, and whose F1 is ESC P
    Bytes,   // no UTF-8: bytes as the locale reads them (the tests run in the C locale)
    // Descriptions whose keys the common sequences do not make:
    Ncsa,       // F2 is ESC [ 1 8, with no final byte
    Hp2392,     // Page Up is ESC v, and F7 ESC v CR
    EscInside,  // F1 is ESC _ A ESC backslash, Insert ESC Q ESC O, F2 ESC ESC
    Ctrm,       // one string for Up and F5, another for Insert and F4
};

TerminalReader ReaderFor(Term term) {
    TerminalReader reader(term != Term::Bytes);
    auto add = [&](char const* text, uint16_t virtualKey) {
        reader.AddTerminalKey(text, con::TerminalKeyRecord(virtualKey));
    };
    switch (term) {
        case Term::Vt100:
            for (char const* text : {"\033Ot", "\033Ou", "\033Ov", "\033Ow", "\033Ox", "\033Oy", "\033Ol"}) {
                add(text, con::VK_F1 + 4);
            }
            add("\033Op", con::VK_END);
            add("\033Oq", con::VK_HOME);
            add("\033On", con::VK_NEXT);
            add("\033[214z", con::VK_HOME);  // and a sun's Home
            break;
        case Term::Cons25:
            add("\033[M", con::VK_F1);
            add("\033[G", con::VK_NEXT);
            add("\033[P", con::VK_F1 + 3);
            break;
        case Term::Vt52:
            add("\033A", con::VK_UP);
            add("\033?p", con::VK_INSERT);
            add("\033P", con::VK_F1);  // which begins a string too
            break;
        case Term::Bytes: break;
        case Term::Ncsa: add("\033[18", con::VK_F1 + 1); break;
        case Term::Hp2392:
            add("\033v", con::VK_PRIOR);
            add("\033v\r", con::VK_F1 + 6);
            break;
        case Term::EscInside:
            add("\033_A\033\\", con::VK_F1);
            add("\033Q\033O", con::VK_INSERT);
            add("\033\033", con::VK_F1 + 1);  // Alt+Escape's bytes
            break;
        case Term::Ctrm:  // as the console tells them: the arrows and editing keys first
            add("\033t\r", con::VK_UP);
            add("\033[@", con::VK_INSERT);
            add("\033t\r", con::VK_F1 + 4);
            add("\033[@", con::VK_F1 + 3);
            break;
    }
    return reader;
}

// A piece of the input: bytes in one write, then a pause.
struct Chunk {
    std::string bytes;
    std::chrono::milliseconds pause{0};
    bool resume = false;  // the pause was a stop, and the reader is told of the continue
    bool cut = false;     // a flush after the bytes dropped what followed them unread, as for a flood
};
Chunk B(std::string bytes) { return {std::move(bytes)}; }
Chunk Wait(int ms) { return {"", std::chrono::milliseconds(ms)}; }
Chunk Stop(int ms) { return {"", std::chrono::milliseconds(ms), true}; }
Chunk Cut(std::string bytes) { return {std::move(bytes), {}, false, true}; }

struct Row {
    char const* what;
    std::vector<Chunk> input;
    char const* keys;
    Term term = Term::Vt100;
};

std::string Name(KeyRecord const& key) {
    static char const* const kNames[] = {"PgUp", "PgDn", "End", "Home", "Left", "Up", "Right", "Down"};
    if (key.character == 0) {
        if (key.virtualKey >= con::VK_PRIOR && key.virtualKey <= con::VK_DOWN) {
            return kNames[key.virtualKey - con::VK_PRIOR];
        }
        if (key.virtualKey >= con::VK_F1 && key.virtualKey < con::VK_F1 + 12) {
            return std::string("F").append(std::to_string(key.virtualKey - con::VK_F1 + 1));
        }
        return key.virtualKey == con::VK_INSERT ? "Ins" : key.virtualKey == con::VK_DELETE ? "Del" : "?";
    }
    auto const c = static_cast<unsigned char>(key.character);
    KeyRecord const typed = con::KeyRecordFor(key.character);
    if (c < 128 && (typed.virtualKey != key.virtualKey || typed.character != key.character)) {
        // Not as typed.
        return std::string("vk")
            .append(std::to_string(key.virtualKey))
            .append("/ch")
            .append(std::to_string(c));
    }
    switch (c) {
        case 27: return "Esc";
        case 13: return "Enter";
        case 9: return "Tab";
        case 8: return "BS";
        default: break;
    }
    if (c < 32) {
        return std::string("^") + static_cast<char>('@' + c);
    }
    return c < 128 ? std::string(1, static_cast<char>(c)) : con::Cp437ToUtf8(c);
}

// Feeds the row as the terminal would, letting time pass as the console's
// waits do (to each deadline in turn), and names the keys read. `flushing`:
// read as the menus read, taking a key and flushing after each.
std::string Read(Row const& row, bool flushing = false) {
    TerminalReader reader = ReaderFor(row.term);
    TerminalReader::Time now{};
    std::string names;
    auto take = [&] {
        for (KeyRecord key; reader.Next(key);) {
            names.append(names.empty() ? "" : " ").append(Name(key));
            if (flushing) {
                reader.Discard();
            }
        }
    };
    auto pass = [&](std::chrono::milliseconds pause) {
        TerminalReader::Time const end = now + pause;
        while (reader.Deadline() <= end) {
            now = std::max(now, reader.Deadline());
            reader.Tick(now);
            take();
        }
        now = end;
    };
    for (Chunk const& chunk : row.input) {
        for (char byte : chunk.bytes) {
            reader.Feed(static_cast<uint8_t>(byte), now);
        }
        reader.Tick(now);
        take();
        if (chunk.cut) {
            reader.Discard();
            reader.Cut();
        }
        if (chunk.resume) {
            now += chunk.pause;  // stopped: no time passes for the reader until the continue,
            reader.Resume(now);
            reader.Tick(now);  // where the console's wait looks at the time first
        } else {
            pass(chunk.pause);
        }
    }
    pass(1s);  // whatever is still waiting for its time
    take();
    return names;
}

std::vector<Row> const& Rows() {
    static std::vector<Row> const rows = {
        // Modified keys read as the key.
        {"Ctrl+Up", {B("\033[1;5A")}, "Up"},
        {"Shift+Down", {B("\033[1;2B")}, "Down"},
        {"Alt+Left", {B("\033[1;3D")}, "Left"},
        {"Ctrl+Home", {B("\033[1;5H")}, "Home"},
        {"Shift+F1", {B("\033[1;2P")}, "F1"},
        {"Ctrl+F5", {B("\033[15;5~")}, "F5"},
        {"Ctrl+Page Down", {B("\033[6;5~")}, "PgDn"},
        {"Ctrl+Up after ESC O", {B("\033O5A")}, "Up"},
        {"Shift+F1 after ESC O", {B("\033O2P")}, "F1"},
        {"Shift+Tab", {B("\033[Z")}, "Tab"},
        {"rxvt's Shift and Ctrl arrows", {B("\033[a\033Od")}, "Up Left"},
        {"rxvt's Shift, Ctrl and both with Home", {B("\033[7$\033[7^\033[7@")}, "Home Home Home"},
        {"a modifier past any key's is no key", {B("\033[1;99A")}, ""},
        {"1 after 1 ; is no modifier: a cursor position reply", {B("\033[1;1Rx")}, "x"},
        // Alt and a key read as the key; Escape alone as Escape.
        {"Alt+x", {B("\033x")}, "x"},
        {"Alt+5", {B("\0335")}, "5"},
        {"Alt+e acute", {B("\033\xc3\xa9")}, "é"},
        {"Alt+Enter", {B("\033\r")}, "Enter"},
        {"Alt+Up, as rxvt sends it", {B("\033\033[A")}, "Up"},
        {"Alt+Down after ESC O", {B("\033\033OB")}, "Down"},
        {"Alt+Escape", {B("\033\033")}, "Esc"},
        {"Alt+Escape, then x", {B("\033\033x")}, "Esc x"},
        {"Escape alone", {B("\033")}, "Esc"},
        {"Alt and a byte of no character is nothing", {B("\033\xff")}, ""},
        {"x within the escape delay is Alt+x", {B("\033"), Wait(20), B("x")}, "x"},
        {"x after the escape delay is a key of its own", {B("\033"), Wait(30), B("x")}, "Esc x"},
        // Mouse reports read as nothing, whole.
        {"an X10 click", {B("\033[M !!x")}, "x"},
        {"an X10 click past column 95", {B("\033[M \xe0\x90y")}, "y"},
        {"an X10 report of control bytes", {B("\033[M\x01\033\033z")}, "z"},
        {"an X10 click past column 161", {B("\033[M \xc5!z")}, "z"},
        {"a click past column 95 where the terminal sends UTF-8", {B("\033[M \303\2512x")}, "x"},
        {"a press and release at column 170, row 100, sent raw", {B("\033[M \xca\x84\033[M#\xca\x84x")}, "x"},
        {"an SGR click and release", {B("\033[<0;10;5M\033[<0;10;5mx")}, "x"},
        {"an SGR wheel turn", {B("\033[<64;10;5Mx")}, "x"},
        {"a urxvt click", {B("\033[32;10;5Mx")}, "x"},
        {"ESC [ M where it is the description's F1", {B("\033[Mab")}, "F1 a b", Term::Cons25},
        // String controls read as nothing, whole.
        {"a colour reply ended by BEL", {B("\033]11;rgb:0000/0000/0000\ax")}, "x"},
        {"a colour reply ended by ESC backslash", {B("\033]11;rgb:0000/0000/0000\033\\x")}, "x"},
        {"a DCS reply", {B("\033P1$r0m\033\\x")}, "x"},
        {"APC, PM and SOS", {B("\033_Gi=1;OK\033\\\033^pm\033\\\033Xsos\033\\x")}, "x"},
        {"a string whose end never comes", {B("\033]11;rgb:00"), Wait(600), B("x")}, "x"},
        {"Alt+] and Down together", {B("\033]\033[B")}, "Down"},
        {"a string ended by ESC ESC backslash", {B("\033]0;a\033\033\\z")}, "z"},
        {"a string parted twice by ESC ESC backslash",
         {B("\033]0;a\033"), Wait(400), B("\033"), Wait(400), B("\\z")},
         "z"},
        {"a long string in pieces", {B("\033]52;c;"), Wait(300), B("QUJD"), Wait(300), B("QUJD\az")}, "z"},
        {"a string's end parted from its ESC", {B("\033]11;rgb:1/2/3\033"), Wait(50), B("\\x")}, "x"},
        {"Alt and a string's introducer alone",
         {B("\033]"), Wait(30), B("\033P"), Wait(30), B("\033X"), Wait(30), B("\033_"), Wait(30), B("\033^"),
          Wait(30), B("f")},
         "] P X _ ^ f"},
        {"Alt+[ and Alt+O, then keys no sequence is made of",
         {B("\033["), Wait(100), B("\r\033["), Wait(100), B("\303\251\033O"), Wait(100), B("\033"), Wait(30)},
         "[ Enter [ é O Esc"},
        {"Alt+[ alone, then Down", {B("\033["), Wait(600), B("\033[B")}, "[ Down"},
        {"BEL ends only ESC ]", {B("\033Pab\acd\033\\x")}, "x"},
        {"CAN and SUB cancel a string, and are keys", {B("\033]0;t\x18z\033Pq\x1az")}, "^X z ^Z z"},
        // The Linux console's F1-F5.
        {"Linux F1-F5", {B("\033[[A\033[[B\033[[C\033[[D\033[[E")}, "F1 F2 F3 F4 F5"},
        // The keypad in application mode, the same whatever the description names it.
        {"keypad 0-4", {B("\033Op\033Oq\033Or\033Os\033Ot")}, "Ins End Down PgDn Left"},
        {"keypad 5-9", {B("\033Ou\033Ov\033Ow\033Ox\033Oy")}, "Right Home Up PgUp"},
        {"keypad . Enter and signs", {B("\033On\033OM\033Oj\033Ok\033Om\033Oo")}, "Del Enter * + - /"},
        // Unknown sequences stay dropped whole; a description's own keys are read.
        {"F13", {B("\033[25~x")}, "x"},
        {"a key with modifyOtherKeys", {B("\033[27;5;13~x")}, "x"},
        {"device attribute replies", {B("\033[?62;1;6c\033[>0;95;0cx")}, "x"},
        {"a cursor position reply", {B("\033[24;80Rx")}, "x"},
        {"focus in and out", {B("\033[I\033[Ox")}, "x"},
        {"a bracketed paste's markers", {B("\033[200~hi\033[201~")}, "h i"},
        {"hundreds of parameters", {B(std::string("\033[").append(600, ';').append("~x"))}, "x"},
        {"a description's own key", {B("\033[214z")}, "Home"},
        {"ESC [ G and P where the description has them", {B("\033[G\033[P")}, "PgDn F4", Term::Cons25},
        {"ESC and a letter where the description has it", {B("\033A\033?p\033B")}, "Up Ins B", Term::Vt52},
        // The longest key whole wins, the description's and the common ones alike.
        {"a common key longer than the description's", {B("\033[18~\033[18;5~")}, "F7 F7", Term::Ncsa},
        {"the description's key without a final byte, then z",
         {B("\033[18"), Wait(50), B("z")},
         "F2 z",
         Term::Ncsa},
        {"the description's key without a final byte, alone", {B("\033[18")}, "F2", Term::Ncsa},
        {"the description's key without a final byte, then Enter", {B("\033[18\r")}, "F2 Enter", Term::Ncsa},
        {"the description's key that is Alt+Escape's bytes", {B("\033\033")}, "F2", Term::EscInside},
        {"one key the start of another, then z", {B("\033v"), Wait(50), B("z")}, "PgUp z", Term::Hp2392},
        {"one key the start of another, alone, and the other",
         {B("\033v"), Wait(800), B("\033v\r")},
         "PgUp F7",
         Term::Hp2392},
        {"a key with an ESC inside", {B("\033_A\033\\\033Q\033Oz")}, "F1 Ins z", Term::EscInside},
        {"a description's key broken off: Alt+? and then Enter",
         {B("\033?"), Wait(100), B("\r")},
         "? Enter",
         Term::Vt52},
        {"one string for two keys: the arrow's and the editing key's",
         {B("\033t\r\033[@")},
         "Up Ins",
         Term::Ctrm},
        // A signal inside a sequence does not cut it.
        {"a sequence parted by a resize", {B("\033[1;"), Wait(100), B("5A")}, "Up"},
        {"a sequence parted by a stop", {B("\033O"), Stop(5000), B("B")}, "Down"},
        {"a sequence parted past its grace", {B("\033O"), Wait(600), B("B")}, "O B"},
        {"a sequence parted after its first two bytes", {B("\033["), Wait(300), B("B")}, "Down"},
        // Ctrl-S and Ctrl-Q are keys.
        {"Ctrl-S and Ctrl-Q", {B("\x13\x11")}, "^S ^Q"},
        // Characters, as before.
        {"a byte of no character is dropped alone", {B("z\377\033[B\377a")}, "z Down a"},
        {"a character in two parts", {B("\xc3"), Wait(400), B("\xa9")}, "é"},
        {"a character whose rest never comes", {B("\xc3"), Wait(600), B("\251a")}, "a"},
        {"a control byte inside a sequence acts as it comes", {B("\033[1\r;5A")}, "Enter Up"},
        {"CAN and SUB end a sequence, and are keys", {B("\033[1\030A\033[2;\032B")}, "^X A ^Z B"},
        {"an ESC inside a sequence begins another", {B("\033[1\033[B")}, "Down"},
        {"a character cuts a sequence short", {B("\033[1\xc3\xa9")}, "é"},
        {"bytes as the C locale reads them", {B("\351a\033b\033\303\251")}, "a b", Term::Bytes},
    };
    return rows;
}

TEST(TerminalReader, ReadsWhatTerminalsSendAsTheKeysTheConsoleWouldHand) {
    for (Row const& row : Rows()) {
        EXPECT_EQ(Read(row), row.keys) << row.what;
    }
}

TEST(TerminalReader, AKeyWholeIsToldAsSoonAsNoLongerKeyCanCome) {
    // The bytes after a key of the description's that begins a string or a
    // control sequence used to wait for the string's end, or the time.
    struct Case {
        char const* what;
        char const* bytes;
        Term term;
        char const* keys;
    };
    Case const cases[] = {
        {"a key that begins a string, and a letter", "\033Pz", Term::Vt52, "F1 z"},
        {"a key without a final byte, and a control byte", "\033[18\r", Term::Ncsa, "F2 Enter"},
    };
    for (Case const& c : cases) {
        TerminalReader reader = ReaderFor(c.term);
        for (char byte : std::string(c.bytes)) {
            reader.Feed(static_cast<uint8_t>(byte), TerminalReader::Time{});
        }
        std::string names;
        for (KeyRecord key; reader.Next(key);) {
            names.append(names.empty() ? "" : " ").append(Name(key));
        }
        EXPECT_EQ(names, c.keys) << c.what << ", with no time passing";
    }
}

TEST(TerminalReader, AFlushDropsWhatCameBeforeItWholeAndNothingAfter) {
    // Read as the menus read: a key taken, then a flush.
    std::vector<Row> const rows = {
        {"Alt+[ begun before, Enter after", {B("x\033["), Wait(100), B("\r")}, "x Enter"},
        {"a stray byte before, y after", {B("x\xc3"), Wait(100), B("y")}, "x y"},
        {"a sequence begun before, a control byte after", {B("x\033[1"), Wait(100), B("\r")}, "x Enter"},
        {"a key of the description begun before, z after",
         {B("x\033v"), Wait(100), B("z")},
         "x z",
         Term::Hp2392},
        {"a key begun before and ended after", {B("x\033[1;"), Wait(100), B("5A")}, "x"},
        {"a character begun before and ended after", {B("x\xc3"), Wait(100), B("\xa9")}, "x"},
        {"an Escape alone before", {B("x\033")}, "x"},
        // A flood's flush reads a deal of it and drops the rest unread: a
        // mouse report begun is never ended, and F10 after it is no part of it.
        {"a mouse report begun before a flood's rest was dropped, F10 after",
         {Cut("x\033[M"), Wait(200), B("\033[21~")},
         "x F10"},
        {"a reply begun before and ended after, then z",
         {B("x\033[24;"), Wait(100), B("80R"), Wait(100), B("z")},
         "x z"},
        // Alt+[ is told only when a key no sequence is made of comes after
        // it; the flush after Alt+[ leaves that key, which came later.
        {"Alt+[, told by the Enter after it", {B("\033["), Wait(100), B("\r")}, "[ Enter"},
        {"Page Up, told by the z after it", {B("\033v"), Wait(100), B("z")}, "PgUp z", Term::Hp2392},
        {"a chain of them, typed one by one",
         {B("\033["), Wait(100), B("\033["), Wait(100), B("\033["), Wait(100), B("\r")},
         "[ [ [ Enter"},
        {"a chain of Page Ups, typed one by one",
         {B("\033v"), Wait(100), B("\033v"), Wait(100), B("z")},
         "PgUp PgUp z",
         Term::Hp2392},
        // F2 is told when its time runs out, or when the sequence its digits
        // went on with ends: what came after it, key by key, is read.
        {"F2, told by its time, a digit after it", {B("\033[18"), Wait(100), B("5")}, "F2 5", Term::Ncsa},
        {"F2, a digit and a letter after it, one by one",
         {B("\033[18"), Wait(100), B("0"), Wait(100), B("z")},
         "F2 0 z",
         Term::Ncsa},
        {"F2, two digits typed ahead after it, then z",
         {B("\033[18"), Wait(100), B("50"), Wait(100), B("z")},
         "F2 5 z",
         Term::Ncsa},
        {"F2 and a digit typed ahead, then z", {B("\033[185"), Wait(100), B("z")}, "F2 z", Term::Ncsa},
        // A key that came in one write with the key before it was typed
        // ahead with it.
        {"Alt+[ and Enter typed ahead", {B("\033[\r")}, "["},
        {"a run of Alt+[ and Tab typed ahead", {B("\033[\t\033[\t\033[\t\033[\t")}, "["},
        {"a run of Escapes typed ahead", {B(std::string(8, '\033'))}, "Esc"},
    };
    for (Row const& row : rows) {
        EXPECT_EQ(Read(row, true), row.keys) << row.what;
    }
}

TEST(TerminalReader, BytesWaitingAreReadBeforeARulingOnlyWhenTheyMayHaveComeInTime) {
    struct Case {
        char const* what;
        int deadline, readTo, now;  // milliseconds
        bool paused;
        bool readsFirst;
    };
    Case const cases[] = {
        {"the time has not run out", 100, 50, 90, false, false},
        {"read to its end after the time ran out", 100, 110, 130, false, false},
        {"read to its end as the time ran out", 100, 100, 130, false, false},
        {"the screen was drawn, or the machine busy, meanwhile", 100, 50, 400, false, true},
        {"the time ran out just now", 100, 50, 100, false, true},
        {"just after a pause", 100, 50, 120, true, true},
        {"long after a pause", 100, 50, 180, true, false},
    };
    auto const at = [](int ms) { return TerminalReader::Time{} + std::chrono::milliseconds(ms); };
    for (Case const& c : cases) {
        EXPECT_EQ(TerminalReader::ReadsBeforeRuling(at(c.deadline), at(c.readTo), at(c.now), c.paused),
                  c.readsFirst)
            << c.what;
    }
}

TEST(TerminalReader, TypedCharactersDecodeAsTheKeyboardTableTypesThem) {
    std::string otherwise;  // the printable characters not decoded as typed
    for (char c = 32; c < 127; ++c) {
        KeyRecord decoded;
        KeyRecord const typed = con::KeyRecordFor(c);
        if (!con::DecodeTerminalCharacter(static_cast<char32_t>(c), decoded) ||
            decoded.virtualKey != typed.virtualKey || decoded.character != typed.character) {
            otherwise += c;
        }
    }
    EXPECT_EQ(otherwise, "");
    KeyRecord r;
    ASSERT_TRUE(con::DecodeTerminalCharacter(0xE9, r)) << "e acute arrives as its code page byte";
    EXPECT_EQ(static_cast<unsigned char>(r.character), 130);
    EXPECT_FALSE(con::DecodeTerminalCharacter(0x4E2D, r)) << "a character the code page lacks is dropped";
    EXPECT_FALSE(con::DecodeTerminalCharacter(0, r));
}

}  // namespace
